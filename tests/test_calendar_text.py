"""Calendar text: a value described against a reference day in a locale."""

import datetime as dt
import zoneinfo

import pytest
from hypothesis import given, settings
from hypothesis import strategies as st

import quendreltime
from support import MAX_MS, MIN_MS

T = quendreltime.quendrel_time
DAY_MS = 86_400_000

# locale: (today, tomorrow, yesterday, at, Tuesday, Friday)
WORDS = {
    "en": ("Today", "Tomorrow", "Yesterday", "at", "Tuesday", "Friday"),
    "fr": ("Aujourd'hui", "Demain", "Hier", "a", "mardi", "vendredi"),
    "es": ("Hoy", "Manana", "Ayer", "a las", "martes", "viernes"),
    "de": ("Heute", "Morgen", "Gestern", "um", "Dienstag", "Freitag"),
    "pt": ("Hoje", "Amanha", "Ontem", "as", "terca-feira", "sexta-feira"),
}


def paris(text):
    return T.parse(text, "Europe/Paris")


# The value is Tuesday 2024-03-05 14:30 in Paris; (reference, bucket).
BUCKETS = [
    ("2024-03-05 00:00", "today"),
    ("2024-03-05 23:59", "today"),
    ("2024-03-04 09:00", "tomorrow"),
    ("2024-03-06 23:59", "yesterday"),
    ("2024-03-03 14:30", "weekday"),  # two days ahead
    ("2024-02-28 00:00", "weekday"),  # six days ahead
    ("2024-03-07 08:00", "weekday"),  # two days back
    ("2024-03-11 23:59", "weekday"),  # six days back
    ("2024-02-27 23:59", "date"),  # seven days ahead
    ("2024-03-12 00:00", "date"),  # seven days back
    ("1970-01-01 00:00", "date"),
]


def expected_text(locale, bucket):
    today, tomorrow, yesterday, at, tuesday, _ = WORDS[locale]
    day = {"today": today, "tomorrow": tomorrow, "yesterday": yesterday, "weekday": tuesday}.get(bucket)
    return "2024-03-05 14:30" if day is None else f"{day} {at} 14:30"


class TestBuckets:
    @pytest.mark.parametrize("locale", list(WORDS))
    @pytest.mark.parametrize("reference, bucket", BUCKETS)
    def test_each_bucket_in_each_locale(self, locale, reference, bucket):
        value = paris("2024-03-05 14:30")
        assert value.calendar(paris(reference), locale) == expected_text(locale, bucket)

    # Only the calendar dates count, never the clock readings.
    @pytest.mark.parametrize(
        "value, reference, text",
        [
            ("2024-03-06 08:05", "2024-03-05 23:59", "Tomorrow at 08:05"),
            ("2024-03-04 23:00", "2024-03-05 00:30", "Yesterday at 23:00"),
            ("2024-03-08 10:00", "2024-03-05 09:00", "Friday at 10:00"),
            ("2024-03-01 10:00", "2024-03-05 09:00", "Friday at 10:00"),
            ("2024-03-11 10:00", "2024-03-05 09:00", "Monday at 10:00"),
            ("2024-03-12 10:00", "2024-03-05 23:59", "2024-03-12 10:00"),
            ("2024-02-27 10:00", "2024-03-05 00:00", "2024-02-27 10:00"),
        ],
    )
    def test_day_difference(self, value, reference, text):
        assert paris(value).calendar(paris(reference), None) == text

    @pytest.mark.parametrize("locale, text", [("de", "Freitag um 10:00"), ("pt", "sexta-feira as 10:00")])
    def test_weekday_words(self, locale, text):
        assert paris("2024-03-08 10:00").calendar(paris("2024-03-05 09:00"), locale) == text


class TestZones:
    def test_reference_is_read_in_the_value_zone(self):
        value = T.parse("2024-03-05 23:30", "Asia/Tokyo")
        reference = T.parse("2024-03-05T20:00:00Z", None)
        assert value.calendar(reference, None) == "Yesterday at 23:30"
        # The other way round the reference is read in UTC: the same day.
        assert reference.calendar(value, None) == "Today at 20:00"

    # A 23-hour and a 25-hour day still hold a single date each.
    @pytest.mark.parametrize(
        "value, reference, text",
        [
            ("2024-03-10 23:30", "2024-03-10 00:30", "Today at 23:30"),
            ("2024-11-03 23:59", "2024-11-03 00:00", "Today at 23:59"),
            ("2024-03-11 00:00", "2024-03-10 23:59", "Tomorrow at 00:00"),
        ],
    )
    def test_across_dst_changes(self, value, reference, text):
        zone = "America/New_York"
        assert T.parse(value, zone).calendar(T.parse(reference, zone), "en") == text

    def test_skipped_day(self):
        # Samoa went from 29 December 2011 straight to 31 December: one
        # elapsed hour moves the value two calendar days.
        reference = T.parse("2011-12-29T10:00:00Z", "Pacific/Apia")
        before = T.parse("2011-12-30T09:00:00Z", "Pacific/Apia")
        after = T.parse("2011-12-30T10:00:00Z", "Pacific/Apia")
        assert before.calendar(reference, None) == "Today at 23:00"
        assert after.calendar(reference, None) == "Saturday at 00:00"


