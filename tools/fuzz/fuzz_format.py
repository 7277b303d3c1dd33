"""Fuzzes writing text: format, format_locale, calendar and the ISO form.

    python3 tools/fuzz/fuzz_format.py [libFuzzer options] [corpus directory]
"""

import sys

import atheris

with atheris.instrument_imports():
    import contract
    from contract import T, call, check_time

STRFTIME_LETTERS = set("YMDdHhmsSZAa%")
LOCALE_LETTERS = set("YMDdHhmsSZAa[")


def signed_year(year):
    return f"{year:04d}" if 0 <= year <= 9999 else f"{year:+05d}"


@atheris.instrument_func
def format_pattern(draw):
    value, pattern = draw.value(), draw.maybe_wrong(draw.pattern())
    ok, text = call(value.format, pattern)
    if not ok:
        return
    assert isinstance(text, str)
    if isinstance(pattern, str) and not STRFTIME_LETTERS.intersection(pattern):
        assert text == pattern, (pattern, text)


@atheris.instrument_func
def format_locale(draw):
    value, pattern, locale = draw.value(), draw.maybe_wrong(draw.pattern()), draw.locale()
    ok, text = call(value.format_locale, pattern, locale)
    if not ok:
        return
    assert isinstance(text, str)
    if isinstance(pattern, str):
        if not LOCALE_LETTERS.intersection(pattern):
            assert text == pattern, (pattern, text)
        if "]" not in pattern:
            # Brackets protect whatever they hold.
            assert value.format_locale("[" + pattern + "]", locale) == pattern


@atheris.instrument_func
def fields_agree(draw):
    """Both formatters show the fields that the queries read."""
    value = draw.value()
    ok, fields = call(value.to_array)
    if not ok:
        return
    year, month0, date, hour, minute, second, ms = fields
    assert (value.year(), value.month(), value.date(), value.hour()) == (year, month0, date, hour)
    tail = f"{month0 + 1:02d} {date:02d} {hour:02d} {minute:02d} {second:02d} {ms:03d}"
    assert value.format("YYYY MM DD HH mm ss SSS") == f"{signed_year(year)} {tail}"
    # The locale dialect counts a minus sign toward the four places.
    locale = draw.pick(contract.LOCALES[:6])
    assert value.format_locale("YYYY MM DD HH mm ss SSS", locale) == f"{year:04d} {tail}"


@atheris.instrument_func
def calendar_text(draw):
    value = draw.value()
    reference = draw.pick([None, value, draw.value(), "2024"])
    ok, text = call(value.calendar, reference, draw.locale())
    assert not ok or isinstance(text, str)


@atheris.instrument_func
def change_zone(draw):
    value, zone = draw.value(), draw.maybe_wrong(draw.zone())
    ok, moved = call(value.to_timezone, zone)
    if ok:
        check_time(moved)
        assert moved.unix_ms() == value.unix_ms()
        for query in (moved.utc_offset, moved.is_dst, moved.is_utc):
            call(query)


OPERATIONS = [format_pattern, format_locale, fields_agree, calendar_text, change_zone]


def test_one_input(data):
    draw = contract.Draw(data)
    draw.pick(OPERATIONS)(draw)


if __name__ == "__main__":
    atheris.Setup(sys.argv, test_one_input)
    atheris.Fuzz()
