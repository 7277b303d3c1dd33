"""QuendrelDuration: building, converting, combining and applying durations."""

import pytest
from hypothesis import given, settings
from hypothesis import strategies as st

import quendreltime
from support import MAX_MS, OVERFLOW

T = quendreltime.quendrel_time
D = quendreltime.quendrel_duration
I64_MIN, I64_MAX = -(2**63), 2**63 - 1
UNIT_HINT = ". Use one of: millisecond, second, minute, hour, day, week, month, quarter, year"
MEAN_LENGTHS = {"month": 2_629_746_000, "quarter": 7_889_238_000, "year": 31_556_952_000}


class TestBuilding:
    # The constructor and QuendrelTime.duration share one conversion.
    @pytest.mark.parametrize(
        "value, unit, ms",
        [
            (5, None, 5),
            (5, "ms", 5),
            (I64_MIN, None, I64_MIN),
            (I64_MAX, "milliseconds", I64_MAX),
            (2, " Seconds ", 2_000),
            (3, "M", 180_000),  # capital M is minute, not month
            (-1, "h", -3_600_000),
            (1, "day", 86_400_000),
            (2, "w", 1_209_600_000),
            (1, "mo", 2_629_746_000),
            (1, "q", 7_889_238_000),
            (-1, "quarters", -7_889_238_000),
            (1, "YEAR", 31_556_952_000),
            (True, "s", 1_000),
        ],
    )
    def test_amount_and_unit(self, value, unit, ms):
        assert D(value, unit).as_milliseconds() == ms
        assert T.duration(value, unit).as_milliseconds() == ms

    @pytest.mark.parametrize(
        "factory, value, ms",
        [
            ("from_milliseconds", -7, -7),
            ("from_seconds", 90, 90_000),
            ("from_minutes", -3, -180_000),
            ("from_hours", 2, 7_200_000),
            ("from_days", 1, 86_400_000),
            ("from_weeks", 2, 1_209_600_000),
            ("from_months", 1, 2_629_746_000),
            ("from_months", -12, -31_556_952_000),
            ("from_years", 1, 31_556_952_000),
        ],
    )
    def test_factories(self, factory, value, ms):
        assert getattr(D, factory)(value).as_milliseconds() == ms

    def test_keywords_and_repr(self):
        assert repr(D(value=5, unit=None)) == "QuendrelDuration(milliseconds=5)"
        assert repr(D.from_minutes(-1)) == "QuendrelDuration(milliseconds=-60000)"
        assert str(D.from_milliseconds(I64_MIN)) == f"QuendrelDuration(milliseconds={I64_MIN})"


class TestOverflow:
    # Exact units: the last amount that fits and the first that does not.
    @pytest.mark.parametrize(
        "factory, fits",
        [
            ("from_seconds", 9_223_372_036_854_775),
            ("from_minutes", 153_722_867_280_912),
            ("from_hours", 2_562_047_788_015),
            ("from_days", 106_751_991_167),
            ("from_weeks", 15_250_284_452),
        ],
    )
    def test_exact_units(self, factory, fits):
        build = getattr(D, factory)
        assert build(fits).as_milliseconds() > 0
        assert build(-fits).as_milliseconds() < 0
        for value in (fits + 1, -fits - 1, I64_MAX, I64_MIN):
            with pytest.raises(ValueError, match=OVERFLOW):
                build(value)

    # Mean-length units: the product is a double, compared with 2^63.
    @pytest.mark.parametrize(
        "unit, fits", [("month", 3_507_324_295), ("quarter", 1_169_108_098), ("year", 292_277_024)]
    )
    def test_mean_units(self, unit, fits):
        assert D(fits, unit).as_milliseconds() == int(float(fits) * MEAN_LENGTHS[unit])
        assert D(-fits, unit).as_milliseconds() == -int(float(fits) * MEAN_LENGTHS[unit])
        for value in (fits + 1, -fits - 1, I64_MAX, I64_MIN):
            with pytest.raises(ValueError, match=OVERFLOW):
                D(value, unit)

    @pytest.mark.parametrize("value", [2**63, -(2**63) - 1])
    def test_beyond_64_bits(self, value):
        with pytest.raises(OverflowError):
            D.from_milliseconds(value)

    @pytest.mark.parametrize("unit", ["mins", "", "  ", "hr", "qtr "])
    def test_invalid_unit_even_for_zero(self, unit):
        with pytest.raises(ValueError) as err:
            D(0, unit)
        assert str(err.value) == f"Invalid unit: {unit}{UNIT_HINT}"

    @pytest.mark.parametrize("value", [1.5, 1.0, "1", None])
    def test_value_must_be_an_integer(self, value):
        with pytest.raises(TypeError, match="^argument 'value': "):
            D(value, "s")
        with pytest.raises(TypeError, match="^argument 'value': "):
            D.from_hours(value)

    def test_constructor_arguments_are_required(self):
        with pytest.raises(TypeError, match=r"^QuendrelDuration\.__new__\(\) missing 1 required positional"):
            D(5)


