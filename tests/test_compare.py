"""Comparisons: plain tests on instants, unit tests on the start of each side's
unit in its own zone, is_between, min, max, clamp and the relative-day tests."""

import datetime as dt
import zoneinfo

import pytest

import quendreltime
from support import ALL_ZONES, MAX_MS, MIN_MS, change_values

T = quendreltime.quendrel_time
UNIT_ERROR = "Invalid unit: {}. Use one of: millisecond, second, minute, hour, day, week, month, quarter, year"
INCLUSIVITY_ERROR = "Invalid inclusivity: {}. Use one of: (), (], [), []"
PLAIN = ["is_before", "is_after", "is_same", "is_same_or_before", "is_same_or_after"]
ZONES = ALL_ZONES
UNITS = ["millisecond", "second", "minute", "hour", "day", "week", "month", "quarter", "year"]


def at(y, mo, d, h=0, mi=0, s=0, ms=0, zone="UTC"):
    return T.from_array([y, mo - 1, d, h, mi, s, ms], zone)


def ms(value, zone="UTC"):
    return T.from_unix_ms(value, zone)


def raises_value_error(call, message):
    with pytest.raises(ValueError) as info:
        call()
    assert str(info.value) == message


class TestPlain:
    @pytest.mark.parametrize(
        "a, b, expected",
        [
            # before, after, same, same or before, same or after
            (ms(1), ms(2), (True, False, False, True, False)),
            (ms(2), ms(1), (False, True, False, False, True)),
            (ms(5), ms(5), (False, False, True, True, True)),
            # zones play no part: one instant seen in two zones
            (ms(0, "Asia/Tokyo"), ms(0, "America/Chicago"), (False, False, True, True, True)),
        ],
    )
    def test_relations(self, a, b, expected):
        assert tuple(getattr(a, name)(b) for name in PLAIN) == expected
        # the millisecond unit floors nothing, so the unit tests agree
        assert tuple(getattr(a, name + "_unit")(b, "ms") for name in PLAIN) == expected

    @pytest.mark.parametrize("name", PLAIN)
    def test_other_must_be_a_time(self, name):
        with pytest.raises(TypeError, match="^argument 'other': "):
            getattr(ms(0), name)(0)


class TestUnitGranular:
    @pytest.mark.parametrize(
        "a, b, unit, same",
        [
            # each side floors in its own zone: one instant, midnights 23 hours apart
            (at(2024, 3, 1, 23, 30, zone="Europe/Lisbon"), at(2024, 3, 2, 0, 30, zone="Europe/Paris"), "day", False),
            (at(2024, 3, 1, 23, 30, zone="Europe/Lisbon"), at(2024, 3, 1, 23, 59, zone="Europe/Lisbon"), "day", True),
            # month edges
            (at(2024, 3, 1), at(2024, 3, 31, 23, 59, 59, 999), "month", True),
            (at(2024, 3, 31, 23, 59, 59, 999), at(2024, 4, 1), "month", False),
            # Sunday-start weeks
            (at(2024, 3, 3), at(2024, 3, 9, 23), "week", True),
            (at(2024, 3, 9, 23), at(2024, 3, 10), "week", False),
            (at(2024, 2, 15), at(2024, 3, 31, 23), "quarter", True),
            (at(2024, 3, 31, 23), at(2024, 4, 1), "quarter", False),
            (at(2024, 1, 1), at(2024, 12, 31, 23, 59, 59, 999), " Y ", True),
            (at(2024, 1, 1, 10, 0, 0, 1), at(2024, 1, 1, 10, 0, 0, 999), "s", True),
            (at(2024, 1, 1, 10, 0, 59, 999), at(2024, 1, 1, 10, 1), "M", False),
            # 01:30 EDT and 01:30 EST on 3 November 2024: two hours, one day
            (ms(1_730_611_800_000, "America/New_York"), ms(1_730_615_400_000, "America/New_York"), "hour", False),
            (ms(1_730_611_800_000, "America/New_York"), ms(1_730_615_400_000, "America/New_York"), "day", True),
            # 23:30 before and after the clocks went back at 00:01 on 29 October 2000
            (ms(972_784_800_000, "America/St_Johns"), ms(972_788_400_000, "America/St_Johns"), "day", True),
        ],
    )
    def test_same_unit(self, a, b, unit, same):
        assert a.is_same_unit(b, unit) is same
        assert b.is_same_unit(a, unit) is same
        assert a.is_same_or_before_unit(b, unit) is True
        assert a.is_same_or_after_unit(b, unit) is same
        assert a.is_before_unit(b, unit) is not same
        assert a.is_after_unit(b, unit) is False

    @pytest.mark.parametrize("name", [p + "_unit" for p in PLAIN])
    def test_unknown_unit(self, name):
        raises_value_error(lambda: getattr(ms(0), name)(ms(0), "mins"), UNIT_ERROR.format("mins"))

    @pytest.mark.parametrize("name", [p + "_unit" for p in PLAIN])
    def test_floor_failure_is_reported(self, name):
        far = ms(MAX_MS, "Asia/Tokyo")  # its local date is past the range
        raises_value_error(lambda: getattr(ms(0), name)(far, "day"), "Date arithmetic overflow")


