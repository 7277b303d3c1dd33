"""Units, add and subtract, start_of and end_of."""

import calendar
import datetime as dt
import zoneinfo

import pytest
from hypothesis import given, settings
from hypothesis import strategies as st

from support import (ALL_ZONES, DAY, MAX_MS, MIN_MS, OVERFLOW, UNIT_HELP, T, as_ms, at, change_values, instants,
                     message_of, ms, reading, resolve, utc_ms)

UNITS = ["millisecond", "second", "minute", "hour", "day", "week", "month", "quarter", "year"]
BASE = at(2024, 1, 31, 10, 30, zone="Europe/Paris")


class TestUnits:
    @pytest.mark.parametrize("text, unit", [
        ("ms", "millisecond"), ("milliseconds", "millisecond"), ("s", "second"), ("sec", "second"),
        ("seconds", "second"), ("m", "minute"), ("min", "minute"), ("minutes", "minute"), ("h", "hour"),
        ("hours", "hour"), ("d", "day"), ("days", "day"), ("w", "week"), ("weeks", "week"), ("mo", "month"),
        ("months", "month"), ("q", "quarter"), ("quarters", "quarter"), ("y", "year"), ("years", "year"),
        # "M" lower-cases to the minute; padding and capitals are accepted
        ("M", "minute"), ("  DAYS ", "day"), ("\u2028Mo\u205f", "month"), ("\tMILLISECONDS\r\n", "millisecond"),
    ])
    def test_accepted_texts(self, text, unit):
        assert BASE.add(3, text).unix_ms() == BASE.add(3, unit).unix_ms()
        assert BASE.start_of(text).unix_ms() == BASE.start_of(unit).unix_ms()

    # every unit gives a distinct result, so that the table above cannot alias two units
    def test_every_unit_moves_differently(self):
        assert len({BASE.add(1, u).unix_ms() for u in UNITS}) == len(UNITS)

    @pytest.mark.parametrize("text", [
        # plural and other abbreviations, and the field names that are not units
        "mins", "secs", "hr", "hrs", "wk", "yr", "qtr", "date", "weekday", "msec", "mon",
        # empty, blank, too long, inner space, non-ASCII
        "", "  ", "\u00a0", "millisecondss", "mill iseconds", "dáy", "ｄ", "day\x00", " Mins ",
    ])
    def test_refused_before_any_arithmetic(self, text):
        message = "Invalid unit: " + text + UNIT_HELP
        for call in (lambda: BASE.add(0, text), lambda: BASE.subtract(-(2**63), text), lambda: BASE.start_of(text),
                     lambda: BASE.end_of(text)):
            assert message_of(call) == message


