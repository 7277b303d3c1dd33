"""What every fuzz harness shares: input drawing and the call contract.

A call into the module must either return a value of the promised type or
raise ValueError (a TimeError, or the interpreter's encoding error for lone
surrogates), TypeError (argument conversion) or OverflowError (an integer
beyond 64 bits). Anything else, or a message of the wrong shape, fails the
harness with an AssertionError so that libFuzzer keeps the input.
"""

import sys

import atheris

import quendreltime

T = quendreltime.quendrel_time
D = quendreltime.quendrel_duration

MIN_MS = -8_334_601_315_200_000
MAX_MS = 8_210_266_876_799_999
I64 = (-(2**63), 2**63 - 1)

# Zones whose history is awkward: whole-day gaps, half-hour and 45-minute
# offsets, local mean time with seconds, the extremes of the offset range.
ZONES = [
    None, "UTC", "utc", " Z ", "z", "", "Etc/UTC", "GMT", "US/Eastern", "Europe/Paris", "Europe/London",
    "America/New_York", "America/St_Johns", "Asia/Kolkata", "Asia/Kathmandu", "Pacific/Apia",
    "Pacific/Kiritimati", "Pacific/Chatham", "Australia/Lord_Howe", "Antarctica/Troll", "Africa/Monrovia",
    "Etc/GMT-14", "Etc/GMT+12", "America/Sao_Paulo", "Europe/Dublin", "Asia/Tehran", "Africa/Casablanca",
]
UNITS = ["ms", "millisecond", "milliseconds", "s", "sec", "second", "seconds", "m", "min", "minute", "minutes",
         "h", "hour", "hours", "d", "day", "days", "w", "week", "weeks", "mo", "month", "months", "q", "quarter",
         "quarters", "y", "year", "years", "M", " Days ", "mins", "date", "\u00a0h\u3000"]
FIELDS = ["millisecond", "ms", "second", "s", "minute", "m", "hour", "h", "day", "d", "D", "date", "month", "M",
          "quarter", "Q", "year", "y", "week", "iso_week", "dayOfYear", " Month "]
LOCALES = [None, "en", "fr", "es", "de", "pt", "EN", " fr ", "de-AT", "pt-BR", "es-419", "en-", "-en", "en_US",
           "it", "", "   "]
INCLUSIVITIES = [None, "()", "(]", "[)", "[]", "( )", "{}", "(", "[]]", "\u300c]"]

INTERESTING_INTS = [
    0, 1, -1, 7, 11, 12, 13, 24, 31, 53, 59, 60, 366, 999, 1000, 2**31 - 1, 2**31, -(2**31), -(2**31) - 1,
    2**32, 2**53, 2**62, 2**63 - 1, -(2**63), 2**63, -(2**63) - 1, 2**64, -(2**100), MIN_MS, MAX_MS,
    MIN_MS - 1, MAX_MS + 1, 262142, -262143, 262143, -262144, 9_223_372_036_854_775, 153_722_867_280_912,
    2_562_047_788_015, 106_751_991_167, 15_250_284_452, 106_751_991_168, 15_250_284_453,
]

# Pieces of date-time text; joined at random they reach the parsers' deeper
# branches far sooner than raw bytes do.
TEXT_PIECES = [
    "2024", "1970", "0000", "9999", "10000", "+262142", "-262143", "262143", "24", "85", "-", "\u2212", "+", "/",
    ":", "::", " ", "\t", "T", "t", "Z", "z", "01", "02", "12", "13", "29", "30", "31", "00", "23", "59", "60",
    "99", ".", ".5", ".123", ".123456789123", ",", "+05:30", "-03:30", "-04:56:02", "+0530", "+23:59", "+24:00",
    "-00:00",
    "am", "PM", "pm", "AM", "Mon", "tuesday", "January", "jan", "Dec", "\u00e9", "\U0001f600", "\x00", "%",
]
PATTERN_PIECES = [
    "YYYY", "YYY", "YY", "Y", "MMMM", "MMM", "MM", "M", "DD", "D", "dddd", "ddd", "dd", "d", "HH", "H", "hh",
    "h", "mm", "m", "ss", "s", "SSS", "SS", "S", "ZZ", "Z", "A", "a", "[", "]", "[at]", "%", "%%", "%Y", "%-d",
    "%_m", "%0e", "%:z", "%::z", "%.3f", "%3f", "%9f", "%.f", "%s", "%j", "%U", "%G", "%c", "%+", "%t", "%n",
    "%Q", "%E", " ", "-", "/", ":", ".", ",", "T", "at", "\u00e9", "\U0001f600", "\x00",
]

