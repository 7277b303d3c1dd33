"""Text about time: relative text (from_now, to_now, from_time, to_time) and
calendar text, a value described against a reference day in a locale."""

import datetime as dt
import re
import zoneinfo

import pytest
from hypothesis import given, settings
from hypothesis import strategies as st

from support import DAY, MAX_MS, MIN_MS, OVERFLOW, D, T, message_of

BASE_MS = 1_700_000_000_000

# (milliseconds, body): each threshold and one millisecond below it.
THRESHOLDS = [
    (0, "a few seconds"), (44_999, "a few seconds"), (45_000, "a minute"), (89_999, "a minute"),
    (90_000, "2 minutes"), (2_699_999, "45 minutes"), (2_700_000, "an hour"), (5_399_999, "an hour"),
    (5_400_000, "2 hours"), (79_199_999, "22 hours"), (79_200_000, "a day"), (129_599_999, "a day"),
    (129_600_000, "2 days"), (2_246_399_999, "26 days"), (2_246_400_000, "a month"), (3_887_999_999, "a month"),
    (3_888_000_000, "2 months"), (27_647_999_999, "11 months"), (27_648_000_000, "a year"),
    (47_347_199_999, "a year"), (47_347_200_000, "2 years"), (365 * DAY, "a year"), (730 * DAY, "2 years"),
    # counts round halves away from zero, not to even
    (149_999, "2 minutes"), (150_000, "3 minutes"), (9_000_000, "3 hours"), (216_000_000, "3 days"),
    (6_480_000_000, "3 months"), (78_840_000_000, "3 years"),
]


class TestRelative:
    @pytest.mark.parametrize("ms, body", THRESHOLDS)
    def test_thresholds(self, ms, body):
        later, earlier = T.from_unix_ms(BASE_MS + ms, "UTC"), T.from_unix_ms(BASE_MS, "Asia/Kolkata")
        future = body + " ago" if ms == 0 else "in " + body  # no distance reads as past
        assert [later.from_time(earlier, False), earlier.to_time(later, None)] == [future, future]
        assert [earlier.from_time(later, None), later.to_time(earlier, False)] == [body + " ago", body + " ago"]
        assert {later.from_time(earlier, True), earlier.from_time(later, True), later.to_time(earlier, True)} == {body}

    # The magnitude of -2^63 is 2^63; both ends read as the same count.
    @pytest.mark.parametrize("call, text", [
        (lambda: D.from_milliseconds(2**63 - 1).humanize(True), "in 292471209 years"),
        (lambda: D.from_milliseconds(-(2**63)).humanize(True), "292471209 years ago"),
        (lambda: D.from_milliseconds(-(2**63) + 1).humanize(True), "292471209 years ago"),
        (lambda: T.from_unix_ms(MAX_MS, None).from_time(T.from_unix_ms(MIN_MS, None), None), "in 524634 years"),
        (lambda: T.from_unix_ms(MIN_MS, None).from_time(T.from_unix_ms(MAX_MS, None), True), "524634 years"),
    ])
    def test_ends(self, call, text):
        assert call() == text

    def test_now(self):
        ahead = T.from_unix_ms(T.now(None).unix_ms() + 2 * 3_600_000 + 60_000, "America/Denver")
        assert [ahead.from_now(None), ahead.from_now(False), ahead.to_now(None), ahead.to_now(True)] == [
            "in 2 hours", "in 2 hours", "2 hours ago", "2 hours"]
        behind = T.from_unix_ms(T.now(None).unix_ms() - 3 * DAY, "Europe/Paris")
        assert [behind.from_now(None), behind.to_now(None)] == ["3 days ago", "in 3 days"]


# What a body claims, in seconds, for the property below.
UNIT_SECONDS = {"minute": 60, "hour": 3_600, "day": 86_400, "month": 2_592_000, "year": 31_536_000}


def claimed_seconds(body):
    if body == "a few seconds":
        return 0
    match = re.fullmatch(r"(an?|\d+) (minute|hour|day|month|year)s?", body)
    assert match, body
    return (1 if match[1] in ("a", "an") else int(match[1])) * UNIT_SECONDS[match[2]]


@settings(max_examples=300)
@given(st.integers(min_value=45_000, max_value=4_000 * 365 * DAY))
def test_text_stays_close_to_the_distance(ms):
    # The bands are chosen so that no reading is off by more than a third.
    assert 0.66 <= claimed_seconds(D.from_milliseconds(ms).humanize(False)) / (ms / 1000) <= 1.34