class TestNow:
    def test_none_reference_is_today(self):
        zone = "Pacific/Kiritimati"
        for _ in range(3):
            value = T.now(zone)
            text = value.calendar(None, None)
            if T.now(zone).to_iso()[:10] == value.to_iso()[:10]:
                break
        assert text == f"Today at {value.to_iso()[11:16]}"

    def test_far_value_gives_its_date(self):
        value = T.from_unix_ms(T.now(None).unix_ms() + 40 * DAY_MS, "America/Sao_Paulo")
        iso = value.to_iso()
        assert value.calendar(None, "pt") == f"{iso[:10]} {iso[11:16]}"


class TestErrors:
    # Locales resolve first, even when no word would be used.
    @pytest.mark.parametrize(
        "locale, message",
        [
            ("it", "Invalid locale: it"),
            (" en_US ", "Invalid locale: en_US"),
            ("-en", "Invalid locale: -en"),
            ("ENG", "Invalid locale: ENG"),
        ],
    )
    def test_invalid_locale(self, locale, message):
        far = paris("2000-01-01 00:00")
        with pytest.raises(ValueError, match=f"^{message}$"):
            paris("2024-03-05 14:30").calendar(far, locale)
        with pytest.raises(ValueError, match=f"^{message}$"):
            T.from_unix_ms(MAX_MS, "Asia/Tokyo").calendar(None, locale)

    @pytest.mark.parametrize("locale", [" EN-us ", "en-", "", "   "])
    def test_locale_spellings_of_english(self, locale):
        value = paris("2024-03-05 14:30")
        assert value.calendar(paris("2024-03-05 09:00"), locale) == "Today at 14:30"

    # A local reading past the calendar range has no date.
    @pytest.mark.parametrize(
        "value, reference",
        [
            ((MAX_MS, "Asia/Tokyo"), None),
            ((MIN_MS, "America/Los_Angeles"), (0, None)),
            ((0, "Asia/Tokyo"), (MAX_MS, "UTC")),
        ],
    )
    def test_out_of_range_local_date(self, value, reference):
        reference = T.from_unix_ms(*reference) if reference else None
        with pytest.raises(ValueError, match="^Date arithmetic overflow$"):
            T.from_unix_ms(*value).calendar(reference, "fr")

    @pytest.mark.parametrize("reference", [0, "2024-03-05", quendreltime.quendrel_duration(0, None)])
    def test_reference_type(self, reference):
        with pytest.raises(TypeError, match="^argument 'reference': "):
            paris("2024-03-05 14:30").calendar(reference, None)

    def test_locale_type(self):
        with pytest.raises(TypeError, match="^argument 'locale': "):
            paris("2024-03-05 14:30").calendar(None, 1)


ZONES = ["UTC", "America/New_York", "Europe/London", "Australia/Lord_Howe", "Asia/Kathmandu", "Pacific/Apia"]
INSTANTS = st.integers(min_value=631_152_000_000, max_value=2_208_988_800_000)  # 1990 .. 2040


class TestAgainstZoneinfo:
    @settings(max_examples=300)
    @given(st.sampled_from(ZONES), INSTANTS, st.integers(min_value=-10 * DAY_MS, max_value=10 * DAY_MS))
    def test_buckets(self, zone, value_ms, offset_ms):
        reference_ms = value_ms + offset_ms
        tz = zoneinfo.ZoneInfo(zone)
        local = dt.datetime.fromtimestamp(value_ms // 1000, tz)
        reference_local = dt.datetime.fromtimestamp(reference_ms // 1000, tz)
        days = (local.date() - reference_local.date()).days
        time = local.strftime("%H:%M")
        words = {0: "Today", 1: "Tomorrow", -1: "Yesterday"}
        if days in words:
            expected = f"{words[days]} at {time}"
        elif abs(days) < 7:
            expected = f"{local.strftime('%A')} at {time}"
        else:
            expected = local.strftime("%Y-%m-%d %H:%M")
        # The reference's own zone plays no part.
        reference = T.from_unix_ms(reference_ms, "Asia/Tokyo")
        assert T.from_unix_ms(value_ms, zone).calendar(reference, None) == expected
