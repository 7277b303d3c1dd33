"""The date-time value: its queries, ISO text and representation."""

import pytest

import quendreltime

T = quendreltime.quendrel_time


@pytest.mark.parametrize(
    "ms, zone, iso",
    [
        (0, "UTC", "1970-01-01T00:00:00.000Z"),
        (-1, "UTC", "1969-12-31T23:59:59.999Z"),
        (1000, "UTC", "1970-01-01T00:00:01.000Z"),
        (0, "Asia/Kolkata", "1970-01-01T05:30:00.000+05:30"),
        (0, "Asia/Tokyo", "1970-01-01T09:00:00.000+09:00"),
        (1_704_067_200_000, "Europe/London", "2024-01-01T00:00:00.000Z"),
        (1_720_000_000_000, "America/St_Johns", "2024-07-03T07:16:40.000-02:30"),
        # years outside 0..9999 carry a sign and at least four digits
        (253_402_300_800_000, "UTC", "+10000-01-01T00:00:00.000Z"),
        (-62_167_219_200_001, "UTC", "-0001-12-31T23:59:59.999Z"),
        (-62_167_219_200_000, "UTC", "0000-01-01T00:00:00.000Z"),
        # local mean time keeps its seconds in the reading; the text rounds the
        # offset to the minute: -4:56:02, -0:25:21, +0:09:21 and +0:19:32
        (-3_000_000_000_000, "America/New_York", "1874-12-07T13:43:58.000-04:56"),
        (-2_000_000_000_000, "Europe/Dublin", "1906-08-16T20:01:19.000-00:25"),
        (-2_500_000_000_000, "Europe/Paris", "1890-10-11T19:42:41.000+00:09"),
        (-3_000_000_000_000, "Europe/Brussels", "1874-12-07T18:57:30.000+00:18"),  # +0:17:30, half up
        (-3_000_000_000_000, "Europe/Lisbon", "1874-12-07T18:03:15.000-00:37"),  # -0:36:45
    ],
)
def test_iso_text(ms, zone, iso):
    assert T.from_unix_ms(ms, zone).to_iso() == iso


@pytest.mark.parametrize("ms, seconds", [(-1500, -1), (1999, 1), (-999, 0), (0, 0), (-1000, -1)])
def test_unix_truncates_toward_zero(ms, seconds):
    assert T.from_unix_ms(ms, None).unix() == seconds


def test_unix_ms_and_value_of():
    v = T.from_unix_ms(-123456789, "Europe/Paris")
    assert v.unix_ms() == v.value_of() == -123456789
    assert v.timezone() == "Europe/Paris"


@pytest.mark.parametrize(
    "text, zone, offset, dst",
    [
        ("2024-01-15T12:00:00Z", "America/New_York", -300, False),
        ("2024-07-15T12:00:00Z", "America/New_York", -240, True),
        ("2024-01-15T12:00:00Z", "Asia/Kolkata", 330, False),
        ("2024-01-15T12:00:00Z", "Australia/Sydney", 660, True),
        # Irish summer time is the standard offset; winter is a negative saving
        ("2024-01-15T12:00:00Z", "Europe/Dublin", 0, True),
        ("2024-07-15T12:00:00Z", "Europe/Dublin", 60, False),
        ("2024-07-15T12:00:00Z", "Australia/Lord_Howe", 630, False),
        ("2024-01-15T12:00:00Z", "Australia/Lord_Howe", 660, True),
    ],
)
def test_offsets_and_daylight_saving(text, zone, offset, dst):
    v = T.parse(text, zone)
    assert (v.utc_offset(), v.is_dst()) == (offset, dst)


def test_to_timezone_keeps_the_instant():
    v = T.from_unix_ms(0, None)
    moved = v.to_timezone("Asia/Tokyo")
    assert moved is not v and moved.unix_ms() == 0
    assert moved.to_iso() == "1970-01-01T09:00:00.000+09:00"
    assert v.to_timezone(" z ").timezone() == "UTC"
    with pytest.raises(ValueError) as info:
        v.to_timezone(" Asia/Tokio")
    assert str(info.value) == "Invalid timezone:  Asia/Tokio"


def test_clone_is_a_distinct_equal_value():
    v = T.from_unix_ms(42, "US/Eastern")
    c = v.clone_time()
    assert c is not v
    assert (c.unix_ms(), c.timezone(), c.to_iso()) == (v.unix_ms(), v.timezone(), v.to_iso())


def test_repr():
    assert repr(T.from_unix_ms(0, None)) == "QuendrelTime(iso='1970-01-01T00:00:00.000Z', timezone='UTC')"
    assert repr(T.from_unix_ms(0, "Asia/Kolkata")) == (
        "QuendrelTime(iso='1970-01-01T05:30:00.000+05:30', timezone='Asia/Kolkata')")


def test_is_valid_and_is_utc():
    assert T.from_unix_ms(0, "utc").is_utc() and T.from_unix_ms(0, "utc").is_valid()
    assert not T.from_unix_ms(0, "Etc/UTC").is_utc()
