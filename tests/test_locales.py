"""Locale packs, locale resolution and the locale-aware formatter."""

import datetime as dt
import zoneinfo

import pytest
from hypothesis import given, settings
from hypothesis import strategies as st

import quendreltime

T = quendreltime.quendrel_time
DAY_MS = 86_400_000


def at(y, mo, d, h=0, mi=0, s=0, ms=0, zone="UTC"):
    local = dt.datetime(y, mo, d, h, mi, s, tzinfo=zoneinfo.ZoneInfo(zone))
    return T.from_unix_ms(int(local.timestamp()) * 1000 + ms, zone)


TUESDAY = at(2024, 3, 5, 7, 8, 9, 45)

PACKS = {
    "en": dict(
        months="January February March April May June July August September October November December",
        months_short="Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec",
        weekdays="Sunday Monday Tuesday Wednesday Thursday Friday Saturday",
        weekdays_short="Sun Mon Tue Wed Thu Fri Sat",
        today="Today", tomorrow="Tomorrow", yesterday="Yesterday", at="at",
    ),
    "fr": dict(
        months="janvier fevrier mars avril mai juin juillet aout septembre octobre novembre decembre",
        months_short="janv. fevr. mars avr. mai juin juil. aout sept. oct. nov. dec.",
        weekdays="dimanche lundi mardi mercredi jeudi vendredi samedi",
        weekdays_short="dim. lun. mar. mer. jeu. ven. sam.",
        today="Aujourd'hui", tomorrow="Demain", yesterday="Hier", at="a",
    ),
    "es": dict(
        months="enero febrero marzo abril mayo junio julio agosto septiembre octubre noviembre diciembre",
        months_short="ene. feb. mar. abr. may. jun. jul. ago. sept. oct. nov. dic.",
        weekdays="domingo lunes martes miercoles jueves viernes sabado",
        weekdays_short="dom. lun. mar. mie. jue. vie. sab.",
        today="Hoy", tomorrow="Manana", yesterday="Ayer", at="a las",
    ),
    "de": dict(
        months="Januar Februar Marz April Mai Juni Juli August September Oktober November Dezember",
        months_short="Jan. Feb. Mar. Apr. Mai Jun. Jul. Aug. Sep. Okt. Nov. Dez.",
        weekdays="Sonntag Montag Dienstag Mittwoch Donnerstag Freitag Samstag",
        weekdays_short="So. Mo. Di. Mi. Do. Fr. Sa.",
        today="Heute", tomorrow="Morgen", yesterday="Gestern", at="um",
    ),
    "pt": dict(
        months="janeiro fevereiro marco abril maio junho julho agosto setembro outubro novembro dezembro",
        months_short="jan. fev. mar. abr. mai. jun. jul. ago. set. out. nov. dez.",
        weekdays="domingo segunda-feira terca-feira quarta-feira quinta-feira sexta-feira sabado",
        weekdays_short="dom. seg. ter. qua. qui. sex. sab.",
        today="Hoje", tomorrow="Amanha", yesterday="Ontem", at="as",
    ),
}


def test_supported_locales():
    assert quendreltime.supported_locales() == ["en", "fr", "es", "de", "pt"]


class TestPackWords:
    # Every month word, full and short, one row per locale: "MMMM|MMM" on the 15th of each month.
    @pytest.mark.parametrize("code", PACKS)
    def test_months(self, code):
        got = [at(2023, m, 15).format_locale("MMMM|MMM", code).split("|") for m in range(1, 13)]
        assert [full for full, _ in got] == PACKS[code]["months"].split()
        assert [short for _, short in got] == PACKS[code]["months_short"].split()

    # Every weekday word: 2023-01-01 was a Sunday.
    @pytest.mark.parametrize("code", PACKS)
    def test_weekdays(self, code):
        got = [at(2023, 1, 1 + i, 12).format_locale("dddd|ddd", code).split("|") for i in range(7)]
        assert [full for full, _ in got] == PACKS[code]["weekdays"].split()
        assert [short for _, short in got] == PACKS[code]["weekdays_short"].split()

    @pytest.mark.parametrize("code", PACKS)
    def test_meridiem(self, code):
        assert at(2023, 1, 1, 11, 59).format_locale("A a", code) == "AM am"
        assert at(2023, 1, 1, 12, 0).format_locale("A a", code) == "PM pm"

    # The day words and "at" reach callers through the calendar text.
    @pytest.mark.parametrize("code", PACKS)
    @pytest.mark.parametrize("shift, word", [(0, "today"), (DAY_MS, "tomorrow"), (-DAY_MS, "yesterday")])
    def test_day_words(self, code, shift, word):
        text = T.from_unix_ms(TUESDAY.unix_ms() + shift, "UTC").calendar(TUESDAY, code)
        assert text.startswith(PACKS[code][word] + " " + PACKS[code]["at"] + " ")


