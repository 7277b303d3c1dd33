"""Field setters: shifting fields roll over on the local clock, month, quarter
and year rebuild the date with the day clamped, and every result is resolved
again in the value's zone."""

import datetime as dt
import zoneinfo

import pytest
from hypothesis import given, settings
from hypothesis import strategies as st

import quendreltime
from support import MAX_MS, MIN_MS

T = quendreltime.quendrel_time
OVERFLOW = "Date arithmetic overflow"
INT64_MAX = 2**63 - 1
INT64_MIN = -(2**63)


def at(text, zone="UTC"):
    """A value from 'YYYY-MM-DD HH:MM[:SS[.mmm]]' local text."""
    date, clock = text.split(" ")
    y, mo, d = (int(x) for x in date.split("-"))
    parts = clock.replace(".", ":").split(":")
    h, mi, s, ms = (int(x) for x in parts + ["0"] * (4 - len(parts)))
    return T.from_array([y, mo - 1, d, h, mi, s, ms], zone)


def local(v):
    """The local reading as 'YYYY-MM-DD HH:MM:SS.mmm' (the year may be longer)."""
    iso = v.to_iso()
    return (iso[:-1] if iso.endswith("Z") else iso[:-6]).replace("T", " ")


class TestLocalReading:
    @pytest.mark.parametrize(
        "start, method, n, expected",
        [
            # day of the month past either end of April
            ("2023-04-15 10:20:30.400", "set_date", 31, "2023-05-01 10:20:30.400"),
            ("2023-04-15 10:20:30.400", "set_date", 0, "2023-03-31 10:20:30.400"),
            ("2023-04-15 10:20:30.400", "set_date", -1, "2023-03-30 10:20:30.400"),
            ("2024-02-10 08:00", "set_date", 30, "2024-03-01 08:00:00.000"),
            # weekday within the Sunday-to-Saturday week of Wednesday 15 March
            ("2023-03-15 09:00", "set_day", 0, "2023-03-12 09:00:00.000"),
            ("2023-03-15 09:00", "set_day", 6, "2023-03-18 09:00:00.000"),
            ("2023-03-15 09:00", "set_day", 7, "2023-03-19 09:00:00.000"),
            ("2023-03-15 09:00", "set_day", -1, "2023-03-11 09:00:00.000"),
            # clock fields carry into the next larger unit, both ways
            ("2023-12-31 10:20:30.400", "set_hour", 24, "2024-01-01 00:20:30.400"),
            ("2023-01-01 10:20:30.400", "set_hour", -1, "2022-12-31 23:20:30.400"),
            ("2023-06-15 10:20:30.400", "set_hour", 48, "2023-06-17 00:20:30.400"),
            ("2023-06-15 10:20:30.400", "set_minute", -1, "2023-06-15 09:59:30.400"),
            ("2023-06-15 10:20:30.400", "set_minute", 60, "2023-06-15 11:00:30.400"),
            ("2023-06-15 10:20:30.400", "set_second", 60, "2023-06-15 10:21:00.400"),
            ("2023-06-15 10:20:30.400", "set_second", -61, "2023-06-15 10:18:59.400"),
            ("2023-06-15 10:20:30.400", "set_millisecond", 1000, "2023-06-15 10:20:31.000"),
            ("2023-06-15 10:20:30.400", "set_millisecond", -1, "2023-06-15 10:20:29.999"),
            ("2023-06-15 10:20:30.400", "set_millisecond", 86_400_000, "2023-06-16 10:20:30.000"),
            # 0-based month; the day clamps to the target month
            ("2023-01-31 10:00", "set_month", 1, "2023-02-28 10:00:00.000"),
            ("2023-01-31 10:00", "set_month", 12, "2024-01-31 10:00:00.000"),
            ("2023-01-31 10:00", "set_month", 13, "2024-02-29 10:00:00.000"),
            ("2023-01-31 10:00", "set_month", -1, "2022-12-31 10:00:00.000"),
            ("2023-01-31 10:00", "set_month", -12, "2022-01-31 10:00:00.000"),
            ("2023-01-31 10:00", "set_month", 3, "2023-04-30 10:00:00.000"),
            # leap day into common and leap years
            ("2024-02-29 07:45", "set_year", 2023, "2023-02-28 07:45:00.000"),
            ("2024-02-29 07:45", "set_year", 2028, "2028-02-29 07:45:00.000"),
            ("2024-02-29 07:45", "set_year", 1900, "1900-02-28 07:45:00.000"),
            ("2024-02-29 07:45", "set_year", 0, "0000-02-29 07:45:00.000"),
            # quarter keeps the month's place inside its quarter
            ("2023-11-30 12:00", "set_quarter", 1, "2023-02-28 12:00:00.000"),
            ("2023-05-10 12:00", "set_quarter", 5, "2024-02-10 12:00:00.000"),
            ("2023-05-10 12:00", "set_quarter", 0, "2022-11-10 12:00:00.000"),
            ("2023-05-10 12:00", "set_quarter", -3, "2022-02-10 12:00:00.000"),
            # ISO weekday moves within Monday..Sunday, set_day within Sunday..Saturday
            ("2023-03-19 08:30", "set_iso_weekday", 1, "2023-03-13 08:30:00.000"),
            ("2023-03-19 08:30", "set_day", 1, "2023-03-20 08:30:00.000"),
            ("2023-03-19 08:30", "set_iso_weekday", 7, "2023-03-19 08:30:00.000"),
            ("2023-03-19 08:30", "set_iso_weekday", 8, "2023-03-20 08:30:00.000"),
            # day of the year rolls into the next year past its last day
            ("2023-07-04 16:00", "set_day_of_year", 1, "2023-01-01 16:00:00.000"),
            ("2023-07-04 16:00", "set_day_of_year", 366, "2024-01-01 16:00:00.000"),
            ("2024-07-04 16:00", "set_day_of_year", 366, "2024-12-31 16:00:00.000"),
            ("2023-07-04 16:00", "set_day_of_year", 0, "2022-12-31 16:00:00.000"),
            # ISO week 53 of 2020 (1 January 2021) to week 1 of 2020, and onwards
            ("2021-01-01 09:00", "set_iso_week", 1, "2020-01-03 09:00:00.000"),
            ("2021-01-01 09:00", "set_iso_week", 54, "2021-01-08 09:00:00.000"),
            ("2020-12-31 09:00", "set_iso_week", 1, "2020-01-02 09:00:00.000"),
            # ISO week 1 of 2025 starts on 30 December 2024
            ("2024-12-30 09:00", "set_iso_week", 2, "2025-01-06 09:00:00.000"),
            # Sunday-start weeks: week 1 of 2023 runs from Sunday 1 January
            ("2023-03-15 11:00", "set_week", 1, "2023-01-04 11:00:00.000"),
            ("2022-01-01 11:00", "set_week", 2, "2022-01-08 11:00:00.000"),
            # the last and first supported years are still reachable
            ("2023-01-31 10:00", "set_year", 262_142, "+262142-01-31 10:00:00.000"),
            ("2023-01-31 10:00", "set_year", -262_143, "-262143-01-31 10:00:00.000"),
            ("2023-01-31 10:00", "set_month", (262_142 - 2023) * 12 + 11, "+262142-12-31 10:00:00.000"),
        ],
    )
    def test_setter(self, start, method, n, expected):
        assert local(getattr(at(start), method)(n)) == expected

    @pytest.mark.parametrize(
        "field, n, method",
        [
            # the generic setter reads field names as the getter does: "D" is
            # the weekday, "M" the minute, the day of the month is "date"
            ("month", 1, "set_month"),
            ("D", 0, "set_day"),
            ("M", 5, "set_minute"),
            ("date", 3, "set_date"),
            ("  YEAR\t", 2030, "set_year"),
            ("q", 4, "set_quarter"),
            ("ms", 7, "set_millisecond"),
            ("Day_Of_Week", 3, "set_day"),
        ],
    )
    def test_set_matches_single_setter(self, field, n, method):
        v = at("2023-01-31 10:20:30.400", "Europe/Paris")
        assert v.set(field, n).to_iso() == getattr(v, method)(n).to_iso()


