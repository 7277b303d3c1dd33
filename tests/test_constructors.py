"""Making values from the clock, Unix counts and component arrays."""

import time

import pytest

import quendreltime
from support import MAX_MS

T = quendreltime.quendrel_time
COMPONENTS_HINT = ". Use [year, month0, date, hour, minute, second, millisecond]"


class TestFromArray:
    @pytest.mark.parametrize(
        "components, expected",
        [
            ([2024], "2024-01-01T00:00:00.000Z"),
            ([2024, 1, 30], "2024-03-01T00:00:00.000Z"),  # 30 February carries into March
            ([2023, 1, 29], "2023-03-01T00:00:00.000Z"),
            ([2024, 12, 1], "2025-01-01T00:00:00.000Z"),  # month0 12 is January of the next year
            ([2024, -1, 1], "2023-12-01T00:00:00.000Z"),
            ([2024, -25, 1], "2021-12-01T00:00:00.000Z"),
            ([2024, 0, 0], "2023-12-31T00:00:00.000Z"),  # date 0 is the last day of the month before
            ([2024, 3, 31], "2024-05-01T00:00:00.000Z"),
            ([2024, 0, 1, 24], "2024-01-02T00:00:00.000Z"),
            ([2024, 0, 1, 0, -1], "2023-12-31T23:59:00.000Z"),
            ([2024, 0, 1, 0, 0, 0, -1], "2023-12-31T23:59:59.999Z"),
            ([2024, 0, 1, 0, 0, 86400], "2024-01-02T00:00:00.000Z"),
            ([2024, 1, 29, 13, 5, 9, 7], "2024-02-29T13:05:09.007Z"),
            ((2024, 5, 15), "2024-06-15T00:00:00.000Z"),
            ([-1, 0, 1], "-0001-01-01T00:00:00.000Z"),
            ([262142, 11, 31, 23, 59, 59, 999], "+262142-12-31T23:59:59.999Z"),
        ],
    )
    def test_carrying(self, components, expected):
        assert T.from_array(components, None).to_iso() == expected

    @pytest.mark.parametrize(
        "components, zone, expected",
        [
            ([2024, 2, 10, 2, 30], "America/New_York", "2024-03-10T03:00:00.000-04:00"),  # skipped
            ([2024, 10, 3, 1, 30], "America/New_York", "2024-11-03T01:30:00.000-04:00"),  # repeated: earlier
            ([2024, 0, 15, 10, 30], "Europe/Paris", "2024-01-15T10:30:00.000+01:00"),
        ],
    )
    def test_resolved_in_the_zone(self, components, zone, expected):
        assert T.from_array(components, zone).to_iso() == expected

    @pytest.mark.parametrize("count", [0, 8, 20])
    def test_item_count(self, count):
        with pytest.raises(ValueError) as info:
            T.from_array([1] * count, "Not/A_Zone")  # the count is checked before the zone
        assert str(info.value) == f"Invalid components: expected 1..=7 items, got {count}" + COMPONENTS_HINT

    @pytest.mark.parametrize(
        "components",
        [
            [2**31], [-(2**31) - 1], [262143], [-262145], [2024, 2**62], [2024, -(2**62)],
            [2024, 0, -(2**63)], [2024, 0, 2**63 - 1], [2024, 0, 1, 2**62], [2024, 0, 1, 0, 0, 0, -(2**63)],
            [262142, 11, 31, 24], [-262144, 11, 30], [2024, 0, 10**12],
            # each step must stay in range, even if a later one would come back
            [2024, 0, 10**9, -24 * 10**9],
        ],
    )
    def test_overflow(self, components):
        with pytest.raises(ValueError, match="^Date arithmetic overflow$"):
            T.from_array(components, None)

    def test_zone_is_resolved_before_the_range(self):
        with pytest.raises(ValueError, match="^Invalid timezone: Nowhere$"):
            T.from_array([2**40], "Nowhere")


class TestUnix:
    @pytest.mark.parametrize("seconds, ms", [(1, 1000), (-1, -1000), (0, 0), (8_210_266_876_799, 8_210_266_876_799_000)])
    def test_from_unix(self, seconds, ms):
        assert T.from_unix(seconds, None).unix_ms() == ms

    def test_from_unix_overflow_and_range(self):
        with pytest.raises(ValueError, match="^Date arithmetic overflow$"):
            T.from_unix(2**62, "Nowhere")  # the product is checked before the zone
        with pytest.raises(ValueError) as info:
            T.from_unix(10**13, None)
        assert str(info.value) == "Invalid timestamp (ms): 10000000000000000"

    def test_from_unix_ms_edges(self):
        assert T.from_unix_ms(MAX_MS, None).unix_ms() == MAX_MS
        with pytest.raises(ValueError) as info:
            T.from_unix_ms(MAX_MS + 1, None)
        assert str(info.value) == f"Invalid timestamp (ms): {MAX_MS + 1}"
        with pytest.raises(ValueError, match="^Invalid timezone: Nowhere$"):
            T.from_unix_ms(MAX_MS + 1, "Nowhere")


class TestNow:
    def test_now_reads_the_clock(self):
        before = time.time_ns() // 1_000_000
        v = T.now(None)
        after = time.time_ns() // 1_000_000
        assert before <= v.unix_ms() <= after
        assert v.timezone() == "UTC"
        assert T.now("Europe/Paris").timezone() == "Europe/Paris"

    def test_constructor_without_input_is_now(self):
        before = time.time_ns() // 1_000_000
        v = T(None, "Europe/Paris")
        assert v.unix_ms() >= before and v.timezone() == "Europe/Paris"
        with pytest.raises(ValueError, match="^Invalid timezone: x$"):
            T(None, "x")
        with pytest.raises(TypeError):
            T(T.now(None), None)
