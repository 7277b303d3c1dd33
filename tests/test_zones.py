"""The value and its zone: names, instant-to-local readings, local-to-instant
resolution, ISO text and the range of the calendar."""

import datetime as dt
import pathlib
import random
import re
import zoneinfo
from zoneinfo import _zoneinfo

import pytest
from hypothesis import given, settings
from hypothesis import strategies as st

import quendreltime
import tzdata
from support import ALL_ZONES, DAY, EPOCH, MAX_MS, MIN_MS, OVERFLOW, UTC, T, change_values, message_of, resolve


class TestNames:
    def test_table_holds_the_oracle_release(self):
        # The oracle checks the data that was compiled only when both are one release.
        assert quendreltime.IANA_VERSION == tzdata.IANA_VERSION
        assert [T.from_unix_ms(0, name).timezone() for name in ALL_ZONES] == ALL_ZONES

    def test_one_release_is_pinned(self):
        # The build requirement, the test and bench extras and the README name one tzdata release.
        root = pathlib.Path(__file__).resolve().parent.parent
        pins = re.findall(r'"tzdata==([^"]+)"', (root / "pyproject.toml").read_text())
        pins += re.findall(r"tzdata==([0-9.]+[0-9])", (root / "README.md").read_text(encoding="utf-8"))
        assert len(pins) >= 3 and len(set(pins)) == 1, pins

    @pytest.mark.parametrize("text, name, is_utc", [
        # UTC by any letter case, "z", blank or None, white space trimmed
        ("uTC", "UTC", True), ("z", "UTC", True), (" Z ", "UTC", True), ("\tz\n", "UTC", True), ("", "UTC", True),
        ("   ", "UTC", True), ("\u3000utc\u00a0", "UTC", True), (None, "UTC", True),
        # other zero-offset zones and links keep their own names
        ("Etc/UTC", "Etc/UTC", False), ("GMT", "GMT", False), ("Zulu", "Zulu", False), ("UCT", "UCT", False),
        ("US/Eastern", "US/Eastern", False), ("Asia/Calcutta", "Asia/Calcutta", False), ("EST", "EST", False),
        (" Europe/Paris", "Europe/Paris", False), ("Europe/Paris\u2003", "Europe/Paris", False),
    ])
    def test_accepted(self, text, name, is_utc):
        v = T.now(text)
        assert (v.timezone(), v.is_utc(), v.is_valid()) == (name, is_utc, True)

    @pytest.mark.parametrize("text", [
        " Mars ", "europe/paris", "+05:30", "local", "UTC+1", "Europe/Paris/", "Factory", "utcc", "ZZ",
        "Europe/Pariss", "Éurope/Paris", "\x00", "Europe/Paris\x00"])
    def test_unknown_names_repeat_the_untrimmed_text(self, text):
        assert message_of(lambda: T.from_unix_ms(0, text)) == "Invalid timezone: " + text

    def test_to_timezone_keeps_the_instant(self):
        v = T.from_unix_ms(-123_456_789, "Europe/Paris")
        moved = v.to_timezone("Asia/Tokyo")
        assert moved is not v and moved.unix_ms() == moved.value_of() == -123_456_789
        assert (moved.timezone(), v.to_timezone(" z ").timezone()) == ("Asia/Tokyo", "UTC")
        assert message_of(lambda: v.to_timezone(" Asia/Tokio")) == "Invalid timezone:  Asia/Tokio"
        clone = v.clone_time()
        assert clone is not v and (clone.unix_ms(), clone.timezone()) == (v.unix_ms(), v.timezone())


