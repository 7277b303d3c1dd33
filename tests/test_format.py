"""The token formatter with its strftime conversions, and the locale-aware
formatter with its five language packs."""

import datetime as dt
import zoneinfo

import pytest
from hypothesis import given, settings
from hypothesis import strategies as st

from support import MAX_MS, MIN_MS, OVERFLOW, T, at, message_of

TUESDAY = at(2024, 3, 5, 7, 8, 9, 45)


class TestTokens:
    # Tokens on Tuesday 2024-03-05 07:08:09.045 UTC; every token's reading is
    # checked against zoneinfo below.
    @pytest.mark.parametrize("pattern, expected", [
        ("YYYY-MM-DD HH:mm:ss.SSS", "2024-03-05 07:08:09.045"),
        # Single letters that are no token stay literal.
        ("dddd, MMMM D", "Tuesday, March D"), ("Y M D d H h m s S", "Y M D d H h m s S"),
        # Leftmost-longest within one letter.
        ("YYYYYY", "202424"), ("YYY", "24Y"), ("MMMMM", "MarchM"), ("MMMMMM", "March03"), ("DDD", "05D"),
        ("ddddd", "Tuesdayd"), ("dd", "dd"), ("SSSS", "045S"), ("SS", "SS"), ("ZZZ", "+0000+00:00"),
        ("sss", "09s"), ("AA", "AMAM"),
        # Brackets protect nothing: the "a" of "at" is a meridiem.
        ("[at] HH:mm", "[amt] 07:08"),
        ("Hello", "Hello"), ("", ""), ("Zeit: HH", "+00:00eit: 07"),
        ("\u00e9t\u00e9 \u2014 YYYY \U0001f600", "\u00e9t\u00e9 \u2014 2024 \U0001f600"),
        (" \t\nHH\u3000", " \t\n07\u3000"),
    ])
    def test_patterns(self, pattern, expected):
        assert TUESDAY.format(pattern) == expected

    # Four digits inside 0..9999, an explicit sign outside; YY never negative.
    @pytest.mark.parametrize("year, yyyy, yy", [
        (33, "0033", "33"), (0, "0000", "00"), (9999, "9999", "99"), (10000, "+10000", "00"),
        (-1, "-0001", "99"), (-100, "-0100", "00"), (-12345, "-12345", "55")])
    def test_signed_years(self, year, yyyy, yy):
        assert at(year, 6, 1).format("YYYY|YY") == f"{yyyy}|{yy}"

    @pytest.mark.parametrize("value_ms, zone, expected", [
        (MIN_MS, "UTC", "-262144-12-31 00:00:00.000 +00:00"), (MAX_MS, "UTC", "+262142-12-31 23:59:59.999 +00:00"),
        (MIN_MS, "Asia/Tokyo", "-262144-12-31 09:18:59.000 +09:19")])
    def test_range_edges(self, value_ms, zone, expected):
        assert T.from_unix_ms(value_ms, zone).format("YYYY-MM-DD HH:mm:ss.SSS Z") == expected

    # A local reading that leaves the calendar cannot be written, in either dialect.
    @pytest.mark.parametrize("value_ms, zone", [(MIN_MS, "America/New_York"), (MAX_MS, "Asia/Tokyo")])
    def test_local_date_outside_the_range(self, value_ms, zone):
        with pytest.raises(ValueError, match=OVERFLOW):
            T.from_unix_ms(value_ms, zone).format("YYYY")
        with pytest.raises(ValueError, match=OVERFLOW):
            T.from_unix_ms(value_ms, zone).format_locale("YYYY", "fr")

    # Local mean time carries seconds: minutes round half up, as in to_iso.
    @pytest.mark.parametrize("zone, z, seconds", [("Europe/Brussels", "+00:18", "+00:17:30"),
                                                  ("America/New_York", "-04:56", "-04:56:02")])
    def test_local_mean_time(self, zone, z, seconds):
        assert at(1850, 1, 1, 12, zone=zone).format("Z|ZZ|%::z|%:::z") == (
            f"{z}|{z.replace(':', '')}|{seconds}|{seconds[:3]}")


