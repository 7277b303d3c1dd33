"""Making values: the clock, Unix counts, component arrays, and RFC 3339 and
naive ISO-style text."""

import time

import pytest

from support import MAX_MS, OVERFLOW, T, message_of

COMPONENTS_HINT = ". Use [year, month0, date, hour, minute, second, millisecond]"


def utc(text, zone=None):
    return T.parse(text, zone).to_timezone("UTC").to_iso()


class TestFromArray:
    @pytest.mark.parametrize("components, expected", [
        ([2024], "2024-01-01T00:00:00.000Z"),
        ([2024, 1, 30], "2024-03-01T00:00:00.000Z"),  # 30 February carries into March
        ([2023, 1, 29], "2023-03-01T00:00:00.000Z"),
        ([2024, 12, 1], "2025-01-01T00:00:00.000Z"),  # month0 12 is January of the next year
        ([2024, -25, 1], "2021-12-01T00:00:00.000Z"),
        ([2024, 0, 0], "2023-12-31T00:00:00.000Z"),  # date 0 is the last day of the month before
        ([2024, 3, 31], "2024-05-01T00:00:00.000Z"), ([2024, 0, 1, 24], "2024-01-02T00:00:00.000Z"),
        ([2024, 0, 1, 0, -1], "2023-12-31T23:59:00.000Z"), ([2024, 0, 1, 0, 0, 0, -1], "2023-12-31T23:59:59.999Z"),
        ([2024, 0, 1, 0, 0, 86400], "2024-01-02T00:00:00.000Z"),
        ([2024, 1, 29, 13, 5, 9, 7], "2024-02-29T13:05:09.007Z"), ([-1, 0, 1], "-0001-01-01T00:00:00.000Z"),
        ([262142, 11, 31, 23, 59, 59, 999], "+262142-12-31T23:59:59.999Z"),
    ])
    def test_carrying(self, components, expected):
        assert T.from_array(components, None).to_iso() == expected

    @pytest.mark.parametrize("components, zone, expected", [
        ([2024, 2, 10, 2, 30], "America/New_York", "2024-03-10T03:00:00.000-04:00"),  # skipped
        ([2024, 10, 3, 1, 30], "America/New_York", "2024-11-03T01:30:00.000-04:00"),  # repeated: earlier
    ])
    def test_resolved_in_the_zone(self, components, zone, expected):
        assert T.from_array(components, zone).to_iso() == expected

    @pytest.mark.parametrize("count", [0, 8, 20])
    def test_item_count_before_the_zone(self, count):
        message = f"Invalid components: expected 1..=7 items, got {count}" + COMPONENTS_HINT
        assert message_of(lambda: T.from_array([1] * count, "Not/A_Zone")) == message

    @pytest.mark.parametrize("components", [
        [2**31], [-(2**31) - 1], [262143], [-262145], [2024, 2**62], [2024, -(2**62)],
        [2024, 0, -(2**63)], [2024, 0, 2**63 - 1], [2024, 0, 1, 2**62], [2024, 0, 1, 0, 0, 0, -(2**63)],
        [262142, 11, 31, 24], [-262144, 11, 30], [2024, 0, 10**12],
        # each step must stay in range, even if a later one would come back
        [2024, 0, 10**9, -24 * 10**9],
    ])
    def test_overflow(self, components):
        with pytest.raises(ValueError, match=OVERFLOW):
            T.from_array(components, None)
        # the zone is resolved before the range
        assert message_of(lambda: T.from_array(components, "Nowhere")) == "Invalid timezone: Nowhere"


