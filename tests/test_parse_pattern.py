"""Reading text laid out by a token pattern or by strftime conversions (parse_format)."""

import datetime as dt
import string
import zoneinfo

import pytest
from hypothesis import assume, given, settings
from hypothesis import strategies as st

from support import EPOCH, MAX_MS, MIN_MS, OVERFLOW, T, message_of, resolve


def utc(text, pattern, zone=None):
    return T.parse_format(text, pattern, zone).to_timezone("UTC").to_iso()


class TestTokens:
    @pytest.mark.parametrize("text, pattern, zone, expected", [
        # an offset in the text wins over the zone, with or without colon (the round trip below
        # covers the plain layouts)
        ("2024-01-15 10:00 +05 30", "YYYY-MM-DD HH:mm ZZ", None, "2024-01-15T04:30:00.000Z"),
        ("2024-01-15 10:00 \u221205:30", "YYYY-MM-DD HH:mm Z", None, "2024-01-15T15:30:00.000Z"),
        ("2024-01-15 10:00-0100", "YYYY-MM-DD HH:mmZZ", None, "2024-01-15T11:00:00.000Z"),
        ("2024-03-10 02:30 -05:00", "YYYY-MM-DD HH:mm Z", "America/New_York", "2024-03-10T07:30:00.000Z"),
        # meridiem: any case, and it must agree with a 24-hour hour
        ("2024-01-15 12:05 Pm", "YYYY-MM-DD hh:mm A", None, "2024-01-15T12:05:00.000Z"),
        ("2024-01-15 13:00 PM", "YYYY-MM-DD HH:mm A", None, "2024-01-15T13:00:00.000Z"),
        # no complete time: the date alone at local midnight
        ("2024-01-15 03:30", "YYYY-MM-DD hh:mm", None, "2024-01-15T00:00:00.000Z"),
        ("2024-01-15 10", "YYYY-MM-DD HH", "Asia/Tokyo", "2024-01-14T15:00:00.000Z"),
        ("2024-01-15 +05:30", "YYYY-MM-DD Z", "Asia/Tokyo", "2024-01-14T15:00:00.000Z"),
        ("2024-01-15 10:00.500", "YYYY-MM-DD HH:mm.SSS", None, "2024-01-15T00:00:00.000Z"),  # ms need seconds
        # English names, in full or three letters, any case; names that share
        # their first two letters (Mar/May, Jun/Jul, Tue/Thu) stay apart
        ("jan 05, 2024", "MMMM DD, YYYY", None, "2024-01-05T00:00:00.000Z"),
        ("SEPTEMBER 5 2024", "MMMM DD YYYY", None, "2024-09-05T00:00:00.000Z"),
        ("May 05 2024", "MMM DD YYYY", None, "2024-05-05T00:00:00.000Z"),
        ("july 05 2024", "MMMM DD YYYY", None, "2024-07-05T00:00:00.000Z"),
        ("Jul 05 2024", "MMM DD YYYY", None, "2024-07-05T00:00:00.000Z"),
        ("Thu 2024-01-18", "ddd YYYY-MM-DD", None, "2024-01-18T00:00:00.000Z"),
        ("tuesday 2024-01-16", "dddd YYYY-MM-DD", None, "2024-01-16T00:00:00.000Z"),
        # two-digit years: 00-69 are 20xx, 70-99 are 19xx
        ("69-01-15", "YY-MM-DD", None, "2069-01-15T00:00:00.000Z"),
        ("70-01-15", "YY-MM-DD", None, "1970-01-15T00:00:00.000Z"),
        ("2024 24-01-15", "YYYY YY-MM-DD", None, "2024-01-15T00:00:00.000Z"),
        # numbers: one or two digits, leading white space skipped; signed years
        ("2024- 1- 5 9:3", "YYYY-MM-DD HH:mm", None, "2024-01-05T09:03:00.000Z"),
        ("-0044-03-15", "YYYY-MM-DD", None, "-0044-03-15T00:00:00.000Z"),
        ("+12345-01-01", "YYYY-MM-DD", None, "+12345-01-01T00:00:00.000Z"),
        # a white-space run in the pattern matches any run, even none
        ("2024-01-15\t\t 10:30", "YYYY-MM-DD HH:mm", None, "2024-01-15T10:30:00.000Z"),
        ("2024-01-1510:30", "YYYY-MM-DD HH:mm", None, "2024-01-15T10:30:00.000Z"),
        # second 60 is one second after 59
        ("2016-12-31 23:59:60.500 +00:00", "YYYY-MM-DD HH:mm:ss.SSS Z", None, "2017-01-01T00:00:00.500Z"),
        # the calendar's ends, reached through an offset
        ("+262142-12-31 23:59:59.999 +00:00", "YYYY-MM-DD HH:mm:ss.SSS Z", None, "+262142-12-31T23:59:59.999Z"),
        ("-262143-01-01 00:00:00.000 -01:00", "YYYY-MM-DD HH:mm:ss.SSS Z", None, "-262143-01-01T01:00:00.000Z"),
        # a gap moves forward, an overlap takes the earlier reading
        ("2024-03-10 02:30", "YYYY-MM-DD HH:mm", "America/New_York", "2024-03-10T07:00:00.000Z"),
        ("2024-11-03 01:30", "YYYY-MM-DD HH:mm", "America/New_York", "2024-11-03T05:30:00.000Z"),
    ])
    def test_reads(self, text, pattern, zone, expected):
        assert utc(text, pattern, zone) == expected