# Messages of the module's own errors; a ValueError must carry one of them.
ERROR_PREFIXES = (
    "Invalid timezone: ", "Invalid locale: ", "Invalid date input: ", "Invalid timestamp (ms): ",
    "Invalid unit: ", "Invalid field: ", "Invalid inclusivity: ", "Invalid components: ",
    "Invalid format pattern: ", "Date arithmetic overflow", "Local time ",
)
# Errors that carry the caller's text; the payload must be that text.
ECHOED = ("Invalid timezone: ", "Invalid unit: ", "Invalid field: ", "Invalid inclusivity: ",
          "Invalid format pattern: ")


class Draw:
    """Typed values drawn from one fuzz input."""

    def __init__(self, data):
        self.fdp = atheris.FuzzedDataProvider(data)

    def pick(self, options):
        return self.fdp.PickValueInList(options)

    def below(self, n):
        return self.fdp.ConsumeIntInRange(0, n - 1)

    def flag(self):
        return self.fdp.ConsumeBool()

    def raw_text(self):
        """Arbitrary text: lone surrogates and undecodable bytes included."""
        size = self.below(24)
        choice = self.below(3)
        if choice == 0:
            return self.fdp.ConsumeUnicode(size)
        if choice == 1:
            return self.fdp.ConsumeUnicodeNoSurrogates(size)
        # Invalid UTF-8 bytes become lone surrogates (U+DC80..U+DCFF).
        return self.fdp.ConsumeBytes(size).decode("utf-8", "surrogateescape")

    def composed(self, pieces):
        return "".join(self.pick(pieces) if self.below(8) else self.raw_text() for _ in range(self.below(12)))

    def text(self):
        return self.composed(TEXT_PIECES) if self.below(4) else self.raw_text()

    def pattern(self):
        return self.composed(PATTERN_PIECES) if self.below(4) else self.raw_text()

    def maybe_wrong(self, value):
        """Mostly the value itself; now and then an object of another type."""
        if self.below(16):
            return value
        return self.pick([None, 1, 1.0, b"UTC", ["x"], StrSubclass("UTC"), True, object()])

    def zone(self):
        return self.maybe_wrong(self.pick(ZONES) if self.below(6) else self.raw_text())

    def unit(self):
        return self.maybe_wrong(self.pick(UNITS) if self.below(6) else self.raw_text())

    def field(self):
        return self.maybe_wrong(self.pick(FIELDS) if self.below(6) else self.raw_text())

    def locale(self):
        return self.maybe_wrong(self.pick(LOCALES) if self.below(6) else self.raw_text())

    def integer(self):
        """Any Python integer, beyond 64 bits included; now and then an int-like."""
        choice = self.below(8)
        if choice < 3:
            value = self.pick(INTERESTING_INTS) + self.fdp.ConsumeIntInRange(-2, 2)
        elif choice < 6:
            value = self.fdp.ConsumeInt(self.pick([1, 2, 4, 8, 9, 16]))
        else:
            value = self.fdp.ConsumeIntInRange(-100_000, 100_000)
        if self.below(16):
            return value
        return self.pick([Index(value), bool(value & 1), float(value), str(value), None])

    def instant(self):
        """Milliseconds in the supported range, crowded toward its ends."""
        choice = self.below(4)
        if choice == 0:
            return MIN_MS + self.fdp.ConsumeIntInRange(0, 3 * 86_400_000)
        if choice == 1:
            return MAX_MS - self.fdp.ConsumeIntInRange(0, 3 * 86_400_000)
        if choice == 2:
            return self.fdp.ConsumeIntInRange(-(2**42), 2**42)  # 1830 to 2109
        return self.fdp.ConsumeIntInRange(MIN_MS, MAX_MS)

    def value(self):
        return T.from_unix_ms(self.instant(), self.pick([z for z in ZONES if z is not None] + [None]))