class TestUnixAndClock:
    @pytest.mark.parametrize("seconds, ms", [(1, 1000), (-1, -1000), (8_210_266_876_799, 8_210_266_876_799_000)])
    def test_from_unix(self, seconds, ms):
        assert T.from_unix(seconds, None).unix_ms() == ms

    def test_checks_in_order(self):
        # the product, then the zone, then the range
        with pytest.raises(ValueError, match=OVERFLOW):
            T.from_unix(2**62, "Nowhere")
        assert message_of(lambda: T.from_unix(10**13, None)) == "Invalid timestamp (ms): 10000000000000000"
        assert message_of(lambda: T.from_unix_ms(MAX_MS + 1, "Nowhere")) == "Invalid timezone: Nowhere"

    def test_now_and_the_constructor_without_text_read_the_clock(self):
        before = time.time_ns() // 1_000_000
        values = [T.now(None), T(None, "Europe/Paris")]
        after = time.time_ns() // 1_000_000
        assert [(before <= v.unix_ms() <= after, v.timezone()) for v in values] == [
            (True, "UTC"), (True, "Europe/Paris")]
        assert message_of(lambda: T(None, "x")) == "Invalid timezone: x"


class TestRfc3339:
    @pytest.mark.parametrize("text, expected", [
        ("2024-01-15T10:30:00Z", "2024-01-15T10:30:00.000Z"), ("2024-01-15t10:30:00z", "2024-01-15T10:30:00.000Z"),
        ("2024-01-15 10:30:00+00:00", "2024-01-15T10:30:00.000Z"),
        ("2024-01-15T10:30:00+05:30", "2024-01-15T05:00:00.000Z"),
        ("2024-01-15T10:30:00-05:00", "2024-01-15T15:30:00.000Z"),
        ("2024-01-15T10:30:00\u221205:00", "2024-01-15T15:30:00.000Z"),  # Unicode minus
        ("2024-01-15T10:30:00+23:59", "2024-01-14T10:31:00.000Z"),
        # fractions: nine significant digits, then ignored; the rest is floored
        ("2024-01-15T10:30:00.5Z", "2024-01-15T10:30:00.500Z"),
        ("2024-01-15T10:30:00.123456789Z", "2024-01-15T10:30:00.123Z"),
        ("2024-01-15T10:30:00.1234567891234Z", "2024-01-15T10:30:00.123Z"),
        ("1969-12-31T23:59:59.9999Z", "1969-12-31T23:59:59.999Z"),
        # a leap second is one second after second 59
        ("2016-12-31T23:59:60.5Z", "2017-01-01T00:00:00.500Z"),
        ("0000-01-01T00:00:00Z", "0000-01-01T00:00:00.000Z"),
        ("9999-12-31T23:59:59.999Z", "9999-12-31T23:59:59.999Z"),
        # what ISO text writes: offsets of local mean time with seconds, signed years past 0000-9999
        ("1883-11-18T12:03:57-04:56:02", "1883-11-18T16:59:59.000Z"),
        ("2024-01-15T10:30:00+23:59:59", "2024-01-14T10:30:01.000Z"),
        ("+10000-01-01T00:00:00+01:00", "9999-12-31T23:00:00.000Z"),
        ("-0001-12-31t23:59:59.999z", "-0001-12-31T23:59:59.999Z"),
        ("+262142-12-31T23:59:59.999Z", "+262142-12-31T23:59:59.999Z"),
        ("-262144-12-31T09:00:00.000+09:00", "-262144-12-31T00:00:00.000Z"),
    ])
    def test_accepted(self, text, expected):
        assert utc(text, "America/New_York") == expected

    def test_zone_only_chooses_the_display(self):
        v = T("2024-01-15T10:30:00+05:30", "America/New_York")
        assert (v.to_iso(), v.timezone()) == ("2024-01-15T00:00:00.000-05:00", "America/New_York")


