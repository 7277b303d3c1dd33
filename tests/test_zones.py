"""Zone names, instant-to-local mapping, and local-to-instant resolution."""

import datetime as dt
import zoneinfo

import pytest
from hypothesis import given, settings
from hypothesis import strategies as st

import quendreltime
from support import ALL_ZONES, MAX_MS, MIN_MS, change_values

T = quendreltime.quendrel_time
UTC = dt.timezone.utc
ZONES = ALL_ZONES


class TestLookup:
    def test_table_has_every_pinned_zone(self):
        assert len(ZONES) == 597
        for name in ZONES:
            assert T.from_unix_ms(0, name).timezone() == name

    @pytest.mark.parametrize("text", ["UTC", "utc", "Utc", "uTC", "z", "Z", " Z ", "\tz\n", "", "   ", "\u3000utc\u00a0", None])
    def test_utc_aliases(self, text):
        v = T.from_unix_ms(0, text)
        assert v.timezone() == "UTC"
        assert v.is_utc() is True

    @pytest.mark.parametrize("name", ["Etc/UTC", "GMT", "Zulu", "UCT", "Etc/Zulu", "Universal"])
    def test_zero_offset_names_keep_their_own_name(self, name):
        v = T.from_unix_ms(0, name)
        assert (v.timezone(), v.is_utc(), v.utc_offset()) == (name, False, 0)
        assert v.to_iso().endswith("Z")

    @pytest.mark.parametrize("text", [" Europe/Paris", "Europe/Paris\u2003", "\nUS/Eastern\t"])
    def test_surrounding_white_space_is_ignored(self, text):
        assert T.from_unix_ms(0, text).timezone() == text.strip()

    @pytest.mark.parametrize(
        "text",
        [" Mars ", "europe/paris", "us/eastern", "+05:30", "local", "UTC+1", "Europe/Paris/", "Factory", "utcc", "ZZ",
         "Europe/Pariss", "Éurope/Paris", "\x00", "Europe/Paris\x00"],
    )
    def test_unknown_names_repeat_the_untrimmed_text(self, text):
        with pytest.raises(ValueError) as info:
            T.from_unix_ms(0, text)
        assert str(info.value) == "Invalid timezone: " + text

    @pytest.mark.parametrize("name", ["US/Eastern", "CET", "EST", "MST", "GMT0", "Etc/GMT+5", "Asia/Calcutta"])
    def test_links_keep_their_own_names(self, name):
        assert T.now(name).timezone() == name


def oracle_instants():
    """Instants from 1850 to 2100, a few far in the future, and the last and
    first seconds of the years where the precomputed rule years begin and end."""
    years = list(range(1850, 2101, 3)) + [2150, 2199, 2200, 2201, 2400, 2999, 9998]
    out = []
    for y in years:
        for month, day, hour in ((1, 15, 12), (4, 1, 3), (7, 4, 23), (10, 30, 1), (12, 31, 22)):
            out.append(int(dt.datetime(y, month, day, hour, 17, 5, tzinfo=UTC).timestamp()))
    for y in (1969, 1970, 2199, 2200, 2201):
        start = int(dt.datetime(y, 1, 1, tzinfo=UTC).timestamp())
        out += [start - 1, start]
    return out


INSTANTS = oracle_instants()


def expected_iso(seconds, zone):
    local = dt.datetime.fromtimestamp(seconds, zoneinfo.ZoneInfo(zone))
    offset = local.utcoffset()
    total = int(offset.total_seconds())
    minutes = (abs(total) + 30) // 60
    suffix = "Z" if total == 0 else ("-" if total < 0 else "+") + f"{minutes // 60:02d}:{minutes % 60:02d}"
    return local.strftime("%Y-%m-%dT%H:%M:%S") + ".000" + suffix, total, local.dst() != dt.timedelta(0)


@pytest.mark.parametrize("zone", ZONES)
def test_every_zone_agrees_with_zoneinfo(zone):
    for seconds in INSTANTS:
        v = T.from_unix(seconds, zone)
        text, total, dst = expected_iso(seconds, zone)
        assert (v.to_iso(), v.utc_offset(), v.is_dst()) == (text, int(total / 60), dst), (zone, seconds)


