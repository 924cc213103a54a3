"""Scale of gmath.dask: selections over boxes generated on the workers.

    build/venv/bin/python python/benchmarks/dask_scale.py [--boxes N] [--chunk ROWS]
    build/venv/bin/python python/benchmarks/dask_scale.py --check   # small, answers checked

Boxes lie anywhere in a 1000-unit cube in every chunk (no chunk can be
skipped), sizes up to half a unit. For 1 and then 2 worker processes (one
thread each) it reports the end-to-end throughput of a fence, a clip volume
and a bore line selection, and the worker compute time per box (the median
task of the task stream) against the same batch call on one chunk in this
process (median of five). Then, on the first --index-boxes boxes, a
partitioned index against the cluster-wide scan for a cube holding 0.1% of
the boxes.
"""

import argparse
import time

import dask
import dask.array as da
import numpy as np
from distributed import Client, LocalCluster, get_task_stream, wait

import gmath
import gmath.dask as gd

WORLD = 1000.0
# A tenth of the world's side: 0.1% of its volume, and of the boxes.
CUBE = gmath.build_box(500.0, 500.0, 500.0, 600.0, 600.0, 600.0)
FENCE = gmath.build_pt_fence(np.array([[-1, 490, 0], [WORLD + 1, 490, 0], [WORLD + 1, 510, 0],
                                       [-1, 510, 0], [-1, 490, 0.0]]),
                             gmath.UnitVector(0, 0, 1), WORLD + 1, -1.0)
CLIP = gmath.build_clip_volume(np.array([[0, 1, 0.01, -490], [0, -1, 0.01, 510],
                                         [0, 0, 1, 0], [0, 0, -1, WORLD]], dtype=float))
BORE = gmath.build_bore_line(gmath.Position(-1, 500, 500), gmath.UnitVector(1, 0, 0),
                             0, WORLD + 2, 5.0)


def generate(block_info=None):
    """The boxes of one chunk, from its number: the same on any worker."""
    (start, stop), _ = block_info[None]["array-location"]
    rng = np.random.default_rng(block_info[None]["chunk-location"][0])
    low = rng.uniform(0, WORLD, (stop - start, 3))
    return np.hstack([low, low + rng.uniform(0, 0.5, low.shape)])


def boxes_of(count, chunk):
    return da.map_blocks(generate, chunks=(da.core.normalize_chunks(chunk, (count,))[0], (6,)),
                         dtype=np.float64, meta=np.empty((0, 6)))


def task_seconds(stream, prefix):
    """Compute seconds of each task whose key starts with prefix."""
    return [sum(s["stop"] - s["start"] for s in task["startstops"] if s["action"] == "compute")
            for task in stream.data if str(task["key"]).lstrip("('").startswith(prefix)]


def workers_cpu(client):
    """Processor seconds used so far by all worker processes: unlike wall
    time, not stretched while other programs hold the cores."""
    return sum(client.run(time.process_time).values())


def timed(client, call, prefix, repeat=3):
    """(best wall seconds, compute seconds of each task of that run, worker
    processor seconds of that run, answer)."""
    best = None
    for _ in range(repeat):
        with get_task_stream(client) as stream:
            cpu, start = workers_cpu(client), time.perf_counter()
            answer = call()
            wall = time.perf_counter() - start
            cpu = workers_cpu(client) - cpu
        if best is None or wall < best[0]:
            best = (wall, task_seconds(stream, prefix), cpu, answer)
    return best


def single_process(volume, block):
    """(wall, processor) seconds per box of the batch call over one chunk,
    medians of five."""
    seconds = []
    for _ in range(5):
        start, cpu = time.perf_counter(), time.thread_time()
        gmath.overlap_hits(volume, block)
        seconds.append((time.perf_counter() - start, time.thread_time() - cpu))
    return np.median(seconds, axis=0) / len(block)