class TestQuarter:
    @pytest.mark.parametrize("month0", range(12))
    def test_quarter_positions(self, month0):
        v = T.from_array([2023, month0, 15, 6], "UTC")
        assert v.set_quarter(3).month() == 6 + month0 % 3
        assert v.set_quarter(1).month() == month0 % 3


class TestDaylightSaving:
    NY = "America/New_York"

    @pytest.mark.parametrize(
        "start, method, n, expected_iso",
        [
            # 02:00 on 10 March 2024 is skipped: the gap rule lands on 03:00 EDT
            ("2024-03-10 10:00", "set_hour", 2, "2024-03-10T03:00:00.000-04:00"),
            ("2024-03-10 10:00", "set_minute", 30, "2024-03-10T10:30:00.000-04:00"),
            ("2024-03-09 02:30", "set_date", 10, "2024-03-10T03:00:00.000-04:00"),
            ("2024-03-09 02:30", "set_day_of_year", 70, "2024-03-10T03:00:00.000-04:00"),
            # the local clock moves, not elapsed time: 01:00 EST to 05:00 EDT
            ("2024-03-10 01:00", "set_hour", 5, "2024-03-10T05:00:00.000-04:00"),
            # a month set across the change keeps the local reading
            ("2024-01-15 12:00", "set_month", 5, "2024-06-15T12:00:00.000-04:00"),
        ],
    )
    def test_gap(self, start, method, n, expected_iso):
        assert getattr(at(start, self.NY), method)(n).to_iso() == expected_iso

    def test_clock_not_elapsed_time(self):
        v = at("2024-03-10 01:00", self.NY)
        assert v.set_hour(5).unix_ms() - v.unix_ms() == 3 * 3_600_000

    # 01:30 repeats on 3 November 2024: EDT (05:30 UTC), then EST (06:30 UTC)
    FIRST_OVERLAP = 1_730_611_800_000
    SECOND_OVERLAP = FIRST_OVERLAP + 3_600_000

    @pytest.mark.parametrize(
        "method, n",
        [("set_minute", 30), ("set_hour", 1), ("set_date", 3), ("set_year", 2024), ("set_month", 10),
         ("set_quarter", 4), ("set_millisecond", 0), ("set_week", 45), ("set_day_of_year", 308)],
    )
    def test_current_value_in_overlap_takes_earlier_instant(self, method, n):
        first = T.from_unix_ms(self.FIRST_OVERLAP, self.NY)
        second = T.from_unix_ms(self.SECOND_OVERLAP, self.NY)
        assert local(first) == local(second) == "2024-11-03 01:30:00.000"
        assert getattr(first, method)(n).unix_ms() == self.FIRST_OVERLAP
        assert getattr(second, method)(n).unix_ms() == self.FIRST_OVERLAP