class TestMeanUnitsProperty:
    # The count is the double-precision product, rounded: beyond 2^53 it is
    # not the exact integer product.
    @settings(max_examples=300)
    @given(st.sampled_from(sorted(MEAN_LENGTHS)), st.integers(min_value=-(2**33), max_value=2**33))
    def test_double_product(self, unit, value):
        product = float(value) * MEAN_LENGTHS[unit]
        if abs(product) > 2.0**63:
            with pytest.raises(ValueError, match=OVERFLOW):
                D(value, unit)
        else:
            assert D(value, unit).as_milliseconds() == int(product)

    def test_large_count_is_not_exact(self):
        value = 123_456_789
        assert D.from_months(value).as_milliseconds() == int(float(value) * 2_629_746_000.0)
        assert D.from_months(value).as_milliseconds() != value * 2_629_746_000


class TestConversions:
    @pytest.mark.parametrize(
        "ms, method, expected",
        [
            (1_500, "as_seconds", 1.5),
            (-1, "as_seconds", -0.001),
            (90_000, "as_minutes", 1.5),
            (5_400_000, "as_hours", 1.5),
            (2_629_746_000, "as_days", 30.436875),
            (302_400_000, "as_weeks", 0.5),
            (31_556_952_000, "as_months", 12.0),
            (7_889_238_000, "as_months", 3.0),
            (15_778_476_000, "as_years", 0.5),
            (I64_MIN, "as_seconds", -9_223_372_036_854_775.808),
        ],
    )
    def test_as_unit(self, ms, method, expected):
        result = getattr(D.from_milliseconds(ms), method)()
        assert type(result) is float
        assert result == expected

    @pytest.mark.parametrize("ms", [0, -1, I64_MIN, I64_MAX])
    def test_as_milliseconds_is_exact(self, ms):
        assert D.from_milliseconds(ms).as_milliseconds() == ms


class TestArithmetic:
    @pytest.mark.parametrize(
        "a, b, total, difference",
        [
            (5, 7, 12, -2),
            (I64_MAX, I64_MIN, -1, None),
            (I64_MIN, -1, None, I64_MIN + 1),
            (I64_MIN, 1, I64_MIN + 1, None),
            (I64_MAX, 0, I64_MAX, I64_MAX),
            (-1, I64_MAX, I64_MAX - 1, I64_MIN),
            (1, I64_MAX, None, I64_MIN + 2),
        ],
    )
    def test_add_and_subtract(self, a, b, total, difference):
        first, second = D.from_milliseconds(a), D.from_milliseconds(b)
        for method, expected in (("add", total), ("subtract", difference)):
            if expected is None:
                with pytest.raises(ValueError, match=OVERFLOW):
                    getattr(first, method)(second)
            else:
                assert getattr(first, method)(second).as_milliseconds() == expected

    @pytest.mark.parametrize("ms, negated, absolute", [(5, -5, 5), (-5, 5, 5), (0, 0, 0), (I64_MAX, -I64_MAX, I64_MAX)])
    def test_negate_and_abs(self, ms, negated, absolute):
        value = D.from_milliseconds(ms)
        assert value.negate().as_milliseconds() == negated
        assert value.abs().as_milliseconds() == absolute
        assert value.abs() is not value

    def test_smallest_count_has_no_negation(self):
        with pytest.raises(ValueError, match=OVERFLOW):
            D.from_milliseconds(I64_MIN).negate()
        with pytest.raises(ValueError, match=OVERFLOW):
            D.from_milliseconds(I64_MIN).abs()

    @pytest.mark.parametrize("other", [5, None, T.from_unix_ms(0, None)])
    def test_other_must_be_a_duration(self, other):
        with pytest.raises(TypeError, match="^argument 'other': "):
            D.from_days(1).add(other)


