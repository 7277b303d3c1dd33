"""Checking and timing one operation across libraries.

Each library does an operation as one statement, written the way its
documentation recommends. The statement is compiled into timeit's loop as
it stands, with every name it uses (bound methods, values, constants)
bound beforehand as a local of that loop, so a row costs the call itself
and nothing else: no lambda, no global lookup, no attribute lookup that
the caller could have hoisted.

Before anything is timed, each statement runs once with warnings turned
into errors and its result is compared with ours, so that a deprecated
spelling or a peer doing something else stops the run instead of
producing a figure.

Libraries take turns round by round, the order rotating each round, so a
noisy moment on the machine hits them all alike; each keeps its fastest
round.
"""

from __future__ import annotations

import math
import operator
import time
import timeit
import warnings
from dataclasses import dataclass, field
from typing import Callable

OURS = "quendreltime"


@dataclass(frozen=True)
class Statement:
    """One library's way of doing an operation."""

    code: str  # a single expression, timed as written
    names: dict  # what the expression refers to, bound before the loop
    key: Callable = lambda result: result  # result -> value compared with ours (not timed)


@dataclass
class Operation:
    name: str
    statements: dict[str, Statement]  # library -> statement; ours first
    key: Callable = lambda result: result  # default reading of every library's result
    same: Callable = operator.eq  # compares our keyed result with a peer's
    items: int = 1  # items handled per call, so batches report time per item
    results: dict[str, float] = field(default_factory=dict)  # library -> seconds per item


@dataclass(frozen=True)
class Budget:
    """Time spent per operation: a share of seconds for all its libraries
    together, in rounds of round_seconds, with at least `fewest` rounds (a
    million-item batch fills a round with one call) and at most `most`."""

    round_seconds: float
    seconds: float
    fewest: int
    most: int


class MismatchError(Exception):
    """A peer's statement gave another result than ours, or warned."""


def run_once(statement: Statement):
    # The names go in as globals so that a comprehension in the statement sees them.
    return eval(compile(statement.code, "<bench>", "eval"), dict(statement.names))


def check(operation: Operation) -> None:
    """Run every statement once, warnings as errors, and compare with ours."""
    keyed = {}
    for library, statement in operation.statements.items():
        with warnings.catch_warnings():
            warnings.simplefilter("error")
            try:
                result = run_once(statement)
                keyed[library] = operation.key(statement.key(result))
            except Exception as error:
                raise MismatchError(f"{operation.name}: {library} `{statement.code}` raised {error!r}") from error
    ours = keyed[OURS]
    for library, value in keyed.items():
        if not operation.same(ours, value):
            raise MismatchError(f"{operation.name}: {library} `{operation.statements[library].code}` "
                                f"gave {_short(value)}, ours {_short(ours)}")


def _short(value) -> str:
    text = repr(value)
    return text if len(text) < 120 else text[:117] + "..."


def make_timer(statement: Statement) -> timeit.Timer:
    """A timer whose loop evaluates the statement with its names as locals."""
    setup = "\n".join(f"{name} = _bound[{name!r}]" for name in statement.names) or "pass"
    return timeit.Timer(statement.code, setup, globals={"_bound": statement.names})


def calls_per_round(timer: timeit.Timer, round_seconds: float) -> tuple[int, float]:
    """How many calls make a round of about round_seconds (at least one),
    and how long that round takes."""
    number = 1
    while True:
        elapsed = timer.timeit(number)
        if elapsed >= round_seconds / 4:
            break
        number *= 4
    per_call = elapsed / number
    number = max(1, round(round_seconds / per_call))
    return number, number * per_call


def round_count(round_durations: list[float], budget: Budget) -> int:
    """Rounds that fit the operation's share of time, within the budget's bounds."""
    whole_round = sum(round_durations)
    return max(budget.fewest, min(budget.most, math.floor(budget.seconds / whole_round)))


def measure(operation: Operation, budget: Budget) -> None:
    """Fill operation.results with each library's fastest round, per item."""
    timers = {}
    for library, statement in operation.statements.items():
        timer = make_timer(statement)
        number, duration = calls_per_round(timer, budget.round_seconds)
        timers[library] = (timer, number, duration)
    rounds = round_count([t[2] for t in timers.values()], budget)
    libraries = list(timers)
    best = dict.fromkeys(libraries, math.inf)
    for turn in range(rounds):
        shift = turn % len(libraries)
        for library in libraries[shift:] + libraries[:shift]:
            timer, number, _ = timers[library]
            best[library] = min(best[library], timer.timeit(number) / number)
    operation.results = {library: best[library] / operation.items for library in libraries}


def run(operations: list[Operation], budget: Budget, progress: Callable[[str], None]) -> None:
    """Check every operation first, so a wrong peer fails in seconds, then time them."""
    for operation in operations:
        check(operation)
    for operation in operations:
        started = time.perf_counter()
        measure(operation, budget)
        progress(f"{operation.name}: {time.perf_counter() - started:.1f} s")
