"""Values, limits and the zoneinfo oracle that the test files share."""

import datetime as dt
import functools
import importlib.resources
import zoneinfo
from zoneinfo import _zoneinfo

import pytest

import quendreltime

T = quendreltime.quendrel_time
D = quendreltime.quendrel_duration
UTC = dt.timezone.utc
EPOCH = dt.datetime(1970, 1, 1, tzinfo=UTC)

# The first and last instants of the supported calendar.
MIN_MS = -8_334_601_315_200_000
MAX_MS = 8_210_266_876_799_999
I64_MIN, I64_MAX = -(2**63), 2**63 - 1
HOUR, DAY = 3_600_000, 86_400_000

OVERFLOW = "^Date arithmetic overflow$"
UNIT_HELP = ". Use one of: millisecond, second, minute, hour, day, week, month, quarter, year"
FIELD_HELP = ". Use one of: millisecond, second, minute, hour, day, date, month, quarter, year"

# Every zone of the pinned tzdata release, as the module's table holds them.
ALL_ZONES = [
    name for name in importlib.resources.files("tzdata").joinpath("zones").read_text().split() if name != "Factory"
]


def at(y, mo, d, h=0, mi=0, s=0, ms=0, zone="UTC"):
    """A value at a local reading, the month counted from 1."""
    return T.from_array([y, mo - 1, d, h, mi, s, ms], zone)


def ms(value, zone="UTC"):
    return T.from_unix_ms(value, zone)


def message_of(call, error=ValueError):
    with pytest.raises(error) as info:
        call()
    return str(info.value)


def utc_ms(text):
    """Milliseconds of an ISO reading in UTC."""
    return as_ms(dt.datetime.fromisoformat(text).replace(tzinfo=UTC))


def as_ms(aware):
    return (aware - EPOCH) // dt.timedelta(milliseconds=1)


def reading(value_ms, zone):
    """The naive local reading of an instant, by zoneinfo."""
    return (EPOCH + dt.timedelta(milliseconds=value_ms)).astimezone(zoneinfo.ZoneInfo(zone)).replace(tzinfo=None)


# Local readings to instants, written out with zoneinfo: a reading held by
# one instant gives it, by two the earlier, by none (a gap) the first reading
# that exists, a minute at a time, within three hours.
def instants(naive, zone):
    """Milliseconds of the instants whose reading is `naive`."""
    z = zoneinfo.ZoneInfo(zone)
    aware = [naive.replace(tzinfo=z, fold=fold) for fold in (0, 1)]
    return sorted({as_ms(x) for x in aware if x.astimezone(UTC).astimezone(z).replace(tzinfo=None) == naive})


def resolve(naive, zone):
    for step in range(181):
        if found := instants(naive + dt.timedelta(minutes=step), zone):
            return found[0]
    return None


@functools.cache
def change_values():
    """(zone, ms) around every listed change of offset of every zone: just
    before and at it, and before, at the start of, inside, at the end of and
    after the readings it skips or repeats; a change zones share, once."""
    values, seen = [], set()
    for zone in ALL_ZONES:
        # The pure-Python reader keeps the transitions where a test can see them.
        tz = _zoneinfo.ZoneInfo.no_cache(zone)
        offsets = [tz._tti_before.utcoff] + [t.utcoff for t in tz._ttinfos]
        for change, before, after in zip(tz._trans_utc, offsets, offsets[1:]):
            span = abs(int((after - before).total_seconds())) * 1000
            if span and (change, before, after) not in seen:
                seen.add((change, before, after))
                values += [(zone, change * 1000 + d) for d in (-span - 1, -span, -1, 0, span // 2, span - 1, span)]
    return values
