#!/usr/bin/env python3
"""How many small faults in src/ does the test suite notice?

Plants one one-line fault at a time in src/**/*.cpp and *.h (a swapped
comparison, sign or logical operator, an integer constant moved by one, a
flipped boolean, a dropped negation, a return value replaced by `{}`),
rebuilds incrementally in build/mutation (no link-time optimisation, so a
rebuild is a compile and a link), runs the suite with `-x -q` and puts the
file back. A fault is caught when the suite fails or outlasts the timeout.

The sample is the candidates ranked by a hash of the seed and their ids; an
id hashes the file, the line's text and the change, so ids and sample hold
while lines move. A mutant that does not compile gives way to the next in
rank, so that N compiled faults are measured.

Usage (the machine is shared: be nice):
    nice -n 15 python tools/mutation_check.py          # 60 faults, seed 19
    python tools/mutation_check.py --list --count 80   # show the sample only
    nice -n 15 python tools/mutation_check.py --ids 3fa2c1d0,9b01e4aa
    options: --count N, --seed S, --jobs J (compile jobs), --timeout SECONDS
"""
import argparse
import hashlib
import os
import re
import signal
import subprocess
import sys
import tempfile
import time
from collections import Counter
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
BUILD = ROOT / "build" / "mutation"
# The original of a file while it holds a mutant: a run that dies without
# reaching its `finally` (SIGKILL, power loss) is repaired by the next run.
RESCUE = BUILD / "originals"

SWAPS = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "==", "&&": "||", "||": "&&",
         "+": "-", "-": "+", "*": "/", "/": "*", "+=": "-=", "-=": "+="}
# Binary operators are written with a space on each side, which tells them
# from template brackets, pointers, unary signs and stream operators.
BINARY_OPERATOR = re.compile(r"(?<= )(<=|>=|==|!=|&&|\|\||\+=|-=|[<>+\-*/])(?= )")
INTEGER = re.compile(r"(?<![\w.'])\d+(?=[uUlL]*(?![\w.']))")
BOOLEAN = re.compile(r"\b(true|false)\b")
NEGATION = re.compile(r"!(?!=)")
RETURN_VALUE = re.compile(r"^\s*return (?!(?:true|false|\{\}|nullptr);)(.+);\s*$")


@dataclass(frozen=True)
class Mutant:
    id: str
    path: str  # relative to the root
    line: int  # 1-based
    original: str
    mutated: str

    def describe(self) -> str:
        return f"{self.path}:{self.line}: {self.original.strip()} -> {self.mutated.strip()}"


def mask_literals(line: str) -> str:
    """The line with string and character contents blanked out and any
    trailing comment cut off, so that only code is matched; offsets keep."""
    out, quote, i = [], None, 0
    while i < len(line) and (quote or not line.startswith("//", i)):
        c = line[i]
        if quote and c == "\\":  # an escape: blank it and the character it escapes
            out.append("__")
            i += 2
            continue
        if quote:
            out.append(c if c == quote else "_")
            quote = None if c == quote else quote
        else:  # a quote between two digits is a digit separator
            separator = line[i - 1:i].isalnum() and line[i + 1:i + 2].isalnum()
            quote = c if c == '"' or (c == "'" and not separator) else None
            out.append(c)
        i += 1
    return "".join(out)


def code_lines(text: str):
    """(line number, line, masked code) of each line that is code worth
    mutating: not a comment, a preprocessor line or a static_assert's."""
    assert_depth = 0
    for number, line in enumerate(text.splitlines(), 1):
        code = mask_literals(line)
        stripped = code.strip()
        if assert_depth or stripped.startswith("static_assert"):
            assert_depth += code.count("(") - code.count(")")
            continue
        if stripped and not stripped.startswith(("#", "/*", "*")):
            yield number, line, code


