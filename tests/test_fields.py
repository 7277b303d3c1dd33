"""Calendar field queries: getters, get, week numbering and to_array."""

import calendar
import datetime as dt
import zoneinfo

import pytest
from hypothesis import given, settings
from hypothesis import strategies as st

import quendreltime
from support import ALL_ZONES, FIELD_HELP, MAX_MS, MIN_MS

T = quendreltime.quendrel_time
UTC = dt.timezone.utc
ZONES = ALL_ZONES


def local(y, mo, d, h=0, mi=0, s=0, ms=0, zone="UTC"):
    return T.from_array([y, mo - 1, d, h, mi, s, ms], zone)


def overflows(call):
    with pytest.raises(ValueError) as info:
        call()
    return str(info.value) == "Date arithmetic overflow"


class TestGet:
    # Friday 2024-05-17 13:45:27.123: every field reads differently.
    VALUE = local(2024, 5, 17, 13, 45, 27, 123)
    READINGS = {"millisecond": 123, "second": 27, "minute": 45, "hour": 13, "day": 5, "date": 17, "month": 4,
                "quarter": 2, "year": 2024}
    ACCEPTED = [
        ("ms", "millisecond"), ("millisecond", "millisecond"), ("milliseconds", "millisecond"),
        ("s", "second"), ("sec", "second"), ("second", "second"), ("seconds", "second"),
        ("m", "minute"), ("min", "minute"), ("minute", "minute"), ("minutes", "minute"),
        ("h", "hour"), ("hour", "hour"), ("hours", "hour"),
        ("d", "day"), ("day", "day"), ("days", "day"), ("weekday", "day"), ("week_day", "day"),
        ("dayofweek", "day"), ("day_of_week", "day"),
        ("date", "date"), ("dates", "date"), ("dayofmonth", "date"), ("day_of_month", "date"),
        ("mo", "month"), ("month", "month"), ("months", "month"),
        ("q", "quarter"), ("quarter", "quarter"), ("quarters", "quarter"),
        ("y", "year"), ("year", "year"), ("years", "year"),
        # upper case only lower-cases: "M" is the minute and "D" the weekday
        ("M", "minute"), ("D", "day"), ("MO", "month"), ("Day_Of_Month", "date"),
        # Unicode white space is trimmed; the 12-byte limit applies after trimming
        ("  YEAR  ", "year"), ("\u3000Date\u00a0", "date"), ("\t\u2003MILLISECONDS\u2029\n", "millisecond"),
    ]

    @pytest.mark.parametrize("text, field", ACCEPTED)
    def test_accepted_texts(self, text, field):
        assert self.VALUE.get(text) == self.READINGS[field] == getattr(self.VALUE, field)()

    @pytest.mark.parametrize(
        "text",
        [
            # weeks are not a field; neither are other abbreviations or plurals
            "week", "weeks", "w", "Week", "mins", "secs", "hr", "yr", "dow", "doy", "mon", "dom",
            # empty, blank, too long, inner spaces, non-ASCII letters and NUL
            "", "   ", "\u00a0", "millisecondss", "day of week", "Ｄ", "dáy", "date\x00", "yéar",
            " WEEK ",
        ],
    )
    def test_refused_texts_repeat_the_callers_text(self, text):
        with pytest.raises(ValueError) as info:
            self.VALUE.get(text)
        assert str(info.value) == "Invalid field: " + text + FIELD_HELP

    @pytest.mark.parametrize("bad", [1, None, b"year", ["year"]])
    def test_field_must_be_text(self, bad):
        with pytest.raises(TypeError):
            self.VALUE.get(bad)


class TestLocalReading:
    def test_new_york_evening_before_utc_midnight(self):
        v = T.from_unix_ms(1_705_289_400_000, "America/New_York")  # 2024-01-15T03:30Z
        assert (v.year(), v.month(), v.date(), v.day(), v.iso_weekday(), v.hour(), v.minute()) == (
            2024, 0, 14, 0, 7, 22, 30)

    # 23:30 UTC on New Year's Eve is already next year east of UTC
    @pytest.mark.parametrize("zone, expected", [
        ("Asia/Tokyo", [2024, 0, 1, 8, 30, 0, 0]),
        ("Pacific/Kiritimati", [2024, 0, 1, 13, 30, 0, 0]),
        ("America/Los_Angeles", [2023, 11, 31, 15, 30, 0, 0]),
    ])
    def test_fields_follow_the_zone(self, zone, expected):
        v = T.from_unix_ms(1_704_065_400_000, zone)
        assert v.to_array() == expected
        assert v.get("y") == expected[0] and v.get("mo") == expected[1]

    # quarters change on the first of January, April, July and October
    @pytest.mark.parametrize("mo, d, quarter", [
        (1, 1, 1), (3, 31, 1), (4, 1, 2), (6, 30, 2), (7, 1, 3), (9, 30, 3), (10, 1, 4), (12, 31, 4)])
    def test_quarter(self, mo, d, quarter):
        v = local(2023, mo, d, 23, 59, 59, 999)
        assert v.quarter() == v.get("q") == quarter

    def test_to_array_is_month_zero_based(self):
        assert local(2024, 2, 29, 13, 5, 9, 7, "Europe/Paris").to_array() == [2024, 1, 29, 13, 5, 9, 7]
        assert local(2024, 1, 31).month() == local(2024, 1, 31).to_array()[1] == 0

    # (year, month, days_in_month, days_in_year, is_leap_year)
    @pytest.mark.parametrize("y, mo, month_days, year_days, leap", [
        (2000, 2, 29, 366, True), (2024, 2, 29, 366, True), (1900, 2, 28, 365, False),
        (2023, 2, 28, 365, False), (2100, 2, 28, 365, False), (2023, 4, 30, 365, False),
        (2023, 12, 31, 365, False), (-4, 2, 29, 366, True), (0, 2, 29, 366, True), (-100, 2, 28, 365, False),
    ])
    def test_month_and_year_lengths(self, y, mo, month_days, year_days, leap):
        v = local(y, mo, 10)
        assert (v.days_in_month(), v.days_in_year()) == (month_days, year_days)
        assert v.is_leap_year() is leap


