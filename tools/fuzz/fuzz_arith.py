"""Fuzzes building and moving values: from_array, add and subtract, the
setters, start and end of a unit, and the comparisons with is_between.

    python3 tools/fuzz/fuzz_arith.py [libFuzzer options] [corpus directory]
"""

import atheris

with atheris.instrument_imports():
    import contract
    from contract import MAX_MS, MIN_MS, D, T, call, check_time, same_outcome

EXACT_MS = {"ms": 1, "millisecond": 1, "s": 1000, "second": 1000, "m": 60_000, "minute": 60_000,
            "h": 3_600_000, "hour": 3_600_000}
SETTERS = ["set_year", "set_month", "set_date", "set_day", "set_hour", "set_minute", "set_second",
           "set_millisecond", "set_quarter", "set_iso_weekday", "set_day_of_year", "set_iso_week", "set_week"]
# The field names of set, and the setter each one stands for.
FIELD_SETTERS = {"millisecond": "set_millisecond", "second": "set_second", "minute": "set_minute",
                 "hour": "set_hour", "day": "set_day", "date": "set_date", "month": "set_month",
                 "quarter": "set_quarter", "year": "set_year"}
# Setters that, in UTC and within the field's range, read back what they set.
READ_BACK = {"set_hour": ("hour", 24), "set_minute": ("minute", 60), "set_second": ("second", 60),
             "set_millisecond": ("millisecond", 1000), "set_day": ("day", 7), "set_month": ("month", 12)}


@atheris.instrument_func
def add(draw):
    value, amount, unit = draw.value(), draw.integer(), draw.unit()
    ok, moved = call(value.add, amount, unit)
    if ok:
        check_time(moved)
    if type(amount) is int and isinstance(unit, str) and unit in EXACT_MS:
        # Exact units move the instant and nothing else.
        target = value.unix_ms() + amount * EXACT_MS[unit]
        if ok:
            assert moved.unix_ms() == target and moved.timezone() == value.timezone()
        elif not isinstance(moved, OverflowError):
            assert not MIN_MS <= target <= MAX_MS, (value, amount, unit, moved)
    if type(amount) is int and contract.I64[0] < amount <= contract.I64[1]:
        same_outcome((ok, moved), call(value.subtract, -amount, unit))


@atheris.instrument_func
def setter(draw):
    value, name, number = draw.value(), draw.pick(SETTERS), draw.integer()
    ok, result = call(getattr(value, name), number)
    if not ok:
        return
    check_time(result)
    if value.timezone() == "UTC" and name in READ_BACK and type(number) is int:
        query, limit = READ_BACK[name]
        if 0 <= number < limit:
            assert getattr(result, query)() == number, (value, name, number, result)


@atheris.instrument_func
def set_field(draw):
    value, field, number = draw.value(), draw.field(), draw.integer()
    outcome = call(value.set, field, number)
    if isinstance(field, str) and field in FIELD_SETTERS:
        same_outcome(outcome, call(getattr(value, FIELD_SETTERS[field]), number))
    elif outcome[0]:
        check_time(outcome[1])


@atheris.instrument_func
def from_array(draw):
    count = draw.below(10)
    components = [draw.integer() for _ in range(count)]
    if draw.flag():
        # Mostly plain calendar fields, so that whole dates come out.
        components = [draw.fdp.ConsumeIntInRange(lo, hi) for lo, hi in
                      [(-9999, 9999), (0, 11), (1, 28), (0, 23), (0, 59), (0, 59), (0, 999)][:max(count, 1)]]
    sequence = draw.pick([list, tuple, list, str])(components) if components else []
    zone = draw.zone()
    ok, value = call(T.from_array, sequence, zone)
    if not ok:
        return
    check_time(value)
    plain = all(type(c) is int for c in components)
    if value.timezone() == "UTC" and plain and 0 <= components[0] <= 9999 and len(components) > 1 \
            and 0 <= components[1] <= 11 and all(c >= 0 for c in components):
        padded = components + [0, 1, 0, 0, 0, 0][len(components) - 1:]
        if padded[2:] <= [28, 23, 59, 59, 999] and padded[2] >= 1 and all(
                c <= hi for c, hi in zip(padded[3:], (23, 59, 59, 999))):
            assert value.to_array() == padded, (components, value)


@atheris.instrument_func
def start_end(draw):
    value, unit = draw.value(), draw.unit()
    ok1, start = call(value.start_of, unit)
    ok2, end = call(value.end_of, unit)
    if ok1:
        check_time(start)
    if ok2:
        check_time(end)
    if ok1 and ok2:
        assert start.unix_ms() <= value.unix_ms(), (value, unit, start)
        if end.unix_ms() < value.unix_ms():
            # Only on the second pass through a repeated local time: the
            # period's start is the first pass, and so is its end.
            first = T.from_array(value.to_array(), value.timezone())
            assert first.unix_ms() < value.unix_ms(), (value, unit, end)


@atheris.instrument_func
def between(draw):
    value, start, end = draw.value(), draw.value(), draw.value()
    unit = draw.pick([None, None, draw.unit()])
    inclusivity = draw.maybe_wrong(draw.pick(contract.INCLUSIVITIES) if draw.below(4) else draw.raw_text())
    ok, inside = call(value.is_between, start, end, unit, inclusivity)
    if not ok:
        return
    assert type(inside) is bool
    if unit is None:
        form = inclusivity or "()"
        s, a, b = value.unix_ms(), start.unix_ms(), end.unix_ms()
        low = s >= a if form[0] == "[" else s > a
        high = s <= b if form[1] == "]" else s < b
        assert inside == (low and high), (value, start, end, form)
    low, high = T.min(start, end), T.max(start, end)
    clamped = value.clamp(start, end)
    assert low.unix_ms() <= clamped.unix_ms() <= high.unix_ms()


@atheris.instrument_func
def difference(draw):
    value, other = draw.value(), draw.value()
    ok, result = call(value.diff, other, draw.unit(), draw.pick([None, True, False, 1]))
    assert not ok or type(result) in (int, float)
    ok, text = call(value.from_time, other, draw.pick([None, True, False]))
    assert not ok or isinstance(text, str)


DURATION_MAKERS = ["from_milliseconds", "from_seconds", "from_minutes", "from_hours", "from_days", "from_weeks",
                   "from_months", "from_years"]
DURATION_READERS = ["as_milliseconds", "as_seconds", "as_minutes", "as_hours", "as_days", "as_weeks", "as_months",
                    "as_years", "negate", "abs"]


@atheris.instrument_func
def durations(draw):
    amount = draw.integer()
    if draw.flag():
        ok, length = call(D, amount, draw.pick([None, draw.unit()]))
    else:
        ok, length = call(getattr(D, draw.pick(DURATION_MAKERS)), amount)
    if not ok:
        return
    assert type(length) is D
    for reader in DURATION_READERS:
        call(getattr(length, reader))
    ok, text = call(length.humanize, draw.pick([None, True, False]))
    assert not ok or isinstance(text, str)
    value = draw.value()
    ok, moved = call(draw.pick([value.add_duration, value.subtract_duration]), length)
    if ok:
        check_time(moved)


OPERATIONS = [add, setter, set_field, from_array, start_end, between, difference, durations]


if __name__ == "__main__":
    contract.fuzz(OPERATIONS)
