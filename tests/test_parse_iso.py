"""Reading RFC 3339 and naive ISO-style text."""

import pytest

import quendreltime
from support import OVERFLOW

T = quendreltime.quendrel_time


def utc(text, zone=None):
    return T.parse(text, zone).to_timezone("UTC").to_iso()


class TestRfc3339:
    @pytest.mark.parametrize(
        "text, expected",
        [
            ("2024-01-15T10:30:00Z", "2024-01-15T10:30:00.000Z"),
            ("2024-01-15t10:30:00z", "2024-01-15T10:30:00.000Z"),
            ("2024-01-15 10:30:00+00:00", "2024-01-15T10:30:00.000Z"),
            ("2024-01-15T10:30:00+05:30", "2024-01-15T05:00:00.000Z"),
            ("2024-01-15T10:30:00-05:00", "2024-01-15T15:30:00.000Z"),
            ("2024-01-15T10:30:00\u221205:00", "2024-01-15T15:30:00.000Z"),  # Unicode minus
            ("2024-01-15T10:30:00+23:59", "2024-01-14T10:31:00.000Z"),
            # fractions: nine significant digits, then ignored; the rest is floored
            ("2024-01-15T10:30:00.5Z", "2024-01-15T10:30:00.500Z"),
            ("2024-01-15T10:30:00.123456789Z", "2024-01-15T10:30:00.123Z"),
            ("2024-01-15T10:30:00.9999Z", "2024-01-15T10:30:00.999Z"),
            ("2024-01-15T10:30:00.1234567891234Z", "2024-01-15T10:30:00.123Z"),
            ("1969-12-31T23:59:59.9999Z", "1969-12-31T23:59:59.999Z"),
            # a leap second is one second after second 59
            ("2016-12-31T23:59:60Z", "2017-01-01T00:00:00.000Z"),
            ("2016-12-31T23:59:60.5Z", "2017-01-01T00:00:00.500Z"),
            ("0000-01-01T00:00:00Z", "0000-01-01T00:00:00.000Z"),
            ("9999-12-31T23:59:59.999Z", "9999-12-31T23:59:59.999Z"),
        ],
    )
    def test_accepted(self, text, expected):
        assert utc(text, "America/New_York") == expected

    def test_zone_only_chooses_the_display(self):
        v = T.parse("2024-01-15T10:30:00+05:30", "America/New_York")
        assert v.to_iso() == "2024-01-15T00:00:00.000-05:00"
        assert v.timezone() == "America/New_York"


class TestNaive:
    @pytest.mark.parametrize(
        "text, zone, expected",
        [
            ("2024-01-15T10:30", "Europe/Paris", "2024-01-15T09:30:00.000Z"),
            ("2024-01-15 10:30", "Europe/Paris", "2024-01-15T09:30:00.000Z"),
            ("2024-01-15", "Asia/Tokyo", "2024-01-14T15:00:00.000Z"),
            ("2024-01-15T10:30:00.5", None, "2024-01-15T10:30:00.500Z"),
            ("2024-01-15 10:30:00.25", None, "2024-01-15T10:30:00.250Z"),
            ("2024-01-15T10:30:00", None, "2024-01-15T10:30:00.000Z"),
            ("2024-01-15 10:30:00", None, "2024-01-15T10:30:00.000Z"),
            # short fields and white space before numbers
            ("2024-1-5", None, "2024-01-05T00:00:00.000Z"),
            ("2024-1-5 9:3", None, "2024-01-05T09:03:00.000Z"),
            ("24-01-15", None, "0024-01-15T00:00:00.000Z"),
            (" 2024-01-15", None, "2024-01-15T00:00:00.000Z"),
            ("2024-01-15   10:30", None, "2024-01-15T10:30:00.000Z"),
            ("2024-01-15\t10:30", None, "2024-01-15T10:30:00.000Z"),
            ("2024-01-15\u300010:30", None, "2024-01-15T10:30:00.000Z"),
            ("2024- 01-15", None, "2024-01-15T00:00:00.000Z"),
            # signed years of any length, up to both ends of the range
            ("+12345-01-01", None, "+12345-01-01T00:00:00.000Z"),
            ("-0001-12-31", None, "-0001-12-31T00:00:00.000Z"),
            ("+0000000000000002024-01-15", None, "2024-01-15T00:00:00.000Z"),
            ("-262144-12-31T00:00:00.000", None, "-262144-12-31T00:00:00.000Z"),
            ("+262142-12-31 23:59:59.999", None, "+262142-12-31T23:59:59.999Z"),
            ("2016-12-31 23:59:60", None, "2017-01-01T00:00:00.000Z"),
            # a skipped local time moves forward
            ("2024-03-10 02:30", "America/New_York", "2024-03-10T07:00:00.000Z"),
        ],
    )
    def test_accepted(self, text, zone, expected):
        assert utc(text, zone) == expected


@pytest.mark.parametrize(
    "text",
    [
        "", " ", "2024", "2024-01", "2024-13-01", "2023-02-29", "2024-00-10", "2024-01-32", "2024-01-00",
        "2024-01-15 ",  # trailing white space
        "2024-01-15t10:30",  # lower-case t only with an offset
        "2024-01-15T10:30:00+0530",  # the colon is required
        "2024-01-15T10:30:00+24:00",  # beyond 23:59
        "2024-01-15T10:30:00+05:60",
        "2024-01-15T10:30:00.Z", "2024-01-15T10:30:00.", "2024-01-15T10:30:00.5 ",
        "2024-01-15T24:00", "2024-01-15T10:60", "2024-01-15T10:30:61",
        "2024-01-15T10", "2024-01-15T10:30:00Zjunk", "12345-01-01", "+2024", "2024-01-15T10:30:00 Z",
        "+999999999999999999999-01-01", "+262143-01-01", "-262144-12-30", "+0000000000262143-01-01",
        "２０２４-01-15",
    ],
)
def test_rejected(text):
    with pytest.raises(ValueError) as info:
        T.parse(text, "Europe/Paris")
    assert str(info.value) == "Invalid date input: " + text


def test_bad_zone_is_reported_before_the_text():
    with pytest.raises(ValueError, match="^Invalid timezone: Nowhere$"):
        T.parse("not a date", "Nowhere")


# The constructor and parse_batch read text the same way.
@pytest.mark.parametrize(
    "text, zone, message",
    [
        ("2011-12-30 10:00", "Pacific/Apia", "^Local time 2011-12-30 10:00:00 does not exist in timezone Pacific/Apia$"),
        # instants past either end: a leap second after the last, a first day east of UTC
        ("+262142-12-31 23:59:60", None, OVERFLOW),
        ("+262142-12-31T23:59:60.5", "Europe/London", OVERFLOW),
        ("-262144-12-31", "Asia/Tokyo", OVERFLOW),
    ],
)
def test_resolution_errors_end_the_search(text, zone, message):
    for read in (T.parse, T, lambda text, zone: T.parse_batch([text], zone)):
        with pytest.raises(ValueError, match=message):
            read(text, zone)


def test_constructor_with_text_is_parse():
    assert T("2024-01-15 10:30", "Europe/Paris").unix_ms() == T.parse("2024-01-15 10:30", "Europe/Paris").unix_ms()
    with pytest.raises(ValueError, match="^Invalid timezone: Mars$"):
        T("garbage", "Mars")
