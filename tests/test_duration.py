"""QuendrelDuration: building, converting, combining and applying durations."""

import pytest

from support import I64_MAX, I64_MIN, MAX_MS, OVERFLOW, UNIT_HELP, D, T, message_of


class TestBuilding:
    # The constructor and QuendrelTime.duration share one conversion.
    @pytest.mark.parametrize("value, unit, ms", [
        (5, None, 5), (I64_MIN, None, I64_MIN), (I64_MAX, "milliseconds", I64_MAX), (2, " Seconds ", 2_000),
        (3, "M", 180_000),  # capital M is minute, not month
        (-1, "h", -3_600_000), (1, "day", 86_400_000), (2, "w", 1_209_600_000),
        # months, quarters and years have their mean Gregorian lengths
        (1, "mo", 2_629_746_000), (-1, "quarters", -7_889_238_000), (1, "YEAR", 31_556_952_000),
    ])
    def test_amount_and_unit(self, value, unit, ms):
        assert D(value, unit).as_milliseconds() == T.duration(value, unit).as_milliseconds() == ms

    @pytest.mark.parametrize("factory, value, ms", [
        ("from_milliseconds", -7, -7), ("from_seconds", 90, 90_000), ("from_minutes", -3, -180_000),
        ("from_hours", 2, 7_200_000), ("from_days", 1, 86_400_000), ("from_weeks", 2, 1_209_600_000),
        ("from_months", -12, -31_556_952_000), ("from_years", 1, 31_556_952_000),
        # the count is the double-precision product, rounded: beyond 2^53 it is not the exact product
        ("from_months", 123_456_789, 324_659_997_045_593_984),
    ])
    def test_factories(self, factory, value, ms):
        assert getattr(D, factory)(value).as_milliseconds() == ms

    def test_repr(self):
        assert repr(D(value=5, unit=None)) == "QuendrelDuration(milliseconds=5)"
        assert str(D.from_milliseconds(I64_MIN)) == f"QuendrelDuration(milliseconds={I64_MIN})"

    @pytest.mark.parametrize("unit", ["mins", "", "  ", "hr", "qtr "])
    def test_invalid_unit_even_for_zero(self, unit):
        assert message_of(lambda: D(0, unit)) == f"Invalid unit: {unit}{UNIT_HELP}"

    # Exact units: the last amount that fits and the first that does not.
    @pytest.mark.parametrize("factory, fits", [
        ("from_seconds", 9_223_372_036_854_775), ("from_minutes", 153_722_867_280_912),
        ("from_hours", 2_562_047_788_015), ("from_days", 106_751_991_167), ("from_weeks", 15_250_284_452)])
    def test_exact_units_overflow(self, factory, fits):
        build = getattr(D, factory)
        assert build(fits).as_milliseconds() > 0 and build(-fits).as_milliseconds() < 0
        for value in (fits + 1, -fits - 1, I64_MAX, I64_MIN):
            with pytest.raises(ValueError, match=OVERFLOW):
                build(value)

    # Mean-length units: the double product is compared with 2^63.
    @pytest.mark.parametrize("unit, fits, ms", [
        ("month", 3_507_324_295, 9_223_372_035_479_069_696), ("quarter", 1_169_108_098, 9_223_372_032_849_324_032),
        ("year", 292_277_024, 9_223_372_017_070_848_000)])
    def test_mean_units_overflow(self, unit, fits, ms):
        assert (D(fits, unit).as_milliseconds(), D(-fits, unit).as_milliseconds()) == (ms, -ms)
        for value in (fits + 1, -fits - 1, I64_MAX, I64_MIN):
            with pytest.raises(ValueError, match=OVERFLOW):
                D(value, unit)


class TestUsing:
    @pytest.mark.parametrize("ms, method, expected", [
        (1_500, "as_seconds", 1.5), (-1, "as_seconds", -0.001), (90_000, "as_minutes", 1.5),
        (5_400_000, "as_hours", 1.5), (2_629_746_000, "as_days", 30.436875), (302_400_000, "as_weeks", 0.5),
        (31_556_952_000, "as_months", 12.0), (7_889_238_000, "as_months", 3.0), (15_778_476_000, "as_years", 0.5),
        (I64_MIN, "as_seconds", -9_223_372_036_854_775.808), (I64_MIN, "as_milliseconds", I64_MIN),
    ])
    def test_as_unit(self, ms, method, expected):
        result = getattr(D.from_milliseconds(ms), method)()
        assert type(result) is type(expected) and result == expected

    @pytest.mark.parametrize("a, b, total, difference", [
        (5, 7, 12, -2), (I64_MAX, I64_MIN, -1, None), (I64_MIN, -1, None, I64_MIN + 1), (I64_MIN, 1, I64_MIN + 1, None),
        (I64_MAX, 0, I64_MAX, I64_MAX), (-1, I64_MAX, I64_MAX - 1, I64_MIN), (1, I64_MAX, None, I64_MIN + 2),
    ])
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
        assert (value.negate().as_milliseconds(), value.abs().as_milliseconds()) == (negated, absolute)
        assert value.abs() is not value

    def test_smallest_count_has_no_negation(self):
        for call in (D.from_milliseconds(I64_MIN).negate, D.from_milliseconds(I64_MIN).abs):
            with pytest.raises(ValueError, match=OVERFLOW):
                call()

    @pytest.mark.parametrize("ms, with_suffix, text", [
        (0, None, "a few seconds"), (0, True, "a few seconds ago"), (3_600_000, True, "in an hour"),
        (3_600_000, None, "an hour"), (-86_400_000, True, "a day ago"), (-86_400_000, False, "a day"),
        (-150_000, True, "3 minutes ago")])
    def test_humanize(self, ms, with_suffix, text):
        assert D.from_milliseconds(ms).humanize(with_suffix) == text


class TestOnDateTimes:
    def test_a_day_is_elapsed_time(self):
        # New York skips 02:00-03:00 on 10 March 2024.
        value = T.parse("2024-03-09 12:00", "America/New_York")
        later = value.add_duration(D(1, "day"))
        assert (later.to_iso(), later.timezone()) == ("2024-03-10T13:00:00.000-04:00", "America/New_York")
        assert later.subtract_duration(D(1, "day")).to_iso() == "2024-03-09T12:00:00.000-05:00"
        copy = value.add_duration(D(0, None))
        assert copy is not value and copy.unix_ms() == value.unix_ms()

    @pytest.mark.parametrize("start, method, ms", [
        (MAX_MS, "add_duration", 1), (0, "add_duration", I64_MAX), (0, "add_duration", I64_MIN),
        (0, "subtract_duration", I64_MIN),  # the count has no negation
        (0, "subtract_duration", I64_MAX), (-MAX_MS, "subtract_duration", MAX_MS),
    ])
    def test_leaving_the_range(self, start, method, ms):
        with pytest.raises(ValueError, match=OVERFLOW):
            getattr(T.from_unix_ms(start, None), method)(D.from_milliseconds(ms))
