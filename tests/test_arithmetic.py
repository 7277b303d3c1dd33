"""Units, add and subtract, start_of and end_of."""

import calendar
import datetime as dt
import re
import zoneinfo

import pytest
from hypothesis import given, settings
from hypothesis import strategies as st

import quendreltime
from support import ALL_ZONES, MAX_MS, MIN_MS, OVERFLOW, UNIT_HELP, change_values

T = quendreltime.quendrel_time
UTC = dt.timezone.utc
ZONES = ALL_ZONES
HOUR = 3_600_000
DAY = 24 * HOUR


def local(y, mo, d, h=0, mi=0, s=0, ms=0, zone="UTC"):
    return T.from_array([y, mo - 1, d, h, mi, s, ms], zone)


# "YYYY-MM-DDTHH:MM[:SS[.fff]]" as [year, month, day, hour, minute, second, ms];
# datetime cannot hold year 0.
def fields(text):
    numbers = [int(n) for n in re.findall(r"\d+", text)]
    return numbers + [0] * (7 - len(numbers))


def utc_ms(text):
    return int(dt.datetime.fromisoformat(text).replace(tzinfo=UTC).timestamp() * 1000)


class TestUnits:
    BASE = local(2024, 1, 31, 10, 30, zone="Europe/Paris")
    ACCEPTED = [
        ("ms", "millisecond"), ("millisecond", "millisecond"), ("milliseconds", "millisecond"),
        ("s", "second"), ("sec", "second"), ("second", "second"), ("seconds", "second"),
        ("m", "minute"), ("min", "minute"), ("minute", "minute"), ("minutes", "minute"),
        ("h", "hour"), ("hour", "hour"), ("hours", "hour"),
        ("d", "day"), ("day", "day"), ("days", "day"),
        ("w", "week"), ("week", "week"), ("weeks", "week"),
        ("mo", "month"), ("month", "month"), ("months", "month"),
        ("q", "quarter"), ("quarter", "quarter"), ("quarters", "quarter"),
        ("y", "year"), ("year", "year"), ("years", "year"),
        # "M" lower-cases to the minute; padding and capitals are accepted
        ("M", "minute"), ("  DAYS ", "day"), ("\u2028Mo\u205f", "month"), ("\tMILLISECONDS\r\n", "millisecond"),
    ]

    @pytest.mark.parametrize("text, unit", ACCEPTED)
    def test_accepted_texts(self, text, unit):
        assert self.BASE.add(3, text).unix_ms() == self.BASE.add(3, unit).unix_ms()
        assert self.BASE.start_of(text).unix_ms() == self.BASE.start_of(unit).unix_ms()

    # every unit gives a distinct result, so the table above cannot alias two units
    def test_units_differ(self):
        units = ["millisecond", "second", "minute", "hour", "day", "week", "month", "quarter", "year"]
        assert len({self.BASE.add(1, u).unix_ms() for u in units}) == len(units)

    REFUSED = [
        # plural and other abbreviations, and the field names that are not units
        "mins", "secs", "hr", "hrs", "wk", "yr", "qtr", "date", "weekday", "msec", "mon",
        # empty, blank, too long, inner space, non-ASCII
        "", "  ", "\u00a0", "millisecondss", "mill iseconds", "dáy", "ｄ", "day\x00", " Mins ",
    ]

    @pytest.mark.parametrize("text", REFUSED)
    @pytest.mark.parametrize("method", ["add", "subtract"])
    @pytest.mark.parametrize("amount", [0, 1, -(2**63)])
    def test_refused_before_any_arithmetic(self, text, method, amount):
        with pytest.raises(ValueError) as info:
            getattr(self.BASE, method)(amount, text)
        assert str(info.value) == "Invalid unit: " + text + UNIT_HELP

    @pytest.mark.parametrize("text", REFUSED)
    @pytest.mark.parametrize("method", ["start_of", "end_of"])
    def test_refused_by_start_and_end(self, text, method):
        with pytest.raises(ValueError) as info:
            getattr(self.BASE, method)(text)
        assert str(info.value) == "Invalid unit: " + text + UNIT_HELP

    @pytest.mark.parametrize("amount, unit, error", [
        (1.0, "day", TypeError), ("1", "day", TypeError), (None, "day", TypeError),
        (1, None, TypeError), (1, 1, TypeError), (2**63, "ms", OverflowError),
    ])
    def test_argument_types(self, amount, unit, error):
        with pytest.raises(error):
            self.BASE.add(amount, unit)

    def test_zero_returns_an_equal_new_value(self):
        v = self.BASE.add(0, "day")
        assert v is not self.BASE
        assert (v.unix_ms(), v.timezone()) == (self.BASE.unix_ms(), "Europe/Paris")