class TestWeeks:
    # (date, week, iso_week, iso_week_year, weeks_in_year, iso_weeks_in_year)
    CASES = [
        ("2023-01-01", 1, 52, 2022, 53, 52),  # a Sunday opens week 1 and ends ISO 2022-W52
        ("2023-01-08", 2, 1, 2023, 53, 52),
        ("2022-01-01", 1, 52, 2021, 53, 52),  # a Saturday alone in week 1
        ("2022-01-02", 2, 52, 2021, 53, 52),
        ("2000-01-01", 1, 52, 1999, 54, 52),  # leap years that start on a Saturday have 54 weeks
        ("2000-12-31", 54, 52, 2000, 54, 52),
        ("2028-12-30", 53, 52, 2028, 54, 52),
        ("2028-12-31", 54, 52, 2028, 54, 52),
        ("2023-12-31", 53, 52, 2023, 53, 52),
        ("2021-01-01", 1, 53, 2020, 53, 52),  # iso_weeks_in_year describes the calendar year
        ("2020-12-31", 53, 53, 2020, 53, 53),
        ("2024-12-30", 53, 1, 2025, 53, 52),
        ("2026-01-01", 1, 1, 2026, 53, 53),
        ("2027-01-03", 2, 53, 2026, 53, 52),
    ]

    @pytest.mark.parametrize("text, week, iso_week, iso_year, weeks, iso_weeks", CASES)
    def test_week_numbers(self, text, week, iso_week, iso_year, weeks, iso_weeks):
        d = dt.date.fromisoformat(text)
        v = local(d.year, d.month, d.day, 12, zone="Europe/Paris")
        assert (v.week(), v.week_of_year(), v.iso_week(), v.iso_week_year()) == (week, week, iso_week, iso_year)
        assert (v.weeks_in_year(), v.iso_weeks_in_year()) == (weeks, iso_weeks)


class TestRangeEdges:
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
            assert overflows(query)

    @pytest.mark.parametrize("ms, zone", [(MAX_MS, "Asia/Tokyo"), (MIN_MS, "America/New_York")])
    def test_local_date_past_the_range(self, ms, zone):
        v = T.from_unix_ms(ms, zone)
        for query in (v.year, v.to_array, v.iso_week, v.quarter, v.is_leap_year, lambda: v.get("date")):
            assert overflows(query)


def sunday_week(d):
    jan1 = dt.date(d.year, 1, 1).isoweekday() % 7
    return (d.timetuple().tm_yday - 1 + jan1) // 7 + 1


@settings(max_examples=400, deadline=None)
@given(
    ms=st.integers(int(dt.datetime(1900, 1, 1, tzinfo=UTC).timestamp() * 1000),
                   int(dt.datetime(2100, 12, 31, tzinfo=UTC).timestamp() * 1000)),
    zone=st.sampled_from(ZONES),
)
def test_fields_agree_with_zoneinfo(ms, zone):
    z = zoneinfo.ZoneInfo(zone)
    ref = (dt.datetime(1970, 1, 1, tzinfo=UTC) + dt.timedelta(milliseconds=ms)).astimezone(z)
    v = T.from_unix_ms(ms, zone)
    fields = [ref.year, ref.month - 1, ref.day, ref.hour, ref.minute, ref.second, ref.microsecond // 1000]
    assert v.to_array() == fields
    assert [v.year(), v.month(), v.date(), v.hour(), v.minute(), v.second(), v.millisecond()] == fields
    iso = ref.isocalendar()
    assert (v.iso_week_year(), v.iso_week(), v.iso_weekday()) == (iso[0], iso[1], iso[2])
    assert v.day() == ref.isoweekday() % 7 == v.get("weekday")
    assert v.day_of_year() == ref.timetuple().tm_yday
    assert v.quarter() == (ref.month - 1) // 3 + 1
    assert v.week() == sunday_week(ref.date())
    assert v.days_in_month() == calendar.monthrange(ref.year, ref.month)[1]
    assert v.is_leap_year() is calendar.isleap(ref.year)
