"""Single-value operations: one statement per library, as its documentation
recommends (whenever's non-deprecated spellings, pendulum's and arrow's
module functions, datetime with zoneinfo, dateutil for calendar months).

A statement's names are bound before the timing loop: a method of a value
is bound once (`year = ours.year`, timed as `year()`), as a caller in a
loop would hoist it; a property is read as written (`zoned.year`).
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


# Our value's methods that the rows call, each bound once before the loop.
OUR_METHODS = ("to_iso", "format", "from_time", "to_timezone", "add", "start_of", "end_of", "unix_ms", "year",
               "hour", "iso_weekday", "iso_week", "is_before", "is_same_unit", "diff")


def library_values():
    """Per library: the names its statements may use. Every value is
    31 January 2024 10:30 in Paris, and `later` five hours after it."""
    paris, tokyo = zoneinfo.ZoneInfo(PARIS), zoneinfo.ZoneInfo(TOKYO)
    constants = dict(PARIS=PARIS, TOKYO=TOKYO, RFC3339=RFC3339, NAIVE=NAIVE, NAIVE_MINUTES=NAIVE_MINUTES,
                     DATE_ONLY=DATE_ONLY, NAIVE_DST_DAY=NAIVE_DST_DAY, PATTERN=PATTERN, STRFTIME=STRFTIME, MS=MS)
    ours = QuendrelTime.parse("2024-01-31 10:30:00", PARIS)
    values = {
        OURS: dict(constants, later=ours.add(5, "hour"), bit_length=(1).bit_length,
                   parse=QuendrelTime.parse, from_unix_ms=QuendrelTime.from_unix_ms,
                   from_array=QuendrelTime.from_array, now=QuendrelTime.now,
                   **{name: getattr(ours, name) for name in OUR_METHODS}),
        "datetime": dict(constants, paris=paris, tokyo=tokyo, utc=dt.timezone.utc, datetime=dt.datetime,
                         timedelta=dt.timedelta, relativedelta=relativedelta, fromisoformat=dt.datetime.fromisoformat,
                         fromtimestamp=dt.datetime.fromtimestamp, now=dt.datetime.now,
                         aware=dt.datetime(2024, 1, 31, 10, 30, tzinfo=paris),
                         later=dt.datetime(2024, 1, 31, 15, 30, tzinfo=paris)),
    }
    if whenever:
        zoned = whenever.ZonedDateTime(2024, 1, 31, 10, 30, tz=PARIS)
        values["whenever"] = dict(constants, zoned=zoned, later=zoned.add(hours=5), MIDNIGHT=whenever.Time.MIDNIGHT,
                                  parse_instant=whenever.Instant.parse_iso,
                                  parse_plain=whenever.PlainDateTime.parse_iso, parse_date=whenever.Date.parse_iso,
                                  from_timestamp=whenever.Instant.from_timestamp,
                                  ZonedDateTime=whenever.ZonedDateTime, now=whenever.ZonedDateTime.now)
    if pendulum:
        moment = pendulum.datetime(2024, 1, 31, 10, 30, tz=PARIS)
        values["pendulum"] = dict(constants, moment=moment, later=moment.add(hours=5), parse=pendulum.parse,
                                  from_timestamp=pendulum.from_timestamp, new=pendulum.datetime, now=pendulum.now)
    if arrow:
        arw = arrow.Arrow(2024, 1, 31, 10, 30, tzinfo=PARIS)
        values["arrow"] = dict(constants, arw=arw, later=arw.shift(hours=5), get=arrow.get, Arrow=arrow.Arrow,
                               now=arrow.now)
    if ciso8601:
        values["ciso8601"] = dict(constants, parse_datetime=ciso8601.parse_datetime)
    return values


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
              whenever="zoned.format_iso(unit='millisecond', tz_id_display='omit')",
              datetime="aware.isoformat(timespec='milliseconds')",
              pendulum="moment.isoformat(timespec='milliseconds')",
              arrow="arw.isoformat(timespec='milliseconds')")
    table.row("format YYYY-MM-DD HH:mm:ss",
              quendreltime="format(PATTERN)",
              whenever="zoned.format(PATTERN)",
              datetime="aware.strftime(STRFTIME)",
              pendulum="moment.format(PATTERN)",
              arrow="arw.format(PATTERN)")
    table.row("relative text",
              quendreltime="from_time(later, None)",
              # pendulum says "before" where the others say "ago" for the same interval
              pendulum=("moment.diff_for_humans(later)", lambda text: text.replace(" before", " ago")),
              arrow="arw.humanize(later)")


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
              whenever="zoned.to_tz(TOKYO)",
              datetime="aware.astimezone(tokyo)",
              pendulum="moment.in_timezone(TOKYO)",
              arrow="arw.to(TOKYO)")


def arithmetic_rows(table: Table) -> None:
    table.row("add 1 month", key=instant_and_offset,
              quendreltime="add(1, 'month')",
              whenever="zoned.add(months=1)",
              datetime="aware + relativedelta(months=1)",  # with dateutil
              pendulum="moment.add(months=1)",
              arrow="arw.shift(months=1)")
    table.row("add 1 day", key=instant_and_offset,
              quendreltime="add(1, 'day')",
              whenever="zoned.add(days=1)",
              datetime="aware + timedelta(days=1)",
              pendulum="moment.add(days=1)",
              arrow="arw.shift(days=1)")
    # Exact time: the standard library adds it in UTC, or it would keep a stale offset across a change.
    table.row("add 3 hours", key=instant_and_offset,
              quendreltime="add(3, 'hour')",
              whenever="zoned.add(hours=3)",
              datetime="(aware.astimezone(utc) + timedelta(hours=3)).astimezone(paris)",
              pendulum="moment.add(hours=3)",
              arrow="arw.shift(hours=3)")
    table.row("start_of day", key=instant_and_offset,
              quendreltime="start_of('day')",
              whenever="zoned.start_of('day')",
              datetime="aware.replace(hour=0, minute=0, second=0, microsecond=0)",
              pendulum="moment.start_of('day')",
              arrow="arw.floor('day')")
    table.row("end_of month", key=instant_and_offset,
              quendreltime="end_of('month')",
              whenever="zoned.end_of('month')",
              pendulum="moment.end_of('month')",
              arrow="arw.ceil('month')")


def query_rows(table: Table) -> None:
    table.row("floor: (1).bit_length()", quendreltime="bit_length()")
    table.row("unix_ms()",
              quendreltime="unix_ms()",
              whenever="zoned.timestamp(unit='millisecond')")
    for field in ("year", "hour"):
        table.row(f"{field}()",
                  quendreltime=f"{field}()",
                  whenever=f"zoned.{field}",
                  datetime=f"aware.{field}",
                  pendulum=f"moment.{field}",
                  arrow=f"arw.{field}")
    table.row("iso_weekday()",
              quendreltime="iso_weekday()",
              whenever=("zoned.day_of_week()", lambda weekday: weekday.value),
              datetime="aware.isoweekday()",
              pendulum="moment.isoweekday()",
              arrow="arw.isoweekday()")
    table.row("iso_week()",
              quendreltime="iso_week()",
              whenever="zoned.date().iso_week_date().week",
              datetime="aware.isocalendar().week",
              pendulum="moment.week_of_year",
              arrow="arw.isocalendar().week")


def comparison_rows(table: Table) -> None:
    table.row("is_before",
              quendreltime="is_before(later)",
              whenever="zoned < later",
              datetime="aware < later",
              pendulum="moment < later",
              arrow="arw < later")
    table.row("is_same_unit(other, 'day')",
              quendreltime="is_same_unit(later, 'day')",
              whenever="zoned.date() == later.date()",
              datetime="aware.date() == later.date()",
              pendulum="moment.is_same_day(later)",
              arrow="arw.date() == later.date()")
    table.row("diff in hours (float)",
              quendreltime="diff(later, 'hour', True)",
              whenever="(zoned - later).total('hours')",
              datetime="(aware - later) / timedelta(hours=1)",
              pendulum="(moment - later).total_hours()",
              arrow="(arw - later).total_seconds() / 3600")
