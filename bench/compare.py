"""Side-by-side timings of quendreltime and its peers.

    python bench/compare.py [--quick] [--json PATH] [--markdown]

Every operation is done the idiomatic way in each installed library, timed
in the same run (the libraries taking turns round by round), and reported
per call as the fastest round, with the ratio peer/ours (above 1.0 means
quendreltime is faster).
"""

from __future__ import annotations

import argparse
import datetime as dt
import json
import sys
import timeit
import zoneinfo

import quendreltime

T = quendreltime.quendrel_time
PARIS, TOKYO = "Europe/Paris", "Asia/Tokyo"
RFC3339 = "2024-01-15T10:30:00+05:30"
NAIVE = "2024-01-15 10:30:00"
MS = 1_705_311_000_000
BATCH = 100_000


def optional(name):
    try:
        return __import__(name)
    except ImportError:
        return None


whenever, pendulum, arrow, pandas, ciso8601 = (
    optional(n) for n in ("whenever", "pendulum", "arrow", "pandas", "ciso8601")
)
relativedelta = getattr(optional("dateutil.relativedelta"), "relativedelta", None)
if relativedelta is None:
    try:
        from dateutil.relativedelta import relativedelta
    except ImportError:
        relativedelta = None


def operations():
    """{operation: {library: zero-argument callable}}."""
    paris = zoneinfo.ZoneInfo(PARIS)
    tokyo = zoneinfo.ZoneInfo(TOKYO)
    ours = T.parse("2024-01-31 10:30:00", PARIS)
    other = ours.add(5, "hour")
    std = dt.datetime(2024, 1, 31, 10, 30, tzinfo=paris)
    std_other = std + dt.timedelta(hours=5)
    ops: dict[str, dict[str, object]] = {}

    def op(name, **impls):
        ops[name] = {lib: fn for lib, fn in impls.items() if fn is not None}

    w = whenever
    wz = w.ZonedDateTime(2024, 1, 31, 10, 30, tz=PARIS) if w else None
    wz_other = wz.add(hours=5) if w else None
    p = pendulum.datetime(2024, 1, 31, 10, 30, tz=PARIS) if pendulum else None
    p_other = p.add(hours=5) if pendulum else None
    a = arrow.Arrow(2024, 1, 31, 10, 30, tzinfo=PARIS) if arrow else None
    a_other = a.shift(hours=5) if arrow else None

    def peer(module, fn):
        return fn if module else None

    op("parse RFC 3339 with offset",
       quendreltime=lambda: T.parse(RFC3339, None),
       whenever=peer(w, lambda: w.OffsetDateTime.parse_iso(RFC3339)),
       pendulum=peer(pendulum, lambda: pendulum.parse(RFC3339)),
       arrow=peer(arrow, lambda: arrow.get(RFC3339)),
       datetime=lambda: dt.datetime.fromisoformat(RFC3339),
       ciso8601=peer(ciso8601, lambda: ciso8601.parse_datetime(RFC3339)))
    op("parse naive text in a zone",
       quendreltime=lambda: T.parse(NAIVE, PARIS),
       whenever=peer(w, lambda: w.PlainDateTime.parse_iso("2024-01-15T10:30:00").assume_tz(PARIS)),
       pendulum=peer(pendulum, lambda: pendulum.parse(NAIVE, tz=PARIS)),
       arrow=peer(arrow, lambda: arrow.get(NAIVE, tzinfo=PARIS)),
       datetime=lambda: dt.datetime.fromisoformat(NAIVE).replace(tzinfo=paris))
    op("ISO text out",
       quendreltime=ours.to_iso,
       whenever=peer(w, lambda: wz.format_iso()),
       pendulum=peer(pendulum, lambda: p.isoformat()),
       arrow=peer(arrow, lambda: a.isoformat()),
       datetime=std.isoformat)
    op("format YYYY-MM-DD HH:mm:ss",
       quendreltime=lambda: ours.format("YYYY-MM-DD HH:mm:ss"),
       whenever=peer(w, lambda: wz.format("YYYY-MM-DD HH:mm:ss")),
       pendulum=peer(pendulum, lambda: p.format("YYYY-MM-DD HH:mm:ss")),
       arrow=peer(arrow, lambda: a.format("YYYY-MM-DD HH:mm:ss")),
       datetime=lambda: std.strftime("%Y-%m-%d %H:%M:%S"))
    op("from_unix_ms into a zone",
       quendreltime=lambda: T.from_unix_ms(MS, PARIS),
       whenever=peer(w, lambda: w.ZonedDateTime.from_timestamp_millis(MS, tz=PARIS)),
       pendulum=peer(pendulum, lambda: pendulum.from_timestamp(MS / 1000, tz=PARIS)),
       arrow=peer(arrow, lambda: arrow.get(MS / 1000, tzinfo=PARIS)),
       datetime=lambda: dt.datetime.fromtimestamp(MS / 1000, paris))
    op("to_timezone",
       quendreltime=lambda: ours.to_timezone(TOKYO),
       whenever=peer(w, lambda: wz.to_tz(TOKYO)),
       pendulum=peer(pendulum, lambda: p.in_timezone(TOKYO)),
       arrow=peer(arrow, lambda: a.to(TOKYO)),
       datetime=lambda: std.astimezone(tokyo))
    op("now in a zone",
       quendreltime=lambda: T.now(PARIS),
       whenever=peer(w, lambda: w.ZonedDateTime.now(PARIS)),
       pendulum=peer(pendulum, lambda: pendulum.now(PARIS)),
       arrow=peer(arrow, lambda: arrow.now(PARIS)),
       datetime=lambda: dt.datetime.now(paris))
    op("add 1 month",
       quendreltime=lambda: ours.add(1, "month"),
       whenever=peer(w, lambda: wz.add(months=1)),
       pendulum=peer(pendulum, lambda: p.add(months=1)),
       arrow=peer(arrow, lambda: a.shift(months=1)),
       datetime=peer(relativedelta, lambda: std + relativedelta(months=1)))
    op("add 1 day",
       quendreltime=lambda: ours.add(1, "day"),
       whenever=peer(w, lambda: wz.add(days=1)),
       pendulum=peer(pendulum, lambda: p.add(days=1)),
       arrow=peer(arrow, lambda: a.shift(days=1)),
       datetime=lambda: std + dt.timedelta(days=1))
    op("add 3 hours",
       quendreltime=lambda: ours.add(3, "hour"),
       whenever=peer(w, lambda: wz.add(hours=3)),
       pendulum=peer(pendulum, lambda: p.add(hours=3)),
       arrow=peer(arrow, lambda: a.shift(hours=3)),
       datetime=lambda: (std.astimezone(dt.timezone.utc) + dt.timedelta(hours=3)).astimezone(paris))
    op("start_of day",
       quendreltime=lambda: ours.start_of("day"),
       whenever=peer(w, lambda: wz.start_of("day")),
       pendulum=peer(pendulum, lambda: p.start_of("day")),
       arrow=peer(arrow, lambda: a.floor("day")),
       datetime=lambda: std.replace(hour=0, minute=0, second=0, microsecond=0))
    op("end_of month",
       quendreltime=lambda: ours.end_of("month"),
       whenever=peer(w, lambda: wz.end_of("month")),
       pendulum=peer(pendulum, lambda: p.end_of("month")),
       arrow=peer(arrow, lambda: a.ceil("month")))
    op("year()",
       quendreltime=ours.year,
       whenever=peer(w, lambda: wz.year),
       pendulum=peer(pendulum, lambda: p.year),
       arrow=peer(arrow, lambda: a.year),
       datetime=lambda: std.year)
    op("iso_week()",
       quendreltime=ours.iso_week,
       pendulum=peer(pendulum, lambda: p.week_of_year),
       arrow=peer(arrow, lambda: a.isocalendar()[1]),
       datetime=lambda: std.isocalendar()[1])
    op("is_before",
       quendreltime=lambda: ours.is_before(other),
       whenever=peer(w, lambda: wz < wz_other),
       pendulum=peer(pendulum, lambda: p < p_other),
       arrow=peer(arrow, lambda: a < a_other),
       datetime=lambda: std < std_other)
    op("diff in hours (float)",
       quendreltime=lambda: ours.diff(other, "hour", True),
       whenever=peer(w, lambda: (wz - wz_other).in_hours() if hasattr(wz - wz_other, "in_hours")
                     else (wz - wz_other).total("hours")),
       pendulum=peer(pendulum, lambda: (p - p_other).total_hours()),
       arrow=peer(arrow, lambda: (a - a_other).total_seconds() / 3600),
       datetime=lambda: (std - std_other).total_seconds() / 3600)
    op("relative text",
       quendreltime=lambda: ours.from_time(other, None),
       pendulum=peer(pendulum, lambda: p.diff_for_humans(p_other)),
       arrow=peer(arrow, lambda: a.humanize(a_other)))
    op("floor: (1).bit_length()", quendreltime=(1).bit_length)
    op("query: unix_ms()", quendreltime=ours.unix_ms)
    return ops


