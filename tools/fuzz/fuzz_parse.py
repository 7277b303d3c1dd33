"""Fuzzes reading text: parse, the constructor and parse_format.

    python3 tools/fuzz/fuzz_parse.py [libFuzzer options] [corpus directory]
"""

import re

import atheris

with atheris.instrument_imports():
    import contract
    from contract import T, call, check_time, same_outcome

# Patterns that hold every field, so formatting and reading back must meet
# again (up to the seconds that the offset tokens cannot show).
COMPLETE_PATTERNS = [
    "YYYY-MM-DD HH:mm:ss.SSS Z",
    "YYYY-MM-DD HH:mm:ss.SSSZZ",
    "dddd, MMMM DD YYYY hh:mm:ss.SSS A Z",
    "ddd DD MMM YYYY hh:mm:ss.SSS a ZZ",
    "DD/MM/YYYY HH:mm:ss.SSS",
]


@atheris.instrument_func
def parse(draw):
    text, zone = draw.maybe_wrong(draw.text()), draw.zone()
    ok, value = call(T.parse, text, zone)
    if ok:
        check_time(value)
    if text is not None:
        # The constructor given text is the same operation (None means now).
        same_outcome((ok, value), call(T, text, zone))


@atheris.instrument_func
def parse_format(draw):
    text, pattern, zone = draw.maybe_wrong(draw.text()), draw.maybe_wrong(draw.pattern()), draw.zone()
    ok, value = call(T.parse_format, text, pattern, zone)
    if ok:
        check_time(value)


@atheris.instrument_func
def format_then_read(draw):
    value, pattern = draw.value(), draw.pick(COMPLETE_PATTERNS)
    ok, text = call(value.format, pattern)
    # The first instant of the range shows the last day of year -262144,
    # a year that text may not name; the last day may spill over likewise.
    if not ok or min(value.unix_ms() - contract.MIN_MS, contract.MAX_MS - value.unix_ms()) < 2 * 86_400_000:
        return
    zone = value.timezone()
    ok, back = call(T.parse_format, text, pattern, zone)
    if not ok:
        # A local reading that formats must read back.
        assert not str(back).startswith("Invalid date input"), (text, pattern, zone, back)
        return
    check_time(back)
    delta = abs(back.unix_ms() - value.unix_ms())
    if "Z" in pattern:
        assert delta < 60_000 and (delta == 0 or zone != "UTC"), (text, pattern, zone, delta)
    else:
        # Without an offset a repeated local hour reads as its earlier instant.
        assert delta == 0 or (zone != "UTC" and back.unix_ms() < value.unix_ms()), (text, pattern, zone)


@atheris.instrument_func
def iso_round_trip(draw):
    value = draw.value()
    ok, iso = call(value.to_iso)
    if ok:
        # Text with its own offset names the instant whatever the zone.
        first, second = T.parse(iso, None), T.parse(iso, draw.pick(contract.ZONES[1:]))
        assert first.unix_ms() == second.unix_ms() == value.unix_ms(), (iso, first, second)


# A model of the eight accepted forms. Quantifiers are possessive because
# the reader takes as many digits as an item allows and never backtracks.
WS = "[\t\n\v\f\r \x85\xa0\u1680\u2000-\u200a\u2028\u2029\u202f\u205f\u3000]"
NUM = f"{WS}*+([0-9]{{1,2}}+)"
DATE = f"{WS}*+([0-9]{{1,4}}+|[+-][0-9]++)-{NUM}-{NUM}"
# Four-digit years, or signed ones as ISO text writes them outside 0000-9999.
STRICT = re.compile("([0-9]{4}|\\+[0-9]{5,}|(?!-0000-)-[0-9]{4,})-([0-9]{2})-([0-9]{2})[Tt ]"
                    "([0-9]{2}):([0-9]{2}):([0-9]{2})(?:\\.([0-9]+))?"
                    "(?:[Zz]|([+\\-\u2212])([0-9]{2}):([0-5][0-9])(?::([0-5][0-9]))?)")
NAIVE = [re.compile(DATE + tail) for tail in (
    f"T{NUM}:{NUM}:{NUM}(?:\\.([0-9]+))?", f"{WS}*+{NUM}:{NUM}:{NUM}(?:\\.([0-9]+))?", f"T{NUM}:{NUM}:{NUM}()",
    f"{WS}*+{NUM}:{NUM}:{NUM}()", f"T{NUM}:{NUM}()()", f"{WS}*+{NUM}:{NUM}()()", "()()()()")]


def utc_ms(year, month, day, hour, minute, second, fraction):
    """Milliseconds of a UTC date-time, or None when a field is out of range."""
    leap = year % 4 == 0 and (year % 100 != 0 or year % 400 == 0)
    lengths = (31, 29 if leap else 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31)
    if not (1 <= month <= 12 and 1 <= day <= lengths[month - 1] and hour <= 23 and minute <= 59 and second <= 60):
        return None
    # Days from the civil date, on 400-year eras.
    y = year - (month <= 2)
    era = y // 400
    yoe = y - era * 400
    doy = (153 * (month + (-3 if month > 2 else 9)) + 2) // 5 + day - 1
    days = era * 146097 + yoe * 365 + yoe // 4 - yoe // 100 + doy - 719468
    nanos = int((fraction or "0")[:9].ljust(9, "0"))
    return (days * 86400 + hour * 3600 + minute * 60 + second) * 1000 + nanos // 10**6


def model_utc(text):
    """Milliseconds the text names in UTC, None for rejected text, ... when the model cannot tell."""
    match = STRICT.fullmatch(text)
    if match:
        y, mo, d, h, mi, sec, fraction, sign, oh, om, os = match.groups()
        # Second 60 reads as second 59 and one second more.
        local = utc_ms(int(y), int(mo), int(d), int(h), int(mi), min(int(sec), 59), fraction)
        if local is not None and int(oh or 0) <= 23:
            offset = ((int(oh or 0) * 60 + int(om or 0)) * 60 + int(os or 0)) * 1000
            ms = local - offset if sign == "+" else local + offset
            # A local reading or an instant past the calendar's ends is refused.
            if not (contract.MIN_MS <= local <= contract.MAX_MS and contract.MIN_MS <= ms <= contract.MAX_MS):
                return None
            if sec != "60":
                return ms
            return ms + 1000 if ms + 1000 <= contract.MAX_MS else ...
    for form in NAIVE:
        match = form.fullmatch(text)
        if match:
            y, mo, d, h, mi, sec, fraction = match.groups()
            if not 0 <= int(y) <= 9999:
                return ...  # beyond 0..9999 the year range is the library's
            ms = utc_ms(int(y), int(mo), int(d), int(h or 0), int(mi or 0), int(sec or 0), fraction)
            if ms is not None:
                return ms
    return None


@atheris.instrument_func
def read_like_the_model(draw):
    text = draw.composed(contract.TEXT_PIECES)
    expected = model_utc(text)
    if expected is ...:
        return
    ok, value = call(T.parse, text, draw.pick([None, "UTC", " z "]))
    if contract.has_surrogate(text):
        assert isinstance(value, UnicodeEncodeError), (text, value)
    elif expected is None:
        assert not ok and str(value) == "Invalid date input: " + text, (text, value)
    else:
        assert ok and value.unix_ms() == expected, (text, value, expected)


OPERATIONS = [parse, parse_format, format_then_read, iso_round_trip, read_like_the_model]


if __name__ == "__main__":
    contract.fuzz(OPERATIONS)
