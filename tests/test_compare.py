"""Comparisons and differences: plain tests on instants, unit tests on the
start of each side's unit in its own zone, is_between, min, max, clamp, the
relative-day tests, and diff."""

import math

import pytest
from hypothesis import given, settings
from hypothesis import strategies as st

from support import ALL_ZONES, DAY, HOUR, MAX_MS, MIN_MS, UNIT_HELP, T, at, change_values, message_of, ms, utc_ms

PLAIN = ["is_before", "is_after", "is_same", "is_same_or_before", "is_same_or_after"]
INCLUSIVITY_ERROR = "Invalid inclusivity: {}. Use one of: (), (], [), []"


class TestPlain:
    @pytest.mark.parametrize("a, b, expected", [
        # before, after, same, same or before, same or after
        (ms(1), ms(2), (True, False, False, True, False)), (ms(2), ms(1), (False, True, False, False, True)),
        # zones play no part: one instant seen in two zones
        (ms(0, "Asia/Tokyo"), ms(0, "America/Chicago"), (False, False, True, True, True)),
    ])
    def test_relations(self, a, b, expected):
        assert tuple(getattr(a, name)(b) for name in PLAIN) == expected
        # the millisecond unit floors nothing, so the unit tests agree
        assert tuple(getattr(a, name + "_unit")(b, "ms") for name in PLAIN) == expected


class TestUnitGranular:
    @pytest.mark.parametrize("a, b, unit, same", [
        # each side floors in its own zone: one instant, midnights 23 hours apart
        (at(2024, 3, 1, 23, 30, zone="Europe/Lisbon"), at(2024, 3, 2, 0, 30, zone="Europe/Paris"), "day", False),
        (at(2024, 3, 1, 23, 30, zone="Europe/Lisbon"), at(2024, 3, 1, 23, 59, zone="Europe/Lisbon"), "day", True),
        # Sunday-start weeks (the edges of every unit are walked by the period test below)
        (at(2024, 3, 3), at(2024, 3, 9, 23), " W ", True), (at(2024, 3, 9, 23), at(2024, 3, 10), "week", False),
        # 01:30 EDT and 01:30 EST on 3 November 2024: two hours, one day
        (ms(1_730_611_800_000, "America/New_York"), ms(1_730_615_400_000, "America/New_York"), "hour", False),
        (ms(1_730_611_800_000, "America/New_York"), ms(1_730_615_400_000, "America/New_York"), "day", True),
        # 23:30 before and after the clocks went back at 00:01 on 29 October 2000
        (ms(972_784_800_000, "America/St_Johns"), ms(972_788_400_000, "America/St_Johns"), "day", True),
    ])
    def test_same_unit(self, a, b, unit, same):
        assert (a.is_same_unit(b, unit), b.is_same_unit(a, unit)) == (same, same)
        assert (a.is_same_or_before_unit(b, unit), a.is_same_or_after_unit(b, unit)) == (True, same)
        assert (a.is_before_unit(b, unit), a.is_after_unit(b, unit)) == (not same, False)

    @pytest.mark.parametrize("name", [p + "_unit" for p in PLAIN])
    def test_errors(self, name):
        assert message_of(lambda: getattr(ms(0), name)(ms(0), "mins")) == "Invalid unit: mins" + UNIT_HELP
        far = ms(MAX_MS, "Asia/Tokyo")  # its local date is past the range
        assert message_of(lambda: getattr(ms(0), name)(far, "day")) == "Date arithmetic overflow"


def check_period(v, unit):
    """The period holds the value, both its ends share the value's period,
    and the instants just outside it do not belong to it."""
    start, end = v.start_of(unit), v.end_of(unit)
    assert start.is_same_or_before(v) and v.is_same_or_before(end)
    assert v.is_same_unit(start, unit) and v.is_same_unit(end, unit)
    assert not start.subtract(1, "ms").is_same_unit(start, unit)
    assert not end.add(1, "ms").is_same_unit(end, unit)


@pytest.mark.parametrize("unit", ["second", "minute", "hour", "day", "week", "month", "quarter", "year"])
def test_every_value_lies_in_its_period(unit):
    for zone, value in change_values():
        v = ms(value, zone)
        try:
            check_period(v, unit)
        except AssertionError:
            pytest.fail(f"{v.to_iso()} in {zone}, {unit}")
    # At the calendar's ends a period may reach past them; that, and only
    # that, is an overflow.
    for zone in ALL_ZONES:
        for value in (MIN_MS, MAX_MS):
            v = ms(value, zone)
            try:
                start, end = v.start_of(unit), v.end_of(unit)
            except ValueError as error:
                assert str(error) == "Date arithmetic overflow"
                continue
            assert start.is_same_or_before(v) and v.is_same_or_before(end)


