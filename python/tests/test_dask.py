"""gmath.dask on a cluster of real processes against the single-process
calls, element for element."""

import json
import pickle
import re
import subprocess
import sys
import threading
import time

import numpy as np
import pytest
from hypothesis import given, strategies as st
from hypothesis.extra import numpy as hnp

dask = pytest.importorskip("dask")
distributed = pytest.importorskip("distributed")
import dask.array as da  # noqa: E402

import gmath  # noqa: E402
import gmath.dask as gd  # noqa: E402
from gmath.dask import _chunks  # noqa: E402

rng = np.random.default_rng(7)
corner = np.sort(rng.uniform(-10, 10, (600, 3)), axis=0)  # sorted: chunks are local
BOXES = np.hstack([corner, corner + rng.uniform(0, 1, (600, 3))])
BOXES[[50, 300]] = np.nan
BOXES[[120, 480]] = BOXES[[120, 480]][:, [3, 4, 5, 0, 1, 2]]  # low above high
BOXES[200] = [1e30, 1e30, 1e30, -1e30, -1e30, -1e30]  # the null box
BOXES[400, 3] = 2.0 ** 121
POINTS = BOXES[:, :3]
unit = gmath.build_box(-1.0, -1.0, -1.0, 1.0, 1.0, 1.0)
clip = gmath.build_clip_volume(np.array([[1, 0, 0, 1], [-1, 0, 0, 1], [0, 1, 0, 1], [0, 0, 1, 1.0]]))
fence = gmath.build_pt_fence(np.array([[0, 0, 0], [2, 0, 0], [2, 2, 0], [0, 2, 0], [0, 0, 0.0]]),
                             gmath.UnitVector(0, 0, 1), 1.0, -1.0)
bore = gmath.build_bore_line(gmath.Position(0.5, 0.5, -30), gmath.UnitVector(0, 0, 1), 0, 60, 0.1)
transf = gmath.rotate_transf(0.3, gmath.UnitVector(0, 0, 1))
CALLS = [(op, v, BOXES) for v in (unit, clip, fence, bore) for op in ("overlaps", "overlap_hits")]
CALLS += [(op, v, BOXES) for v in (unit, clip) for op in ("contains", "contains_hits")]
CALLS += [(op, unit, BOXES) for op in ("inside", "inside_hits")]
CALLS += [(op, v, POINTS) for op, v in [("points_in", clip), ("points_in", fence),
          ("transform_positions", transf), ("transform_vectors", transf)]]
CALLS += [("transform_boxes", transf, BOXES)]


def chunking(rows, seed):
    """Random chunk sizes with chunks of one row and empty chunks."""
    sizes, left, r = [], rows, np.random.default_rng(seed)
    while left:
        sizes.append(min(left, int(r.choice([0, 1, r.integers(2, 200)]))))
        left -= sizes[-1]
    return tuple(sizes)


def assert_same(got, expected):
    assert got.dtype == expected.dtype
    assert np.array_equal(got.view(np.uint8), expected.view(np.uint8))


def assert_every_operation_is_the_single_call(seed):
    for op, volume, array in CALLS:
        arranged = da.from_array(array, chunks=(chunking(len(array), seed), array.shape[1]))
        got = getattr(gd, op)(volume, arranged)
        assert_same(got if op.endswith("_hits") else gd.compute(got)[0],
                    getattr(gmath, op)(volume, array))


