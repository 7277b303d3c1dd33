"""Calendar fields: the getters, get, week numbering and to_array, and the
setters. Shifting fields roll over on the local clock; month, quarter and
year rebuild the date with the day clamped; every result is resolved again
in the value's zone."""

import calendar
import datetime as dt

import pytest
from hypothesis import given, settings
from hypothesis import strategies as st

from support import (ALL_ZONES, FIELD_HELP, MAX_MS, MIN_MS, OVERFLOW, T, at, change_values, message_of, ms, reading,
                     resolve, utc_ms)


class TestGet:
    # Friday 2024-05-17 13:45:27.123: every field reads differently.
    VALUE = at(2024, 5, 17, 13, 45, 27, 123)
    READINGS = {"millisecond": 123, "second": 27, "minute": 45, "hour": 13, "day": 5, "date": 17, "month": 4,
                "quarter": 2, "year": 2024}

    @pytest.mark.parametrize("text, field", [
        # the names of units (see test_arithmetic.py), one of each
        ("ms", "millisecond"), ("sec", "second"), ("minutes", "minute"), ("h", "hour"), ("mo", "month"),
        ("quarters", "quarter"), ("y", "year"),
        # the weekday and the day of the month
        ("d", "day"), ("days", "day"), ("weekday", "day"), ("week_day", "day"), ("dayofweek", "day"),
        ("day_of_week", "day"), ("date", "date"), ("dates", "date"), ("dayofmonth", "date"), ("day_of_month", "date"),
        # upper case only lower-cases: "M" is the minute and "D" the weekday
        ("M", "minute"), ("D", "day"), ("MO", "month"), ("Day_Of_Month", "date"),
        # Unicode white space is trimmed; the 12-byte limit applies after trimming
        ("  YEAR  ", "year"), ("\u3000Date\u00a0", "date"), ("\t\u2003MILLISECONDS\u2029\n", "millisecond"),
    ])
    def test_accepted_texts(self, text, field):
        assert self.VALUE.get(text) == self.READINGS[field] == getattr(self.VALUE, field)()

    @pytest.mark.parametrize("text", [
        # weeks are not a field; neither are other abbreviations or plurals
        "week", "weeks", "w", "mins", "secs", "hr", "yr", "dow", "doy", "mon", "dom", "dayofyear",
        # empty, blank, too long, inner spaces, non-ASCII letters and NUL
        "", "   ", "\u00a0", "millisecondss", "day of week", "Ｄ", "dáy", "date\x00", " WEEK ",
    ])
    def test_refused_texts_repeat_the_callers_text(self, text):
        assert message_of(lambda: self.VALUE.get(text)) == "Invalid field: " + text + FIELD_HELP
        assert message_of(lambda: self.VALUE.set(text, 1)) == "Invalid field: " + text + FIELD_HELP


class TestCalendar:
    # (year, month, days_in_month, days_in_year, is_leap_year)
    @pytest.mark.parametrize("y, mo, month_days, year_days, leap", [
        (2000, 2, 29, 366, True), (1900, 2, 28, 365, False), (2023, 4, 30, 365, False), (-4, 2, 29, 366, True),
        (0, 2, 29, 366, True), (-100, 2, 28, 365, False)])
    def test_month_and_year_lengths(self, y, mo, month_days, year_days, leap):
        v = at(y, mo, 10)
        assert (v.days_in_month(), v.days_in_year(), v.is_leap_year()) == (month_days, year_days, leap)

    # (date, week, iso_week, iso_week_year, weeks_in_year, iso_weeks_in_year)
    @pytest.mark.parametrize("text, week, iso_week, iso_year, weeks, iso_weeks", [
        ("2022-01-01", 1, 52, 2021, 53, 52),  # a Saturday alone in week 1
        ("2000-12-31", 54, 52, 2000, 54, 52),  # leap years that start on a Saturday have 54 weeks
        ("2021-01-01", 1, 53, 2020, 53, 52),  # iso_weeks_in_year describes the calendar year
        ("2024-12-30", 53, 1, 2025, 53, 52),
    ])
    def test_week_numbers(self, text, week, iso_week, iso_year, weeks, iso_weeks):
        d = dt.date.fromisoformat(text)
        v = at(d.year, d.month, d.day, 12, zone="Europe/Paris")
        assert (v.week(), v.week_of_year(), v.iso_week(), v.iso_week_year()) == (week, week, iso_week, iso_year)
        assert (v.weeks_in_year(), v.iso_weeks_in_year()) == (weeks, iso_weeks)

    def test_last_instant(self):
        v = T.from_unix_ms(MAX_MS, "UTC")
        assert v.to_array() == [262142, 11, 31, 23, 59, 59, 999]
        assert (v.days_in_month(), v.days_in_year(), v.is_leap_year()) == (31, 365, False)
        assert (v.week(), v.weeks_in_year(), v.iso_weeks_in_year()) == (v.weeks_in_year(), 53, 52)

    # The first instant falls on the last day of year -262144, before the first
    # whole year: nothing that needs 1 January of that year can be formed.
    def test_first_instant(self):
        v = T.from_unix_ms(MIN_MS, "UTC")
        assert v.to_array() == [-262144, 11, 31, 0, 0, 0, 0]
        assert (v.is_leap_year(), v.days_in_year()) == (False, 365)
        for query in (v.week, v.weeks_in_year, v.iso_weeks_in_year, v.days_in_month):
            assert message_of(query) == "Date arithmetic overflow"

    @pytest.mark.parametrize("value_ms, zone", [(MAX_MS, "Asia/Tokyo"), (MIN_MS, "America/Los_Angeles")])
    def test_local_date_past_the_range(self, value_ms, zone):
        v = T.from_unix_ms(value_ms, zone)
        for query in (v.year, v.to_array, v.iso_week, v.quarter, v.is_leap_year, lambda: v.get("date"),
                      lambda: v.set_hour(1), lambda: v.set_month(1), lambda: v.set_week(1)):
            assert message_of(query) == "Date arithmetic overflow"