def batch_operations():
    texts = [f"2024-{m:02d}-{d:02d}T{h:02d}:30:00Z" for m in range(1, 13) for d in range(1, 29) for h in range(24)]
    texts = (texts * (BATCH // len(texts) + 1))[:BATCH]
    millis = [MS + i * 60_000 for i in range(BATCH)]
    ops: dict[str, dict[str, object]] = {}
    fast_parse = ciso8601.parse_datetime if ciso8601 else dt.datetime.fromisoformat
    ops["parse_batch 100k (per item)"] = {
        "quendreltime": lambda: T.parse_batch(texts, None),
        "pandas": (lambda: pandas.to_datetime(texts, utc=True)) if pandas else None,
        "whenever": (lambda: [whenever.OffsetDateTime.parse_iso(t) for t in texts]) if whenever else None,
        "ciso8601": lambda: [fast_parse(t) for t in texts],
    }
    paris = zoneinfo.ZoneInfo(PARIS)
    series = pandas.Series(pandas.to_datetime(millis, unit="ms", utc=True)).dt.tz_convert(PARIS) if pandas else None
    ops["format_batch 100k (per item)"] = {
        "quendreltime": lambda: T.format_batch(millis, "YYYY-MM-DD HH:mm:ss", PARIS, None),
        "pandas": (lambda: series.dt.strftime("%Y-%m-%d %H:%M:%S")) if pandas else None,
        "whenever": (lambda: [whenever.ZonedDateTime.from_timestamp_millis(m, tz=PARIS).format("YYYY-MM-DD HH:mm:ss")
                              for m in millis]) if whenever else None,
        "datetime": lambda: [dt.datetime.fromtimestamp(m / 1000, paris).strftime("%Y-%m-%d %H:%M:%S") for m in millis],
    }
    return {name: {k: v for k, v in impls.items() if v} for name, impls in ops.items()}


def calibrated_timer(fn, round_seconds):
    """A timer and the number of calls that lasts about round_seconds, or
    (None, None) when the library cannot do this operation."""
    try:
        fn()
    except Exception:  # a peer without this operation
        return None, None
    timer = timeit.Timer(fn)
    number = 1
    while True:
        elapsed = timer.timeit(number)
        if elapsed >= round_seconds / 4:
            return timer, max(1, int(number * round_seconds / elapsed))
        number *= 4


def measure_operation(impls, rounds, per_call_items, round_seconds):
    """Seconds per item for each library: the fastest of several rounds,
    the libraries taking turns within each round, so that a noisy moment
    on the machine hits them all alike rather than one of them."""
    timers = {lib: calibrated_timer(fn, round_seconds) for lib, fn in impls.items()}
    timers = {lib: t for lib, t in timers.items() if t[0] is not None}
    best = {lib: float("inf") for lib in timers}
    for _ in range(rounds):
        for lib, (timer, number) in timers.items():
            best[lib] = min(best[lib], timer.timeit(number) / number / per_call_items)
    return best


def print_table(results, libs, markdown):
    def cell(row, lib, ours):
        if lib in row and ours:
            return f"{row[lib] * 1e9:.0f} ({row[lib] / ours:.1f}x)"
        return "-"

    if markdown:
        print("| operation | quendreltime | " + " | ".join(libs) + " |")
        print("|---|---:|" + "---:|" * len(libs))
        for name, row in results.items():
            ours = row.get("quendreltime")
            ours_text = f"{ours * 1e9:.0f}" if ours else "-"
            print(f"| {name} | {ours_text} | " + " | ".join(cell(row, lib, ours) for lib in libs) + " |")
    else:
        header = f"{'operation':<32} {'ours':>9} " + " ".join(f"{lib:>17}" for lib in libs)
        print(header)
        print("-" * len(header))
        for name, row in results.items():
            ours = row.get("quendreltime")
            cells = [f"{cell(row, lib, ours):>17}" for lib in libs]
            print(f"{name:<32} {ours * 1e9 if ours else float('nan'):>7.0f}ns " + " ".join(cells))
    print("\ntimes are nanoseconds per call (per item for batches); (Nx) = peer time / quendreltime time")


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--quick", action="store_true", help="fewer rounds, finishes in under a minute")
    parser.add_argument("--json", metavar="PATH", help="also write the figures as JSON")
    parser.add_argument("--markdown", action="store_true", help="print the table as Markdown (for the README)")
    args = parser.parse_args(argv)
    rounds = 5 if args.quick else 7
    import warnings

    warnings.simplefilter("ignore")
    results = {}
    for name, impls in {**operations(), **batch_operations()}.items():
        items = BATCH if "100k" in name else 1
        batch_rounds = 2 if args.quick else 3
        results[name] = measure_operation(impls, batch_rounds if items > 1 else rounds, items,
                                          0.06 if args.quick else 0.2)
    libs = ["whenever", "datetime", "pendulum", "arrow", "pandas", "ciso8601"]
    print_table(results, libs, args.markdown)
    sizes = {"QuendrelTime": sys.getsizeof(T.now(None)), "QuendrelDuration": sys.getsizeof(quendreltime.quendrel_duration(1, "s"))}
    print("\nsys.getsizeof: " + ", ".join(f"{k} {v} bytes" for k, v in sizes.items()))
    if args.json:
        with open(args.json, "w") as f:
            json.dump({"python": sys.version, "date": dt.date.today().isoformat(), "seconds": results}, f, indent=2)


if __name__ == "__main__":
    main()