def changes(code: str):
    """(column, old text, new text) of each fault that fits in this line."""
    for m in BINARY_OPERATOR.finditer(code):
        beside_string = '"' in (code[:m.start()].rstrip()[-1:], code[m.end():].lstrip()[:1])
        if not (beside_string and m.group() in ("+", "-", "+=", "-=")):  # text + text is no sum
            yield m.start(), m.group(), SWAPS[m.group()]
    for m in INTEGER.finditer(code):
        value = int(m.group())
        yield m.start(), m.group(), str(value + 1)
        if value > 0:
            yield m.start(), m.group(), str(value - 1)
    for m in BOOLEAN.finditer(code):
        yield m.start(), m.group(), "false" if m.group() == "true" else "true"
    for m in NEGATION.finditer(code):
        yield m.start(), "!", ""
    if m := RETURN_VALUE.match(code):
        yield m.start(1), m.group(1), "{}"


def candidates() -> list[Mutant]:
    found = []
    # *_checks.cpp files hold compile-time checks only: no code there runs.
    for path in sorted(p for p in (ROOT / "src").rglob("*") if p.suffix in (".cpp", ".h")
                       and not p.name.endswith("_checks.cpp")):
        relative, text = str(path.relative_to(ROOT)), path.read_text()
        seen = Counter()
        for number, line, code in code_lines(text):
            seen[line.strip()] += 1  # tells apart identical lines of one file
            for column, old, new in changes(code):
                mutated = line[:column] + new + line[column + len(old):]
                key = f"{relative}\0{line.strip()}\0{seen[line.strip()]}\0{column}\0{new}"
                found.append(Mutant(hashlib.sha1(key.encode()).hexdigest()[:8], relative, number, line, mutated))
    return found


def restore_rescued_originals() -> None:
    for saved in RESCUE.rglob("*") if RESCUE.exists() else []:
        if saved.is_file():
            (ROOT / saved.relative_to(RESCUE)).write_bytes(saved.read_bytes())
            saved.unlink()
            print(f"restored {saved.relative_to(RESCUE)}, left mutated by an interrupted run")


def build(jobs: int) -> bool:
    return subprocess.run(["cmake", "--build", str(BUILD), f"-j{jobs}"], capture_output=True).returncode == 0


def run_suite(timeout: float | None) -> tuple[str, str]:
    """('caught' | 'survived' | 'timeout', what failed first). The suite runs
    in a scratch directory, so that Hypothesis keeps no failing examples from
    one mutant to replay on the next, and with a fixed Hypothesis seed."""
    with tempfile.TemporaryDirectory() as scratch:
        process = subprocess.Popen(
            [sys.executable, "-m", "pytest", "-x", "-q", "-p", "no:cacheprovider", "--hypothesis-seed=0",
             str(ROOT / "tests")], cwd=scratch, env=dict(os.environ, PYTHONPATH=str(BUILD)),
            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, start_new_session=True)
        try:
            output, _ = process.communicate(timeout=timeout)
        except subprocess.TimeoutExpired:
            return "timeout", ""
        finally:
            if process.poll() is None:  # timed out or interrupted: end its whole session
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
    if process.returncode == 0:
        return "survived", ""
    failed = re.search(r"^(?:FAILED|ERROR) \S*?(tests/\S+)", output, re.M)
    return "caught", failed.group(1) if failed else f"exit status {process.returncode}"


def try_mutant(mutant: Mutant, jobs: int, timeout: float) -> tuple[str, str]:
    """Plants the mutant, measures it, and always puts the file back."""
    path, rescue = ROOT / mutant.path, RESCUE / mutant.path
    original = path.read_bytes()
    rescue.parent.mkdir(parents=True, exist_ok=True)
    rescue.write_bytes(original)
    lines = original.decode().splitlines(keepends=True)
    lines[mutant.line - 1] = mutant.mutated + lines[mutant.line - 1][len(mutant.original):]  # keeps the line end
    try:
        path.write_text("".join(lines))
        return run_suite(timeout) if build(jobs) else ("did not compile", "")
    finally:
        path.write_bytes(original)
        rescue.unlink()


