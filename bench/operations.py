"""Single-value operations: one statement per library, as its documentation
recommends (whenever's non-deprecated spellings, pendulum's and arrow's
module functions, datetime with zoneinfo, dateutil for calendar months).

A statement's names are bound before the timing loop, for every library
alike: a method of the library's value is bound once, as a caller in a
loop would hoist it (`year = ours.year` timed as `year()`, `add =
zoned.add` timed as `add(months=1)`); a property is read as written
(`zoned.year`), and a method of an intermediate result is called as
written.
"""

from __future__ import annotations

import datetime as dt
import operator
import zoneinfo

from harness import OURS, Operation, Statement
from peers import (QuendrelTime, arrow, ciso8601, instant, instant_and_offset, pendulum, relativedelta,
                   same_moment, whenever)

PARIS, TOKYO = "Europe/Paris", "Asia/Tokyo"
RFC3339 = "2024-01-15T10:30:00+05:30"
NAIVE = "2024-01-15 10:30:00"
NAIVE_MINUTES = "2024-01-15 10:30"
DATE_ONLY = "2024-01-15"
NAIVE_DST_DAY = "2024-03-31 12:00:00"  # Paris moves its clocks forward that morning
PATTERN = "YYYY-MM-DD HH:mm:ss"
STRFTIME = "%Y-%m-%d %H:%M:%S"
MS = 1_705_311_000_000


def bound(value, *methods) -> dict:
    """The value's methods, bound once, under their own names."""
    return {name: getattr(value, name) for name in methods}


def ours_values() -> dict:
    ours = QuendrelTime.parse("2024-01-31 10:30:00", PARIS)
    return dict(later=ours.add(5, "hour"), bit_length=(1).bit_length, parse=QuendrelTime.parse,
                from_unix_ms=QuendrelTime.from_unix_ms, from_array=QuendrelTime.from_array, now=QuendrelTime.now,
                **bound(ours, "to_iso", "format", "from_time", "to_timezone", "add", "start_of", "end_of",
                        "unix_ms", "year", "hour", "iso_weekday", "iso_week", "is_before", "is_same_unit", "diff"))


def datetime_values() -> dict:
    paris, tokyo = zoneinfo.ZoneInfo(PARIS), zoneinfo.ZoneInfo(TOKYO)
    aware = dt.datetime(2024, 1, 31, 10, 30, tzinfo=paris)
    later = aware + dt.timedelta(hours=5)
    return dict(aware=aware, later=later, later_date=later.date, paris=paris, tokyo=tokyo, utc=dt.timezone.utc,
                datetime=dt.datetime, timedelta=dt.timedelta, relativedelta=relativedelta,
                fromisoformat=dt.datetime.fromisoformat, fromtimestamp=dt.datetime.fromtimestamp, now=dt.datetime.now,
                **bound(aware, "isoformat", "strftime", "astimezone", "replace", "isoweekday", "isocalendar", "date"))


def whenever_values() -> dict:
    zoned = whenever.ZonedDateTime(2024, 1, 31, 10, 30, tz=PARIS)
    later = zoned.add(hours=5)
    return dict(zoned=zoned, later=later, later_date=later.date, MIDNIGHT=whenever.Time.MIDNIGHT,
                parse_instant=whenever.Instant.parse_iso, parse_plain=whenever.PlainDateTime.parse_iso,
                parse_date=whenever.Date.parse_iso, from_timestamp=whenever.Instant.from_timestamp,
                ZonedDateTime=whenever.ZonedDateTime, now=whenever.ZonedDateTime.now,
                **bound(zoned, "format_iso", "format", "to_tz", "add", "start_of", "end_of", "timestamp",
                        "day_of_week", "date"))


def pendulum_values() -> dict:
    moment = pendulum.datetime(2024, 1, 31, 10, 30, tz=PARIS)
    return dict(moment=moment, later=moment.add(hours=5), parse=pendulum.parse, from_timestamp=pendulum.from_timestamp,
                new=pendulum.datetime, now=pendulum.now,
                **bound(moment, "isoformat", "format", "diff_for_humans", "in_timezone", "add", "start_of", "end_of",
                        "isoweekday", "is_same_day"))


def arrow_values() -> dict:
    arw = arrow.Arrow(2024, 1, 31, 10, 30, tzinfo=PARIS)
    later = arw.shift(hours=5)
    return dict(arw=arw, later=later, later_date=later.date, get=arrow.get, Arrow=arrow.Arrow, now=arrow.now,
                **bound(arw, "isoformat", "format", "humanize", "to", "shift", "floor", "ceil", "isoweekday",
                        "isocalendar", "date"))