class TestIsoText:
    @pytest.mark.parametrize("value_ms, zone, iso", [
        (0, "UTC", "1970-01-01T00:00:00.000Z"), (-1, "UTC", "1969-12-31T23:59:59.999Z"),
        (0, "Asia/Kolkata", "1970-01-01T05:30:00.000+05:30"),
        (1_720_000_000_000, "America/St_Johns", "2024-07-03T07:16:40.000-02:30"),
        # years outside 0..9999 carry a sign and at least four digits
        (253_402_300_800_000, "UTC", "+10000-01-01T00:00:00.000Z"),
        (-62_167_219_200_001, "UTC", "-0001-12-31T23:59:59.999Z"),
        (-62_167_219_200_000, "UTC", "0000-01-01T00:00:00.000Z"),
        (MAX_MS, "UTC", "+262142-12-31T23:59:59.999Z"), (MIN_MS, "UTC", "-262144-12-31T00:00:00.000Z"),
        # an offset of local mean time shows its seconds, as datetime.isoformat does
        (-3_000_000_000_000, "Europe/Brussels", "1874-12-07T18:57:30.000+00:17:30"),
        (-3_000_000_000_000, "Europe/Lisbon", "1874-12-07T18:03:15.000-00:36:45"),
    ])
    def test_iso_text(self, value_ms, zone, iso):
        assert T.from_unix_ms(value_ms, zone).to_iso() == iso

    @pytest.mark.parametrize("value_ms, seconds", [(-1500, -1), (1999, 1), (-999, 0), (-1000, -1)])
    def test_unix_truncates_toward_zero(self, value_ms, seconds):
        assert T.from_unix_ms(value_ms, None).unix() == seconds


# After the changes of 2026 in Canada, Cuba, Morocco and Moldova.
DECEMBER_2026 = int(dt.datetime(2026, 12, 6, 20, 35, 54, tzinfo=UTC).timestamp())


def oracle_instants():
    """Instants from 1850 to 2100 and a few far in the future, with the last
    and first seconds of the years where the precomputed rule years begin and end."""
    out = [DECEMBER_2026]
    for y in [*range(1850, 2101, 3), 2150, 2199, 2200, 2201, 2400, 2999, 9998]:
        for month, day, hour in ((1, 15, 12), (4, 1, 3), (7, 4, 23), (10, 30, 1), (12, 31, 22)):
            out.append(int(dt.datetime(y, month, day, hour, 17, 5, tzinfo=UTC).timestamp()))
    for y in (1969, 1970, 2199, 2200, 2201):
        start = int(dt.datetime(y, 1, 1, tzinfo=UTC).timestamp())
        out += [start - 1, start]
    return out


INSTANTS = oracle_instants()


def iso_offset(total):
    """An offset as ISO text shows it: Z, or +HH:MM with :SS when it has seconds."""
    if total == 0:
        return "Z"
    hours, rest = divmod(abs(total), 3600)
    return ("-" if total < 0 else "+") + f"{hours:02d}:{rest // 60:02d}" + (f":{rest % 60:02d}" if rest % 60 else "")


YEAR_2, YEAR_9000 = -62_104_060_800_000, 221_845_392_000_000
GREGORIAN_CYCLE = 146_097 * DAY  # 400 years, whole weeks: the last rule repeats on it


def oracle_offset(tz, value_ms):
    """The zone's exact offset in seconds, by zoneinfo for years 2 to 9399: a
    zone keeps its first offset before, and repeats its last rule after."""
    if value_ms > YEAR_9000:
        value_ms -= (value_ms - YEAR_9000) // GREGORIAN_CYCLE * GREGORIAN_CYCLE
    instant = EPOCH + dt.timedelta(milliseconds=max(value_ms, YEAR_2))
    return int(instant.astimezone(tz).utcoffset().total_seconds())


def range_ends(tz):
    """The first and last instants whose local reading the calendar holds."""
    return [MIN_MS + max(0, -oracle_offset(tz, MIN_MS)) * 1000, MAX_MS - max(0, oracle_offset(tz, MAX_MS)) * 1000]


