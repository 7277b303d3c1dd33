"""Relative-time text: from_now, to_now, from_time and to_time."""

import re

import pytest
from hypothesis import given, settings
from hypothesis import strategies as st

import quendreltime

T = quendreltime.quendrel_time
D = quendreltime.quendrel_duration
BASE_MS = 1_700_000_000_000
DAY_MS = 86_400_000

# (milliseconds, body): each threshold and one millisecond below it.
THRESHOLDS = [
    (0, "a few seconds"),
    (44_999, "a few seconds"),
    (45_000, "a minute"),
    (89_999, "a minute"),
    (90_000, "2 minutes"),
    (2_699_999, "45 minutes"),
    (2_700_000, "an hour"),
    (5_399_999, "an hour"),
    (5_400_000, "2 hours"),
    (79_199_999, "22 hours"),
    (79_200_000, "a day"),
    (129_599_999, "a day"),
    (129_600_000, "2 days"),
    (2_246_399_999, "26 days"),
    (2_246_400_000, "a month"),
    (3_887_999_999, "a month"),
    (3_888_000_000, "2 months"),
    (27_647_999_999, "11 months"),
    (27_648_000_000, "a year"),
    (47_347_199_999, "a year"),
    (47_347_200_000, "2 years"),
    (365 * DAY_MS, "a year"),
    (730 * DAY_MS, "2 years"),
]

# Counts round halves away from zero, not to even.
HALVES = [
    (149_999, "2 minutes"),
    (150_000, "3 minutes"),
    (9_000_000, "3 hours"),
    (216_000_000, "3 days"),
    (6_480_000_000, "3 months"),
    (78_840_000_000, "3 years"),
]


def pair(difference_ms):
    """Two values whose difference (first minus second) is difference_ms."""
    return T.from_unix_ms(BASE_MS + difference_ms, "UTC"), T.from_unix_ms(BASE_MS, "Asia/Kolkata")


class TestThresholds:
    @pytest.mark.parametrize("ms, body", THRESHOLDS + HALVES)
    def test_future(self, ms, body):
        later, earlier = pair(ms)
        expected = body + " ago" if ms == 0 else "in " + body
        assert later.from_time(earlier, False) == expected
        assert earlier.to_time(later, None) == expected

    @pytest.mark.parametrize("ms, body", THRESHOLDS + HALVES)
    def test_past(self, ms, body):
        later, earlier = pair(ms)
        assert earlier.from_time(later, None) == body + " ago"
        assert later.to_time(earlier, False) == body + " ago"

    @pytest.mark.parametrize("ms, body", THRESHOLDS)
    def test_without_suffix(self, ms, body):
        later, earlier = pair(ms)
        assert later.from_time(earlier, True) == body
        assert earlier.from_time(later, True) == body
        assert later.to_time(earlier, True) == body


class TestEnds:
    # The magnitude of -2^63 is 2^63; both ends read as the same count.
    @pytest.mark.parametrize(
        "ms, text",
        [
            (2**63 - 1, "in 292471209 years"),
            (-(2**63), "292471209 years ago"),
            (-(2**63) + 1, "292471209 years ago"),
        ],
    )
    def test_64_bit_ends(self, ms, text):
        assert D.from_milliseconds(ms).humanize(True) == text

    def test_range_ends_of_values(self):
        first = T.from_unix_ms(-8_334_601_315_200_000, None)
        last = T.from_unix_ms(8_210_266_876_799_999, None)
        assert last.from_time(first, None) == "in 524634 years"
        assert first.from_time(last, True) == "524634 years"


class TestNow:
    def test_from_now_and_to_now(self):
        ahead = T.from_unix_ms(T.now(None).unix_ms() + 2 * 3_600_000 + 60_000, "America/Denver")
        assert ahead.from_now(None) == "in 2 hours"
        assert ahead.from_now(False) == "in 2 hours"
        assert ahead.to_now(None) == "2 hours ago"
        assert ahead.to_now(True) == "2 hours"

    def test_value_from_the_past(self):
        behind = T.from_unix_ms(T.now(None).unix_ms() - 3 * DAY_MS, "Europe/Paris")
        assert behind.from_now(None) == "3 days ago"
        assert behind.to_now(None) == "in 3 days"

    def test_same_instant_reads_as_past(self):
        value = T.parse("2024-03-05T14:30:00Z", None)
        assert value.from_time(value, None) == "a few seconds ago"
        assert value.to_time(value, None) == "a few seconds ago"


class TestArguments:
    # Only True, False and None are flags; an int is not.
    @pytest.mark.parametrize("flag", [1, 0, "yes"])
    def test_flag_must_be_bool(self, flag):
        value = T.from_unix_ms(0, None)
        with pytest.raises(TypeError, match="^argument 'without_suffix': "):
            value.from_now(flag)
        with pytest.raises(TypeError, match="^argument 'without_suffix': "):
            value.to_time(value, flag)

    @pytest.mark.parametrize("other", [None, 0, "2024-01-01", D.from_milliseconds(0)])
    def test_other_must_be_a_time(self, other):
        with pytest.raises(TypeError, match="^argument 'other': "):
            T.from_unix_ms(0, None).from_time(other, None)

    def test_parameters_are_required(self):
        with pytest.raises(TypeError, match=r"^QuendrelTime\.from_now\(\) missing"):
            T.from_unix_ms(0, None).from_now()


# What a body claims, in seconds, for the property below.
UNIT_SECONDS = {"minute": 60, "hour": 3_600, "day": 86_400, "month": 2_592_000, "year": 31_536_000}


def claimed_seconds(body):
    if body == "a few seconds":
        return 0
    match = re.fullmatch(r"(an?|\d+) (minute|hour|day|month|year)s?", body)
    assert match, body
    count = 1 if match[1] in ("a", "an") else int(match[1])
    return count * UNIT_SECONDS[match[2]]


MAGNITUDES = st.integers(min_value=0, max_value=4_000 * 365 * DAY_MS)


class TestProperties:
    @settings(max_examples=300)
    @given(MAGNITUDES, MAGNITUDES)
    def test_text_grows_with_the_distance(self, a, b):
        near, far = sorted((a, b))
        assert claimed_seconds(D.from_milliseconds(near).humanize(None)) <= claimed_seconds(
            D.from_milliseconds(far).humanize(None)
        )

    @settings(max_examples=300)
    @given(st.integers(min_value=45_000, max_value=4_000 * 365 * DAY_MS))
    def test_text_stays_close_to_the_distance(self, ms):
        # The bands are chosen so that no reading is off by more than a third.
        ratio = claimed_seconds(D.from_milliseconds(ms).humanize(False)) / (ms / 1000)
        assert 0.66 <= ratio <= 1.34

    @settings(max_examples=200)
    @given(st.integers(min_value=-(10**13), max_value=10**13))
    def test_direction_only_changes_the_suffix(self, ms):
        later, earlier = pair(ms)
        body = later.from_time(earlier, True)
        assert earlier.from_time(later, True) == body
        assert later.from_time(earlier, None) == (f"in {body}" if ms > 0 else f"{body} ago")
        assert later.from_time(earlier, None) == earlier.to_time(later, None)