CHANGE_VALUES = change_values()


def check_period(v, unit):
    """The period holds the value, both its ends share the value's period,
    and the instants just outside it do not belong to it."""
    start, end = v.start_of(unit), v.end_of(unit)
    assert start.is_same_or_before(v) and v.is_same_or_before(end)
    assert v.is_same_unit(start, unit) and v.is_same_unit(end, unit)
    assert not start.subtract(1, "ms").is_same_unit(start, unit)
    assert not end.add(1, "ms").is_same_unit(end, unit)


@pytest.mark.parametrize("unit", UNITS[1:])
def test_every_value_lies_in_its_period(unit):
    for zone, value in CHANGE_VALUES:
        v = ms(value, zone)
        try:
            check_period(v, unit)
        except AssertionError:
            pytest.fail(f"{v.to_iso()} in {zone}, {unit}")
    # At the calendar's ends a period may reach past them; that, and only
    # that, is an overflow.
    for zone in ZONES:
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

    @pytest.mark.parametrize(
        "value, forms",
        [
            # (result for None, "()", "(]", "[)", "[]")
            (1000, (False, False, False, True, True)),
            (2000, (False, False, True, False, True)),
            (1500, (True, True, True, True, True)),
            (999, (False, False, False, False, False)),
            (2001, (False, False, False, False, False)),
        ],
    )
    def test_bracket_forms(self, value, forms):
        v = ms(value, "Asia/Tokyo")
        assert tuple(v.is_between(self.START, self.END, None, b) for b in [None, "()", "(]", "[)", "[]"]) == forms

    @pytest.mark.parametrize("value", [999, 1000, 1500, 2000, 2001])
    @pytest.mark.parametrize("brackets", [None, "()", "(]", "[)", "[]"])
    def test_reversed_bounds_hold_nothing(self, value, brackets):
        assert ms(value).is_between(self.END, self.START, None, brackets) is False
        later, earlier = at(2025, 3, 1), at(2023, 3, 1)
        assert at(2024, 6, 1).is_between(later, earlier, "year", brackets) is False

    @pytest.mark.parametrize(
        "brackets, expected",
        [
            # with a unit, the floors decide: 10:00 and 08:00 on one day share a floor
            ("[)", True),
            ("()", False),
        ],
    )
    def test_with_unit(self, brackets, expected):
        v = at(2024, 5, 6, 10)
        assert v.is_between(at(2024, 5, 6, 8), at(2024, 5, 8), "day", brackets) is expected
        assert v.is_between(at(2024, 5, 6, 8), at(2024, 5, 8), None, brackets) is True

    @pytest.mark.parametrize("text", ["( )", "{}", "", "(", "[]]", ")(", "][", " ()", "()\n", "\uff08\uff09", "(\u3011", "<>"])
    def test_invalid_inclusivity(self, text):
        raises_value_error(lambda: ms(1500).is_between(self.START, self.END, None, text), INCLUSIVITY_ERROR.format(text))

    @pytest.mark.parametrize(
        "unit, end, message",
        [
            # a unit error, then a floor error, come before the inclusivity error
            ("weeks!", ms(2000), UNIT_ERROR.format("weeks!")),
            ("day", ms(MAX_MS, "Asia/Tokyo"), "Date arithmetic overflow"),
            (None, ms(MAX_MS, "Asia/Tokyo"), INCLUSIVITY_ERROR.format("{}")),
        ],
    )
    def test_error_precedence(self, unit, end, message):
        raises_value_error(lambda: ms(1500).is_between(self.START, end, unit, "{}"), message)

    @pytest.mark.parametrize(
        "args, name",
        [((0, END, None, None), "start"), ((START, None, None, None), "end"), ((START, END, 5, None), "unit"),
         ((START, END, None, 5), "inclusivity")],
    )
    def test_argument_types(self, args, name):
        with pytest.raises(TypeError, match=f"^argument '{name}': "):
            ms(0).is_between(*args)