class TestIsBetween:
    START, END = ms(1000), ms(2000)

    @pytest.mark.parametrize("value, forms", [
        # (result for None, "()", "(]", "[)", "[]")
        (999, (False, False, False, False, False)), (1000, (False, False, False, True, True)),
        (1500, (True, True, True, True, True)), (2000, (False, False, True, False, True)),
        (2001, (False, False, False, False, False)),
    ])
    def test_bracket_forms(self, value, forms):
        v = ms(value, "Asia/Tokyo")
        assert tuple(v.is_between(self.START, self.END, None, b) for b in [None, "()", "(]", "[)", "[]"]) == forms
        # reversed bounds hold nothing
        assert {v.is_between(self.END, self.START, None, b) for b in [None, "()", "(]", "[)", "[]"]} == {False}

    def test_with_unit(self):
        # with a unit the floors decide: 10:00 and 08:00 on one day share a floor
        v = at(2024, 5, 6, 10)
        assert [v.is_between(at(2024, 5, 6, 8), at(2024, 5, 8), unit, "()") for unit in ("day", None)] == [False, True]
        assert v.is_between(at(2024, 5, 6, 8), at(2024, 5, 8), "day", "[)") is True
        assert at(2024, 6, 1).is_between(at(2025, 3, 1), at(2023, 3, 1), "year", "[]") is False

    @pytest.mark.parametrize("text", ["( )", "{}", "", "(", "[]]", ")(", " ()", "()\n", "\uff08\uff09", "<>"])
    def test_invalid_inclusivity(self, text):
        assert message_of(lambda: ms(1500).is_between(self.START, self.END, None, text)) == (
            INCLUSIVITY_ERROR.format(text))

    @pytest.mark.parametrize("unit, end, message", [
        # a unit error, then a floor error, come before the inclusivity error
        ("weeks!", ms(2000), "Invalid unit: weeks!" + UNIT_HELP),
        ("day", ms(MAX_MS, "Asia/Tokyo"), "Date arithmetic overflow"),
        (None, ms(MAX_MS, "Asia/Tokyo"), INCLUSIVITY_ERROR.format("{}")),
    ])
    def test_error_precedence(self, unit, end, message):
        assert message_of(lambda: ms(1500).is_between(self.START, end, unit, "{}")) == message


class TestMinMaxClamp:
    # (ms, zone) of the results; ties copy `first`
    @pytest.mark.parametrize("first, second, low, high", [
        ((1, "Asia/Tokyo"), (2, "Europe/Oslo"), (1, "Asia/Tokyo"), (2, "Europe/Oslo")),
        ((2, "Asia/Tokyo"), (1, "Europe/Oslo"), (1, "Europe/Oslo"), (2, "Asia/Tokyo")),
        ((5, "Asia/Tokyo"), (5, "Europe/Oslo"), (5, "Asia/Tokyo"), (5, "Asia/Tokyo")),
    ])
    def test_min_max(self, first, second, low, high):
        a, b = ms(*first), ms(*second)
        for result, expected in ((T.min(a, b), low), (T.max(a, b), high)):
            assert (result.unix_ms(), result.timezone()) == expected
            assert result is not a and result is not b

    @pytest.mark.parametrize("value, start, end, expected", [
        # below, above and inside the range, with bounds in either order
        ((0, "UTC"), (10, "Asia/Tokyo"), (20, "Europe/Oslo"), (10, "Asia/Tokyo")),
        ((0, "UTC"), (20, "Europe/Oslo"), (10, "Asia/Tokyo"), (10, "Asia/Tokyo")),
        ((30, "UTC"), (10, "Asia/Tokyo"), (20, "Europe/Oslo"), (20, "Europe/Oslo")),
        ((30, "UTC"), (20, "Europe/Oslo"), (10, "Asia/Tokyo"), (20, "Europe/Oslo")),
        ((15, "UTC"), (20, "Europe/Oslo"), (10, "Asia/Tokyo"), (15, "UTC")),
        # on a bound the value itself comes back; equal bounds are both copies of start
        ((10, "UTC"), (10, "Asia/Tokyo"), (20, "Europe/Oslo"), (10, "UTC")),
        ((99, "UTC"), (10, "Asia/Tokyo"), (10, "Europe/Oslo"), (10, "Asia/Tokyo")),
    ])
    def test_clamp(self, value, start, end, expected):
        v, s, e = ms(*value), ms(*start), ms(*end)
        result = v.clamp(s, e)
        assert (result.unix_ms(), result.timezone()) == expected
        assert all(result is not x for x in (v, s, e))


