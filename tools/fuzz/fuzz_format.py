"""Fuzzes writing text: format, format_locale, calendar and the ISO form.

    python3 tools/fuzz/fuzz_format.py [libFuzzer options] [corpus directory]
"""

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


# A model of the locale dialect's scanner, in English.
MONTHS = ["January", "February", "March", "April", "May", "June", "July", "August", "September", "October",
          "November", "December"]
WEEKDAYS = ["Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"]
LOCALE_TOKENS = ["YYYY", "YY", "MMMM", "MMM", "MM", "M", "DD", "D", "dddd", "ddd", "HH", "H", "hh", "h", "mm", "m",
                 "ss", "s", "SSS", "ZZ", "Z", "A", "a"]


def english(value, pattern):
    year, month0, day, hour, minute, second, ms = value.to_array()
    offset = value.utc_offset()
    sign, hours, minutes = "-" if offset < 0 else "+", abs(offset) // 60, abs(offset) % 60
    meridiem = "AM" if hour < 12 else "PM"
    words = {
        "YYYY": f"{year:04d}", "YY": f"{year % 100:02d}", "MMMM": MONTHS[month0], "MMM": MONTHS[month0][:3],
        "MM": f"{month0 + 1:02d}", "M": str(month0 + 1), "DD": f"{day:02d}", "D": str(day),
        "dddd": WEEKDAYS[value.day()], "ddd": WEEKDAYS[value.day()][:3], "HH": f"{hour:02d}", "H": str(hour),
        "hh": f"{(hour % 12) or 12:02d}", "h": str((hour % 12) or 12), "mm": f"{minute:02d}", "m": str(minute),
        "ss": f"{second:02d}", "s": str(second), "SSS": f"{ms:03d}", "ZZ": f"{sign}{hours:02d}{minutes:02d}",
        "Z": f"{sign}{hours:02d}:{minutes:02d}", "A": meridiem, "a": meridiem.lower(),
    }
    out, i = [], 0
    while i < len(pattern):
        if pattern[i] == "[":
            close = pattern.find("]", i + 1)
            out.append(pattern[i + 1:] if close < 0 else pattern[i + 1:close])
            i = len(pattern) if close < 0 else close + 1
            continue
        token = next((t for t in LOCALE_TOKENS if pattern.startswith(t, i)), None)
        out.append(words[token] if token else pattern[i])
        i += len(token) if token else 1
    return "".join(out)


@atheris.instrument_func
def english_like_the_model(draw):
    value, pattern = draw.value(), draw.composed(contract.PATTERN_PIECES)
    ok, text = call(value.format_locale, pattern, draw.pick([None, "en", " EN-gb "]))
    if ok and not contract.has_surrogate(pattern):
        assert text == english(value, pattern), (value, pattern, text)


OPERATIONS = [format_pattern, format_locale, fields_agree, calendar_text, change_zone, english_like_the_model]


if __name__ == "__main__":
    contract.fuzz(OPERATIONS)
