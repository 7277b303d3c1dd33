"""Side-by-side timings of quendreltime and its peers.

    python bench/compare.py [--quick] [--markdown] [--json PATH]

Each operation is one statement per installed library, checked to give
our result before it is timed; see harness.py for how. Figures are
nanoseconds per call (per item for lists), the fastest round, with the
ratio peer/ours in brackets: above 1.0 means quendreltime is faster.
"""

from __future__ import annotations

import argparse
import datetime as dt
import importlib.metadata
import json
import platform
import sys

import harness
from batches import batch_operations
from operations import single_operations
import quendreltime
from peers import PEERS, QuendrelTime

FULL = harness.Budget(round_seconds=0.002, seconds=2.0, fewest=7, most=1000)
QUICK = harness.Budget(round_seconds=0.002, seconds=0.5, fewest=3, most=100)


def nanoseconds(seconds: float) -> str:
    return f"{seconds * 1e9:.0f}" if seconds >= 1e-8 else f"{seconds * 1e9:.1f}"


def cell(results: dict, library: str) -> str:
    if library not in results:
        return "-"
    ours = results[harness.OURS]
    return f"{nanoseconds(results[library])} ({results[library] / ours:.1f}x)"


def columns(operations) -> list[str]:
    """The peers that appear in at least one row, in the usual order."""
    present = {library for operation in operations for library in operation.results}
    return [library for library in PEERS if library in present]


def print_plain(operations) -> None:
    peers = columns(operations)
    header = f"{'operation':<40} {'ours':>7} " + " ".join(f"{peer:>17}" for peer in peers)
    print(header)
    print("-" * len(header))
    for operation in operations:
        ours = nanoseconds(operation.results[harness.OURS])
        print(f"{operation.name:<40} {ours:>7} " + " ".join(f"{cell(operation.results, p):>17}" for p in peers))


def print_markdown(operations) -> None:
    peers = columns(operations)
    print("| operation | quendreltime | " + " | ".join(peers) + " |")
    print("|---|---:|" + "---:|" * len(peers))
    for operation in operations:
        ours = nanoseconds(operation.results[harness.OURS])
        print(f"| {operation.name} | {ours} | " + " | ".join(cell(operation.results, p) for p in peers) + " |")


def peer_versions(operations) -> str:
    return ", ".join(f"{library} {_version(library)}" for library in columns(operations) if library != "datetime")


def _version(library: str) -> str:
    try:
        return importlib.metadata.version(library)
    except importlib.metadata.PackageNotFoundError:
        return "?"


def how_measured(quick: bool, operations) -> str:
    return (f"{platform.python_implementation()} {platform.python_version()} on {platform.system()} "
            f"{platform.machine()}, {dt.date.today().isoformat()}, {peer_versions(operations)}; "
            f"`python bench/compare.py{' --quick' if quick else ''} --markdown`. "
            "Each library does each operation as one statement, written the way its documentation "
            "recommends, with its methods bound and its values built beforehand; every result is checked "
            "equal to ours, with warnings as errors, before anything is timed. The statement runs in "
            "timeit's loop in rounds of about 2 ms, the libraries taking turns with the order rotated each "
            "round, and each figure is the library's fastest round: nanoseconds per call (per item for "
            "lists), and in brackets the peer's time over ours. The floor row, a pre-bound "
            "`(1).bit_length()`, is the cost of any call from Python. Lists start from the same Python list "
            "for every library; our batch calls return epoch milliseconds or text, the peers' comprehensions "
            "their own objects. The datetime column adds months with dateutil's relativedelta.")


def instance_sizes() -> str:
    sizes = {"QuendrelTime": sys.getsizeof(QuendrelTime.now(None)),
             "QuendrelDuration": sys.getsizeof(quendreltime.quendrel_duration(1, "s"))}
    return "sys.getsizeof: " + ", ".join(f"{name} {size} bytes" for name, size in sizes.items())


def write_json(path: str, operations) -> None:
    with open(path, "w") as out:
        json.dump({"python": sys.version, "date": dt.date.today().isoformat(),
                   "seconds_per_item": {op.name: op.results for op in operations}}, out, indent=2)


def main(argv=None) -> None:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--quick", action="store_true", help="short budgets; finishes in about a minute")
    parser.add_argument("--markdown", action="store_true", help="print the table as Markdown for the README")
    parser.add_argument("--json", metavar="PATH", help="also write the figures as JSON")
    args = parser.parse_args(argv)
    operations = single_operations() + batch_operations()
    try:
        harness.run(operations, QUICK if args.quick else FULL,
                    progress=lambda line: print(line, file=sys.stderr, flush=True))
    except harness.MismatchError as error:
        sys.exit(f"stopped before timing: {error}")
    if args.markdown:
        print(how_measured(args.quick, operations) + "\n")
        print_markdown(operations)
    else:
        print_plain(operations)
    print("\n" + instance_sizes())
    if args.json:
        write_json(args.json, operations)


if __name__ == "__main__":
    main()