def _dask(*args):
    return subprocess.Popen([sys.executable, "-m", "dask", *args],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def start_worker(scheduler_file):
    return _dask("worker", "--scheduler-file", str(scheduler_file), "--host", "127.0.0.1",
                 "--nthreads", "2", "--no-nanny", "--no-dashboard", "--memory-limit", "1GB",
                 "--death-timeout", "60")


@pytest.fixture(scope="module")
def cluster(tmp_path_factory):
    """A scheduler and two workers of two threads, processes of their own,
    killed after ten minutes at most so that a hang fails the tests."""
    scheduler_file = tmp_path_factory.mktemp("dask") / "scheduler.json"
    processes = [_dask("scheduler", "--host", "127.0.0.1", "--port", "0", "--dashboard-address",
                       "127.0.0.1:0", "--scheduler-file", str(scheduler_file))]
    watchdog = threading.Timer(600, lambda: [process.kill() for process in processes])
    watchdog.start()
    try:
        deadline = time.monotonic() + 60
        while not (scheduler_file.exists() and json.loads(scheduler_file.read_text() or "0")):
            assert time.monotonic() < deadline and processes[0].poll() is None
            time.sleep(0.1)
        processes += [start_worker(scheduler_file) for _ in range(2)]
        with distributed.Client(scheduler_file=str(scheduler_file), timeout=60,
                                set_as_default=False) as client:
            client.wait_for_workers(2, timeout=120)
            with dask.config.set(scheduler="dask.distributed"), client.as_current():
                yield client, scheduler_file
    finally:
        watchdog.cancel()
        for process in processes:
            process.kill()
            process.wait(60)


@pytest.mark.parametrize("seed", [1, 2, 3])
def test_every_operation_is_the_single_call(cluster, seed):
    assert_every_operation_is_the_single_call(seed)


def test_chunks_a_volume_misses_are_skipped_and_tasks_stay_small():
    arranged = da.from_array(BOXES, chunks=50)
    assert sum(_chunks.chunks_to_skip(unit, arranged)) >= 4
    graph = dict(gd.overlaps(fence, arranged).dask)
    assert all(len(pickle.dumps(graph[key])) < 1000 for key in graph if "gmath" in key[0])
    assert not any(_chunks.chunks_to_skip(bore, arranged))


coordinate = st.one_of(st.floats(-4, 4), st.sampled_from(
    [float("nan"), float("inf"), -float("inf"), 1e30, -1e30, -0.0, 2.0**121]))


@given(hnp.arrays(np.float64, st.tuples(st.integers(1, 30), st.just(6)), elements=coordinate),
       st.sampled_from([unit, clip, fence]), hnp.arrays(np.float64, 6, elements=coordinate))
def test_a_skipped_chunk_has_no_hit(boxes, volume, query):
    for v in (volume, gmath.Box(gmath.Position(*query[:3]), gmath.Position(*query[3:]))):
        if _chunks.chunks_to_skip(v, da.from_array(boxes, chunks=(len(boxes), 6)))[0]:
            assert not gmath.overlaps(v, boxes).any()


def test_tolerances_travel_and_share_two_thread_workers(cluster):
    gap = np.random.default_rng(3).uniform(0, 1e-4, 400)  # off the unit box by 0 to 1e-4
    near = np.column_stack([1 + gap, 0 * gap, 0 * gap, 2 + gap, 0 * gap, 0 * gap])
    runs = []
    for distance in (1e-6, 5e-5) * 3:
        with gmath.tolerances(distance=distance):
            runs.append((distance, gd.overlaps(unit, da.from_array(near, chunks=(7, 6)))))
    computed = cluster[0].compute([flags for _, flags in runs], sync=True)
    for (distance, _), flags in zip(runs, computed):
        with gmath.tolerances(distance=distance):
            assert_same(flags, gmath.overlaps(unit, near))
    assert computed[0].sum() < computed[1].sum()


def test_messages_come_back_in_chunk_order(cluster):
    flat = gmath.PtFence(np.zeros((2, 3)), gmath.UnitVector(0, 0, 1), 1.0, -1.0)
    with gmath.capture_messages() as single:
        gmath.overlap_hits(flat, BOXES[:1])
    with gmath.capture_messages() as messages:
        gd.compute(gd.overlaps(flat, da.from_array(BOXES, chunks=((0, 100, 1, 499), 6))))
    assert messages == single * 3


def test_a_bad_chunk_raises_the_single_calls_error_naming_it(cluster):
    bad = BOXES[:5, :5]
    with pytest.raises(Exception) as single:
        gmath.overlaps(clip, bad)
    pieces = [da.from_array(BOXES[:10], chunks=10),
              da.from_delayed(dask.delayed(bad), (5, 6), np.float64)]
    with pytest.raises(type(single.value), match=re.escape(str(single.value))) as raised:
        gd.overlap_hits(clip, da.concatenate(pieces))
    assert raised.value.__notes__ == ["gmath.dask: raised by chunk 1"]


def test_partitioned_index_answers_as_one_index(cluster):
    client, _ = cluster
    arranged = client.persist(da.from_array(BOXES, chunks=(chunking(len(BOXES), 4), 6)))
    index, single = gd.PartitionedIndex(arranged, client), gmath.BoxIndex(BOXES)
    with distributed.get_task_stream(client) as stream:
        for volume in (unit, clip, fence, bore):
            assert_same(index.query(volume), single.query(volume))
    assert {s["action"] for task in stream.data for s in task["startstops"]} == {"compute"}
    for got, expected in zip(index.first_hits(bore, 5), single.first_hits(bore, 5)):
        assert_same(got, expected)
    assert len(index) == len(BOXES)


def test_a_worker_killed_mid_job_leaves_the_answer_whole(cluster):
    client, scheduler_file = cluster
    before, extra = set(client.scheduler_info()["workers"]), start_worker(scheduler_file)
    try:
        client.wait_for_workers(3, timeout=120)
        (added,) = set(client.scheduler_info()["workers"]) - before
        slow = da.from_array(BOXES, chunks=5).map_blocks(lambda b: (time.sleep(0.05), b)[1])
        job = client.compute(gd.overlaps(clip, slow))
        while not client.processing(added)[added]:
            time.sleep(0.01)
        extra.kill()
        assert not job.done()
        assert_same(job.result(timeout=120), gmath.overlaps(clip, BOXES))
    finally:
        extra.kill()
        extra.wait(60)


def test_a_local_cluster_gives_the_same_answers():
    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                                  dashboard_address="127.0.0.1:0",
                                  worker_dashboard_address="127.0.0.1:0") as local, \
            distributed.Client(local, set_as_default=False) as client, \
            dask.config.set(scheduler="dask.distributed"), client.as_current():
        assert_every_operation_is_the_single_call(5)



def test_local_threads_give_the_same_answers_and_leave_the_tolerances():
    with dask.config.set(scheduler="threads"), gmath.tolerances(distance=5e-5):
        assert_every_operation_is_the_single_call(6)
        assert gmath.get_distance_tolerance() == 5e-5