def library_values() -> dict[str, dict]:
    """Per installed library: the names its statements may use. Every value
    is 31 January 2024 10:30 in Paris, and `later` five hours after it."""
    constants = dict(PARIS=PARIS, TOKYO=TOKYO, RFC3339=RFC3339, NAIVE=NAIVE, NAIVE_MINUTES=NAIVE_MINUTES,
                     DATE_ONLY=DATE_ONLY, NAIVE_DST_DAY=NAIVE_DST_DAY, PATTERN=PATTERN, STRFTIME=STRFTIME, MS=MS)
    makers = {OURS: ours_values, "datetime": datetime_values}
    if whenever:
        makers["whenever"] = whenever_values
    if pendulum:
        makers["pendulum"] = pendulum_values
    if arrow:
        makers["arrow"] = arrow_values
    if ciso8601:
        makers["ciso8601"] = lambda: dict(parse_datetime=ciso8601.parse_datetime)
    return {library: dict(constants, **make()) for library, make in makers.items()}


class Table:
    """Collects operations. A statement is given as its code, or as
    (code, key) when its result needs reading before the comparison;
    libraries that are not installed are left out."""

    def __init__(self, values):
        self.values = values
        self.operations: list[Operation] = []

    def row(self, name, key=lambda r: r, same=operator.eq, **statements):
        chosen = {}
        for library, spec in statements.items():
            if library in self.values:
                code, statement_key = (spec, lambda r: r) if isinstance(spec, str) else spec
                chosen[library] = Statement(code, self.values[library], statement_key)
        self.operations.append(Operation(name, chosen, key, same))


def single_operations() -> list[Operation]:
    table = Table(library_values())
    for add_rows in (parsing_rows, text_rows, construction_rows, arithmetic_rows, query_rows, comparison_rows):
        add_rows(table)
    return table.operations


def parsing_rows(table: Table) -> None:
    # Offset text is read into an instant: ours views it in UTC, like whenever's Instant.
    table.row("parse RFC 3339 with offset", key=instant,
              quendreltime="parse(RFC3339, None)",
              whenever="parse_instant(RFC3339)",
              datetime="fromisoformat(RFC3339)",
              pendulum="parse(RFC3339)",
              arrow="get(RFC3339)",
              ciso8601="parse_datetime(RFC3339)")
    for name, text in (("parse naive text in a zone", "NAIVE"),
                       ("parse naive text without seconds", "NAIVE_MINUTES"),
                       ("parse naive text on a DST day", "NAIVE_DST_DAY")):
        table.row(name, key=instant_and_offset,
                  quendreltime=f"parse({text}, PARIS)",
                  whenever=f"parse_plain({text}).assume_tz(PARIS)",
                  datetime=f"fromisoformat({text}).replace(tzinfo=paris)",
                  pendulum=f"parse({text}, tz=PARIS)",
                  arrow=f"get({text}, tzinfo=PARIS)")
    table.row("parse a date alone in a zone", key=instant_and_offset,
              quendreltime="parse(DATE_ONLY, PARIS)",
              whenever="parse_date(DATE_ONLY).at(MIDNIGHT).assume_tz(PARIS)",
              datetime="fromisoformat(DATE_ONLY).replace(tzinfo=paris)",
              pendulum="parse(DATE_ONLY, tz=PARIS)",
              arrow="get(DATE_ONLY, tzinfo=PARIS)")


def text_rows(table: Table) -> None:
    table.row("ISO text out",
              quendreltime="to_iso()",
              whenever="format_iso(unit='millisecond', tz_id_display='omit')",
              datetime="isoformat(timespec='milliseconds')",
              pendulum="isoformat(timespec='milliseconds')",
              arrow="isoformat(timespec='milliseconds')")
    table.row("format YYYY-MM-DD HH:mm:ss",
              quendreltime="format(PATTERN)",
              whenever="format(PATTERN)",
              datetime="strftime(STRFTIME)",
              pendulum="format(PATTERN)",
              arrow="format(PATTERN)")
    table.row("relative text",
              quendreltime="from_time(later, None)",
              # pendulum says "before" where the others say "ago" for the same interval
              pendulum=("diff_for_humans(later)", lambda text: text.replace(" before", " ago")),
              arrow="humanize(later)")