@settings(max_examples=300, deadline=None)
@given(st.sampled_from(ZONES), st.integers(-3_786_825_600, 4_102_444_800))
def test_random_instants_agree_with_zoneinfo(zone, seconds):
    v = T.from_unix(seconds, zone)
    text, total, dst = expected_iso(seconds, zone)
    assert (v.to_iso(), v.utc_offset(), v.is_dst()) == (text, int(total / 60), dst)


def expected_resolution(zone, naive):
    """One candidate: itself; two: the earlier; none: minute steps forward."""
    tz = zoneinfo.ZoneInfo(zone)

    def instants(local):
        found = set()
        for fold in (0, 1):
            aware = local.replace(tzinfo=tz, fold=fold)
            if aware.astimezone(UTC).astimezone(tz).replace(tzinfo=None) == local:
                found.add(round(aware.timestamp() * 1000))
        return found

    candidate = naive
    for _ in range(181):
        if found := instants(candidate):
            return min(found)
        candidate += dt.timedelta(minutes=1)
    pytest.fail("no local time within three hours")


def resolved(zone, naive):
    return T.parse(naive.isoformat(sep=" ", timespec="milliseconds"), zone).unix_ms()


def reading_near(change_value, seconds):
    """A zone and the local reading some seconds from an instant near a change."""
    zone, ms = change_value
    instant = dt.datetime(1970, 1, 1, tzinfo=UTC) + dt.timedelta(milliseconds=ms + seconds * 1000)
    return zone, instant.astimezone(zoneinfo.ZoneInfo(zone)).replace(tzinfo=None)


