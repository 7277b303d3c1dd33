"""Lists of values: our batch calls at growing sizes against the peers'
list comprehensions and pandas, and a plain loop parsing into objects.

Every library starts from the same Python list (texts, or epoch
milliseconds as ints) and the time is reported per item. Ours returns
ints or text, as its batch calls do; the comprehensions build the peer's
own objects.
"""

from __future__ import annotations

import datetime as dt

from harness import Operation, Statement
from operations import PARIS, PATTERN, STRFTIME
from peers import QuendrelTime, ciso8601, instants, pandas, text_list, whenever

SIZES = (1_000, 10_000, 100_000, 1_000_000)
LOOP_SIZE = 10_000
FIRST_SECOND = 1_704_067_200  # 2024-01-01T00:00:00Z
STEP_SECONDS = 37  # about a year and two months of distinct instants over a million items


def rfc3339_texts(count: int) -> list[str]:
    """Distinct "2024-01-01T00:00:37Z"-style texts, written by the standard library."""
    utc = dt.timezone.utc
    return [dt.datetime.fromtimestamp(FIRST_SECOND + i * STEP_SECONDS, utc).strftime("%Y-%m-%dT%H:%M:%SZ")
            for i in range(count)]


def epoch_millis(count: int) -> list[int]:
    return [(FIRST_SECOND + i * STEP_SECONDS) * 1000 + i % 1000 for i in range(count)]


def size_label(count: int) -> str:
    return f"1e{len(str(count)) - 1}"


def library_functions() -> dict[str, dict]:
    """Per installed library: the functions its batch statements call."""
    functions = {
        "quendreltime": dict(parse_batch=QuendrelTime.parse_batch, format_batch=QuendrelTime.format_batch,
                             parse=QuendrelTime.parse),
        "datetime": dict(fromisoformat=dt.datetime.fromisoformat),
    }
    if whenever:
        functions["whenever"] = dict(parse_instant=whenever.Instant.parse_iso,
                                     from_timestamp=whenever.Instant.from_timestamp)
    if pandas:
        functions["pandas"] = dict(to_datetime=pandas.to_datetime)
    if ciso8601:
        functions["ciso8601"] = dict(parse_datetime=ciso8601.parse_datetime)
    constants = dict(PARIS=PARIS, PATTERN=PATTERN, STRFTIME=STRFTIME)
    return {library: dict(constants, **names) for library, names in functions.items()}


FUNCTIONS = library_functions()

# A peer without a batch call parses a list as a comprehension of single parses.
OBJECT_LOOPS = {
    "whenever": "[parse_instant(text) for text in texts]",
    "ciso8601": "[parse_datetime(text) for text in texts]",
}


def per_item(title: str, inputs_name: str, inputs: list, key, codes: dict[str, str]) -> Operation:
    """An operation over a whole list, timed per item; each installed
    library's code runs with its functions and the list under inputs_name."""
    statements = {library: Statement(code, dict(FUNCTIONS[library], **{inputs_name: inputs}))
                  for library, code in codes.items() if library in FUNCTIONS}
    return Operation(f"{title} {size_label(len(inputs))} (per item)", statements, key=key, items=len(inputs))


def parse_batch(texts: list[str]) -> Operation:
    return per_item("parse_batch", "texts", texts, instants, {
        "quendreltime": "parse_batch(texts, None)",
        **OBJECT_LOOPS,
        "pandas": "to_datetime(texts, utc=True, format='ISO8601')",
    })


def format_batch(millis: list[int]) -> Operation:
    return per_item("format_batch", "millis", millis, text_list, {
        "quendreltime": "format_batch(millis, PATTERN, PARIS, None)",
        "whenever": "[from_timestamp(ms, unit='millisecond').to_tz(PARIS).format(PATTERN) for ms in millis]",
        "pandas": "to_datetime(millis, unit='ms', utc=True).tz_convert(PARIS).strftime(STRFTIME)",
    })


def parse_loop(texts: list[str]) -> Operation:
    """What a caller without a batch call writes: one object per text."""
    return per_item("parse loop into objects", "texts", texts, instants, {
        "quendreltime": "[parse(text, None) for text in texts]",
        **OBJECT_LOOPS,
        "datetime": "[fromisoformat(text) for text in texts]",
    })


def batch_operations(sizes=SIZES) -> list[Operation]:
    all_texts = rfc3339_texts(max(sizes))
    all_millis = epoch_millis(max(sizes))
    operations = [parse_loop(all_texts[:LOOP_SIZE])]
    operations += [parse_batch(all_texts[:size]) for size in sizes]
    operations += [format_batch(all_millis[:size]) for size in sizes]
    return operations