def configure_and_check_baseline(jobs: int) -> float:
    """Builds the unmutated module and times a passing run of the suite."""
    subprocess.run(["cmake", "-S", str(ROOT), "-B", str(BUILD), "-G", "Ninja", f"-DPython_EXECUTABLE={sys.executable}",
                    "-DCMAKE_INTERPROCEDURAL_OPTIMIZATION=OFF"], check=True, stdout=subprocess.DEVNULL)
    if not build(jobs):
        sys.exit("the unmutated source does not build")
    start = time.monotonic()
    if run_suite(None)[0] != "survived":
        sys.exit("the suite fails without any mutant: nothing to measure")
    return time.monotonic() - start


def measured(outcomes: dict[str, list]) -> int:
    return len(outcomes["caught"]) + len(outcomes["timeout"]) + len(outcomes["survived"])


def measure(queue: list[Mutant], count: int, jobs: int, timeout: float, outcomes: dict[str, list]) -> None:
    """Tries mutants in rank order until `count` of them have compiled."""
    while queue and measured(outcomes) < count:
        mutant, start = queue.pop(0), time.monotonic()
        outcome, detail = try_mutant(mutant, jobs, timeout)
        outcomes[outcome].append(mutant)
        print(f"[{measured(outcomes)}/{count}] {mutant.id} {outcome:15} {time.monotonic() - start:5.0f}s  "
              f"{mutant.path}:{mutant.line}  {detail}", flush=True)


def report(outcomes: dict[str, list], elapsed: float, replaced: bool) -> None:
    caught, timeouts, survived = (len(outcomes[k]) for k in ("caught", "timeout", "survived"))
    print(f"\n{measured(outcomes)} compiled mutants: {caught} caught by a failing test, {timeouts} by the timeout, "
          f"{survived} survived; catch rate {100 * (caught + timeouts) / max(measured(outcomes), 1):.1f}%")
    print(f"{len(outcomes['did not compile'])} mutants did not compile"
          + (" and were replaced by the next candidates in rank" if replaced else ""))
    print(f"time: {elapsed / 60:.1f} min")
    for title, key in (("caught by the timeout", "timeout"), ("survivors", "survived")):
        if outcomes[key]:
            print(f"\n{title}:")
            for mutant in outcomes[key]:
                print(f"  {mutant.id} {mutant.describe()}")


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--count", type=int, default=60, help="compiled mutants to measure (default 60)")
    parser.add_argument("--seed", type=int, default=19, help="which sample (default 19)")
    parser.add_argument("--jobs", type=int, default=2, help="parallel compile jobs (default 2)")
    parser.add_argument("--timeout", type=float, help="seconds per suite run (default 3x the unmutated run + 30)")
    parser.add_argument("--list", action="store_true", help="print the sample and stop")
    parser.add_argument("--ids", help="comma-separated mutant ids to run again, instead of the sample")
    args = parser.parse_args()

    restore_rescued_originals()
    everything = candidates()
    queue = sorted(everything, key=lambda m: hashlib.sha1(f"{args.seed}:{m.id}".encode()).hexdigest())
    if args.ids:
        wanted = args.ids.split(",")
        queue = [m for m in everything if m.id in wanted]
        if missing := set(wanted) - {m.id for m in queue}:
            sys.exit(f"no such mutant in the current source: {', '.join(sorted(missing))}")
    if args.list:
        for mutant in queue[:args.count]:
            print(f"{mutant.id} {mutant.describe()}")
        print(f"({len(everything)} candidates; at run time one that does not compile gives way to the next)")
        return

    for ending in signal.SIGTERM, signal.SIGHUP:  # end like Ctrl-C, through every `finally`
        signal.signal(ending, signal.default_int_handler)
    start = time.monotonic()
    baseline = configure_and_check_baseline(args.jobs)
    timeout = args.timeout or 3 * baseline + 30
    print(f"{len(everything)} candidates, seed {args.seed}; unmutated suite {baseline:.0f}s, timeout {timeout:.0f}s")
    outcomes = {"caught": [], "timeout": [], "survived": [], "did not compile": []}
    try:
        measure(queue, len(queue) if args.ids else args.count, args.jobs, timeout, outcomes)
    except KeyboardInterrupt:
        print("interrupted: the source is restored and the counts below are partial")
    report(outcomes, time.monotonic() - start, replaced=not args.ids)


if __name__ == "__main__":
    main()
