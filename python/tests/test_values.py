import copy
import pickle
import subprocess
import sys

import numpy as np
from hypothesis import given, strategies as st

import gmath

doubles = st.floats(allow_nan=True, allow_infinity=True, width=64)
finite = st.floats(-1e6, 1e6)
positions = st.builds(gmath.Position, doubles, doubles, doubles)


def values():
    p = gmath.Position(1.0, -0.0, float("nan"))
    u = gmath.UnitVector(0.0, 0.0, 1.0)
    box = gmath.build_box(0, 0, 0, 1, 2, 3)
    line = gmath.build_bore_line(p, u, 1.0, -1.0, 0.5)
    fence = gmath.build_pt_fence([[0, 0, 0], [1, 0, 0], [1, 1, 0], [0, 0, 0]], u, 1.0, -1.0)
    t = gmath.rotate_transf(0.3, u)
    return [p, gmath.Vector(1, 2, 3), u, t.matrix, t, gmath.G4x4(np.arange(16.0)), box, line,
            gmath.BoreCone(line, p), gmath.ClipVolume.from_box(box), fence,
            gmath.PtFrustum(fence, p), gmath.RtPrism(t, fence.points, 2.0),
            gmath.Position2d(1, 2), gmath.Vector2d(3, 4), gmath.UnitVector2d(1, 0),
            gmath.rotation_2d(0.2), gmath.rotate_transf_2d(0.2), gmath.build_box_2d(0, 0, 1, 1)]


def test_every_class_round_trips_through_repr_pickle_and_copy():
    for value in values():
        for back in (eval(repr(value)), pickle.loads(pickle.dumps(value)), copy.deepcopy(value)):
            assert type(back) is type(value) and back.same_bits(value), repr(value)


@given(positions)
def test_position_repr_and_pickle_keep_every_bit(p):
    assert eval(repr(p)).same_bits(p)
    assert pickle.loads(pickle.dumps(p, protocol=2)).same_bits(p)


def test_nan_payload_and_negative_zero_survive_repr():
    odd_nan = gmath.float_from_bits(0x7FF8000000000123)
    p = gmath.Position(odd_nan, -0.0, 0.0)
    assert eval(repr(p)).same_bits(p)
    assert not p.same_bits(gmath.Position(float("nan"), 0.0, 0.0))


@given(finite, finite, finite)
def test_equality_is_ieee_on_fields(x, y, z):
    p = gmath.Position(x, y, z)
    assert p == gmath.Position(x, y, z)
    assert gmath.Position(float("nan"), y, z) != gmath.Position(float("nan"), y, z)
    assert gmath.Position(0.0, y, z) == gmath.Position(-0.0, y, z)


def test_pickles_load_in_a_fresh_interpreter():
    data = pickle.dumps(values())
    code = ("import pickle, sys; vs = pickle.loads(sys.stdin.buffer.read()); "
            "sys.stdout.write(repr(vs))")
    out = subprocess.run([sys.executable, "-c", code], input=data, capture_output=True,
                         check=True).stdout.decode()
    assert out == repr(values())


def test_point_volumes_own_read_only_copies_of_their_points():
    points = np.array([[0, 0, 0], [1, 0, 0], [1, 1, 0], [0, 0, 0]], dtype=float)
    fence = gmath.PtFence(points, gmath.UnitVector(0, 0, 1), 1.0, -1.0)
    points[1, 0] = 9.0
    assert fence.points[1, 0] == 1.0 and not fence.points.flags.writeable
    assert fence.count == 4


def test_g4x4_converts_from_and_to_a_4x4_array():
    a = np.arange(16.0).reshape(4, 4)
    assert (np.asarray(gmath.G4x4(a)) == a).all()