def run(workers, count, chunk, index_count, check):
    memory = max(2e9, 1.6 * count * 48 / workers + 1e9 + 200 * index_count / workers)
    with LocalCluster(n_workers=workers, threads_per_worker=1, processes=True,
                      memory_limit=memory, dashboard_address="127.0.0.1:0",
                      worker_dashboard_address="127.0.0.1:0") as cluster, \
            Client(cluster) as client:
        boxes = client.persist(boxes_of(count, chunk))
        client.wait_for_workers(workers)
        wait(boxes)
        gd._chunks.ranges(boxes)  # once, before any timing
        one = generate({None: {"array-location": [(0, chunk), (0, 6)], "chunk-location": (0, 0),
                               "num-chunks": (boxes.numblocks[0], 1)}})
        figures = {}
        for name, volume in (("fence", FENCE), ("clip volume", CLIP), ("bore line", BORE)):
            wall, tasks, cpu, hits = timed(client, lambda: gd.overlap_hits(volume, boxes),
                                           "gmath-overlap_hits")
            (alone, alone_cpu), busy = single_process(volume, one), np.median(tasks) / chunk
            figures[name] = count / wall
            print(f"{workers} worker(s) {name:11}: {count / wall / 1e6:6.1f} M boxes/s end to end, "
                  f"{len(hits)} hits; ns/box: median task {busy * 1e9:.2f}, single call "
                  f"{alone * 1e9:.2f} (ratio {busy / alone:.2f}); worker processor "
                  f"{cpu / count * 1e9:.2f}, single call {alone_cpu * 1e9:.2f} (ratio "
                  f"{cpu / count / alone_cpu:.2f})")
            if check:
                everything = boxes.compute()
                assert np.array_equal(hits, gmath.overlap_hits(volume, everything)), name
        if workers == 2:
            compare_index(client, boxes[:index_count], index_count, check)
        return figures


def compare_index(client, boxes, count, check):
    boxes = client.persist(boxes)
    start = time.perf_counter()
    index = gd.PartitionedIndex(boxes, client)
    wait(index._parts)
    built = time.perf_counter() - start
    scan_wall, scan_tasks, scan_cpu, scanned = timed(
        client, lambda: gd.overlap_hits(CUBE, boxes), "gmath-overlap_hits")
    index_wall, index_tasks, index_cpu, found = timed(
        client, lambda: index.query(CUBE), "gmath-query_index")
    assert np.array_equal(scanned, found)
    scan_busy, index_busy = sum(scan_tasks), sum(index_tasks)
    print(f"{count} boxes, 0.1% selection ({len(found) / count:.3%}), index built in "
          f"{built:.1f} s:\n  scan: tasks {scan_busy:.3f} s, worker processor {scan_cpu:.3f} s, "
          f"{scan_wall * 1e3:.0f} ms end to end\n  index: tasks {index_busy:.4f} s, worker "
          f"processor {index_cpu:.4f} s, {index_wall * 1e3:.0f} ms end to end\n  ratios: tasks "
          f"{scan_busy / index_busy:.0f}x, worker processor {scan_cpu / index_cpu:.0f}x")
    if check:
        assert np.array_equal(found, gmath.overlap_hits(CUBE, boxes.compute()))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--boxes", type=float, default=1e8)
    parser.add_argument("--chunk", type=float, default=1e6)
    parser.add_argument("--index-boxes", type=float, default=2e7)
    parser.add_argument("--check", action="store_true", help="small sizes, answers checked")
    options = parser.parse_args()
    count, chunk = int(options.boxes), int(options.chunk)
    index_count = min(count, int(options.index_boxes))
    if options.check:
        count, chunk, index_count = 200_000, 20_000, 100_000
    # Memory is sized for the boxes: no spilling to disk, no pause. The
    # nanny's MALLOC_TRIM_THRESHOLD_ (64 KiB) hands the heap back to the
    # system after each slice of a batch call and doubles its cost in page
    # faults; a top pad keeps 64 MiB of it (docs/distributed.md).
    dask.config.set({"distributed.worker.memory.target": False,
                     "distributed.worker.memory.spill": False,
                     "distributed.worker.memory.pause": False,
                     "distributed.nanny.pre-spawn-environ.MALLOC_TOP_PAD_": 64 << 20})
    one = run(1, count, chunk, index_count, options.check)
    two = run(2, count, chunk, index_count, options.check)
    for name in one:
        print(f"2 workers / 1 worker, {name}: {two[name] / one[name]:.2f}x")


if __name__ == "__main__":
    main()
