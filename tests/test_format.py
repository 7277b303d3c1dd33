"""The token pattern formatter and the strftime conversions behind it."""

import datetime as dt
import zoneinfo

import pytest
from hypothesis import given, settings
from hypothesis import strategies as st

import quendreltime
from support import MAX_MS, MIN_MS

T = quendreltime.quendrel_time
CYCLE_MS = 146_097 * 86_400_000  # 400 Gregorian years


def at(y, mo, d, h=0, mi=0, s=0, ms=0, zone="UTC"):
    """A value at a local wall-clock reading (any year: shifted by 400-year cycles)."""
    cycles = 0
    while y + 400 * cycles < 1:
        cycles += 1
    while y + 400 * cycles > 9999:
        cycles -= 1
    local = dt.datetime(y + 400 * cycles, mo, d, h, mi, s, ms * 1000, tzinfo=zoneinfo.ZoneInfo(zone))
    return T.from_unix_ms(int(local.timestamp()) * 1000 + ms - cycles * CYCLE_MS, zone)


MORNING = at(2024, 3, 5, 7, 8, 9, 45)  # a Tuesday


class TestTokens:
    # Each of the seventeen tokens alone.
    @pytest.mark.parametrize(
        "pattern, expected",
        [("YYYY", "2024"), ("YY", "24"), ("MMMM", "March"), ("MMM", "Mar"), ("MM", "03"), ("DD", "05"),
         ("HH", "07"), ("hh", "07"), ("mm", "08"), ("ss", "09"), ("SSS", "045"), ("dddd", "Tuesday"),
         ("ddd", "Tue"), ("ZZ", "+0000"), ("Z", "+00:00"), ("A", "AM"), ("a", "am")],
    )
    def test_single_token(self, pattern, expected):
        assert MORNING.format(pattern) == expected

    @pytest.mark.parametrize(
        "pattern, expected",
        [
            ("YYYY-MM-DD HH:mm:ss.SSS", "2024-03-05 07:08:09.045"),
            ("ddd DD MMM YY", "Tue 05 Mar 24"),
            # Single letters that are no token stay literal.
            ("dddd, MMMM D", "Tuesday, March D"),
            ("Y M D d H h m s S", "Y M D d H h m s S"),
            # Leftmost-longest within one letter.
            ("YYYYYY", "202424"), ("YYY", "24Y"), ("MMMMM", "MarchM"), ("MMMMMM", "March03"), ("DDD", "05D"),
            ("ddddd", "Tuesdayd"), ("dd", "dd"), ("SSSS", "045S"), ("SS", "SS"), ("ZZZ", "+0000+00:00"),
            ("sss", "09s"), ("AA", "AMAM"),
            # Brackets protect nothing: the "a" of "at" is a meridiem.
            ("[at] HH:mm", "[amt] 07:08"),
            ("Hello", "Hello"), ("", ""), ("Zeit: HH", "+00:00eit: 07"),
            ("\u00e9t\u00e9 \u2014 YYYY \U0001f600", "\u00e9t\u00e9 \u2014 2024 \U0001f600"),
            (" \t\nHH\u3000", " \t\n07\u3000"),
        ],
    )
    def test_patterns(self, pattern, expected):
        assert MORNING.format(pattern) == expected

    # The 12-hour clock and the meridiem.
    @pytest.mark.parametrize(
        "h, mi, pattern, expected",
        [(0, 30, "hh:mm A", "12:30 AM"), (12, 0, "hh:mm A", "12:00 PM"), (13, 5, "hh:mm a", "01:05 pm"),
         (11, 59, "hh:mm a", "11:59 am"), (23, 0, "HH hh A", "23 11 PM"), (14, 0, "[at] HH:mm", "[pmt] 14:00")],
    )
    def test_twelve_hour_clock(self, h, mi, pattern, expected):
        assert at(2024, 3, 5, h, mi).format(pattern) == expected