@pytest.mark.parametrize("zone", ALL_ZONES)
def test_every_zone_agrees_with_zoneinfo(zone):
    tz = zoneinfo.ZoneInfo(zone)
    for seconds in INSTANTS:
        local = dt.datetime.fromtimestamp(seconds, tz)
        total = int(local.utcoffset().total_seconds())
        expected = (local.strftime("%Y-%m-%dT%H:%M:%S.000") + iso_offset(total), int(total / 60), bool(local.dst()))
        v = T.from_unix(seconds, zone)
        assert (v.to_iso(), v.utc_offset(), v.is_dst()) == expected, (zone, seconds)
    # ISO text reads back to its instant and shows the exact offset, over the
    # whole calendar: local mean time, signed years and both ends.
    draw = random.Random(zone)
    for value_ms in [*range_ends(tz), *(draw.randint(MIN_MS, MAX_MS) for _ in range(8)),
                     *(draw.randint(-5_000_000_000_000, 4_000_000_000_000) for _ in range(8))]:
        iso = T.from_unix_ms(value_ms, zone).to_iso()
        shown = iso[iso.rindex("T") + 13:]
        assert (T.parse(iso, None).unix_ms(), shown) == (value_ms, iso_offset(oracle_offset(tz, value_ms))), iso


def resolved(zone, naive):
    return T.parse(naive.isoformat(sep=" ", timespec="milliseconds"), zone).unix_ms()


def reading_near(change_value, seconds):
    """A zone and the local reading some seconds from an instant near a change."""
    zone, value_ms = change_value
    instant = EPOCH + dt.timedelta(milliseconds=value_ms + seconds * 1000)
    return zone, instant.astimezone(zoneinfo.ZoneInfo(zone)).replace(tzinfo=None)