class TestFailures:
    @pytest.mark.parametrize(
        "method, n",
        [
            # rebuilding fields take 32-bit values; the month index stays 32-bit
            ("set_month", 2**31),
            ("set_month", 2**31 - 1),
            ("set_month", -(2**31)),
            ("set_quarter", 2**31),
            ("set_quarter", -(2**31)),
            ("set_quarter", 2**30),
            ("set_year", 300_000),
            ("set_year", -262_144),
            ("set_year", 2**31),
            ("set_year", INT64_MIN),
            # shifting fields: a distance past the range or beyond 64 bits
            ("set_date", 10**17),
            ("set_hour", INT64_MAX),
            ("set_millisecond", INT64_MIN),
            ("set_millisecond", INT64_MAX),
            ("set_second", -(10**16)),
            ("set_iso_week", 2**62),
            ("set_week", INT64_MIN),
            ("set_day_of_year", INT64_MAX),
            ("set_iso_weekday", 10**12),
        ],
    )
    def test_overflow(self, method, n):
        with pytest.raises(ValueError) as info:
            getattr(at("2023-01-31 10:00"), method)(n)
        assert str(info.value) == OVERFLOW

    @pytest.mark.parametrize("ms, zone", [(MAX_MS, "Asia/Tokyo"), (MIN_MS, "America/Los_Angeles")])
    @pytest.mark.parametrize("method", ["set_hour", "set_month", "set_week"])
    def test_local_reading_past_the_range(self, ms, zone, method):
        with pytest.raises(ValueError) as info:
            getattr(T.from_unix_ms(ms, zone), method)(1)
        assert str(info.value) == OVERFLOW

    @pytest.mark.parametrize("text", ["week", " Week ", "weeks", "dayofyear", "hr", ""])
    def test_unknown_field_repeats_the_text(self, text):
        with pytest.raises(ValueError) as info:
            at("2023-01-31 10:00").set(text, 1)
        assert str(info.value) == (
            "Invalid field: " + text + ". Use one of: millisecond, second, minute, hour, day, date, month, quarter, year"
        )

    @pytest.mark.parametrize(
        "call, name",
        [
            # conversion comes before the field name is read
            (lambda v: v.set("week", 1.5), "value"),
            (lambda v: v.set(3, 1), "field"),
            (lambda v: v.set_hour(1.0), "value"),
            (lambda v: v.set_month("1"), "value"),
            (lambda v: v.set_week(None), "value"),
        ],
    )
    def test_argument_types(self, call, name):
        with pytest.raises(TypeError) as info:
            call(at("2023-01-31 10:00"))
        assert str(info.value).startswith(f"argument '{name}': ")

    def test_value_beyond_64_bits(self):
        with pytest.raises(OverflowError):
            at("2023-01-31 10:00").set_hour(2**63)