class TestYears:
    # Four digits inside 0..9999, an explicit sign outside; YY never negative.
    @pytest.mark.parametrize(
        "year, yyyy, yy",
        [(33, "0033", "33"), (0, "0000", "00"), (9999, "9999", "99"), (10000, "+10000", "00"),
         (12345, "+12345", "45"), (-1, "-0001", "99"), (-100, "-0100", "00"), (-12345, "-12345", "55")],
    )
    def test_signed_years(self, year, yyyy, yy):
        assert at(year, 6, 1).format("YYYY|YY") == f"{yyyy}|{yy}"

    # The first and last supported instants.
    @pytest.mark.parametrize(
        "ms, zone, expected",
        [(MIN_MS, "UTC", "-262144-12-31 00:00:00.000 +00:00"),
         (MAX_MS, "UTC", "+262142-12-31 23:59:59.999 +00:00"),
         (MIN_MS, "Asia/Tokyo", "-262144-12-31 09:18:59.000 +09:19")],
    )
    def test_range_edges(self, ms, zone, expected):
        assert T.from_unix_ms(ms, zone).format("YYYY-MM-DD HH:mm:ss.SSS Z") == expected

    # A local reading that leaves the calendar cannot be written.
    @pytest.mark.parametrize("ms, zone", [(MIN_MS, "America/New_York"), (MAX_MS, "Asia/Tokyo")])
    def test_local_date_outside_the_range(self, ms, zone):
        with pytest.raises(ValueError, match="^Date arithmetic overflow$"):
            T.from_unix_ms(ms, zone).format("YYYY")


class TestOffsets:
    @pytest.mark.parametrize(
        "zone, month, z, zz",
        [("Asia/Kolkata", 1, "+05:30", "+0530"), ("Asia/Kolkata", 7, "+05:30", "+0530"),
         ("America/St_Johns", 1, "-03:30", "-0330"), ("America/St_Johns", 7, "-02:30", "-0230"),
         ("UTC", 1, "+00:00", "+0000"), ("America/New_York", 1, "-05:00", "-0500"),
         ("America/New_York", 7, "-04:00", "-0400"), ("Asia/Kathmandu", 1, "+05:45", "+0545"),
         ("Pacific/Kiritimati", 1, "+14:00", "+1400"), ("Pacific/Pago_Pago", 1, "-11:00", "-1100")],
    )
    def test_zone_offsets(self, zone, month, z, zz):
        assert at(2024, month, 15, 12, zone=zone).format("Z ZZ") == f"{z} {zz}"

    # Local mean time carries seconds: minutes round to the nearest, as in to_iso.
    @pytest.mark.parametrize(
        "zone, z, seconds",
        [("Europe/Brussels", "+00:18", "+00:17:30"), ("Europe/Dublin", "-00:25", "-00:25:21"),
         ("America/New_York", "-04:56", "-04:56:02"), ("Asia/Kolkata", "+05:53", "+05:53:28")],
    )
    def test_local_mean_time(self, zone, z, seconds):
        v = at(1850, 1, 1, 12, zone=zone)
        assert v.format("Z|ZZ|%::z|%:::z") == f"{z}|{z.replace(':', '')}|{seconds}|{seconds[:3]}"
        assert v.to_iso().endswith(z)


