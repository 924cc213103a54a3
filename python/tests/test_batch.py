"""The array calls against the scalar calls they repeat, bit for bit."""

import concurrent.futures
import copy
import itertools
import logging
import subprocess
import sys
import textwrap
import tracemalloc

import numpy as np
import pytest
from hypothesis import given, strategies as st
from hypothesis.extra import numpy as hnp

import gmath

# Coordinates that take every path: NaN, infinities, huge, tiny, -0.0.
coordinate = st.one_of(st.floats(-4, 4), st.sampled_from(
    [float("nan"), float("inf"), -float("inf"), 1e300, -1e300, 1e-300, -0.0, 2.0**121]))
box_arrays = hnp.arrays(np.float64, st.tuples(st.integers(0, 40), st.just(6)), elements=coordinate)
point_arrays = hnp.arrays(np.float64, st.tuples(st.integers(0, 40), st.just(3)),
                          elements=coordinate)


def box_of(row):
    return gmath.Box(gmath.Position(*row[:3]), gmath.Position(*row[3:]))


def row_of(value):
    if isinstance(value, gmath.Box):
        return [*row_of(value.low), *row_of(value.high)]
    return [value.x, value.y, value.z]


def bits(values):
    return np.asarray(values, dtype=np.float64).view(np.uint64)


unit = gmath.build_box(-1.0, -1.0, -1.0, 1.0, 1.0, 1.0)
fence = gmath.build_pt_fence(np.array([[0, 0, 0], [2, 0, 0], [2, 2, 0], [0, 2, 0], [0, 0, 0.0]]),
                             gmath.UnitVector(0, 0, 1), 1.0, -1.0)
bore = gmath.build_bore_line(gmath.Position(0.5, 0.5, -3), gmath.UnitVector(0, 0, 1), 0, 6, 0.1)
clip = gmath.build_clip_volume(
    np.array([[1, 0, 0, 1], [-1, 0, 0, 1], [0, 1, 0, 1], [0, 0, 1, 1.0]]))
TESTS = [  # (batch call, volume, scalar test)
    (gmath.overlaps, unit, lambda v, b: not (v & b).is_null()),
    (gmath.overlaps, clip, lambda v, b: v.overlaps(b)),
    (gmath.overlaps, fence, lambda v, b: v.overlaps(b)),
    (gmath.overlaps, bore, lambda v, b: v.overlaps(b)),
    (gmath.contains, clip, lambda v, b: v.contains(b)),
    (gmath.contains, unit, lambda v, b: v >> b),
    (gmath.inside, unit, lambda v, b: v << b),
]
HITS = {gmath.overlaps: gmath.overlap_hits, gmath.contains: gmath.contains_hits,
        gmath.inside: gmath.inside_hits}


@pytest.mark.parametrize("call, volume, scalar", TESTS)
@given(boxes=box_arrays)
def test_box_tests_are_the_scalar_tests(call, volume, scalar, boxes):
    expected = np.array([scalar(volume, box_of(r)) for r in boxes], dtype=bool)
    np.testing.assert_array_equal(call(volume, boxes), expected)
    np.testing.assert_array_equal(HITS[call](volume, boxes.reshape(-1, 2, 3)),
                                  np.flatnonzero(expected))


@pytest.mark.parametrize("volume", [clip, fence])
@given(points=point_arrays)
def test_points_in_is_the_scalar_test(volume, points):
    expected = [volume.contains_point(gmath.Position(*p)) for p in points]
    np.testing.assert_array_equal(gmath.points_in(volume, points), np.array(expected, dtype=bool))


g4 = gmath.G4x4(np.array([[1, 0.5, 0, 1], [0, 2, 0, 0], [0.25, 0, 1, 3], [0.1, 0, 0, 1]]))
transf = gmath.rotate_transf(0.3, gmath.UnitVector(0, 0, 1)) * gmath.scale_transf(2.0)
matrix = gmath.Matrix(np.array([[0, 1, 0], [-1, 0, 0], [0, 0, 3.0]]))


def moved(value, t, inverse, first):
    if inverse:
        return value ^ t
    if first:
        return t * value
    if isinstance(t, gmath.G4x4) or isinstance(value, gmath.Box) or (
            isinstance(value, gmath.Vector) and isinstance(t, gmath.Transf)):
        return value * t
    result = copy.copy(value)
    result *= t
    return result