@settings(max_examples=300, deadline=None)
@given(
    st.one_of(
        st.tuples(st.sampled_from(ZONES), st.datetimes(dt.datetime(1900, 1, 1), dt.datetime(2100, 1, 1))),
        st.builds(reading_near, st.sampled_from(change_values()), st.integers(-7200, 7200)),
    )
)
def test_local_times_resolve_like_the_zone_rules(point):
    zone, naive = point
    naive = naive.replace(microsecond=naive.microsecond // 1000 * 1000)
    assert resolved(zone, naive) == expected_resolution(zone, naive)


def offset_changes(zone, year):
    """UTC instants (to the minute) at which the zone's offset changes in a year."""
    tz = zoneinfo.ZoneInfo(zone)
    offset = lambda t: t.astimezone(tz).utcoffset()  # noqa: E731
    t = dt.datetime(year, 1, 1, tzinfo=UTC)
    changes = []
    for _ in range(366):
        after = t + dt.timedelta(days=1)
        if offset(t) != offset(after):
            lo, hi = t, after
            while hi - lo > dt.timedelta(minutes=1):
                mid = lo + (hi - lo) / 2
                lo, hi = (mid, hi) if offset(mid) == offset(lo) else (lo, mid)
            changes.append(hi)
        t = after
    return changes


RULE_ZONES = [
    z for z in ZONES
    if dt.datetime(2030, 1, 15, tzinfo=zoneinfo.ZoneInfo(z)).utcoffset()
    != dt.datetime(2030, 7, 15, tzinfo=zoneinfo.ZoneInfo(z)).utcoffset()
]


@pytest.mark.parametrize("year", [2030, 2200])
def test_local_times_near_rule_changes_and_new_year(year):
    """Local times within a day of each change and of New Year, in every
    zone that still changes its clocks, where the closing rule decides."""
    steps = [dt.timedelta(minutes=m) for m in (-1500, -61, -30, -1, 0, 1, 30, 59, 61, 1500)]
    for zone in RULE_ZONES:
        tz = zoneinfo.ZoneInfo(zone)
        locals_ = [dt.datetime(year, 1, 1) + step for step in steps]
        for change in offset_changes(zone, year):
            # The change as read on the clock before it and after it.
            for instant in (change - dt.timedelta(minutes=1), change):
                wall = (change + instant.astimezone(tz).utcoffset()).replace(tzinfo=None)
                locals_ += [wall + step for step in steps]
        for naive in locals_:
            assert resolved(zone, naive) == expected_resolution(zone, naive), (zone, naive)


class TestResolution:
    @pytest.mark.parametrize(
        "zone, local, expected",
        [
            # skipped by the spring change: moved forward to the first minute that exists
            ("America/New_York", "2024-03-10 02:30:00", "2024-03-10T07:00:00.000Z"),
            ("America/New_York", "2024-03-10 02:00:00", "2024-03-10T07:00:00.000Z"),
            ("America/New_York", "2024-03-10 01:59:59.999", "2024-03-10T06:59:59.999Z"),
            ("Europe/Paris", "2024-03-31 02:15:30.250", "2024-03-31T01:00:30.250Z"),
            # repeated by the autumn change: the earlier (daylight) reading
            ("America/New_York", "2024-11-03 01:30:00", "2024-11-03T05:30:00.000Z"),
            ("America/New_York", "2024-11-03 01:00:00", "2024-11-03T05:00:00.000Z"),
            ("Europe/London", "2024-10-27 01:59:59.999", "2024-10-27T00:59:59.999Z"),
            ("Australia/Lord_Howe", "2024-04-07 01:45:00", "2024-04-06T14:45:00.000Z"),
            # a whole skipped day: ninety one-minute steps reach midnight
            ("Pacific/Apia", "2011-12-30 22:30:00", "2011-12-30T10:00:00.000Z"),
        ],
    )
    def test_gaps_and_overlaps(self, zone, local, expected):
        assert T.parse(local, zone).to_timezone("UTC").to_iso() == expected

    def test_apia_keeps_its_local_reading_after_the_skip(self):
        assert T.parse("2011-12-30 22:30:00", "Pacific/Apia").to_iso() == "2011-12-31T00:00:00.000+14:00"

    @pytest.mark.parametrize(
        "zone, local, text",
        [
            ("Pacific/Apia", "2011-12-30 10:00:00", "2011-12-30 10:00:00"),
            ("Pacific/Apia", "2011-12-30 10:00:00.5", "2011-12-30 10:00:00.500"),
            ("Pacific/Kiritimati", "1994-12-31 12:00", "1994-12-31 12:00:00"),
        ],
    )
    def test_nonexistent_local_time(self, zone, local, text):
        with pytest.raises(ValueError) as info:
            T.parse(local, zone)
        assert str(info.value) == f"Local time {text} does not exist in timezone {zone}"


class TestRange:
    @pytest.mark.parametrize("ms", [MIN_MS, MAX_MS, 0, -1])
    def test_ends_are_in_range(self, ms):
        v = T.from_unix_ms(ms, None)
        assert v.unix_ms() == ms and v.is_valid()

    @pytest.mark.parametrize("ms", [MIN_MS - 1, MAX_MS + 1, -(2**63), 2**63 - 1])
    def test_beyond_the_ends(self, ms):
        with pytest.raises(ValueError) as info:
            T.from_unix_ms(ms, None)
        assert str(info.value) == f"Invalid timestamp (ms): {ms}"

    def test_iso_text_at_the_ends(self):
        assert T.from_unix_ms(MAX_MS, None).to_iso() == "+262142-12-31T23:59:59.999Z"
        assert T.from_unix_ms(MIN_MS, None).to_iso() == "-262144-12-31T00:00:00.000Z"

    # local mean time of New York is -4:56:02, which truncates to -296 minutes
    @pytest.mark.parametrize("ms, zone, offset", [(MAX_MS, "Asia/Tokyo", 540), (MIN_MS, "America/New_York", -296)])
    def test_local_reading_past_the_ends_raises(self, ms, zone, offset):
        v = T.from_unix_ms(ms, zone)
        with pytest.raises(ValueError, match="^Date arithmetic overflow$"):
            v.to_iso()
        assert v.utc_offset() == offset
        assert repr(v) == f"QuendrelTime(utc_ms={ms}, timezone='{zone}')"