class TestCalendarUnits:
    # (start, amount, unit, expected local date-time): month-based units clamp the day
    @pytest.mark.parametrize("start, amount, unit, expected", [
        ("2024-01-31T10:30", 1, "month", "2024-02-29T10:30"),
        ("2023-01-31T10:30", 1, "month", "2023-02-28T10:30"),
        ("2024-02-29T10:30", 1, "month", "2024-03-29T10:30"),
        ("2024-02-29T00:00", 1, "year", "2025-02-28T00:00"),
        ("2024-02-29T00:00", 4, "year", "2028-02-29T00:00"),
        ("2023-11-30T08:00", 1, "quarter", "2024-02-29T08:00"),
        ("2023-03-31T08:00", -1, "month", "2023-02-28T08:00"),
        ("2024-01-15T08:00", -13, "month", "2022-12-15T08:00"),
        ("2024-05-31T23:59:59.999", -1, "quarter", "2024-02-29T23:59:59.999"),
        ("0001-01-31T00:00", -1, "month", "0000-12-31T00:00"),
        ("0000-03-31T00:00", -1, "month", "0000-02-29T00:00"),
        ("2024-01-01T12:00", -1, "week", "2023-12-25T12:00"),
        ("2024-02-28T12:00", 2, "day", "2024-03-01T12:00"),
    ])
    def test_local_calendar_moves(self, start, amount, unit, expected):
        v = local(*fields(start), zone="Europe/Paris")
        got = v.add(amount, unit)
        e = fields(expected)
        assert got.to_array() == [e[0], e[1] - 1, *e[2:]]
        assert got.timezone() == "Europe/Paris"
        assert v.subtract(-amount, unit).unix_ms() == got.unix_ms()

    # days keep the clock reading across DST changes; hours keep the elapsed time
    @pytest.mark.parametrize("zone, start, amount, unit, expected_utc", [
        ("America/New_York", "2024-03-09T12:00", 1, "day", "2024-03-10T16:00"),   # 23 h later
        ("America/New_York", "2024-03-09T12:00", 24, "hour", "2024-03-10T17:00"),  # 13:00 local
        ("Europe/Paris", "2024-10-26T12:00", 1, "day", "2024-10-27T11:00"),        # 25 h later
        ("Europe/Paris", "2024-10-26T12:00", 24, "h", "2024-10-27T10:00"),         # 11:00 local
        ("Europe/Paris", "2024-03-30T02:30", 1, "day", "2024-03-31T01:00"),        # gap: 03:00 CEST
        ("America/New_York", "2024-11-02T01:30", 1, "day", "2024-11-03T05:30"),    # overlap: earlier
        ("America/New_York", "2024-11-04T01:30", -1, "d", "2024-11-03T05:30"),
        ("Pacific/Apia", "2011-12-29T22:30", 1, "day", "2011-12-30T10:00"),        # skipped day: 90 min on
    ])
    def test_dst(self, zone, start, amount, unit, expected_utc):
        s = dt.datetime.fromisoformat(start)
        v = local(s.year, s.month, s.day, s.hour, s.minute, zone=zone)
        assert v.add(amount, unit).unix_ms() == utc_ms(expected_utc)

    def test_landing_in_a_gap_matches_construction(self):
        landed = local(2024, 3, 9, 2, 30, zone="America/New_York").add(1, "day")
        assert landed.unix_ms() == local(2024, 3, 10, 2, 30, zone="America/New_York").unix_ms() == utc_ms(
            "2024-03-10T07:00")

    def test_unresolvable_local_time(self):
        with pytest.raises(ValueError) as info:
            local(2011, 12, 29, 10, zone="Pacific/Apia").add(1, "day")
        assert str(info.value) == "Local time 2011-12-30 10:00:00 does not exist in timezone Pacific/Apia"