# locale: (today, tomorrow, yesterday, at, Tuesday)
WORDS = {
    "en": ("Today", "Tomorrow", "Yesterday", "at", "Tuesday"),
    "fr": ("Aujourd'hui", "Demain", "Hier", "a", "mardi"),
    "es": ("Hoy", "Manana", "Ayer", "a las", "martes"),
    "de": ("Heute", "Morgen", "Gestern", "um", "Dienstag"),
    "pt": ("Hoje", "Amanha", "Ontem", "as", "terca-feira"),
}


def paris(text):
    return T.parse(text, "Europe/Paris")


class TestCalendar:
    # The value is Tuesday 2024-03-05 14:30 in Paris; (reference, bucket).
    @pytest.mark.parametrize("locale", WORDS)
    @pytest.mark.parametrize("reference, bucket", [
        ("2024-03-05 00:00", 0), ("2024-03-04 23:59", 1), ("2024-03-06 00:00", 2),
        ("2024-02-28 00:00", 4), ("2024-03-11 23:59", 4),  # six days ahead and back
        ("2024-02-27 23:59", None), ("2024-03-12 00:00", None),  # seven days ahead and back
    ])
    def test_each_bucket_in_each_locale(self, locale, reference, bucket):
        words = WORDS[locale]
        expected = "2024-03-05 14:30" if bucket is None else f"{words[bucket]} {words[3]} 14:30"
        assert paris("2024-03-05 14:30").calendar(paris(reference), locale) == expected

    def test_skipped_day(self):
        # Samoa went from 29 December 2011 straight to 31 December: one
        # elapsed hour moves the value two calendar days.
        reference = T.parse("2011-12-29T10:00:00Z", "Pacific/Apia")
        assert T.parse("2011-12-30T09:00:00Z", "Pacific/Apia").calendar(reference, None) == "Today at 23:00"
        assert T.parse("2011-12-30T10:00:00Z", "Pacific/Apia").calendar(reference, None) == "Saturday at 00:00"

    def test_without_reference_the_day_is_today(self):
        for _ in range(3):  # a run that straddles local midnight is repeated
            value = T.now("Pacific/Kiritimati")
            text = value.calendar(None, None)
            if T.now("Pacific/Kiritimati").to_iso()[:10] == value.to_iso()[:10]:
                break
        assert text == f"Today at {value.to_iso()[11:16]}"
        far = T.from_unix_ms(T.now(None).unix_ms() + 40 * DAY, "America/Sao_Paulo")
        assert far.calendar(None, "pt") == f"{far.to_iso()[:10]} {far.to_iso()[11:16]}"

    # The locale resolves first, even when no word would be used.
    @pytest.mark.parametrize("locale, message", [("it", "Invalid locale: it"), (" en_US ", "Invalid locale: en_US")])
    def test_invalid_locale(self, locale, message):
        assert message_of(lambda: paris("2024-03-05 14:30").calendar(paris("2000-01-01 00:00"), locale)) == message
        assert message_of(lambda: T.from_unix_ms(MAX_MS, "Asia/Tokyo").calendar(None, locale)) == message

    # A local reading past the calendar range has no date.
    @pytest.mark.parametrize("value, reference", [
        ((MAX_MS, "Asia/Tokyo"), None), ((MIN_MS, "America/Los_Angeles"), (0, None)), ((0, "Asia/Tokyo"), (MAX_MS, "UTC"))])
    def test_out_of_range_local_date(self, value, reference):
        reference = T.from_unix_ms(*reference) if reference else None
        with pytest.raises(ValueError, match=OVERFLOW):
            T.from_unix_ms(*value).calendar(reference, "fr")


@settings(max_examples=300)
@given(st.sampled_from(["UTC", "America/New_York", "Europe/London", "Australia/Lord_Howe", "Asia/Kathmandu",
                        "Pacific/Apia"]),
       st.integers(min_value=631_152_000_000, max_value=2_208_988_800_000),  # 1990 .. 2040
       st.integers(min_value=-10 * DAY, max_value=10 * DAY))
def test_calendar_agrees_with_zoneinfo(zone, value_ms, offset_ms):
    tz = zoneinfo.ZoneInfo(zone)
    local = dt.datetime.fromtimestamp(value_ms // 1000, tz)
    days = (local.date() - dt.datetime.fromtimestamp((value_ms + offset_ms) // 1000, tz).date()).days
    words = {0: "Today", 1: "Tomorrow", -1: "Yesterday"}
    if days in words:
        expected = f"{words[days]} at {local.strftime('%H:%M')}"
    elif abs(days) < 7:
        expected = local.strftime("%A at %H:%M")
    else:
        expected = local.strftime("%Y-%m-%d %H:%M")
    # The reference's own zone plays no part.
    reference = T.from_unix_ms(value_ms + offset_ms, "Asia/Tokyo")
    assert T.from_unix_ms(value_ms, zone).calendar(reference, None) == expected
