"""Fuzzes the batch functions: parse_batch, parse_format_batch and
format_batch, against the single-value operations they repeat.

    python3 tools/fuzz/fuzz_batch.py [libFuzzer options] [corpus directory]
"""

import atheris

with atheris.instrument_imports():
    import contract
    from contract import T, call, has_surrogate, same_outcome


class ShrinkingIndex(contract.Index):
    """An item whose conversion cuts off the rest of the list that holds it.
    The batch must still answer for the list as it was passed."""

    def __init__(self, value, owner):
        super().__init__(value)
        self.owner = owner

    def __index__(self):
        del self.owner[1:]
        return self.value


def container(draw, items):
    """The items in a list, a tuple, or something that is not a sequence of them."""
    kind = draw.below(16)
    if kind < 10:
        return list(items)
    if kind < 14:
        return tuple(items)
    return draw.pick([lambda: "".join(map(str, items)), lambda: set(), lambda: iter(items), lambda: None])()


def plain_texts(items, *texts):
    """Every argument a str without lone surrogates (None allowed for texts)."""
    return all(type(i) is str and not has_surrogate(i) for i in items) and all(
        t is None or (type(t) is str and not has_surrogate(t)) for t in texts)


def first_failure(outcomes):
    """What a batch of these single outcomes must give."""
    values = []
    for ok, result in outcomes:
        if not ok:
            return False, result
        values.append(result.unix_ms())
    return True, values


@atheris.instrument_func
def parse_batch(draw):
    items = [draw.maybe_wrong(draw.text()) for _ in range(draw.below(5))]
    zone = draw.zone()
    args = container(draw, items)
    ok, result = call(T.parse_batch, args, zone)
    assert not ok or all(type(ms) is int for ms in result)
    if type(args) in (list, tuple) and plain_texts(items, zone) and call(T.now, zone)[0]:
        same_outcome((ok, result), first_failure(call(T.parse, item, zone) for item in items))


@atheris.instrument_func
def parse_format_batch(draw):
    items = [draw.maybe_wrong(draw.text()) for _ in range(draw.below(5))]
    pattern, zone = draw.maybe_wrong(draw.pattern()), draw.zone()
    args = container(draw, items)
    ok, result = call(T.parse_format_batch, args, pattern, zone)
    assert not ok or all(type(ms) is int for ms in result)
    if type(args) in (list, tuple) and type(pattern) is str and plain_texts(items, pattern, zone) \
            and call(T.now, zone)[0]:
        singles = (call(T.parse_format, item, pattern, zone) for item in items)
        same_outcome((ok, result), first_failure(singles))


@atheris.instrument_func
def format_batch(draw):
    millis = [draw.instant() if draw.below(4) else draw.integer() for _ in range(draw.below(5))]
    pattern, zone, locale = draw.maybe_wrong(draw.pattern()), draw.zone(), draw.locale()
    args = container(draw, millis)
    shrinking = draw.below(16) == 0 and type(args) is list and len(args) > 0
    if shrinking:
        args[0] = ShrinkingIndex(millis[0], args)
    as_passed = (list(args), pattern, zone, locale) if shrinking else None
    ok, result = call(T.format_batch, args, pattern, zone, locale, as_passed=as_passed)
    if not ok:
        return
    assert isinstance(result, list) and all(type(text) is str for text in result)
    if type(args) in (list, tuple):
        assert len(result) == len(millis), (len(result), len(millis))
    if type(args) in (list, tuple) and all(type(ms) is int for ms in millis):
        for ms, text in zip(millis, result):
            assert T.from_unix_ms(ms, zone).format_locale(pattern, locale) == text, (ms, pattern, zone)


OPERATIONS = [parse_batch, parse_format_batch, format_batch]


if __name__ == "__main__":
    contract.fuzz(OPERATIONS)