class TestRejected:
    @pytest.mark.parametrize("text, pattern", [
        ("2024-13-01", "YYYY-MM-DD"), ("2023-02-29", "YYYY-MM-DD"),
        ("2024-01-15T10:00", "YYYY-MM-DD"),  # text left over
        ("2024-01-15 ", "YYYY-MM-DD"),
        ("2024-01-15 10:00", "YYYY-MM-DD HH:mm Z"),  # offset required by every attempt
        ("2024-01-15 10:00 Z", "YYYY-MM-DD HH:mm Z"),  # "Z" is no offset here
        ("2024-01-15 10:00 +05:60", "YYYY-MM-DD HH:mm Z"),
        ("Mon 2024-01-16", "ddd YYYY-MM-DD"),  # 16 January 2024 is a Tuesday
        ("Tuesday 2024-01-16", "ddd YYYY-MM-DD"),  # ddd and MMM take three letters only
        ("January 05 2024", "MMM DD YYYY"), ("Janu 05 2024", "MMMM DD YYYY"), ("Ma 05 2024", "MMM DD YYYY"),
        ("2024-01-15 10:00:00.5", "YYYY-MM-DD HH:mm:ss.SSS"),  # SSS is exactly three digits
        ("2024-01-15 13:00 AM", "YYYY-MM-DD HH:mm A"),
        ("2024-01-15 00:00 PM", "YYYY-MM-DD hh:mm A"),  # 12-hour hours are 1-12
        ("2024-01-15 10:00 pm", "YYYY-MM-DD HH:mm at"),  # "at" holds a meridiem conversion
        ("2024 25-01-15", "YYYY YY-MM-DD"),  # two years that disagree
        ("2024-01-15 24:00", "YYYY-MM-DD HH:mm"),
        ("2024-01", "YYYY-MM"),  # no day
        ("+262143-01-01", "YYYY-MM-DD"),  # beyond the calendar
        ("-262144-12-30", "YYYY-MM-DD"), ("", "YYYY-MM-DD"),
        ("2024-01-15", "YYYY-MM-DD%"),  # a trailing "%"
        ("2024-01-15", "YYYY-MM-DD%Q"),  # no such conversion
        ("2024-01-15 x", "YYYY-MM-DD %-b"),  # pad modifiers take numbers only
        ("2024-01-15 10:30", "YYYY-MM-DD hh:mm A"),
        # contradictions between conversions
        ("2024-W03-2 2024-01-15", "%G-W%V-%u %F"), ("1700000000 2024-01-15", "%s %F"),
        ("2023 366", "%Y %j"),  # not a leap year
        ("2024 00 1", "%Y %W %w"),  # 2024 starts on a Monday: its week 0 is empty
        ("2024-01-15 10:00:00.1234567891", "%F %T.%f"),  # %f reads nine digits at most
    ])
    def test_invalid_input(self, text, pattern):
        message = f"Invalid date input: {text} (format: {pattern})"
        assert message_of(lambda: T.parse_format(text, pattern, "Europe/Paris")) == message
        assert message_of(lambda: T.parse_format(text, pattern, "Mars/Base")) == "Invalid timezone: Mars/Base"

    @pytest.mark.parametrize("text, pattern, zone, message", [
        ("2011-12-30 10:00", "YYYY-MM-DD HH:mm", "Pacific/Apia",
         "^Local time 2011-12-30 10:00:00 does not exist in timezone Pacific/Apia$"),
        # an offset pushing the instant past the calendar's ends is not dropped silently
        ("+262142-12-31 23:00 -05:00", "YYYY-MM-DD HH:mm Z", None, OVERFLOW),
        ("+262142-12-31 23:00", "YYYY-MM-DD HH:mm", "America/New_York", OVERFLOW),
    ])
    def test_resolution_errors(self, text, pattern, zone, message):
        with pytest.raises(ValueError, match=message):
            T.parse_format(text, pattern, zone)