class TestRelativeDays:
    # Zones far east and far west of UTC, so that the local date and the UTC
    # date differ for most of the day.
    @pytest.mark.parametrize("zone", ["Pacific/Kiritimati", "Pacific/Pago_Pago", "Asia/Kolkata"])
    def test_around_today(self, zone):
        for _ in range(3):  # a run that straddles local midnight is repeated
            today = T.now(zone).start_of("day")
            answers = [(v.is_yesterday(), v.is_today(), v.is_tomorrow()) for v in (
                today, T.now(zone), today.end_of("day"), today.subtract(12, "h"), today.add(36, "h"),
                today.subtract(36, "h"))]
            if T.now(zone).is_same_unit(today, "day"):
                break
        assert answers == [(False, True, False)] * 3 + [(True, False, False), (False, False, True),
                                                       (False, False, False)]

    @pytest.mark.parametrize("name", ["is_today", "is_yesterday", "is_tomorrow"])
    def test_local_reading_past_the_range(self, name):
        assert message_of(getattr(ms(MAX_MS, "Asia/Tokyo"), name)) == "Date arithmetic overflow"


MEAN_YEAR = 31_556_952_000
UNIT_MS = {"ms": 1, "s": 1000, "m": 60_000, "h": HOUR, "d": DAY, "w": 7 * DAY, "mo": 2_629_746_000,
           "q": 7_889_238_000, "y": MEAN_YEAR}


def same_float(a, b):
    """Equal and of the same sign, so that 0.0 and -0.0 differ."""
    return type(a) is float and a == b and math.copysign(1, a) == math.copysign(1, b)


class TestDiff:
    # The millisecond difference over a fixed unit length, always a float,
    # truncated toward zero unless asked for the fraction.
    @pytest.mark.parametrize("this, other, unit, truncated, fraction", [
        # 10:00 against 08:30, both ways
        (10 * HOUR, 8.5 * HOUR, "hour", 1.0, 1.5), (8.5 * HOUR, 10 * HOUR, "hour", -1.0, -1.5),
        # 500 ms before: a negative zero when truncated
        (0, 500, "second", -0.0, -0.5), (7, 7, "year", 0.0, 0.0),
        # months are the mean Gregorian month: 31 January to 1 March is 29 days
        (utc_ms("2023-03-01"), utc_ms("2023-01-31"), "month", 0.0, 29 / 30.436875),
        (utc_ms("2023-03-01"), utc_ms("2023-01-31"), "q", 0.0, 29 / 91.310625),
        # one mean year, and 365 days
        (MEAN_YEAR, 0, "y", 1.0, 1.0), (365 * DAY, 0, "years", 0.0, 365 / 365.2425),
        (-3 * 7 * DAY - 1, 0, "week", -3.0, (-3 * 7 * DAY - 1) / (7 * DAY)),
        (-1234, 0, " MS ", -1234.0, -1234.0),
        # the two ends of the range: a span beyond 2**53, rounded once, never wrapped
        (MAX_MS, MIN_MS, "ms", 16544868192000000.0, 16544868192000000.0),
        (MIN_MS, MAX_MS, "day", float(MIN_MS - MAX_MS) / DAY, float(MIN_MS - MAX_MS) / DAY),
    ])
    def test_table(self, this, other, unit, truncated, fraction):
        a, b = ms(int(this)), ms(int(other))
        assert same_float(a.diff(b, unit, False), truncated) and same_float(a.diff(b, unit, None), truncated)
        assert same_float(a.diff(b, unit, True), fraction)

    def test_zones_play_no_part(self):
        # neither zone is resolved: a value whose local reading is out of range still works
        assert ms(MAX_MS, "Asia/Tokyo").diff(ms(MAX_MS - DAY, "Pacific/Pago_Pago"), "d", False) == 1.0

    def test_unknown_unit_after_all_conversions(self):
        assert message_of(lambda: ms(0).diff(ms(0), "mins", None)) == "Invalid unit: mins" + UNIT_HELP
        with pytest.raises(TypeError, match="^argument 'as_float': "):
            ms(0).diff(ms(0), "mins", 1)

    @settings(max_examples=300, deadline=None)
    @given(a=st.integers(MIN_MS, MAX_MS), b=st.integers(MIN_MS, MAX_MS), unit=st.sampled_from(sorted(UNIT_MS)))
    def test_antisymmetric_and_truncated(self, a, b, unit):
        forward = ms(a).diff(ms(b, "Europe/Paris"), unit, True)
        assert forward == -ms(b, "Asia/Tokyo").diff(ms(a), unit, True)
        assert same_float(ms(a).diff(ms(b), unit, False), math.copysign(math.trunc(forward), forward))
        if abs(a - b) < 2**53:
            assert forward == pytest.approx((a - b) / UNIT_MS[unit], rel=1e-15, abs=0)