class TestOverflow:
    @pytest.mark.parametrize("ms, amount, unit", [
        (0, 1_000_000_000, "day"),
        (0, -1_000_000_000, "days"),
        (MAX_MS, 1, "ms"),
        (MIN_MS, -1, "ms"),
        (MAX_MS, 1, "day"),
        (MAX_MS - 86_399_999, 1, "month"),
        (0, 262_143 - 1970, "year"),
        (0, -(262_144 + 1970), "year"),
        # shifts at the documented magnitudes, and beyond them
        (0, 2**63 - 1, "ms"),
        (0, -(2**63), "ms"),
        (0, 9_223_372_036_854_775, "s"),
        (0, 153_722_867_280_912, "m"),
        (0, -2_562_047_788_015, "h"),
        (0, 106_751_991_167, "d"),
        (0, -15_250_284_452, "w"),
        (0, 9_223_372_036_854_776, "s"),
        (0, 2**62, "h"),
        (0, 2**63 - 1, "day"),
        (0, -(2**63), "week"),
        (0, 2**62, "week"),
        # month counts: 64-bit products, the 32-bit count and the 32-bit index
        (0, 2**62, "quarter"),
        (0, -(2**61), "year"),
        (0, 2**31, "month"),
        (0, -(2**31) - 1, "month"),
        (0, 2**31 - 1, "month"),
        (0, -(2**31), "month"),
        (0, 178_956_971, "year"),
    ])
    def test_add(self, ms, amount, unit):
        with pytest.raises(ValueError, match=OVERFLOW):
            T.from_unix_ms(ms, "UTC").add(amount, unit)

    def test_subtract_most_negative(self):
        v = T.from_unix_ms(0, "UTC")
        with pytest.raises(ValueError, match=OVERFLOW):
            v.subtract(-(2**63), "ms")
        assert v.subtract(5, "days").unix_ms() == v.add(-5, "days").unix_ms() == -5 * DAY

    # the last and first instants can still move inward
    @pytest.mark.parametrize("ms, amount, unit, expected", [
        (MAX_MS, -1, "ms", MAX_MS - 1),
        (MIN_MS, 1, "ms", MIN_MS + 1),
        (MAX_MS, -1, "year", MAX_MS - 365 * DAY),
        (MIN_MS, 1, "day", MIN_MS + DAY),
    ])
    def test_inward_from_the_ends(self, ms, amount, unit, expected):
        assert T.from_unix_ms(ms, "UTC").add(amount, unit).unix_ms() == expected

    # December of the last year has its 31 days although the January after it
    # lies outside the calendar
    def test_last_month_of_the_range(self):
        v = T.from_unix_ms(MAX_MS, "UTC").subtract(1, "month")
        assert v.to_array() == [262142, 10, 30, 23, 59, 59, 999]
        assert v.add(1, "month").unix_ms() == MAX_MS - DAY