class TestMinMaxClamp:
    @pytest.mark.parametrize(
        "first, second, low, high",
        [
            # (ms, zone) of the results; ties copy `first`
            ((1, "Asia/Tokyo"), (2, "Europe/Oslo"), (1, "Asia/Tokyo"), (2, "Europe/Oslo")),
            ((2, "Asia/Tokyo"), (1, "Europe/Oslo"), (1, "Europe/Oslo"), (2, "Asia/Tokyo")),
            ((5, "Asia/Tokyo"), (5, "Europe/Oslo"), (5, "Asia/Tokyo"), (5, "Asia/Tokyo")),
        ],
    )
    def test_min_max(self, first, second, low, high):
        a, b = ms(*first), ms(*second)
        for result, expected in ((T.min(a, b), low), (T.max(a, b), high)):
            assert (result.unix_ms(), result.timezone()) == expected
            assert result is not a and result is not b
        assert T.min(first=a, second=b).unix_ms() == low[0]

    @pytest.mark.parametrize(
        "value, start, end, expected",
        [
            # below, above and inside the range, with bounds in either order
            ((0, "UTC"), (10, "Asia/Tokyo"), (20, "Europe/Oslo"), (10, "Asia/Tokyo")),
            ((0, "UTC"), (20, "Europe/Oslo"), (10, "Asia/Tokyo"), (10, "Asia/Tokyo")),
            ((30, "UTC"), (10, "Asia/Tokyo"), (20, "Europe/Oslo"), (20, "Europe/Oslo")),
            ((30, "UTC"), (20, "Europe/Oslo"), (10, "Asia/Tokyo"), (20, "Europe/Oslo")),
            ((15, "UTC"), (20, "Europe/Oslo"), (10, "Asia/Tokyo"), (15, "UTC")),
            # on a bound the value itself comes back
            ((10, "UTC"), (10, "Asia/Tokyo"), (20, "Europe/Oslo"), (10, "UTC")),
            # equal bounds are both copies of start
            ((0, "UTC"), (10, "Asia/Tokyo"), (10, "Europe/Oslo"), (10, "Asia/Tokyo")),
            ((99, "UTC"), (10, "Asia/Tokyo"), (10, "Europe/Oslo"), (10, "Asia/Tokyo")),
        ],
    )
    def test_clamp(self, value, start, end, expected):
        v, s, e = ms(*value), ms(*start), ms(*end)
        result = v.clamp(s, e)
        assert (result.unix_ms(), result.timezone()) == expected
        assert all(result is not x for x in (v, s, e))

    @pytest.mark.parametrize("call", [lambda: T.min(ms(0), "x"), lambda: T.max(None, ms(0)), lambda: ms(0).clamp(ms(0), 1)])
    def test_argument_types(self, call):
        with pytest.raises(TypeError, match="^argument '(first|second|start|end)': "):
            call()


class TestRelativeDays:
    # one zone far east and one far west of UTC, so that the local date and
    # the UTC date differ for most of the day
    ZONES = ["Pacific/Kiritimati", "Pacific/Pago_Pago", "Asia/Kolkata", "America/Los_Angeles"]

    @staticmethod
    def local_today(zone):
        return dt.datetime.now(zoneinfo.ZoneInfo(zone)).date()

    @pytest.mark.parametrize("zone", ZONES)
    def test_around_today(self, zone):
        for _ in range(3):  # a run that straddles local midnight is repeated
            today = self.local_today(zone)
            yesterday, tomorrow = today - dt.timedelta(days=1), today + dt.timedelta(days=1)

            def value(day, *clock):
                return T.from_array([day.year, day.month - 1, day.day, *clock], zone)

            answers = [
                (v.is_yesterday(), v.is_today(), v.is_tomorrow())
                for v in (value(today, 0), value(today, 23, 59, 59, 999), value(yesterday, 12),
                          value(tomorrow, 12), value(today - dt.timedelta(days=2), 12))
            ]
            if self.local_today(zone) == today:
                break
        assert answers == [
            (False, True, False),
            (False, True, False),
            (True, False, False),
            (False, False, True),
            (False, False, False),
        ]

    def test_now_is_today_everywhere(self):
        assert all(T.now(zone).is_today() for zone in self.ZONES)

    @pytest.mark.parametrize("name", ["is_today", "is_yesterday", "is_tomorrow"])
    def test_local_reading_past_the_range(self, name):
        raises_value_error(getattr(ms(MAX_MS, "Asia/Tokyo"), name), "Date arithmetic overflow")