class StrSubclass(str):
    pass


class Index:
    """An int-like object that is not an int: conversion goes through __index__."""

    def __init__(self, value):
        self.value = value

    def __index__(self):
        return self.value


def has_surrogate(obj):
    if isinstance(obj, str):
        return any(0xD800 <= ord(c) <= 0xDFFF for c in obj)
    if isinstance(obj, (list, tuple)):
        return any(has_surrogate(item) for item in obj)
    return False


def too_wide(obj):
    value = obj.value if isinstance(obj, Index) else obj
    if isinstance(value, int) and not isinstance(value, bool):
        return not I64[0] <= value <= I64[1]
    if isinstance(obj, (list, tuple)):
        return any(too_wide(item) for item in obj)
    return False


def texts_of(args):
    for arg in args:
        if isinstance(arg, str):
            yield arg
        elif isinstance(arg, (list, tuple)):
            yield from texts_of(arg)


def check_error(error, args):
    """The exception is one the contract allows, with a message of the right shape."""
    message = str(error)
    if isinstance(error, UnicodeEncodeError):
        assert any(has_surrogate(a) for a in args), ("encoding error without a surrogate", args)
        return
    if isinstance(error, OverflowError):
        assert any(too_wide(a) for a in args), ("overflow without a wide integer", args, message)
        return
    if isinstance(error, TypeError):
        assert message.startswith("argument '"), ("argument error without its prefix", message)
        return
    assert type(error) is ValueError, ("exception outside the contract", type(error), message, args)
    assert message.startswith(ERROR_PREFIXES), ("unknown ValueError", message, args)
    for prefix in ECHOED:
        if message.startswith(prefix):
            payload = message[len(prefix):]
            # The payload is the caller's text, followed by the help, if any.
            assert any(payload.startswith(t) for t in texts_of(args)), ("payload not the caller's text", message)


def call(fn, *args, as_passed=None):
    """(True, result) or (False, exception) for an allowed exception. An error
    is checked against `as_passed` when given: the arguments as they were at
    the call, for arguments that change while the call reads them."""
    try:
        return True, fn(*args)
    except (ValueError, TypeError, OverflowError) as error:
        check_error(error, args if as_passed is None else as_passed)
        return False, error


def check_time(value):
    """A value the module hands out lies in range, resolves its zone and writes ISO text."""
    assert type(value) is T, type(value)
    ms = value.unix_ms()
    assert MIN_MS <= ms <= MAX_MS, ms
    assert value.is_valid()
    assert value.value_of() == ms and value.unix() == (ms // 1000 if ms >= 0 else -(-ms // 1000))
    zone = value.timezone()
    assert T.from_unix_ms(ms, zone).timezone() == zone
    assert repr(value).startswith("QuendrelTime(")
    ok, iso = call(value.to_iso)
    if not ok:
        # Only within a day of the range's ends can the local view fail.
        assert min(ms - MIN_MS, MAX_MS - ms) < 86_400_000, (ms, zone, iso)
        return
    assert isinstance(iso, str)
    # ISO text names its instant exactly: signed years and offsets with seconds too.
    back = T.parse(iso, zone).unix_ms()
    assert back == ms, (iso, ms, back)


def same_outcome(first, second):
    """Two routes to one operation agree: the same value or the same message."""
    (ok1, r1), (ok2, r2) = first, second
    assert ok1 == ok2, (r1, r2)
    if not ok1:
        assert type(r1) is type(r2) and str(r1) == str(r2), (r1, r2)
    elif type(r1) is T:
        assert (r1.unix_ms(), r1.timezone()) == (r2.unix_ms(), r2.timezone()), (r1, r2)
    else:
        assert r1 == r2, (r1, r2)
    return ok1


def fuzz(operations):
    """Runs libFuzzer; each input picks one of the operations and feeds it."""

    def test_one_input(data):
        draw = Draw(data)
        draw.pick(operations)(draw)

    atheris.Setup(sys.argv, test_one_input)
    atheris.Fuzz()
