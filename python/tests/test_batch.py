"""The array calls against the scalar calls they repeat, bit for bit."""

import copy
import subprocess
import sys
import textwrap

import numpy as np
import pytest
from hypothesis import given, strategies as st
from hypothesis.extra import numpy as hnp

import gmath

# Coordinates that take every path: NaN, infinities, huge, tiny, -0.0.
coordinate = st.one_of(st.floats(-4, 4), st.sampled_from(
    [float("nan"), float("inf"), -float("inf"), 1e300, -1e300, 1e-300, -0.0, 2.0**121]))
box_arrays = hnp.arrays(np.float64, st.tuples(st.integers(0, 40), st.just(6)), elements=coordinate)
point_arrays = hnp.arrays(np.float64, st.tuples(st.integers(0, 40), st.just(3)), elements=coordinate)


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
clip = gmath.build_clip_volume(np.array([[1, 0, 0, 1], [-1, 0, 0, 1], [0, 1, 0, 1], [0, 0, 1, 1.0]]))
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
    np.testing.assert_array_equal(HITS[call](volume, boxes.reshape(-1, 2, 3)), np.flatnonzero(expected))


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
    np.testing.assert_array_equal(gmath.overlap_hits(volume, boxes, threads=2), np.flatnonzero(one))
    moved = gmath.transform_boxes(g4, boxes, threads=2)
    np.testing.assert_array_equal(bits(moved), bits(gmath.transform_boxes(g4, boxes)))


def test_bad_shapes_and_arguments_raise_value_error():
    for bad in (np.zeros((3, 5)), np.zeros(6), [[1, 2]], "x"):
        with pytest.raises(ValueError, match="boxes must be"):
            gmath.overlaps(clip, bad)
    with pytest.raises(ValueError, match="threads"):
        gmath.overlaps(clip, np.zeros((1, 6)), threads=0)
    with pytest.raises(ValueError, match="inverse"):
        gmath.transform_boxes(transf, np.zeros((1, 6)), inverse=True)


def test_messages_arrive_once_and_in_row_order():
    rows = np.zeros((3 * 2**16, 3))
    rows[::2**16] = [1.0, 0.0, 0.0]  # weight 0 under a G4x4 taking w from x
    g = gmath.G4x4(np.array([[1, 0, 0, 0], [0, 1, 0, 0], [0, 0, 1, 0], [0, 0, 0, 0.0]]))
    with gmath.capture_messages() as one:
        gmath.transform_positions(g, rows, transform_first=True)
    with gmath.capture_messages() as two:
        gmath.transform_positions(g, rows, transform_first=True, threads=2)
    assert one == two and len(one) > 0
    lacking = gmath.PtFence(np.zeros((2, 3)), gmath.UnitVector(0, 0, 1), 1.0, -1.0)
    with gmath.capture_messages() as messages:
        assert gmath.overlaps(lacking, large_boxes(3 * 2**16), threads=2).all()
    assert len(messages) == 1


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
    index.write(tmp_path / "i")
    for again in (gmath.BoxIndex.read(tmp_path / "i"), gmath.BoxIndex.from_bytes(index.to_bytes())):
        np.testing.assert_array_equal(again.query(volume), index.query(volume))


def test_ctrl_c_interrupts_a_long_call():
    script = textwrap.dedent("""
        import _thread, threading, numpy as np, gmath
        boxes = np.random.default_rng(0).uniform(0, 1, (2_000_000, 6))
        threading.Timer(0.2, _thread.interrupt_main).start()
        try:
            for _ in range(1000):
                gmath.overlaps(gmath.build_box(0, 0, 0, 1, 1, 1), boxes, threads=THREADS)
        except KeyboardInterrupt:
            print("interrupted")
    """)
    for threads in ("1", "2"):
        out = subprocess.run([sys.executable, "-c", script.replace("THREADS", threads)],
                             capture_output=True, text=True, timeout=120)
        assert out.stdout.strip() == "interrupted", out.stderr