@pytest.mark.parametrize("call, make, t, inverse, first", [
    (gmath.transform_positions, gmath.Position, t, i, f) for t, i, f in
    [(matrix, 0, 0), (transf, 0, 0), (transf, 1, 0), (g4, 0, 0), (g4, 0, 1)]] + [
    (gmath.transform_vectors, gmath.Vector, t, i, f) for t, i, f in
    [(matrix, 0, 0), (transf, 0, 0), (transf, 1, 0), (g4, 0, 0), (g4, 0, 1)]] + [
    (gmath.transform_boxes, None, t, 0, f) for t in (matrix, transf, g4) for f in (0, 1)])
@given(values=box_arrays)
def test_transforms_are_the_scalar_products(call, make, t, inverse, first, values):
    if make is not None:
        values = values[:, :3]
    to_value = box_of if make is None else (lambda r: make(*r))
    expected = [row_of(moved(to_value(r), t, inverse, first)) for r in values]
    got = call(t, values, inverse=bool(inverse), transform_first=bool(first))
    assert got.shape == values.shape
    np.testing.assert_array_equal(bits(got), bits(np.reshape(expected, values.shape)))


def test_range_boxes_are_the_ranges():
    volumes = [clip, bore, fence, gmath.build_pt_frustum(fence, gmath.Position(1, 1, 9))]
    for volume in volumes:
        got = gmath.range_boxes([volume, volume])
        np.testing.assert_array_equal(bits(got[0]), bits(row_of(volume.range())))
    assert gmath.range_boxes([]).shape == (0, 6)


def large_boxes(n, seed=1):
    low = np.random.default_rng(seed).uniform(-10, 10, (n, 3))
    return np.hstack([low, low + 0.5])


@pytest.mark.parametrize("volume", [unit, clip, fence, bore])
def test_threads_and_layouts_give_one_answer(volume):
    boxes = large_boxes(200_000)
    one = gmath.overlaps(volume, boxes)
    boxes.flags.writeable = False
    np.testing.assert_array_equal(gmath.overlaps(volume, boxes, threads=3), one)
    np.testing.assert_array_equal(gmath.overlaps(volume, np.asfortranarray(boxes)), one)
    np.testing.assert_array_equal(gmath.overlap_hits(volume, boxes, threads=2),
                                  np.flatnonzero(one))
    moved = gmath.transform_boxes(g4, boxes, threads=2)
    np.testing.assert_array_equal(bits(moved), bits(gmath.transform_boxes(g4, boxes)))


def traced_peak(call):
    tracemalloc.start()
    try:
        call()
        return tracemalloc.get_traced_memory()[1]
    finally:
        tracemalloc.stop()


def test_c_contiguous_boxes_are_read_in_place():
    # numpy reports its buffers to tracemalloc: a copy of the input shows.
    boxes = large_boxes(100_000)
    fortran = np.asfortranarray(boxes)
    assert traced_peak(lambda: gmath.overlaps(clip, boxes)) < boxes.nbytes / 4
    assert traced_peak(lambda: gmath.overlaps(clip, fortran)) >= boxes.nbytes


def test_bad_shapes_and_arguments_raise_value_error():
    for bad in (np.zeros((3, 5)), np.zeros(6), [[1, 2]], "x"):
        with pytest.raises(ValueError, match="boxes must be"):
            gmath.overlaps(clip, bad)
    with pytest.raises(ValueError, match="threads"):
        gmath.overlaps(clip, np.zeros((1, 6)), threads=0)
    with pytest.raises(ValueError, match="inverse"):
        gmath.transform_boxes(transf, np.zeros((1, 6)), inverse=True)


def test_messages_arrive_once_and_in_row_order():
    rows = np.ones((3 * 2**16, 3))
    rows[::40_000, 0] = 0.0  # weight 0 under a G4x4 taking w from x
    g = gmath.G4x4(np.array([[1, 0, 0, 1], [0, 1, 0, 0], [0, 0, 1, 0], [0, 0, 0, 0.0]]))
    with gmath.capture_messages() as one:
        gmath.transform_positions(g, rows, transform_first=True)
    with gmath.capture_messages() as two:
        gmath.transform_positions(g, rows, transform_first=True, threads=2)
    with gmath.capture_messages() as scalar:
        for p in rows[::40_000]:
            g * gmath.Position(*p)
    assert one == two == scalar and len(one) == 5
    lacking = gmath.PtFence(np.zeros((2, 3)), gmath.UnitVector(0, 0, 1), 1.0, -1.0)
    with gmath.capture_messages() as messages:
        assert gmath.overlaps(lacking, large_boxes(3 * 2**16), threads=2).all()
    assert len(messages) == 1