class TestStartEnd:
    # Sunday 2024-05-12 .. Saturday 2024-05-18; the week starts on Sunday
    @pytest.mark.parametrize("y, mo, d, h, unit, start, end", [
        (2024, 5, 12, 15, "week", "2024-05-12T00:00", "2024-05-18T23:59:59.999"),
        (2024, 5, 18, 9, "week", "2024-05-12T00:00", "2024-05-18T23:59:59.999"),
        (2024, 5, 13, 0, "week", "2024-05-12T00:00", "2024-05-18T23:59:59.999"),
        (2024, 5, 15, 7, "quarter", "2024-04-01T00:00", "2024-06-30T23:59:59.999"),
        (2024, 12, 31, 23, "quarter", "2024-10-01T00:00", "2024-12-31T23:59:59.999"),
        (2024, 2, 10, 12, "month", "2024-02-01T00:00", "2024-02-29T23:59:59.999"),
        (2023, 2, 10, 12, "month", "2023-02-01T00:00", "2023-02-28T23:59:59.999"),
        (2023, 7, 4, 12, "year", "2023-01-01T00:00", "2023-12-31T23:59:59.999"),
        (2023, 7, 4, 12, "day", "2023-07-04T00:00", "2023-07-04T23:59:59.999"),
        (2023, 7, 4, 12, "hour", "2023-07-04T12:00", "2023-07-04T12:59:59.999"),
    ])
    def test_periods(self, y, mo, d, h, unit, start, end):
        v = local(y, mo, d, h, 34, 56, 789)
        assert v.start_of(unit).unix_ms() == utc_ms(start)
        assert v.end_of(unit).unix_ms() == utc_ms(end)

    @pytest.mark.parametrize("unit, start_ms, end_ms", [
        ("ms", 0, 0), ("s", -789, 210), ("min", -56_789, 3_210), ("h", -2_096_789, 1_503_210)])
    def test_exact_units(self, unit, start_ms, end_ms):
        v = local(2023, 7, 4, 12, 34, 56, 789, "Asia/Kolkata")
        assert v.start_of(unit).unix_ms() - v.unix_ms() == start_ms
        assert v.end_of(unit).unix_ms() - v.unix_ms() == end_ms
        assert v.start_of(unit) is not v and v.end_of(unit).timezone() == "Asia/Kolkata"

    # day spans on DST days (start, end) in UTC
    @pytest.mark.parametrize("zone, y, mo, d, start, end", [
        ("America/New_York", 2024, 3, 10, "2024-03-10T05:00", "2024-03-11T03:59:59.999"),  # 23 h
        ("America/New_York", 2024, 11, 3, "2024-11-03T04:00", "2024-11-04T04:59:59.999"),  # 25 h
        ("Europe/Paris", 2024, 3, 31, "2024-03-30T23:00", "2024-03-31T21:59:59.999"),
        ("Europe/Paris", 2024, 10, 27, "2024-10-26T22:00", "2024-10-27T22:59:59.999"),
        # midnight skipped: the day starts at 01:00 and still ends at 23:59:59.999
        ("America/Santiago", 2024, 9, 8, "2024-09-08T04:00", "2024-09-09T02:59:59.999"),
        ("America/Santiago", 2024, 9, 7, "2024-09-07T04:00", "2024-09-08T03:59:59.999"),
        ("Asia/Beirut", 2024, 3, 31, "2024-03-30T22:00", "2024-03-31T20:59:59.999"),
        ("Asia/Beirut", 2024, 3, 30, "2024-03-29T22:00", "2024-03-30T21:59:59.999"),
    ])
    def test_dst_days(self, zone, y, mo, d, start, end):
        v = local(y, mo, d, 12, zone=zone)
        assert (v.start_of("day").unix_ms(), v.end_of("day").unix_ms()) == (utc_ms(start), utc_ms(end))

    def test_skipped_midnight_starts_the_week_and_month(self):
        v = local(2024, 9, 20, zone="America/Santiago")
        assert v.start_of("month").unix_ms() == utc_ms("2024-09-01T04:00")
        assert local(2024, 9, 10, zone="America/Santiago").start_of("week").unix_ms() == utc_ms("2024-09-08T04:00")
        assert local(2024, 9, 7, zone="America/Santiago").end_of("week").unix_ms() == utc_ms("2024-09-08T03:59:59.999")

    # where a change of offset touches the period: (value, zone, unit, start, end)
    @pytest.mark.parametrize("text, zone, unit, start, end", [
        # the two passes of a repeated hour are two hours
        ("2024-11-03T01:30:00-04:00", "America/New_York", "hour", "2024-11-03T01:00:00.000-04:00", "2024-11-03T01:59:59.999-04:00"),
        ("2024-11-03T01:30:00-05:00", "America/New_York", "hour", "2024-11-03T01:00:00.000-05:00", "2024-11-03T01:59:59.999-05:00"),
        ("2024-11-03T01:15:00-05:00", "America/New_York", "second", "2024-11-03T01:15:00.000-05:00", "2024-11-03T01:15:00.999-05:00"),
        # a change inside a clock hour: the hour starts where the clock lands, ends where it jumps back
        ("2024-10-06T02:45:00+11:00", "Australia/Lord_Howe", "hour", "2024-10-06T02:30:00.000+11:00", "2024-10-06T02:59:59.999+11:00"),
        ("2024-04-07T03:15:00+13:45", "Pacific/Chatham", "hour", "2024-04-07T03:00:00.000+13:45", "2024-04-07T03:44:59.999+13:45"),
        ("2024-04-07T02:50:00+12:45", "Pacific/Chatham", "hour", "2024-04-07T02:45:00.000+12:45", "2024-04-07T02:59:59.999+12:45"),
        # 00:00:00 to 00:01:12 skipped: the minute and the day start when the clock lands
        ("1868-11-02T00:01:12+12:15", "Pacific/Chatham", "minute", "1868-11-02T00:01:12.000+12:15", "1868-11-02T00:01:59.999+12:15"),
        ("1868-11-02T00:01:12+12:15", "Pacific/Chatham", "day", "1868-11-02T00:01:12.000+12:15", "1868-11-02T23:59:59.999+12:15"),
        # clocks back across midnight: a day ends after its repeated end, the next starts before it
        ("2000-10-28T23:30:00-03:30", "America/St_Johns", "day", "2000-10-28T00:00:00.000-02:30", "2000-10-28T23:59:59.999-03:30"),
        ("2000-10-29T00:00:30-02:30", "America/St_Johns", "day", "2000-10-29T00:00:00.000-02:30", "2000-10-29T23:59:59.999-03:30"),
        ("1943-12-31T23:30:00-07:00", "America/Phoenix", "year", "1943-01-01T00:00:00.000-06:00", "1943-12-31T23:59:59.999-07:00"),
        # the next day is skipped whole; this one still ends
        ("2011-12-29T12:00:00-10:00", "Pacific/Apia", "day", "2011-12-29T00:00:00.000-10:00", "2011-12-29T23:59:59.999-10:00"),
    ])
    def test_changes_touching_the_period(self, text, zone, unit, start, end):
        v = T.parse(text, zone)
        assert (v.start_of(unit).to_iso(), v.end_of(unit).to_iso()) == (start, end)

    def test_range_ends(self):
        last = T.from_unix_ms(MAX_MS, "UTC")
        assert last.start_of("year").to_array() == [262142, 0, 1, 0, 0, 0, 0]
        # The last instant ends every period that lies within the calendar,
        # but not the week that would run past it, nor a day shown behind UTC.
        for unit in ("year", "month", "day", "hour", "second", "ms"):
            assert last.end_of(unit).unix_ms() == MAX_MS
        for value, unit in ((last, "week"), (T.from_unix_ms(MAX_MS, "America/New_York"), "day")):
            with pytest.raises(ValueError, match=OVERFLOW):
                value.end_of(unit)
        first = T.from_unix_ms(MIN_MS, "UTC")
        assert first.start_of("day").unix_ms() == MIN_MS
        for unit in ("week", "month", "year"):
            with pytest.raises(ValueError, match=OVERFLOW):
                first.start_of(unit)


