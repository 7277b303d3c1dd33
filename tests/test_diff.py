"""diff: the millisecond difference divided by a fixed unit length, always a
float, truncated toward zero unless asked for the fraction."""

import datetime as dt
import math

import pytest
from hypothesis import given, settings
from hypothesis import strategies as st

import quendreltime
from support import MAX_MS, MIN_MS

T = quendreltime.quendrel_time
HOUR = 3_600_000
DAY = 86_400_000
MEAN_YEAR = 31_556_952_000
UNIT_MS = {"ms": 1, "s": 1000, "m": 60_000, "h": HOUR, "d": DAY, "w": 7 * DAY, "mo": 2_629_746_000,
           "q": 7_889_238_000, "y": MEAN_YEAR}


def ms(value, zone="UTC"):
    return T.from_unix_ms(value, zone)


def same_float(a, b):
    """Equal and of the same sign, so that 0.0 and -0.0 differ."""
    return type(a) is float and a == b and math.copysign(1, a) == math.copysign(1, b)


def utc_ms(*args):
    return int(dt.datetime(*args, tzinfo=dt.timezone.utc).timestamp() * 1000)


class TestDiff:
    @pytest.mark.parametrize(
        "this, other, unit, truncated, fraction",
        [
            # 10:00 against 08:30, both ways
            (10 * HOUR, 8.5 * HOUR, "hour", 1.0, 1.5),
            (8.5 * HOUR, 10 * HOUR, "hour", -1.0, -1.5),
            # 500 ms before: a negative zero when truncated
            (0, 500, "second", -0.0, -0.5),
            (500, 0, "second", 0.0, 0.5),
            (7, 7, "year", 0.0, 0.0),
            # months are the mean Gregorian month: 31 January to 1 March is 29 days
            (utc_ms(2023, 3, 1), utc_ms(2023, 1, 31), "month", 0.0, 29 / 30.436875),
            (utc_ms(2023, 3, 1), utc_ms(2023, 1, 31), "q", 0.0, 29 / 91.310625),
            # one mean year, and 365 days
            (MEAN_YEAR, 0, "y", 1.0, 1.0),
            (365 * DAY, 0, "years", 0.0, 365 / 365.2425),
            (-3 * 7 * DAY - 1, 0, "week", -3.0, (-3 * 7 * DAY - 1) / (7 * DAY)),
            # the millisecond unit is the exact difference either way
            (1234, 0, "ms", 1234.0, 1234.0),
            (-1234, 0, " MS ", -1234.0, -1234.0),
        ],
    )
    def test_table(self, this, other, unit, truncated, fraction):
        a, b = ms(int(this)), ms(int(other))
        assert same_float(a.diff(b, unit, False), truncated)
        assert same_float(a.diff(b, unit, None), truncated)
        assert same_float(a.diff(b, unit, True), fraction)

    @pytest.mark.parametrize(
        "day, truncated, fraction",
        [
            # local midnights one calendar day apart across the spring change: 23 hours
            (10, 0.0, 23 / 24),
            # and across the autumn change: 25 hours
            (3, 1.0, 25 / 24),
        ],
    )
    def test_across_dst(self, day, truncated, fraction):
        month0 = 2 if day == 10 else 10
        start = T.from_array([2024, month0, day], "America/New_York")
        end = T.from_array([2024, month0, day + 1], "America/New_York")
        assert same_float(end.diff(start, "day", False), truncated)
        assert end.diff(start, "day", True) == pytest.approx(fraction, rel=1e-15)

    @pytest.mark.parametrize(
        "this, other",
        [
            # the two ends of the range: a span beyond 2**53, rounded once, never wrapped
            (MAX_MS, MIN_MS),
            (MIN_MS, MAX_MS),
            (MAX_MS, 0),
            (MIN_MS, MIN_MS + 1),
        ],
    )
    @pytest.mark.parametrize("unit, length", [("ms", 1), ("day", DAY), ("year", MEAN_YEAR)])
    def test_range_ends(self, this, other, unit, length):
        assert ms(this).diff(ms(other), unit, True) == float(this - other) / length

    def test_zones_play_no_part(self):
        # neither zone is resolved: a value whose local reading is out of range still works
        far = ms(MAX_MS, "Asia/Tokyo")
        assert far.diff(ms(MAX_MS - DAY, "Pacific/Pago_Pago"), "d", False) == 1.0

    def test_unknown_unit_after_all_conversions(self):
        v = ms(0)
        with pytest.raises(ValueError) as info:
            v.diff(v, "mins", None)
        assert str(info.value) == (
            "Invalid unit: mins. Use one of: millisecond, second, minute, hour, day, week, month, quarter, year"
        )
        with pytest.raises(TypeError, match="^argument 'as_float': "):
            v.diff(v, "mins", 1)

    @pytest.mark.parametrize(
        "args, name",
        [
            (("x", "day", None), "other"),
            ((None, "day", None), "other"),
            (("self", None, None), "unit"),
            (("self", "day", "yes"), "as_float"),
        ],
    )
    def test_argument_types(self, args, name):
        v = ms(0)
        args = tuple(v if a == "self" else a for a in args)
        with pytest.raises(TypeError) as info:
            v.diff(*args)
        assert str(info.value).startswith(f"argument '{name}': ")

    @settings(max_examples=300, deadline=None)
    @given(
        a=st.integers(MIN_MS, MAX_MS),
        b=st.integers(MIN_MS, MAX_MS),
        unit=st.sampled_from(sorted(UNIT_MS)),
    )
    def test_antisymmetric_and_truncated(self, a, b, unit):
        forward = ms(a).diff(ms(b, "Europe/Paris"), unit, True)
        backward = ms(b, "Asia/Tokyo").diff(ms(a), unit, True)
        assert forward == -backward
        assert same_float(ms(a).diff(ms(b), unit, False), math.copysign(math.trunc(forward), forward))
        if abs(a - b) < 2**53:
            assert forward == pytest.approx((a - b) / UNIT_MS[unit], rel=1e-15, abs=0)
