"""parse_batch, parse_format_batch and format_batch."""

import random

import numpy as np
import pytest

import quendreltime
from support import MAX_MS, MIN_MS

T = quendreltime.quendrel_time

ZONES = ["UTC", "Europe/Paris", "America/New_York", "Asia/Kolkata", "Pacific/Apia", "Australia/Lord_Howe"]


def outcome(call):
    """A result or the error it raised, so that batches and single calls compare."""
    try:
        return call()
    except ValueError as e:
        return ("error", str(e))


def random_iso(rng):
    year = rng.choice([rng.randint(1, 9999), rng.randint(1960, 2040)])
    text = f"{year:04d}-{rng.randint(1, 13):02d}-{rng.randint(1, 31):02d}"
    form = rng.randrange(5)
    if form >= 1:
        text += rng.choice("T ") + f"{rng.randint(0, 23):02d}:{rng.randint(0, 59):02d}"
    if form >= 2:
        text += f":{rng.randint(0, 59):02d}.{rng.randint(0, 999):03d}"
    if form == 4:
        text += rng.choice(["Z", "+05:30", "-08:00"])
    return text


class TestAgreesWithSingleCalls:
    # The batch runs the same core as the single-value operation, element by element.
    def test_parse_batch(self):
        rng = random.Random(7)
        for zone in ZONES:
            texts = [random_iso(rng) for _ in range(500)]
            singles = [outcome(lambda: T.parse(t, zone).unix_ms()) for t in texts]
            good = [t for t, s in zip(texts, singles) if not isinstance(s, tuple)]
            assert T.parse_batch(good, zone) == [s for s in singles if not isinstance(s, tuple)]
            # all or nothing: the whole list fails with the first failing element's error
            first_bad = next(s for s in singles if isinstance(s, tuple))
            assert outcome(lambda: T.parse_batch(texts, zone)) == first_bad

    @pytest.mark.parametrize(
        "pattern", ["YYYY-MM-DD HH:mm", "DD/MM/YYYY hh:mm A", "ddd, DD MMM YYYY HH:mm:ss.SSS Z", "MMMM DD YY"]
    )
    def test_parse_format_batch(self, pattern):
        rng = random.Random(pattern)
        zone = rng.choice(ZONES)
        millis = [rng.randint(-2_000_000_000_000, 4_000_000_000_000) for _ in range(400)]
        texts = [T.from_unix_ms(ms, zone).format(pattern) for ms in millis]
        texts[::17] = ["not " + t for t in texts[::17]]
        singles = [outcome(lambda: T.parse_format(t, pattern, zone).unix_ms()) for t in texts]
        good = [t for t, s in zip(texts, singles) if not isinstance(s, tuple)]
        assert T.parse_format_batch(good, pattern, zone) == [s for s in singles if not isinstance(s, tuple)]
        assert outcome(lambda: T.parse_format_batch(texts, pattern, zone)) == singles[0]

    @pytest.mark.parametrize("locale", [None, "fr", "de-AT", "pt-BR", "es"])
    def test_format_batch(self, locale):
        rng = random.Random(locale)
        pattern = "[Day] dddd D MMMM YYYY, h:mm:ss.SSS a ZZ"
        for zone in ZONES:
            millis = [rng.randint(-10**14, 10**14) for _ in range(300)] + [MIN_MS + 86_400_000, MAX_MS - 86_400_000]
            expected = [T.from_unix_ms(ms, zone).format_locale(pattern, locale) for ms in millis]
            assert T.format_batch(millis, pattern, zone, locale) == expected


class TestParseBatch:
    def test_mixed_forms(self):
        result = T.parse_batch(["2024-01-15T10:30:00Z", "2024-01-15"], None)
        assert result == [1705314600000, 1705314600000 - 37_800_000]

    def test_first_failure_wins(self):
        with pytest.raises(ValueError, match="^Invalid date input: second$"):
            T.parse_batch(["2024-01-15", "second", "third"], None)

    def test_nonexistent_local_time(self):
        with pytest.raises(ValueError, match="^Local time 2011-12-30 10:00:00 does not exist in timezone Pacific/Apia$"):
            T.parse_batch(["2011-12-31", "2011-12-30 10:00"], "Pacific/Apia")

    def test_parse_format_batch(self):
        assert T.parse_format_batch(["15/01/2024", "16/01/2024"], "DD/MM/YYYY", "UTC") == [
            1705276800000,
            1705276800000 + 86_400_000,
        ]

    def test_parse_format_batch_error_names_element_and_pattern(self):
        with pytest.raises(ValueError) as e:
            T.parse_format_batch(["15/01/2024", "32/01/2024"], "DD/MM/YYYY", None)
        assert str(e.value) == "Invalid date input: 32/01/2024 (format: DD/MM/YYYY)"


