"""parse_batch, parse_format_batch and format_batch: the single-value
operations over a list, all or nothing, and the order in which they fail."""

import random

import numpy as np
import pytest

from support import MAX_MS, MIN_MS, T, message_of

ZONES = ["UTC", "Europe/Paris", "America/New_York", "Asia/Kolkata", "Pacific/Apia", "Australia/Lord_Howe"]


def outcome(call):
    """A result or the error it raised, so that batches and single calls compare."""
    try:
        return call()
    except ValueError as e:
        return "error", str(e)


def random_iso(rng):
    year = rng.choice([rng.randint(1, 9999), rng.randint(1960, 2040)])
    text = f"{year:04d}-{rng.randint(1, 13):02d}-{rng.randint(1, 31):02d}"
    form = rng.randrange(5)
    if form >= 1:
        text += rng.choice("T ") + f"{rng.randint(0, 23):02d}:{rng.randint(0, 59):02d}"
    if form >= 2:
        text += f":{rng.randint(0, 59):02d}.{rng.randint(0, 999):03d}"
    return text + (rng.choice(["Z", "+05:30", "-08:00"]) if form == 4 else "")


# The batch runs the same core as the single-value operation, element by
# element; the whole list fails with the first failing element's error.
@pytest.mark.parametrize("zone", ZONES)
def test_batches_agree_with_single_calls(zone):
    rng = random.Random(zone)
    pattern = "ddd, DD MMM YYYY hh:mm:ss.SSS A Z"
    millis = [rng.randint(-10**14, 10**14) for _ in range(100)] + [MIN_MS + 86_400_000, MAX_MS - 86_400_000]
    formatted = [T.from_unix_ms(ms, zone).format(pattern) for ms in millis[:100]]
    formatted[::17] = ["not " + t for t in formatted[::17]]
    for batch, single, items in [
        (lambda items: T.parse_batch(items, zone), lambda t: T.parse(t, zone).unix_ms(),
         [random_iso(rng) for _ in range(200)]),
        (lambda items: T.parse_format_batch(items, pattern, zone),
         lambda t: T.parse_format(t, pattern, zone).unix_ms(), formatted),
    ]:
        singles = [outcome(lambda: single(t)) for t in items]
        assert batch([t for t, s in zip(items, singles) if type(s) is int]) == [s for s in singles if type(s) is int]
        assert outcome(lambda: batch(items)) == next(s for s in singles if type(s) is tuple)
    for locale in (None, "fr", "de-AT", "pt-BR", "es"):
        pattern = "[Day] dddd D MMMM YYYY, h:mm:ss.SSS a ZZ"
        expected = [T.from_unix_ms(ms, zone).format_locale(pattern, locale) for ms in millis]
        assert T.format_batch(millis, pattern, zone, locale) == expected


class TestFormatBatch:
    @pytest.mark.parametrize("millis, pattern, zone, locale, expected", [
        ([-1000, -999], "ss.SSS", None, None, ["59.000", "59.001"]),  # milliseconds floored, before 1970 too
        ([], "YYYY", "Europe/Paris", "de", []),
        ([MIN_MS, MAX_MS], "YYYY-MM-DD HH:mm:ss.SSS", None, None,
         ["-262144-12-31 00:00:00.000", "262142-12-31 23:59:59.999"]),
        (np.array([0, 1705314600000], dtype=np.int64), "YYYY-MM-DD HH:mm", "Asia/Kolkata", None,
         ["1970-01-01 05:30", "2024-01-15 16:00"]),
    ])
    def test_formats(self, millis, pattern, zone, locale, expected):
        assert T.format_batch(millis, pattern, zone, locale) == expected

    @pytest.mark.parametrize("ms, zone", [
        (MAX_MS + 1, "UTC"), (MIN_MS - 1, "UTC"), (2**63 - 1, None), (-(2**63), None),
        # inside the calendar in UTC, but not in local time
        (MAX_MS, "Asia/Tokyo"), (MIN_MS, "America/New_York"),
    ])
    def test_outside_the_calendar(self, ms, zone):
        assert message_of(lambda: T.format_batch([0, ms, 1], "YYYY", zone, None)) == f"Invalid timestamp (ms): {ms}"


class TestParseBatch:
    @pytest.mark.parametrize("call, message", [
        (lambda: T.parse_batch(["2024-01-15", "second", "third"], None), "Invalid date input: second"),
        (lambda: T.parse_batch(["2011-12-31", "2011-12-30 10:00"], "Pacific/Apia"),
         "Local time 2011-12-30 10:00:00 does not exist in timezone Pacific/Apia"),
        (lambda: T.parse_format_batch(["15/01/2024", "32/01/2024"], "DD/MM/YYYY", None),
         "Invalid date input: 32/01/2024 (format: DD/MM/YYYY)"),
    ])
    def test_first_failure_wins(self, call, message):
        assert message_of(call) == message


CALLS = {
    "parse_batch": lambda items, zone="UTC", locale=None: T.parse_batch(items, zone),
    "parse_format_batch": lambda items, zone="UTC", locale=None: T.parse_format_batch(items, "YYYY-MM-DD", zone),
    "format_batch": lambda items, zone="UTC", locale=None: T.format_batch(items, "YYYY", zone, locale),
}


@pytest.mark.parametrize("name", CALLS)
def test_sequences_are_read_in_iteration_order(name):
    items = ("2024-01-15", "1999-12-31") if name != "format_batch" else (0, 1705314600000)
    call = CALLS[name]
    expected = call(list(items))
    assert call(items) == expected
    # Subclasses are read through their own __iter__.
    for base in (list, tuple):
        backwards = type("Backwards", (base,), {"__iter__": lambda self: iter(base(base.__iter__(self))[::-1])})
        assert call(backwards(items[::-1])) == expected


class TestPrecedence:
    # Element conversion, then the zone, then the locale, then the elements' values.
    @pytest.mark.parametrize("name", ["parse_batch", "parse_format_batch"])
    def test_texts(self, name):
        call = CALLS[name]
        with pytest.raises(TypeError, match="^argument 'inputs': "):
            call(["2024", 2024], "Bad/Zone")
        # Every item converts before anything after the list is looked at:
        # a later argument, or an earlier text that does not read.
        with pytest.raises(TypeError, match="^argument 'inputs': "):
            call(["2024", 2024], 7)
        with pytest.raises(TypeError, match="^argument 'inputs': "):
            call(["garbage", "2024", 2024], None)
        with pytest.raises(UnicodeEncodeError):
            call(["garbage", "\ud800"], None)
        assert message_of(lambda: call([], "Bad/Zone")) == "Invalid timezone: Bad/Zone"
        assert message_of(lambda: call(["garbage"], "Bad/Zone")) == "Invalid timezone: Bad/Zone"
        assert call([], None) == []

    def test_format(self):
        with pytest.raises(TypeError, match="^argument 'unix_millis': "):
            T.format_batch([0, "1"], "YYYY", "Bad/Zone", "xx")
        with pytest.raises(OverflowError):
            T.format_batch([0, 2**63], "YYYY", "Bad/Zone", "xx")
        assert message_of(lambda: T.format_batch([], "YYYY", "Bad/Zone", "xx")) == "Invalid timezone: Bad/Zone"
        assert message_of(lambda: T.format_batch([], "YYYY", None, "xx")) == "Invalid locale: xx"
        assert message_of(lambda: T.format_batch([MAX_MS + 1], "YYYY", None, "xx")) == "Invalid locale: xx"
        with pytest.raises(TypeError, match="^argument 'locale': "):
            T.format_batch([0], "YYYY", None, 5)