# The rules written out with zoneinfo: move the local date, keep the clock
# reading, then resolve (the earlier of two instants; forward a minute at a
# time through a gap). A day runs from the first instant whose reading falls
# on it to the last one.
def instants(naive, z):
    """Milliseconds of the instants whose reading is `naive`."""
    aware = [naive.replace(tzinfo=z, fold=fold) for fold in (0, 1)]
    return sorted({as_ms(x) for x in aware if x.astimezone(UTC).astimezone(z).replace(tzinfo=None) == naive})


def as_ms(aware):
    return int((aware - dt.datetime(1970, 1, 1, tzinfo=UTC)) / dt.timedelta(milliseconds=1))


def resolve(naive, z):
    for step in range(181):
        if found := instants(naive + dt.timedelta(minutes=step), z):
            return found[0]
    return None


def clocks_jump(naive, z):
    """The instant at which the clocks jumped over a skipped reading."""
    lo, hi = sorted(as_ms(naive.replace(tzinfo=z, fold=fold)) // 1000 for fold in (0, 1))
    offset = lambda s: dt.datetime.fromtimestamp(s, z).utcoffset()  # noqa: E731
    while hi - lo > 1:
        mid = (lo + hi) // 2
        lo, hi = (mid, hi) if offset(mid) == offset(lo) else (lo, mid)
    return hi * 1000


def first_instant_from(naive, z):
    found = instants(naive, z)
    return found[0] if found else clocks_jump(naive, z)


def last_instant_before(naive, z):
    second = naive - dt.timedelta(seconds=1)
    found = instants(second, z)
    return found[-1] + 999 if found else clocks_jump(second, z) - 1


def add_months(naive, months):
    index = naive.year * 12 + naive.month - 1 + months
    year, month0 = divmod(index, 12)
    return naive.replace(year=year, month=month0 + 1, day=min(naive.day, calendar.monthrange(year, month0 + 1)[1]))


def expect(v, expected_ms, call):
    if expected_ms is None:
        with pytest.raises(ValueError, match="does not exist in timezone"):
            call()
    else:
        assert call().unix_ms() == expected_ms


@settings(max_examples=300, deadline=None)
@given(
    point=st.one_of(
        st.tuples(st.sampled_from(ZONES), st.integers(utc_ms("1900-01-01T00:00"), utc_ms("2100-12-31T00:00"))),
        st.sampled_from(change_values()),
    ),
    days=st.integers(-3000, 3000),
    months=st.integers(-600, 600),
)
def test_calendar_moves_agree_with_zoneinfo(point, days, months):
    zone, ms = point
    z = zoneinfo.ZoneInfo(zone)
    naive = (dt.datetime(1970, 1, 1, tzinfo=UTC) + dt.timedelta(milliseconds=ms)).astimezone(z).replace(tzinfo=None)
    v = T.from_unix_ms(ms, zone)
    # adding nothing keeps the value, even on the second pass of a repeated hour
    expect(v, resolve(naive + dt.timedelta(days=days), z) if days else ms, lambda: v.add(days, "day"))
    expect(v, resolve(add_months(naive, months), z) if months else ms, lambda: v.add(months, "month"))
    midnight = naive.replace(hour=0, minute=0, second=0, microsecond=0)
    assert v.start_of("day").unix_ms() == first_instant_from(midnight, z)
    assert v.end_of("day").unix_ms() == last_instant_before(midnight + dt.timedelta(days=1), z)