class TestResolution:
    @pytest.mark.parametrize(
        "text, code",
        [("EN", "en"), (" fr ", "fr"), ("de-AT", "de"), ("pt-BR", "pt"), ("es-419", "es"), ("en-", "en"),
         ("", "en"), ("   ", "en"), (None, "en"), ("\u3000Fr-ca\u00a0", "fr"), ("DE-", "de"),
         ("pt-anything-at-all", "pt"), ("es--", "es"), ("\tES\n", "es")],
    )
    def test_accepted(self, text, code):
        assert TUESDAY.format_locale("MMMM", text) == PACKS[code]["months"].split()[2]

    # The message repeats the trimmed text in the caller's letter case.
    @pytest.mark.parametrize(
        "text, shown",
        [("en_US", "en_US"), ("eng", "eng"), ("-en", "-en"), ("it", "it"), ("zz", "zz"), (" EN_us ", "EN_us"),
         ("e", "e"), ("english", "english"), ("\u00e9n", "\u00e9n"), ("en\u00a0-US", "en\u00a0-US"),
         ("f r", "f r"), ("-", "-")],
    )
    def test_rejected(self, text, shown):
        with pytest.raises(ValueError) as info:
            TUESDAY.format_locale("YYYY", text)
        assert str(info.value) == "Invalid locale: " + shown

    @pytest.mark.parametrize("pattern, locale, name", [(1, "en", "pattern"), (None, "en", "pattern"),
                                                       ("YYYY", 1, "locale"), ("YYYY", b"en", "locale")])
    def test_argument_types(self, pattern, locale, name):
        with pytest.raises(TypeError, match=f"^argument '{name}': "):
            TUESDAY.format_locale(pattern, locale)