class TestPercent:
    @pytest.mark.parametrize(
        "pattern, expected",
        [("%%", "%"), ("100%% HH", "100% 07"),
         # A percent before a token joins its conversion: "%%" then a literal Y.
         ("%YYYY", "%Y"), ("%MMMM", "%B"), ("%A", "%p"), ("%ZZ", "%z"),
         # Direct conversions that no token touches.
         ("%Y-%m-%d", "2024-03-05"), ("%e|%k|%l", " 5| 7| 7"), ("%-e|%-m|%-H|%-j", "5|3|7|65"),
         ("%_m|%_d|%_H|%_j", " 3| 5| 7| 65"), ("%0e|%0k|%0l", "05|07|07"), ("%_Y|%-Y|%0C", "2024|2024|20"),
         ("%C|%y|%j|%w|%u|%U|%W|%G|%g|%V", "20|24|065|2|2|09|10|2024|24|10"),
         ("%B|%b|%h|%p|%P", "March|Mar|Mar|AM|am"),
         ("%D|%x|%F|%v", "03/05/24|03/05/24|2024-03-05| 5-Mar-2024"),
         ("%R|%T|%X|%r", "07:08|07:08:09|07:08:09|07:08:09 AM"),
         ("%c", "Tue Mar  5 07:08:09 2024"), ("%+", "2024-03-05T07:08:09.045+00:00"),
         ("%f|%.f|%.3f|%.6f|%.9f|%3f|%6f|%9f", "045000000|.045|.045|.045000|.045000000|045|045000|045000000"),
         ("%-f|%_f", "45000000| 45000000"),
         ("%z|%:z|%::z|%:::z", "+0000|+00:00|+00:00:00|+00"),
         ("%s", "1709622489045"[:-3]), ("%t|%n", "\t|\n")],
    )
    def test_direct_conversions(self, pattern, expected):
        assert MORNING.format(pattern) == expected

    # Whole seconds give no automatic fraction; %s floors before the epoch.
    @pytest.mark.parametrize(
        "ms, pattern, expected",
        [(0, "%.f|%s|%0s", "|0|000000000"), (-1, "%s|%.f", "-1|.999"), (-1001, "%s", "-2"),
         # "0" and "_" pad to nine characters, the sign included
         (-1000, "%s|%-s|%0s|%_s", "-1|-1|-00000001|       -1"), (1709622489045, "%0s", "1709622489"),
         (1, "%.f|%f", ".001|001000000")],
    )
    def test_fractions_and_timestamps(self, ms, pattern, expected):
        assert T.from_unix_ms(ms, "UTC").format(pattern) == expected

    # Signed years through the number paddings.
    @pytest.mark.parametrize(
        "year, pattern, expected",
        [(-1, "%Y|%-Y|%_Y|%C|%G", "-0001|-1|   -1|-1|-0001"), (12345, "%Y|%-Y|%_Y|%C", "+12345|+12345|+12345|123"),
         (33, "%Y|%-Y|%_Y|%C", "0033|33|  33|00")],
    )
    def test_signed_year_paddings(self, year, pattern, expected):
        assert at(year, 6, 1).format(pattern) == expected

    # Nothing partial: an invalid specifier fails the whole call.
    @pytest.mark.parametrize(
        "pattern",
        ["%", "HH %", "%Q", "%-", "%_", "%0", "%-B", "%_p", "%0D", "%-%", "%-+", "%:", "%::", "%::::z", "%:x",
         "%.", "%.4f", "%.3", "%3", "%4f", "%#z", "%E", "%O", "%\u00e9", "YYYY %q", "%\x00"],
    )
    def test_invalid_specifiers(self, pattern):
        with pytest.raises(ValueError) as info:
            MORNING.format(pattern)
        assert str(info.value) == "Invalid format pattern: " + pattern

    @pytest.mark.parametrize("bad", [None, 1, b"YYYY", ["YYYY"]])
    def test_pattern_must_be_text(self, bad):
        with pytest.raises(TypeError, match="^argument 'pattern': "):
            MORNING.format(bad)


# Every token against datetime + zoneinfo; the offset rounds to whole minutes.
TOKENS = "YYYY YY MMMM MMM MM DD HH hh mm ss SSS dddd ddd A a ZZ Z"
PYTHON = "%Y %y %B %b %m %d %H %I %M %S {ms} %A %a %p {lower} {zz} {z}"
# Direct conversions whose C library meanings agree with the module's.
DIRECT = "%C %G %g %V %j %U %W %u %w %e %k %l %-d %_m %-I %0e %D %F %R %T %r %c %x %X %h %n %t %%"
ZONES = ["UTC", "America/New_York", "America/St_Johns", "Asia/Kolkata", "Europe/Paris", "Australia/Lord_Howe",
         "Pacific/Chatham", "Africa/Monrovia", "Europe/Dublin", "Asia/Kathmandu", "America/Sao_Paulo"]


def offset_text(offset, colon):
    seconds = int(offset.total_seconds())
    minutes = (abs(seconds) + 30) // 60
    return f"{'-' if seconds < 0 else '+'}{minutes // 60:02}{':' if colon else ''}{minutes % 60:02}"


@settings(max_examples=400, deadline=None)
@given(
    ms=st.integers(-2_208_902_400_000, 4_133_808_000_000),  # 1900-01-02 .. 2100-12-30
    zone=st.sampled_from(ZONES),
)
def test_tokens_agree_with_zoneinfo(ms, zone):
    local = dt.datetime.fromtimestamp(ms // 1000, zoneinfo.ZoneInfo(zone)).replace(microsecond=ms % 1000 * 1000)
    offset = local.utcoffset()
    expected = local.strftime(
        PYTHON.format(ms=f"{ms % 1000:03}", lower=local.strftime("%p").lower(), zz=offset_text(offset, False),
                      z=offset_text(offset, True))
    )
    v = T.from_unix_ms(ms, zone)
    assert v.format(TOKENS) == expected
    assert v.format(DIRECT) == local.strftime(DIRECT)