class TestHumanize:
    @pytest.mark.parametrize(
        "ms, with_suffix, text",
        [
            (0, None, "a few seconds"),
            (0, False, "a few seconds"),
            (0, True, "a few seconds ago"),
            (3_600_000, True, "in an hour"),
            (3_600_000, None, "an hour"),
            (-86_400_000, True, "a day ago"),
            (-86_400_000, False, "a day"),
            (-150_000, True, "3 minutes ago"),
        ],
    )
    def test_suffix(self, ms, with_suffix, text):
        assert D.from_milliseconds(ms).humanize(with_suffix) == text

    @pytest.mark.parametrize("flag", [1, "true"])
    def test_flag_must_be_bool(self, flag):
        with pytest.raises(TypeError, match="^argument 'with_suffix': "):
            D.from_days(1).humanize(flag)


class TestOnDateTimes:
    def test_one_day_across_spring_forward(self):
        # New York skips 02:00-03:00 on 10 March 2024.
        value = T.parse("2024-03-09 12:00", "America/New_York")
        day = D(1, "day")
        assert value.add_duration(day).to_iso() == "2024-03-10T13:00:00.000-04:00"
        assert value.add(1, "day").to_iso() == "2024-03-10T12:00:00.000-04:00"
        later = value.add_duration(day)
        assert later.unix_ms() - value.unix_ms() == 86_400_000
        assert later.timezone() == "America/New_York"
        assert later.subtract_duration(day).to_iso() == "2024-03-09T12:00:00.000-05:00"

    def test_zero_duration_is_a_copy(self):
        value = T.parse("2024-03-09 12:00", "Europe/Paris")
        copy = value.add_duration(D(0, None))
        assert copy is not value
        assert (copy.unix_ms(), copy.timezone()) == (value.unix_ms(), "Europe/Paris")

    @pytest.mark.parametrize(
        "start, method, ms",
        [
            (MAX_MS, "add_duration", 1),
            (0, "add_duration", I64_MAX),
            (0, "add_duration", I64_MIN),
            (0, "subtract_duration", I64_MIN),  # the count has no negation
            (0, "subtract_duration", I64_MAX),
            (-MAX_MS, "subtract_duration", MAX_MS),
        ],
    )
    def test_leaving_the_range(self, start, method, ms):
        with pytest.raises(ValueError, match=OVERFLOW):
            getattr(T.from_unix_ms(start, None), method)(D.from_milliseconds(ms))

    @pytest.mark.parametrize("duration", [86_400_000, None, "1 day"])
    def test_duration_must_be_a_duration(self, duration):
        with pytest.raises(TypeError, match="^argument 'duration': "):
            T.from_unix_ms(0, None).add_duration(duration)

    @settings(max_examples=300)
    @given(
        st.sampled_from(["UTC", "Europe/London", "America/Santiago", "Asia/Kathmandu"]),
        st.integers(min_value=-(10**15), max_value=10**15),
        st.integers(min_value=-(10**15), max_value=10**15),
    )
    def test_moves_by_the_exact_count(self, zone, start, ms):
        value = T.from_unix_ms(start, zone)
        moved = value.add_duration(D.from_milliseconds(ms))
        assert moved.unix_ms() == start + ms
        assert moved.timezone() == zone
        assert moved.subtract_duration(D.from_milliseconds(ms)).unix_ms() == start