class TestFormatBatch:
    @pytest.mark.parametrize(
        "millis, pattern, zone, locale, expected",
        [
            ([0], "YYYY-MM-DD HH:mm", "UTC", None, ["1970-01-01 00:00"]),
            ([0], "dddd D MMMM", "UTC", "fr", ["jeudi 1 janvier"]),
            # milliseconds are floored, before 1970 too
            ([-1], "YYYY-MM-DD HH:mm:ss.SSS", "UTC", None, ["1969-12-31 23:59:59.999"]),
            ([-1000, -999], "ss.SSS", None, None, ["59.000", "59.001"]),
            # brackets protect text here, unlike in `format`
            ([50_400_000], "[at] HH:mm", None, None, ["at 14:00"]),
            ([0], "HH:mm Z", "Asia/Kolkata", None, ["05:30 +05:30"]),
            ([], "YYYY", "Europe/Paris", "de", []),
            ([MIN_MS, MAX_MS], "YYYY-MM-DD HH:mm:ss.SSS", None, None,
             ["-262144-12-31 00:00:00.000", "262142-12-31 23:59:59.999"]),
        ],
    )
    def test_formats(self, millis, pattern, zone, locale, expected):
        assert T.format_batch(millis, pattern, zone, locale) == expected

    @pytest.mark.parametrize(
        "ms, zone",
        [
            (MAX_MS + 1, "UTC"),
            (MIN_MS - 1, "UTC"),
            (2**63 - 1, None),
            (-(2**63), None),
            # inside the calendar in UTC, but not in local time
            (MAX_MS, "Asia/Tokyo"),
            (MIN_MS, "America/New_York"),
        ],
    )
    def test_outside_the_calendar(self, ms, zone):
        with pytest.raises(ValueError) as e:
            T.format_batch([0, ms, 1], "YYYY", zone, None)
        assert str(e.value) == f"Invalid timestamp (ms): {ms}"

    def test_numpy_int64(self):
        millis = np.array([0, -1, 1705314600000], dtype=np.int64)
        assert T.format_batch(millis, "YYYY-MM-DD HH:mm:ss.SSS", None, None) == [
            "1970-01-01 00:00:00.000",
            "1969-12-31 23:59:59.999",
            "2024-01-15 10:30:00.000",
        ]


class TestArguments:
    CALLS = {
        "parse_batch": lambda items, zone="UTC", locale=None: T.parse_batch(items, zone),
        "parse_format_batch": lambda items, zone="UTC", locale=None: T.parse_format_batch(items, "YYYY-MM-DD", zone),
        "format_batch": lambda items, zone="UTC", locale=None: T.format_batch(items, "YYYY", zone, locale),
    }

    @pytest.mark.parametrize("name", CALLS)
    def test_sequences_are_read_in_iteration_order(self, name):
        items = ("2024-01-15", "1999-12-31") if name != "format_batch" else (0, 1705314600000)
        call = self.CALLS[name]
        expected = call(list(items))
        assert call(items) == expected
        # Subclasses are read through their own __iter__.
        for base in (list, tuple):
            backwards = type("Backwards", (base,), {"__iter__": lambda self: iter(base(base.__iter__(self))[::-1])})
            assert call(backwards(items[::-1])) == expected

    @pytest.mark.parametrize(
        "name, arg", [("parse_batch", "inputs"), ("parse_format_batch", "inputs"), ("format_batch", "unix_millis")]
    )
    def test_collections_refused(self, name, arg):
        call = self.CALLS[name]
        with pytest.raises(TypeError) as e:
            call("2024")
        assert str(e.value) == f"argument '{arg}': Can't extract `str` to `Vec`"
        for non_sequence, type_name in [({"2024"}, "set"), (iter(["2024"]), "list_iterator"), (5, "int")]:
            with pytest.raises(TypeError) as e:
                call(non_sequence)
            assert str(e.value) == f"argument '{arg}': '{type_name}' object cannot be cast as 'Sequence'"

    # Order of failures: element conversion, then the zone, then the locale, then elements.
    @pytest.mark.parametrize("name", ["parse_batch", "parse_format_batch"])
    def test_text_precedence(self, name):
        call = self.CALLS[name]
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
        with pytest.raises(ValueError, match="^Invalid timezone: Bad/Zone$"):
            call([], "Bad/Zone")
        with pytest.raises(ValueError, match="^Invalid timezone: Bad/Zone$"):
            call(["garbage"], "Bad/Zone")
        assert call([], None) == []

    def test_format_precedence(self):
        with pytest.raises(TypeError, match="^argument 'unix_millis': "):
            T.format_batch([0, "1"], "YYYY", "Bad/Zone", "xx")
        with pytest.raises(OverflowError):
            T.format_batch([0, 2**63], "YYYY", "Bad/Zone", "xx")
        with pytest.raises(ValueError, match="^Invalid timezone: Bad/Zone$"):
            T.format_batch([], "YYYY", "Bad/Zone", "xx")
        with pytest.raises(ValueError, match="^Invalid locale: xx$"):
            T.format_batch([], "YYYY", None, "xx")
        with pytest.raises(ValueError, match="^Invalid locale: xx$"):
            T.format_batch([MAX_MS + 1], "YYYY", None, "xx")
        with pytest.raises(TypeError, match="^argument 'locale': "):
            T.format_batch([0], "YYYY", None, 5)

    def test_every_parameter_required(self):
        with pytest.raises(TypeError):
            T.parse_batch(["2024-01-15"])
        with pytest.raises(TypeError):
            T.format_batch([0], "YYYY", None)