def test_a_handler_changing_tolerances_mid_call_raises_instead_of_waiting_for_itself():
    rows = np.ones((2**17, 3))
    rows[::2**16, 0] = 0.0
    g = gmath.G4x4(np.array([[1, 0, 0, 1], [0, 1, 0, 0], [0, 0, 1, 0], [0, 0, 0, 0.0]]))
    refused = []

    class Setter(logging.Handler):
        def emit(self, record):
            try:
                gmath.set_distance_tolerance(2e-6)
            except RuntimeError as error:
                refused.append(str(error))

    logger = logging.getLogger("gmath")
    setter = Setter()
    logger.addHandler(setter)
    try:
        gmath.transform_positions(g, rows, transform_first=True)
    finally:
        logger.removeHandler(setter)
    assert len(refused) == 2 and "same thread" in refused[0]


@pytest.mark.parametrize("volume", [unit, clip, fence, bore, gmath.build_bore_cone(
    bore, gmath.Position(0.5, 0.5, -9))])
def test_index_answers_the_scan(volume, tmp_path):
    boxes = large_boxes(5000)
    boxes[::7] = boxes[::7, [3, 4, 5, 0, 1, 2]]  # inverted boxes
    boxes[::11, 1] = np.nan
    ids = np.arange(5000, dtype=np.int64) * 3 + 7
    index = gmath.BoxIndex(boxes, ids)
    scan_volume = volume.range() if isinstance(volume, gmath.BoreCone) else volume
    np.testing.assert_array_equal(index.query(volume), ids[gmath.overlap_hits(scan_volume, boxes)])
    if volume is bore:
        first, depths = index.first_hits(bore, 10**9)
        np.testing.assert_array_equal(np.sort(first), index.query(bore))
        assert (np.diff(depths[~np.isnan(depths)]) >= 0).all()
    index.write(tmp_path / "i")
    for again in gmath.BoxIndex.read(tmp_path / "i"), gmath.BoxIndex.from_bytes(index.to_bytes()):
        np.testing.assert_array_equal(again.query(volume), index.query(volume))


def test_a_call_sees_one_set_of_tolerances_and_threads_share_an_index():
    # Every box lies 2e-6 outside the volume: in under a tolerance of 1e-5,
    # out under 1e-6, so a call that saw both would answer both.
    boxes = np.tile([3.000002, 0.0, 0.0, 4.0, 1.0, 1.0], (2**19, 1))
    volume = gmath.build_clip_volume(np.array([[-1.0, 0.0, 0.0, 3.0]]))
    with concurrent.futures.ThreadPoolExecutor(4) as pool:
        calls = [pool.submit(gmath.overlaps, volume, boxes, threads=2) for _ in range(20)]
        tolerances = itertools.cycle([1e-5, 1e-6])
        while not all(call.done() for call in calls):
            gmath.set_distance_tolerance(next(tolerances))
        assert all(len(set(call.result())) == 1 for call in calls)
        index = gmath.BoxIndex(large_boxes(20_000))
        volumes = [clip, fence, bore, unit] * 8
        queries = pool.map(index.query, volumes)
        assert [q.tolist() for q in queries] == [index.query(v).tolist() for v in volumes]


def test_ctrl_c_interrupts_a_long_call():
    # A fence of 100 points takes its single call for every box: about 2 us
    # a box, seconds for the whole array, so the interrupt lands mid-call.
    script = textwrap.dedent("""
        import _thread, threading, time, numpy as np, gmath
        a = np.linspace(0, 2 * np.pi, 101)[:-1]
        ring = np.column_stack([6 * np.cos(a), 6 * np.sin(a), np.zeros(100)])
        fence = gmath.build_pt_fence(np.vstack([ring, ring[:1]]), gmath.UnitVector(0, 0, 1), 4, -4)
        boxes = np.random.default_rng(0).uniform(0, 1, (2**22, 6))
        sent = []
        def interrupt():
            sent.append(time.perf_counter())
            _thread.interrupt_main()
        threading.Timer(0.3, interrupt).start()
        try:
            gmath.overlaps(fence, boxes, threads=THREADS)
            print("finished")
        except KeyboardInterrupt:
            print("interrupted after", time.perf_counter() - sent[0])
    """)
    for threads in ("1", "2"):
        out = subprocess.run([sys.executable, "-c", script.replace("THREADS", threads)],
                             capture_output=True, text=True, timeout=300)
        words = out.stdout.split()
        assert words[:2] == ["interrupted", "after"], out.stdout + out.stderr
        assert float(words[2]) < 2.0  # the whole call takes several seconds