class TestNaive:
    @pytest.mark.parametrize("text, zone, expected", [
        ("2024-01-15T10:30", "Europe/Paris", "2024-01-15T09:30:00.000Z"),
        ("2024-01-15", "Asia/Tokyo", "2024-01-14T15:00:00.000Z"),
        ("2024-01-15T10:30:00.5", None, "2024-01-15T10:30:00.500Z"),
        ("2024-01-15 10:30:00.25", None, "2024-01-15T10:30:00.250Z"),
        ("2024-01-15T10:30:00", None, "2024-01-15T10:30:00.000Z"),
        ("2024-01-15 10:30:00", None, "2024-01-15T10:30:00.000Z"),
        # short fields and white space before numbers
        ("2024-1-5 9:3", None, "2024-01-05T09:03:00.000Z"), ("24-01-15", None, "0024-01-15T00:00:00.000Z"),
        (" 2024-01-15", None, "2024-01-15T00:00:00.000Z"), ("2024-01-15   10:30", None, "2024-01-15T10:30:00.000Z"),
        ("2024-01-15\u300010:30", None, "2024-01-15T10:30:00.000Z"),
        ("2024- 01-15", None, "2024-01-15T00:00:00.000Z"),
        # signed years of any length, up to both ends of the range
        ("+12345-01-01", None, "+12345-01-01T00:00:00.000Z"), ("-0001-12-31", None, "-0001-12-31T00:00:00.000Z"),
        ("+0000000000000002024-01-15", None, "2024-01-15T00:00:00.000Z"),
        ("-262144-12-31T00:00:00.000", None, "-262144-12-31T00:00:00.000Z"),
        ("+262142-12-31 23:59:59.999", None, "+262142-12-31T23:59:59.999Z"),
        ("2016-12-31 23:59:60", None, "2017-01-01T00:00:00.000Z"),
        ("2024-03-10 02:30", "America/New_York", "2024-03-10T07:00:00.000Z"),  # skipped: forward
    ])
    def test_accepted(self, text, zone, expected):
        assert utc(text, zone) == expected


@pytest.mark.parametrize("text", [
    "", " ", "2024", "2024-01", "2024-13-01", "2023-02-29", "2024-00-10", "2024-01-32", "2024-01-00",
    "2024-01-15 ",  # trailing white space
    "2024-01-15t10:30",  # lower-case t only with an offset
    "2024-01-15T10:30:00+0530",  # the colon is required
    "2024-01-15T10:30:00+24:00", "2024-01-15T10:30:00+05:60", "2024-01-15T10:30:00+05:30:60",
    "2024-01-15T10:30:00+05:30:", "2024-01-15T10:30:00+05:30:5",
    # a sign with an offset only as ISO text writes it; nothing past the range's ends
    "+2024-01-15T10:30:00Z", "-0000-01-01T00:00:00Z", "+262142-12-31T23:59:59.999-00:01",
    "-262144-12-31T00:00:00+00:01",
    "2024-01-15T10:30:00.Z", "2024-01-15T10:30:00.", "2024-01-15T10:30:00.5 ",
    "2024-01-15T24:00", "2024-01-15T10:60", "2024-01-15T10:30:61",
    "2024-01-15T10", "2024-01-15T10:30:00Zjunk", "12345-01-01", "+2024", "2024-01-15T10:30:00 Z",
    "+999999999999999999999-01-01", "+262143-01-01", "-262144-12-30", "+0000000000262143-01-01", "２０２４-01-15",
])
def test_rejected(text):
    assert message_of(lambda: T.parse(text, "Europe/Paris")) == "Invalid date input: " + text
    assert message_of(lambda: T.parse(text, "Nowhere")) == "Invalid timezone: Nowhere"


# The constructor, parse and parse_batch read text the same way.
@pytest.mark.parametrize("text, zone, message", [
    ("2011-12-30 10:00", "Pacific/Apia", "^Local time 2011-12-30 10:00:00 does not exist in timezone Pacific/Apia$"),
    # instants past either end: a leap second after the last, a first day east of UTC
    ("+262142-12-31 23:59:60", None, OVERFLOW), ("+262142-12-31T23:59:60.5", "Europe/London", OVERFLOW),
    ("-262144-12-31", "Asia/Tokyo", OVERFLOW),
])
def test_resolution_errors_end_the_search(text, zone, message):
    for read in (T.parse, T, lambda text, zone: T.parse_batch([text], zone)):
        with pytest.raises(ValueError, match=message):
            read(text, zone)
