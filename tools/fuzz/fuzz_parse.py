"""Fuzzes reading text: parse, the constructor and parse_format.

    python3 tools/fuzz/fuzz_parse.py [libFuzzer options] [corpus directory]
"""

import sys

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
    if ok and iso[:4].isdigit():
        # Text with its own offset names the instant whatever the zone.
        first, second = T.parse(iso, None), T.parse(iso, draw.pick(contract.ZONES[1:]))
        assert first.unix_ms() == second.unix_ms(), (iso, first, second)


OPERATIONS = [parse, parse_format, format_then_read, iso_round_trip]


def test_one_input(data):
    draw = contract.Draw(data)
    draw.pick(OPERATIONS)(draw)


if __name__ == "__main__":
    atheris.Setup(sys.argv, test_one_input)
    atheris.Fuzz()