def sunday_week(d):
    return (d.timetuple().tm_yday - 1 + dt.date(d.year, 1, 1).isoweekday() % 7) // 7 + 1


@settings(max_examples=400, deadline=None)
@given(ms=st.integers(utc_ms("1900-01-01T00:00"), utc_ms("2100-12-31T00:00")), zone=st.sampled_from(ALL_ZONES))
def test_fields_agree_with_zoneinfo(ms, zone):
    ref = reading(ms, zone)
    v = T.from_unix_ms(ms, zone)
    fields = [ref.year, ref.month - 1, ref.day, ref.hour, ref.minute, ref.second, ref.microsecond // 1000]
    assert v.to_array() == fields
    assert [v.year(), v.month(), v.date(), v.hour(), v.minute(), v.second(), v.millisecond()] == fields
    assert (v.iso_week_year(), v.iso_week(), v.iso_weekday()) == tuple(ref.isocalendar())
    assert v.day() == ref.isoweekday() % 7 == v.get("weekday")
    assert (v.day_of_year(), v.quarter()) == (ref.timetuple().tm_yday, (ref.month - 1) // 3 + 1)
    assert (v.week(), v.weeks_in_year()) == (sunday_week(ref.date()), sunday_week(dt.date(ref.year, 12, 31)))
    assert v.iso_weeks_in_year() == dt.date(ref.year, 12, 28).isocalendar()[1]
    assert (v.days_in_month(), v.days_in_year()) == (calendar.monthrange(ref.year, ref.month)[1],
                                                     365 + calendar.isleap(ref.year))
    assert v.is_leap_year() is calendar.isleap(ref.year)


class TestSetters:
    # What the datetime oracle below cannot reach: year 0 and the calendar's ends.
    @pytest.mark.parametrize("start, method, n, expected", [
        ((2024, 2, 29, 7, 45), "set_year", 0, "0000-02-29T07:45:00.000Z"),
        ((2023, 1, 31, 10), "set_year", 262_142, "+262142-01-31T10:00:00.000Z"),
        ((2023, 1, 31, 10), "set_year", -262_143, "-262143-01-31T10:00:00.000Z"),
        ((2023, 1, 31, 10), "set_month", (262_142 - 2023) * 12 + 11, "+262142-12-31T10:00:00.000Z"),
        ((2023, 6, 15, 10, 20, 30, 400), "set_millisecond", 86_400_000, "2023-06-16T10:20:30.000Z"),
    ])
    def test_setter(self, start, method, n, expected):
        assert getattr(at(*start), method)(n).to_iso() == expected

    # set reads field names as get does: "D" is the weekday, "M" the minute,
    # the day of the month is "date"
    @pytest.mark.parametrize("field, n, method", [
        ("month", 1, "set_month"), ("D", 0, "set_day"), ("M", 5, "set_minute"), ("date", 3, "set_date"),
        ("  YEAR\t", 2030, "set_year"), ("q", 4, "set_quarter"), ("ms", 7, "set_millisecond"),
        ("Day_Of_Week", 3, "set_day")])
    def test_set_matches_the_single_setter(self, field, n, method):
        v = at(2023, 1, 31, 10, 20, 30, 400, zone="Europe/Paris")
        assert v.set(field, n).to_iso() == getattr(v, method)(n).to_iso()

    @pytest.mark.parametrize("method, n", [
        # rebuilding fields take 32-bit values; the month index stays 32-bit
        ("set_month", 2**31), ("set_month", 2**31 - 1), ("set_month", -(2**31)), ("set_quarter", 2**31),
        ("set_quarter", -(2**31)), ("set_quarter", 2**30), ("set_year", 300_000), ("set_year", -262_144),
        ("set_year", 2**31), ("set_year", -(2**63)),
        # shifting fields: a distance past the range or beyond 64 bits
        ("set_date", 10**17), ("set_hour", 2**63 - 1), ("set_millisecond", -(2**63)), ("set_millisecond", 2**63 - 1),
        ("set_second", -(10**16)), ("set_iso_week", 2**62), ("set_week", -(2**63)), ("set_day_of_year", 2**63 - 1),
        ("set_iso_weekday", 10**12),
    ])
    def test_overflow(self, method, n):
        with pytest.raises(ValueError, match=OVERFLOW):
            getattr(at(2023, 1, 31, 10), method)(n)


def in_month(naive, index):
    """The reading moved to a month index (year * 12 + month0), the day clamped."""
    year, month0 = divmod(index, 12)
    return naive.replace(year=year, month=month0 + 1, day=min(naive.day, calendar.monthrange(year, month0 + 1)[1]))


# The setters written out with datetime: shifting fields count from the start
# of the next larger unit on the local clock (the week from Sunday, the ISO
# week from Monday); month, quarter and year rebuild the date.
READINGS_AFTER = {
    "millisecond": lambda r, n: r.replace(microsecond=0) + n * dt.timedelta(milliseconds=1),
    "second": lambda r, n: r.replace(second=0) + n * dt.timedelta(seconds=1),
    "minute": lambda r, n: r.replace(minute=0) + n * dt.timedelta(minutes=1),
    "hour": lambda r, n: r.replace(hour=0) + n * dt.timedelta(hours=1),
    "date": lambda r, n: r.replace(day=1) + (n - 1) * dt.timedelta(days=1),
    "day": lambda r, n: r + (n - r.isoweekday() % 7) * dt.timedelta(days=1),
    "iso_weekday": lambda r, n: r + (n - r.isoweekday()) * dt.timedelta(days=1),
    "day_of_year": lambda r, n: r.replace(month=1, day=1) + (n - 1) * dt.timedelta(days=1),
    "iso_week": lambda r, n: r + (n - r.isocalendar()[1]) * dt.timedelta(weeks=1),
    "week": lambda r, n: r + (n - sunday_week(r)) * dt.timedelta(weeks=1),
    "month": lambda r, n: in_month(r, r.year * 12 + n),
    "quarter": lambda r, n: in_month(r, r.year * 12 + (n - 1) * 3 + (r.month - 1) % 3),
    "year": lambda r, n: in_month(r, n * 12 + r.month - 1),
}


@settings(max_examples=500, deadline=None)
@given(point=st.one_of(st.tuples(st.sampled_from(ALL_ZONES), st.integers(utc_ms("1900-01-01T00:00"),
                                                                         utc_ms("2100-12-31T00:00"))),
                       st.sampled_from(change_values())),
       field=st.sampled_from(sorted(READINGS_AFTER)), delta=st.integers(-1000, 1000))
def test_setters_agree_with_zoneinfo(point, field, delta):
    # The new reading is resolved in the zone: forward through a gap, the
    # earlier of two instants; so setting the current reading keeps the
    # instant except on the second pass of a repeated reading.
    zone, value_ms = point
    v = ms(value_ms, zone)
    n = getattr(v, field)() + delta
    expected = resolve(READINGS_AFTER[field](reading(value_ms, zone), n), zone)
    if expected is None:
        with pytest.raises(ValueError, match="does not exist in timezone"):
            getattr(v, "set_" + field)(n)
    else:
        result = getattr(v, "set_" + field)(n)
        assert (result.unix_ms(), result.timezone()) == (expected, zone) and result is not v