class TestCallerConversions:
    """Conversions the caller writes with "%" read what `format` writes."""

    SPECIFIERS = [c for c in string.printable if c not in "AaZ" and not c.isspace()]
    TWO_DIGIT_YEARS = "CgyDx"  # they name years 0 to 9999 only

    @staticmethod
    def formats(value, pattern):
        try:
            return value.format(pattern)
        except ValueError:
            return None

    @pytest.mark.parametrize("pad", ["", "-", "_", "0"])
    @pytest.mark.parametrize("value_ms", [1705313045000, -2208988800000, 1104537600000, -1000, MIN_MS, MAX_MS - 999])
    def test_reads_what_format_writes(self, pad, value_ms):
        # Each conversion is added to a complete date-time, so every field it
        # reads must agree with the rest; one that format rejects must fail.
        value = T.from_unix_ms(value_ms, "UTC")
        long_year = not 0 <= value.year() <= 9999
        for directive in self.SPECIFIERS:
            if long_year and directive in self.TWO_DIGIT_YEARS:
                continue
            pattern = f"%Y-%m-%d %H:%M:%S|%{pad}{directive}"
            text = self.formats(value, pattern)
            if text is None:  # not read as literal text either
                literal = self.formats(value, "%Y-%m-%d %H:%M:%S|") + f"%{pad}{directive}"
                with pytest.raises(ValueError, match="^Invalid date input: "):
                    T.parse_format(literal, pattern, None)
            else:
                assert T.parse_format(text, pattern, None).unix_ms() == value_ms, pattern

    @pytest.mark.parametrize("text, pattern, expected", [
        ("1700000000", "%s", "2023-11-14T22:13:20.000Z"), ("-1.250", "%s%.3f", "1969-12-31T23:59:59.250Z"),
        ("2024-W03-1", "%G-W%V-%u", "2024-01-15T00:00:00.000Z"),
        ("2020-W53-5", "%G-W%V-%u", "2021-01-01T00:00:00.000Z"), ("2024 015", "%Y %j", "2024-01-15T00:00:00.000Z"),
        ("2024 02 1", "%Y %U %w", "2024-01-15T00:00:00.000Z"),
        ("2024 01 1", "%Y %W %w", "2024-01-01T00:00:00.000Z"),
        ("2024 00 1", "%Y %U %w", "2024-01-01T00:00:00.000Z"),  # Monday before the first Sunday
        ("20 24-01-15", "%C %y-%m-%d", "2024-01-15T00:00:00.000Z"),
        ("2024-01-15 10:00:00.123456789", "%F %T.%f", "2024-01-15T10:00:00.123Z"),
        ("2024-01-15 10:00:00.1", "%F %T%.f", "2024-01-15T10:00:00.100Z"),
        ("2024-01-15 10:00 +05", "%F %R %:::z", "2024-01-15T05:00:00.000Z"),
        ("2024-01-15 10:00 +05:30:00", "%F %R %::z", "2024-01-15T04:30:00.000Z"),
        ("2024-01-15 10%", "%F %H%%", "2024-01-15T00:00:00.000Z"),
        # %t and %n stand for any run of white space, even none
        ("2024-01-15 \t\n 10:30", "%F%t%R", "2024-01-15T10:30:00.000Z"),
        ("2024-01-15\u3000\t10:30", "%F%n%R", "2024-01-15T10:30:00.000Z"),
        ("2024-01-1510:30", "%F%n%R", "2024-01-15T10:30:00.000Z"),
    ])
    def test_conversions(self, text, pattern, expected):
        assert utc(text, pattern, "Asia/Tokyo" if pattern == "%s" else None) == expected


# Round trip: format with a pattern of numeric and name tokens, read it back,
# and get the value truncated to what the pattern holds.
ZONES = ["UTC", "Europe/Paris", "America/New_York", "Asia/Kolkata", "Asia/Kathmandu",
         "Australia/Lord_Howe", "America/St_Johns", "America/Sao_Paulo"]
DATES = ["YYYY-MM-DD", "DD/MM/YYYY", "MMMM DD YYYY", "ddd, DD MMM YYYY", "dddd YYYY.MM.DD", "YY-MM-DD"]
TIMES = {"": "day", " HH:mm": "minute", " HH:mm:ss": "second", " HH:mm:ss.SSS": "ms",
         " hh:mm:ss A": "second", " hh:mm a": "minute"}
KEPT = {"day": dict(hour=0, minute=0, second=0, microsecond=0), "minute": dict(second=0, microsecond=0),
        "second": dict(microsecond=0), "ms": {}}


@settings(max_examples=400, deadline=None)
@given(ms=st.integers(-631152000000, 4102444800000), zone=st.sampled_from(ZONES), date=st.sampled_from(DATES),
       time=st.sampled_from(sorted(TIMES)), offset=st.sampled_from(["", " Z", " ZZ"]))
def test_round_trip(ms, zone, date, time, offset):
    pattern = date + time + offset
    local = (EPOCH + dt.timedelta(milliseconds=ms)).astimezone(zoneinfo.ZoneInfo(zone))
    if date.startswith("YY-"):
        assume(1970 <= local.year <= 2069)
    kept = local.replace(**KEPT[TIMES[time]])
    if time and offset:
        expected = (kept - EPOCH) // dt.timedelta(milliseconds=1)
    else:
        expected = resolve(kept.replace(tzinfo=None), zone)
    parsed = T.parse_format(T.from_unix_ms(ms, zone).format(pattern), pattern, zone)
    assert (parsed.unix_ms(), parsed.timezone()) == (expected, zone)