class TestLocaleTokens:
    # Token outputs on Tuesday 2024-03-05 07:08:09.045 UTC.
    @pytest.mark.parametrize(
        "pattern, expected",
        [("YYYY YY", "2024 24"), ("MMMM MMM MM M", "March Mar 03 3"), ("DD D", "05 5"), ("dddd ddd", "Tuesday Tue"),
         ("HH H hh h", "07 7 07 7"), ("mm m ss s SSS", "08 8 09 9 045"), ("ZZ Z A a", "+0000 +00:00 AM am"),
         # Longest first within a letter; letters that make no token are copied.
         ("YYY", "24Y"), ("YYYYY", "2024Y"), ("MMMMM", "March3"), ("DDD", "055"), ("dd d", "dd d"),
         ("ddddd", "Tuesdayd"),
         ("SS S SSSS", "SS S 045S"), ("HHH", "077"), ("ZZZ", "+0000+00:00"), ("Hello", "7ello"), ("xyz", "xyz"),
         ("", ""), ("100% %Y", "100% %Y"),
         # Brackets escape; an unclosed one copies the rest verbatim.
         ("[Heute ist] dddd", "Heute ist Tuesday"), ("YYYY [at HH", "2024 at HH"), ("[", ""), ("[]", ""),
         ("[[YYYY]] YYYY", "[YYYY] 2024"), ("]YYYY", "]2024"), ("[a][b] A", "ab AM"),
         ("\u00e9t\u00e9 D \u2014 [\u00fc] \U0001f600", "\u00e9t\u00e9 5 \u2014 \u00fc \U0001f600")],
    )
    def test_patterns(self, pattern, expected):
        assert TUESDAY.format_locale(pattern, "en") == expected

    @pytest.mark.parametrize(
        "locale, pattern, expected",
        [("fr", "dddd D MMMM YYYY", "mardi 5 mars 2024"), ("de", "dddd D MMMM YYYY", "Dienstag 5 Marz 2024"),
         ("pt", "dddd D MMMM YYYY", "terca-feira 5 marco 2024"), ("es", "dddd D MMMM YYYY", "martes 5 marzo 2024"),
         ("en", "ddd, MMM D", "Tue, Mar 5"), ("es", "ddd, MMM D", "mar., mar. 5"),
         ("de", "[Heute ist] dddd", "Heute ist Dienstag")],
    )
    def test_translated(self, locale, pattern, expected):
        assert TUESDAY.format_locale(pattern, locale) == expected

    # The 12-hour clock.
    @pytest.mark.parametrize(
        "h, mi, pattern, expected",
        [(0, 5, "h:mm a", "12:05 am"), (0, 5, "H:mm", "0:05"), (13, 0, "hh", "01"), (12, 0, "h A", "12 PM"),
         (23, 59, "h:m A", "11:59 PM")],
    )
    def test_twelve_hour_clock(self, h, mi, pattern, expected):
        assert at(2024, 3, 5, h, mi).format_locale(pattern, None) == expected

    @pytest.mark.parametrize("ms, s, expected", [(45, 9, "045 9"), (0, 0, "000 0"), (999, 59, "999 59")])
    def test_seconds(self, ms, s, expected):
        assert at(2024, 3, 5, 0, 0, s, ms).format_locale("SSS s", "en") == expected

    # Offsets are whole minutes truncated toward zero (unlike format, which rounds).
    @pytest.mark.parametrize(
        "value, expected",
        [(at(2024, 1, 15, 12, zone="America/St_Johns"), "-03:30 -0330"),
         (at(2024, 7, 15, 12, zone="America/St_Johns"), "-02:30 -0230"), (at(2024, 1, 15, 12), "+00:00 +0000"),
         (at(2024, 1, 15, 12, zone="Asia/Kolkata"), "+05:30 +0530"),
         (at(1850, 1, 1, 12, zone="Europe/Brussels"), "+00:17 +0017"),
         (at(1850, 1, 1, 12, zone="Europe/Dublin"), "-00:25 -0025"),
         (at(1850, 1, 1, 12, zone="America/New_York"), "-04:56 -0456")],
    )
    def test_offsets(self, value, expected):
        assert value.format_locale("Z ZZ", "en") == expected

    # A minus sign counts toward the four characters of YYYY; no plus sign.
    @pytest.mark.parametrize(
        "ms, expected",
        [(-61_112_707_200_000, "0033 33"), (-62_185_708_800_000, "-001 99"), (327_416_428_800_000, "12345 45"),
         (-451_724_688_000_000, "-12345 55"), (-8_334_601_315_200_000, "-262144 56"),
         (8_210_266_876_799_999, "262142 42")],
    )
    def test_years(self, ms, expected):
        assert T.from_unix_ms(ms, "UTC").format_locale("YYYY YY", "en") == expected

    def test_local_date_outside_the_range(self):
        with pytest.raises(ValueError, match="^Date arithmetic overflow$"):
            T.from_unix_ms(8_210_266_876_799_999, "Asia/Tokyo").format_locale("YYYY", "fr")


# The two dialects agree on their shared tokens in English, and the
# single-letter tokens agree with datetime + zoneinfo.
@settings(max_examples=300, deadline=None)
@given(ms=st.integers(-2_208_902_400_000, 4_133_808_000_000),
       zone=st.sampled_from(["UTC", "America/St_Johns", "Asia/Kolkata", "Europe/Berlin", "Pacific/Chatham"]))
def test_agrees_with_format_and_zoneinfo(ms, zone):
    v = T.from_unix_ms(ms, zone)
    shared = "YYYY-MM-DD HH:mm:ss.SSS YY MMMM MMM dddd ddd hh A a"
    assert v.format_locale(shared, "en") == v.format(shared)
    local = dt.datetime.fromtimestamp(ms // 1000, zoneinfo.ZoneInfo(zone))
    assert v.format_locale("M D H h m s", None) == local.strftime("%-m %-d %-H %-I %-M %-S")