@settings(max_examples=300, deadline=None)
@given(st.one_of(
    st.tuples(st.sampled_from(ALL_ZONES), st.datetimes(dt.datetime(1900, 1, 1), dt.datetime(2100, 1, 1))),
    st.builds(reading_near, st.sampled_from(change_values()), st.integers(-7200, 7200)),
))
def test_local_times_resolve_like_the_zone_rules(point):
    zone, naive = point
    naive = naive.replace(microsecond=naive.microsecond // 1000 * 1000)
    assert resolved(zone, naive) == resolve(naive, zone)


def rule_changes(zone, year):
    """UTC instants of the changes that a zone's closing rule makes in a year."""
    rule = _zoneinfo.ZoneInfo.no_cache(zone)._tz_after
    if not isinstance(rule, _zoneinfo._TZStr):
        return []
    start, end = rule.transitions(year)  # read on the standard clock, then on the daylight clock
    return [EPOCH + dt.timedelta(seconds=start - rule.std.utcoff.total_seconds()),
            EPOCH + dt.timedelta(seconds=end - rule.dst.utcoff.total_seconds())]


@pytest.mark.parametrize("year", [2030, 2200])
def test_local_times_near_rule_changes_and_new_year(year):
    """Local times within a day of each change and of New Year, in every
    zone that still changes its clocks, where the closing rule decides."""
    steps = [dt.timedelta(minutes=m) for m in (-1500, -61, -30, -1, 0, 1, 30, 59, 61, 1500)]
    for zone in ALL_ZONES:
        changes = rule_changes(zone, year)
        locals_ = [dt.datetime(year, 1, 1) + step for step in steps] if changes else []
        for change in changes:
            # The change as read on the clock before it and after it.
            for instant in (change - dt.timedelta(minutes=1), change):
                wall = (change + instant.astimezone(zoneinfo.ZoneInfo(zone)).utcoffset()).replace(tzinfo=None)
                locals_ += [wall + step for step in steps]
        for naive in locals_:
            assert resolved(zone, naive) == resolve(naive, zone), (zone, naive)


@pytest.mark.parametrize("zone", [
    "America/Vancouver", "Canada/Pacific", "America/Edmonton", "America/Inuvik", "America/Yellowknife",
    "Canada/Mountain", "America/Winnipeg", "America/Rainy_River", "Canada/Central", "America/Havana", "Cuba",
    "Africa/Casablanca", "Africa/El_Aaiun", "Europe/Chisinau", "Europe/Tiraspol"])
def test_recently_changed_zones_read_and_resolve_like_zoneinfo(zone):
    def oracle(seconds):
        local = dt.datetime.fromtimestamp(seconds, zoneinfo.ZoneInfo(zone))
        return local.utcoffset() // dt.timedelta(minutes=1), bool(local.dst()), local.strftime("%Y-%m-%d %H:%M:%S")
    v = T.from_unix(DECEMBER_2026, zone)
    assert (v.utc_offset(), v.is_dst(), v.format("YYYY-MM-DD HH:mm:ss")) == oracle(DECEMBER_2026)
    assert T.parse(oracle(DECEMBER_2026)[2], zone).unix() == DECEMBER_2026
    now = T.now(zone)
    assert (now.utc_offset(), now.is_dst()) == oracle(now.unix())[:2]


class TestResolution:
    # New York skips 02:00-03:00 on 10 March 2024 and repeats 01:00-02:00 on 3 November
    @pytest.mark.parametrize("zone, local, expected", [
        ("America/New_York", "2024-03-10 01:59:59.999", "2024-03-10T06:59:59.999Z"),  # before the gap
        ("America/New_York", "2024-03-10 02:00:00", "2024-03-10T07:00:00.000Z"),  # at its start: forward
        ("America/New_York", "2024-03-10 02:30:00", "2024-03-10T07:00:00.000Z"),  # inside
        ("America/New_York", "2024-03-10 03:00:00", "2024-03-10T07:00:00.000Z"),  # after
        ("America/New_York", "2024-11-03 00:59:59.999", "2024-11-03T04:59:59.999Z"),  # before the overlap
        ("America/New_York", "2024-11-03 01:00:00", "2024-11-03T05:00:00.000Z"),  # at its start: earlier
        ("America/New_York", "2024-11-03 01:59:59.999", "2024-11-03T05:59:59.999Z"),  # its end
        ("America/New_York", "2024-11-03 02:00:00", "2024-11-03T07:00:00.000Z"),  # after
        ("Australia/Lord_Howe", "2024-04-07 01:45:00", "2024-04-06T14:45:00.000Z"),  # a half-hour overlap
        # a whole skipped day: ninety one-minute steps reach midnight
        ("Pacific/Apia", "2011-12-30 22:30:00", "2011-12-30T10:00:00.000Z"),
    ])
    def test_gaps_and_overlaps(self, zone, local, expected):
        assert T.parse(local, zone).to_timezone("UTC").to_iso() == expected

    @pytest.mark.parametrize("zone, local, text", [
        ("Pacific/Apia", "2011-12-30 10:00:00", "2011-12-30 10:00:00"),
        ("Pacific/Apia", "2011-12-30 10:00:00.5", "2011-12-30 10:00:00.500"),
        ("Pacific/Kiritimati", "1994-12-31 12:00", "1994-12-31 12:00:00"),
    ])
    def test_nonexistent_local_time(self, zone, local, text):
        assert message_of(lambda: T.parse(local, zone)) == f"Local time {text} does not exist in timezone {zone}"


class TestRange:
    @pytest.mark.parametrize("value_ms", [MIN_MS - 1, MAX_MS + 1, -(2**63), 2**63 - 1])
    def test_beyond_the_ends(self, value_ms):
        assert message_of(lambda: T.from_unix_ms(value_ms, None)) == f"Invalid timestamp (ms): {value_ms}"

    # local mean time of New York is -4:56:02, which truncates to -296 minutes
    @pytest.mark.parametrize("value_ms, zone, offset", [(MAX_MS, "Asia/Tokyo", 540),
                                                        (MIN_MS, "America/New_York", -296)])
    def test_local_reading_past_the_ends_raises(self, value_ms, zone, offset):
        v = T.from_unix_ms(value_ms, zone)
        with pytest.raises(ValueError, match=OVERFLOW):
            v.to_iso()
        assert v.utc_offset() == offset and v.is_valid()
        assert repr(v) == f"QuendrelTime(utc_ms={value_ms}, timezone='{zone}')"