class TestConversions:
    @pytest.mark.parametrize("pattern, expected", [
        ("%%", "%"), ("100%% HH", "100% 07"),
        # A percent before a token joins its conversion: "%%" then a literal Y.
        ("%YYYY", "%Y"), ("%MMMM", "%B"), ("%A", "%p"), ("%ZZ", "%z"),
        # Conversions and paddings the zoneinfo check below leaves out.
        ("%-e|%-m|%-H|%-j", "5|3|7|65"), ("%_m|%_d|%_H|%_j", " 3| 5| 7| 65"), ("%0e|%0k|%0l", "05|07|07"),
        ("%_Y|%-Y|%0C", "2024|2024|20"), ("%B|%b|%h|%p|%P|%v", "March|Mar|Mar|AM|am| 5-Mar-2024"),
        ("%+", "2024-03-05T07:08:09.045+00:00"),
        ("%f|%.f|%.3f|%.6f|%.9f|%3f|%6f|%9f", "045000000|.045|.045|.045000|.045000000|045|045000|045000000"),
        ("%-f|%_f", "45000000| 45000000"), ("%z|%:z|%::z|%:::z", "+0000|+00:00|+00:00:00|+00"),
        ("%s", "1709622489"),
    ])
    def test_direct_conversions(self, pattern, expected):
        assert TUESDAY.format(pattern) == expected

    # Whole seconds give no automatic fraction; %s floors before the epoch.
    @pytest.mark.parametrize("value_ms, pattern, expected", [
        (0, "%.f|%s|%0s", "|0|000000000"), (-1, "%s|%.f", "-1|.999"), (-1001, "%s", "-2"),
        # "0" and "_" pad to nine characters, the sign included
        (-1000, "%s|%-s|%0s|%_s", "-1|-1|-00000001|       -1"), (1709622489045, "%0s", "1709622489"),
        (1, "%.f|%f", ".001|001000000")])
    def test_fractions_and_timestamps(self, value_ms, pattern, expected):
        assert T.from_unix_ms(value_ms, "UTC").format(pattern) == expected

    @pytest.mark.parametrize("year, pattern, expected", [
        (-1, "%Y|%-Y|%_Y|%C|%G", "-0001|-1|   -1|-1|-0001"), (12345, "%Y|%-Y|%_Y|%C", "+12345|+12345|+12345|123"),
        (33, "%Y|%-Y|%_Y|%C", "0033|33|  33|00")])
    def test_signed_year_paddings(self, year, pattern, expected):
        assert at(year, 6, 1).format(pattern) == expected

    # Nothing partial: an invalid specifier fails the whole call.
    @pytest.mark.parametrize("pattern", [
        "%", "HH %", "%Q", "%-", "%_", "%0", "%-B", "%_p", "%0D", "%-%", "%-+", "%:", "%::", "%::::z", "%:x",
        "%.", "%.4f", "%.3", "%3", "%4f", "%#z", "%E", "%O", "%\u00e9", "YYYY %q", "%\x00"])
    def test_invalid_specifiers(self, pattern):
        assert message_of(lambda: TUESDAY.format(pattern)) == "Invalid format pattern: " + pattern


PACKS = {
    "en": ("January February March April May June July August September October November December",
           "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec",
           "Sunday Monday Tuesday Wednesday Thursday Friday Saturday", "Sun Mon Tue Wed Thu Fri Sat"),
    "fr": ("janvier fevrier mars avril mai juin juillet aout septembre octobre novembre decembre",
           "janv. fevr. mars avr. mai juin juil. aout sept. oct. nov. dec.",
           "dimanche lundi mardi mercredi jeudi vendredi samedi", "dim. lun. mar. mer. jeu. ven. sam."),
    "es": ("enero febrero marzo abril mayo junio julio agosto septiembre octubre noviembre diciembre",
           "ene. feb. mar. abr. may. jun. jul. ago. sept. oct. nov. dic.",
           "domingo lunes martes miercoles jueves viernes sabado", "dom. lun. mar. mie. jue. vie. sab."),
    "de": ("Januar Februar Marz April Mai Juni Juli August September Oktober November Dezember",
           "Jan. Feb. Mar. Apr. Mai Jun. Jul. Aug. Sep. Okt. Nov. Dez.",
           "Sonntag Montag Dienstag Mittwoch Donnerstag Freitag Samstag", "So. Mo. Di. Mi. Do. Fr. Sa."),
    "pt": ("janeiro fevereiro marco abril maio junho julho agosto setembro outubro novembro dezembro",
           "jan. fev. mar. abr. mai. jun. jul. ago. set. out. nov. dez.",
           "domingo segunda-feira terca-feira quarta-feira quinta-feira sexta-feira sabado",
           "dom. seg. ter. qua. qui. sex. sab."),
}