class TestAdd:
    # Month-based units clamp the day to the target month.
    @pytest.mark.parametrize("start, amount, unit, expected", [
        ((2024, 1, 31), 1, "month", [2024, 1, 29]), ((2023, 1, 31), 1, "month", [2023, 1, 28]),
        ((2024, 2, 29), 1, "year", [2025, 1, 28]), ((2024, 2, 29), 4, "year", [2028, 1, 29]),
        ((2023, 11, 30), 1, "quarter", [2024, 1, 29]), ((2024, 5, 31), -1, "quarter", [2024, 1, 29]),
        ((1, 1, 31), -1, "month", [0, 11, 31]), ((0, 3, 31), -1, "month", [0, 1, 29]),
    ])
    def test_month_clamping(self, start, amount, unit, expected):
        v = at(*start, 10, 30, 5, 7, zone="Europe/Paris")
        assert v.add(amount, unit).to_array() == [*expected, 10, 30, 5, 7]
        assert v.subtract(-amount, unit).to_array() == [*expected, 10, 30, 5, 7]

    # Days keep the clock reading across changes of offset; hours keep the elapsed time.
    @pytest.mark.parametrize("zone, start, amount, unit, expected_utc", [
        ("America/New_York", (2024, 3, 9, 12), 1, "day", "2024-03-10T16:00"),  # 23 h later
        ("America/New_York", (2024, 3, 9, 12), 24, "hour", "2024-03-10T17:00"),  # 13:00 local
        ("Pacific/Apia", (2011, 12, 29, 22, 30), 1, "day", "2011-12-30T10:00"),  # a skipped day: 90 min on
    ])
    def test_across_changes(self, zone, start, amount, unit, expected_utc):
        assert at(*start, zone=zone).add(amount, unit).unix_ms() == utc_ms(expected_utc)

    def test_unresolvable_local_time(self):
        assert message_of(lambda: at(2011, 12, 29, 10, zone="Pacific/Apia").add(1, "day")) == (
            "Local time 2011-12-30 10:00:00 does not exist in timezone Pacific/Apia")

    @pytest.mark.parametrize("start, amount, unit", [
        (0, 1_000_000_000, "day"), (0, -1_000_000_000, "days"), (MAX_MS, 1, "ms"), (MIN_MS, -1, "ms"),
        (MAX_MS, 1, "day"), (MAX_MS - 86_399_999, 1, "month"), (0, 262_143 - 1970, "year"),
        (0, -(262_144 + 1970), "year"),
        # shifts at the documented magnitudes, and beyond them
        (0, 2**63 - 1, "ms"), (0, -(2**63), "ms"), (0, 9_223_372_036_854_775, "s"), (0, 153_722_867_280_912, "m"),
        (0, -2_562_047_788_015, "h"), (0, 106_751_991_167, "d"), (0, -15_250_284_452, "w"),
        (0, 9_223_372_036_854_776, "s"), (0, 2**62, "h"), (0, 2**63 - 1, "day"), (0, -(2**63), "week"),
        (0, 2**62, "week"),
        # month counts: 64-bit products, the 32-bit count and the 32-bit index
        (0, 2**62, "quarter"), (0, -(2**61), "year"), (0, 2**31, "month"), (0, -(2**31) - 1, "month"),
        (0, 2**31 - 1, "month"), (0, -(2**31), "month"), (0, 178_956_971, "year"),
    ])
    def test_overflow(self, start, amount, unit):
        with pytest.raises(ValueError, match=OVERFLOW):
            ms(start).add(amount, unit)

    def test_subtract_negates(self):
        with pytest.raises(ValueError, match=OVERFLOW):
            ms(0).subtract(-(2**63), "ms")
        assert ms(0).subtract(5, "days").unix_ms() == -5 * DAY

    # the last and first instants can still move inward
    @pytest.mark.parametrize("start, amount, unit, expected", [
        (MAX_MS, -1, "ms", MAX_MS - 1), (MIN_MS, 1, "ms", MIN_MS + 1), (MAX_MS, -1, "year", MAX_MS - 365 * DAY),
        (MIN_MS, 1, "day", MIN_MS + DAY)])
    def test_inward_from_the_ends(self, start, amount, unit, expected):
        assert ms(start).add(amount, unit).unix_ms() == expected

    def test_last_month_of_the_range(self):
        # December of the last year has its 31 days although the January
        # after it lies outside the calendar
        v = T.from_unix_ms(MAX_MS, "UTC").subtract(1, "month")
        assert v.to_array() == [262142, 10, 30, 23, 59, 59, 999]
        assert v.add(1, "month").unix_ms() == MAX_MS - DAY


