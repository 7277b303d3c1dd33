"""Parse and format a column of timestamps partition by partition on a Dask cluster.

    pip install "dask[distributed]"
    python examples/dask_partitions.py [--rows 3000000] [--partitions 12] [--workers 2]

The script makes up a column of local wall-clock texts in one zone, in
partitions that each worker of a `LocalCluster` makes for itself (as it would
read its own file). Each worker parses its partitions with `parse_batch`, writes
them again in French with `format_batch`, and finds each partition's earliest and
latest instant as `quendrel_time` values. Those values travel from the workers
that made them to the worker that combines them, so they cross process
boundaries by pickle. Finally the whole column goes through the same batch calls
in this process, and the two results must be equal.

The batch calls hold the interpreter lock for the whole call, so threads do not
run them side by side; worker processes do. Partitions travel as NumPy arrays:
Dask serialises a long Python list item by item, which here is a hundred times
slower than the batch calls themselves.
"""

import argparse
import random
import time

import numpy as np
from dask.distributed import Client, LocalCluster

import quendreltime

T = quendreltime.quendrel_time
ZONE = "Europe/Paris"
TEXT_PATTERN = "YYYY-MM-DD HH:mm:ss"
OUTPUT_PATTERN = "dddd D MMMM YYYY HH:mm"


def make_partition(index, rows, seed):
    """Local texts spread over ten years, daylight-saving changes included."""
    rng = random.Random(seed * 1_000_003 + index)
    start = T.parse("2020-01-01", ZONE).unix_ms()
    end = T.parse("2030-01-01", ZONE).unix_ms()
    millis = [rng.randrange(start, end, 1000) for _ in range(rows)]
    return np.array(T.format_batch(millis, TEXT_PATTERN, ZONE, None), dtype=object)


def process_partition(texts):
    """Instants, French text, and the earliest and latest instant as values."""
    millis = T.parse_batch(texts, ZONE)
    french = T.format_batch(millis, OUTPUT_PATTERN, ZONE, "fr")
    bounds = (T.from_unix_ms(min(millis), ZONE), T.from_unix_ms(max(millis), ZONE))
    return np.array(millis, dtype=np.int64), np.array(french, dtype=object), bounds


def combine_bounds(bounds):
    """The earliest and latest of every partition's bounds."""
    earliest, latest = bounds[0]
    for first, last in bounds[1:]:
        earliest, latest = T.min(earliest, first), T.max(latest, last)
    return earliest, latest


def run_on_cluster(client, partitions, rows, seed):
    texts = client.map(make_partition, range(partitions), rows=rows, seed=seed)
    results = client.map(process_partition, texts)
    bounds = client.map(lambda result: result[2], results)
    # Runs on one worker and gathers the values made on the others.
    overall = client.submit(combine_bounds, bounds)
    parts = client.gather(results)
    millis = np.concatenate([part[0] for part in parts])
    french = np.concatenate([part[1] for part in parts])
    return millis, french, overall.result()


def same_result(cluster, alone):
    """Values compare by identity, so the bounds are compared by instant and zone."""
    bounds = lambda result: [(value.unix_ms(), value.timezone()) for value in result[2]]
    return (np.array_equal(cluster[0], alone[0]) and np.array_equal(cluster[1], alone[1])
            and bounds(cluster) == bounds(alone))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--rows", type=int, default=3_000_000)
    parser.add_argument("--partitions", type=int, default=12)
    parser.add_argument("--workers", type=int, default=2)
    parser.add_argument("--seed", type=int, default=2025)
    args = parser.parse_args()

    rows = -(-args.rows // args.partitions)
    with LocalCluster(n_workers=args.workers, threads_per_worker=1, processes=True,
                      dashboard_address=None) as cluster, Client(cluster) as client:
        started = time.perf_counter()
        on_cluster = run_on_cluster(client, args.partitions, rows, args.seed)
        cluster_seconds = time.perf_counter() - started
    started = time.perf_counter()
    column = np.concatenate([make_partition(index, rows, args.seed) for index in range(args.partitions)])
    alone = process_partition(column)
    alone_seconds = time.perf_counter() - started

    print(f"{len(column):,} texts such as {column[0]!r}")
    print(f"{args.partitions} partitions on {args.workers} workers: {cluster_seconds:.2f} s; "
          f"one process: {alone_seconds:.2f} s")
    earliest, latest = on_cluster[2]
    print(f"earliest {earliest.to_iso()}, latest {latest.to_iso()}; first row in French: {on_cluster[1][0]!r}")
    if not same_result(on_cluster, alone):
        raise SystemExit("the cluster's result differs from the single-process batch")
    print("the cluster's result is equal to the single-process batch")


if __name__ == "__main__":
    main()
