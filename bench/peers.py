"""The peer libraries, each optional, and a common reading of their results.

Every library answers in its own types; before anything is timed, the
results are brought to plain values (epoch milliseconds, an offset in
minutes, text, numbers) and compared with ours.
"""

from __future__ import annotations

import calendar
import datetime as dt
import importlib

import quendreltime

QuendrelTime = quendreltime.quendrel_time

# Columns of the table, in this order; quendreltime comes first.
PEERS = ("whenever", "datetime", "pendulum", "arrow", "pandas", "ciso8601")


def optional(name):
    """The module, or None when it is not installed (its rows stay empty)."""
    try:
        return importlib.import_module(name)
    except ImportError:
        return None


whenever = optional("whenever")
pendulum = optional("pendulum")
arrow = optional("arrow")
pandas = optional("pandas")
ciso8601 = optional("ciso8601")
relativedelta = getattr(optional("dateutil.relativedelta"), "relativedelta", None)


def instant_and_offset(value) -> tuple[int, int]:
    """(epoch milliseconds, UTC offset in minutes) of any library's date-time.

    Sub-millisecond digits are floored, so that a peer's last nanosecond of
    a month matches our last millisecond.
    """
    if isinstance(value, QuendrelTime):
        return value.unix_ms(), value.utc_offset()
    if arrow is not None and isinstance(value, arrow.Arrow):
        value = value.datetime
    if isinstance(value, dt.datetime):  # datetime, pendulum, ciso8601
        # From fields, not by subtraction: pendulum overloads the difference of two datetimes.
        seconds = calendar.timegm(value.utctimetuple())
        return seconds * 1000 + value.microsecond // 1000, int(value.utcoffset().total_seconds()) // 60
    if isinstance(value, whenever.Instant):
        return value.timestamp(unit="millisecond"), 0
    return value.timestamp(unit="millisecond"), int(value.offset.total("minutes"))  # whenever, with an offset


def instant(value) -> int:
    """Epoch milliseconds alone, for results whose zone differs by design
    (ours reads an offset text into UTC; a peer may keep the offset)."""
    return instant_and_offset(value)[0]


def instants(values) -> list[int]:
    """Epoch milliseconds of a whole batch: our integers, a peer's objects,
    or a pandas index."""
    if pandas is not None and isinstance(values, pandas.DatetimeIndex):
        return values.as_unit("ms").asi8.tolist()
    return [v if isinstance(v, int) else instant(v) for v in values]


def text_list(values) -> list[str]:
    """A batch of text as a plain list, whatever container it came in."""
    return list(values)


def same_moment(ours, peer) -> bool:
    """For "now": both read the clock a moment apart, in the same zone."""
    return ours[1] == peer[1] and abs(ours[0] - peer[0]) < 2_000