GETTERS = [
    ("millisecond", "set_millisecond"),
    ("second", "set_second"),
    ("minute", "set_minute"),
    ("hour", "set_hour"),
    ("day", "set_day"),
    ("date", "set_date"),
    ("month", "set_month"),
    ("quarter", "set_quarter"),
    ("year", "set_year"),
    ("iso_weekday", "set_iso_weekday"),
    ("day_of_year", "set_day_of_year"),
    ("iso_week", "set_iso_week"),
    ("week", "set_week"),
]
ZONES = ["UTC", "America/New_York", "Europe/Paris", "Australia/Lord_Howe", "America/Santiago", "Asia/Kolkata"]


def earliest_instant_ms(local_reading, zone):
    """The earlier instant of a local reading, by zoneinfo (fold=0)."""
    offset = local_reading.replace(tzinfo=zoneinfo.ZoneInfo(zone), fold=0).utcoffset()
    delta = local_reading - dt.datetime(1970, 1, 1) - offset
    return delta // dt.timedelta(milliseconds=1)


class TestProperties:
    @settings(max_examples=300, deadline=None)
    @given(
        ms=st.integers(-2_208_988_800_000, 4_102_444_800_000),
        zone=st.sampled_from(ZONES),
        pair=st.sampled_from(GETTERS),
    )
    def test_setting_the_current_reading_keeps_the_local_time(self, ms, zone, pair):
        # Same instant outside overlaps; the earlier one of a repeated time.
        getter, setter = pair
        v = T.from_unix_ms(ms, zone)
        result = getattr(v, setter)(getattr(v, getter)())
        assert result is not v
        assert result.timezone() == zone
        reading = dt.datetime.fromisoformat(local(v))
        assert result.unix_ms() == earliest_instant_ms(reading, zone)