def construction_rows(table: Table) -> None:
    table.row("from_unix_ms into a zone", key=instant_and_offset,
              quendreltime="from_unix_ms(MS, PARIS)",
              whenever="from_timestamp(MS, unit='millisecond').to_tz(PARIS)",
              datetime="fromtimestamp(MS / 1000, paris)",
              pendulum="from_timestamp(MS / 1000, tz=PARIS)",
              arrow="get(MS / 1000, tzinfo=PARIS)")
    # Our components come as a list, so the statement builds one, as a caller would.
    table.row("from components", key=instant_and_offset,
              quendreltime="from_array([2024, 0, 15, 10, 30], PARIS)",
              whenever="ZonedDateTime(2024, 1, 15, 10, 30, tz=PARIS)",
              datetime="datetime(2024, 1, 15, 10, 30, tzinfo=paris)",
              pendulum="new(2024, 1, 15, 10, 30, tz=PARIS)",
              arrow="Arrow(2024, 1, 15, 10, 30, tzinfo=PARIS)")
    table.row("now in a zone", key=instant_and_offset, same=same_moment,
              quendreltime="now(PARIS)",
              whenever="now(PARIS)",
              datetime="now(paris)",
              pendulum="now(PARIS)",
              arrow="now(PARIS)")
    table.row("to_timezone", key=instant_and_offset,
              quendreltime="to_timezone(TOKYO)",
              whenever="to_tz(TOKYO)",
              datetime="astimezone(tokyo)",
              pendulum="in_timezone(TOKYO)",
              arrow="to(TOKYO)")


def arithmetic_rows(table: Table) -> None:
    table.row("add 1 month", key=instant_and_offset,
              quendreltime="add(1, 'month')",
              whenever="add(months=1)",
              datetime="aware + relativedelta(months=1)",  # with dateutil
              pendulum="add(months=1)",
              arrow="shift(months=1)")
    table.row("add 1 day", key=instant_and_offset,
              quendreltime="add(1, 'day')",
              whenever="add(days=1)",
              datetime="aware + timedelta(days=1)",
              pendulum="add(days=1)",
              arrow="shift(days=1)")
    # Exact time: the standard library adds it in UTC, or it would keep a stale offset across a change.
    table.row("add 3 hours", key=instant_and_offset,
              quendreltime="add(3, 'hour')",
              whenever="add(hours=3)",
              datetime="(astimezone(utc) + timedelta(hours=3)).astimezone(paris)",
              pendulum="add(hours=3)",
              arrow="shift(hours=3)")
    table.row("start_of day", key=instant_and_offset,
              quendreltime="start_of('day')",
              whenever="start_of('day')",
              datetime="replace(hour=0, minute=0, second=0, microsecond=0)",
              pendulum="start_of('day')",
              arrow="floor('day')")
    table.row("end_of month", key=instant_and_offset,
              quendreltime="end_of('month')",
              whenever="end_of('month')",
              pendulum="end_of('month')",
              arrow="ceil('month')")


def query_rows(table: Table) -> None:
    table.row("floor: (1).bit_length()", quendreltime="bit_length()")
    table.row("unix_ms()",
              quendreltime="unix_ms()",
              whenever="timestamp(unit='millisecond')")
    for field in ("year", "hour"):
        table.row(f"{field}()",
                  quendreltime=f"{field}()",
                  whenever=f"zoned.{field}",
                  datetime=f"aware.{field}",
                  pendulum=f"moment.{field}",
                  arrow=f"arw.{field}")
    table.row("iso_weekday()",
              quendreltime="iso_weekday()",
              whenever=("day_of_week()", lambda weekday: weekday.value),
              datetime="isoweekday()",
              pendulum="isoweekday()",
              arrow="isoweekday()")
    table.row("iso_week()",
              quendreltime="iso_week()",
              whenever="date().iso_week_date().week",
              datetime="isocalendar().week",
              pendulum="moment.week_of_year",
              arrow="isocalendar().week")


def comparison_rows(table: Table) -> None:
    table.row("is_before",
              quendreltime="is_before(later)",
              whenever="zoned < later",
              datetime="aware < later",
              pendulum="moment < later",
              arrow="arw < later")
    table.row("is_same_unit(other, 'day')",
              quendreltime="is_same_unit(later, 'day')",
              whenever="date() == later_date()",
              datetime="date() == later_date()",
              pendulum="is_same_day(later)",
              arrow="date() == later_date()")
    table.row("diff in hours (float)",
              quendreltime="diff(later, 'hour', True)",
              whenever="(zoned - later).total('hours')",
              datetime="(aware - later) / timedelta(hours=1)",
              pendulum="(moment - later).total_hours()",
              arrow="(arw - later).total_seconds() / 3600")