class TestLocales:
    # Every month and weekday word, full and short (2023-01-01 was a Sunday);
    # the meridiem is English in every pack.
    @pytest.mark.parametrize("code", PACKS)
    def test_pack_words(self, code):
        months = [at(2023, m, 15).format_locale("MMMM MMM", code) for m in range(1, 13)]
        weekdays = [at(2023, 1, 1 + i, 12).format_locale("dddd ddd", code) for i in range(7)]
        full, short, days, days_short = (words.split(" ") for words in PACKS[code])
        assert months == [f"{a} {b}" for a, b in zip(full, short)]
        assert weekdays == [f"{a} {b}" for a, b in zip(days, days_short)]
        assert [at(2023, 1, 1, h, 59).format_locale("A a", code) for h in (11, 12)] == ["AM am", "PM pm"]

    @pytest.mark.parametrize("text, code", [
        ("EN", "en"), (" fr ", "fr"), ("de-AT", "de"), ("pt-BR", "pt"), ("es-419", "es"), ("en-", "en"),
        ("", "en"), ("   ", "en"), (None, "en"), ("\u3000Fr-ca\u00a0", "fr"), ("pt-anything-at-all", "pt"),
        ("es--", "es")])
    def test_accepted(self, text, code):
        assert TUESDAY.format_locale("MMMM", text) == PACKS[code][0].split()[2]

    # The message repeats the trimmed text in the caller's letter case.
    @pytest.mark.parametrize("text, shown", [
        ("en_US", "en_US"), ("eng", "eng"), ("-en", "-en"), ("it", "it"), (" EN_us ", "EN_us"), ("e", "e"),
        ("\u00e9n", "\u00e9n"), ("en\u00a0-US", "en\u00a0-US"), ("f r", "f r"), ("-", "-")])
    def test_rejected(self, text, shown):
        assert message_of(lambda: TUESDAY.format_locale("YYYY", text)) == "Invalid locale: " + shown

    @pytest.mark.parametrize("pattern, expected", [
        ("MMMM MMM MM M", "March Mar 03 3"), ("HH H hh h", "07 7 07 7"), ("mm m ss s SSS", "08 8 09 9 045"),
        # Longest first within a letter; letters that make no token are copied.
        ("YYY", "24Y"), ("YYYYY", "2024Y"), ("MMMMM", "March3"), ("DDD", "055"), ("dd d", "dd d"),
        ("ddddd", "Tuesdayd"), ("SS S SSSS", "SS S 045S"), ("HHH", "077"), ("ZZZ", "+0000+00:00"),
        ("Hello", "7ello"), ("xyz", "xyz"), ("", ""), ("100% %Y", "100% %Y"),
        # Brackets escape; an unclosed one copies the rest verbatim.
        ("[Heute ist] dddd", "Heute ist Tuesday"), ("YYYY [at HH", "2024 at HH"), ("[", ""), ("[]", ""),
        ("[[YYYY]] YYYY", "[YYYY] 2024"), ("]YYYY", "]2024"), ("[a][b] A", "ab AM"),
        ("\u00e9t\u00e9 D \u2014 [\u00fc] \U0001f600", "\u00e9t\u00e9 5 \u2014 \u00fc \U0001f600")])
    def test_patterns(self, pattern, expected):
        assert TUESDAY.format_locale(pattern, "en") == expected

    # A minus sign counts toward the four characters of YYYY; no plus sign.
    @pytest.mark.parametrize("value_ms, expected", [
        (-61_112_707_200_000, "0033 33"), (-62_185_708_800_000, "-001 99"), (327_416_428_800_000, "12345 45"),
        (-451_724_688_000_000, "-12345 55"), (MIN_MS, "-262144 56"), (MAX_MS, "262142 42")])
    def test_years(self, value_ms, expected):
        assert T.from_unix_ms(value_ms, "UTC").format_locale("YYYY YY", "en") == expected


# Every token of both dialects against datetime + zoneinfo, over zones with
# half-hour, 45-minute and local-mean-time offsets: `format` rounds an offset
# to the minute, half up; `format_locale` truncates it toward zero.
TOKENS = "YYYY YY MMMM MMM MM DD HH hh mm ss SSS dddd ddd A a"
PYTHON = "%Y %y %B %b %m %d %H %I %M %S {ms} %A %a %p {lower}"
# Direct conversions whose C library meanings agree with the module's.
DIRECT = "%C %G %g %V %j %U %W %u %w %e %k %l %-d %_m %-I %0e %D %F %R %T %r %c %x %X %h %n %t %%"
ZONES = ["UTC", "America/New_York", "America/St_Johns", "Asia/Kolkata", "Europe/Paris", "Australia/Lord_Howe",
         "Pacific/Chatham", "Africa/Monrovia", "Europe/Amsterdam", "Europe/Dublin", "Asia/Kathmandu",
         "America/Sao_Paulo"]


def offset_text(seconds, colon, rounded):
    minutes = (abs(seconds) + 30) // 60 if rounded else abs(seconds) // 60
    return f"{'-' if seconds < 0 else '+'}{minutes // 60:02}{':' if colon else ''}{minutes % 60:02}"


@settings(max_examples=400, deadline=None)
@given(ms=st.integers(-2_208_902_400_000, 4_133_808_000_000), zone=st.sampled_from(ZONES))  # 1900 .. 2100
def test_tokens_agree_with_zoneinfo(ms, zone):
    local = dt.datetime.fromtimestamp(ms // 1000, zoneinfo.ZoneInfo(zone)).replace(microsecond=ms % 1000 * 1000)
    seconds = int(local.utcoffset().total_seconds())
    expected = local.strftime(PYTHON.format(ms=f"{ms % 1000:03}", lower=local.strftime("%p").lower()))
    v = T.from_unix_ms(ms, zone)
    assert v.format(TOKENS) == v.format_locale(TOKENS, "en") == expected
    assert v.format(DIRECT) == local.strftime(DIRECT)
    assert v.format("ZZ Z") == f"{offset_text(seconds, False, True)} {offset_text(seconds, True, True)}"
    assert v.format_locale("ZZ Z", None) == f"{offset_text(seconds, False, False)} {offset_text(seconds, True, False)}"
    assert v.format_locale("M D H h m s", None) == local.strftime("%-m %-d %-H %-I %-M %-S")