class TestStartEnd:
    @pytest.mark.parametrize("unit, start_ms, end_ms", [
        ("ms", 0, 0), ("s", -789, 210), ("min", -56_789, 3_210), ("h", -2_096_789, 1_503_210)])
    def test_exact_units(self, unit, start_ms, end_ms):
        v = at(2023, 7, 4, 12, 34, 56, 789, "Asia/Kolkata")
        assert (v.start_of(unit).unix_ms() - v.unix_ms(), v.end_of(unit).unix_ms() - v.unix_ms()) == (start_ms, end_ms)
        assert v.start_of(unit) is not v and v.end_of(unit).timezone() == "Asia/Kolkata"

    # Where a change of offset touches the period.
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
        assert {last.end_of(unit).unix_ms() for unit in ("year", "month", "day", "hour", "second", "ms")} == {MAX_MS}
        for value, unit in ((last, "week"), (T.from_unix_ms(MAX_MS, "America/New_York"), "day")):
            with pytest.raises(ValueError, match=OVERFLOW):
                value.end_of(unit)
        first = T.from_unix_ms(MIN_MS, "UTC")
        assert first.start_of("day").unix_ms() == MIN_MS
        for unit in ("week", "month", "year"):
            with pytest.raises(ValueError, match=OVERFLOW):
                first.start_of(unit)


# The rules written out with zoneinfo: move the local date, keep the clock
# reading, then resolve. A period runs from the first instant whose reading
# falls in it to the last one; the week starts on Sunday.
def clocks_jump(naive, zone):
    """The instant at which the clocks jumped over a skipped reading."""
    lo, hi = sorted(as_ms(naive.replace(tzinfo=zoneinfo.ZoneInfo(zone), fold=fold)) // 1000 for fold in (0, 1))
    offset = lambda s: dt.datetime.fromtimestamp(s, zoneinfo.ZoneInfo(zone)).utcoffset()  # noqa: E731
    while hi - lo > 1:
        mid = (lo + hi) // 2
        lo, hi = (mid, hi) if offset(mid) == offset(lo) else (lo, mid)
    return hi * 1000


def first_instant_from(naive, zone):
    found = instants(naive, zone)
    return found[0] if found else clocks_jump(naive, zone)


def last_instant_before(naive, zone):
    second = naive - dt.timedelta(seconds=1)
    found = instants(second, zone)
    return found[-1] + 999 if found else clocks_jump(second, zone) - 1


def add_months(naive, months):
    year, month0 = divmod(naive.year * 12 + naive.month - 1 + months, 12)
    return naive.replace(year=year, month=month0 + 1, day=min(naive.day, calendar.monthrange(year, month0 + 1)[1]))


# unit: (days, months) of one step
STEPS = {"day": (1, 0), "week": (7, 0), "month": (0, 1), "quarter": (0, 3), "year": (0, 12)}


def period_start(naive, unit):
    day = naive.replace(hour=0, minute=0, second=0, microsecond=0)
    if unit == "week":
        return day - dt.timedelta(days=(day.weekday() + 1) % 7)
    if unit == "day":
        return day
    months = {"month": 0, "quarter": (day.month - 1) % 3, "year": day.month - 1}[unit]
    return add_months(day.replace(day=1), -months)


def moved(naive, unit, amount):
    days, months = STEPS[unit]
    return add_months(naive + dt.timedelta(days=days * amount), months * amount)


@settings(max_examples=400, deadline=None)
@given(
    point=st.one_of(st.tuples(st.sampled_from(ALL_ZONES), st.integers(utc_ms("1900-01-01T00:00"), utc_ms("2100-12-31T00:00"))),
                    st.sampled_from(change_values())),
    unit=st.sampled_from(sorted(STEPS)),
    amount=st.integers(-600, 600),
)
def test_calendar_units_agree_with_zoneinfo(point, unit, amount):
    zone, value_ms = point
    naive, v = reading(value_ms, zone), ms(value_ms, zone)
    # adding nothing keeps the value, even on the second pass of a repeated hour
    expected = resolve(moved(naive, unit, amount), zone) if amount else value_ms
    if expected is None:
        with pytest.raises(ValueError, match="does not exist in timezone"):
            v.add(amount, unit)
    else:
        assert v.add(amount, unit).unix_ms() == expected
    start = period_start(naive, unit)
    assert v.start_of(unit).unix_ms() == first_instant_from(start, zone)
    assert v.end_of(unit).unix_ms() == last_instant_before(moved(start, unit, 1), zone)
