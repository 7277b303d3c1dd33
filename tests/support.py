"""Constants shared by the test files."""

import functools
import importlib.resources
from zoneinfo import _zoneinfo

# The first and last instants of the supported calendar.
MIN_MS = -8_334_601_315_200_000
MAX_MS = 8_210_266_876_799_999

OVERFLOW = "^Date arithmetic overflow$"
UNIT_HELP = ". Use one of: millisecond, second, minute, hour, day, week, month, quarter, year"
FIELD_HELP = ". Use one of: millisecond, second, minute, hour, day, date, month, quarter, year"

# Every zone of the pinned tzdata release, as the module's table holds them.
ALL_ZONES = [
    name for name in importlib.resources.files("tzdata").joinpath("zones").read_text().split() if name != "Factory"
]


@functools.cache
def change_values():
    """(zone, ms) around every listed change of offset of every zone: just
    before and at the change, and before, at the start of, inside, at the end
    of and after the span of readings it skips or repeats. A change that
    several zones share (the same instant and offsets) is listed once."""
    values, seen = [], set()
    for zone in ALL_ZONES:
        # The pure-Python reader keeps the transitions where a test can see them.
        tz = _zoneinfo.ZoneInfo.no_cache(zone)
        offsets = [tz._tti_before.utcoff] + [t.utcoff for t in tz._ttinfos]
        for at, before, after in zip(tz._trans_utc, offsets, offsets[1:]):
            span = abs(int((after - before).total_seconds())) * 1000
            if span and (at, before, after) not in seen:
                seen.add((at, before, after))
                values += [(zone, at * 1000 + d) for d in (-span - 1, -span, -1, 0, span // 2, span - 1, span)]
    return values
