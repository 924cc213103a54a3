"""Results checked against the C++ library's own answers (its text form and
documented values)."""

import logging

import pytest
from hypothesis import given, strategies as st

import gmath

small = st.floats(-100, 100)


@given(small, small, small)
def test_box_operators_agree_with_containment(x, y, z):
    box = gmath.build_box(-1, -1, -1, 1, 1, 1)
    p = gmath.Position(x, y, z)
    inside = abs(x) <= 1 and abs(y) <= 1 and abs(z) <= 1
    if inside:
        assert p in box and box >> p
    assert (box | gmath.build_box(p)) >> p
    assert (box * 2.0) == (2.0 * box)


def test_transform_products_on_both_sides():
    t = gmath.translate_transf(gmath.Vector(1, 0, 0))
    g = gmath.G4x4.from_transf(t)
    p = gmath.Position(1, 2, 3)
    assert (g * p) == gmath.Position(2, 2, 3)
    assert (p ^ t) == gmath.Position(0, 2, 3)
    box = gmath.build_box(0, 0, 0, 1, 1, 1)
    assert (box * t) == (t * box) == gmath.build_box(1, 0, 0, 2, 1, 1)
    assert (g * t).is_equal(gmath.G4x4.from_transf(t * t))


def test_volumes_answer_overlap_and_containment():
    box = gmath.build_box(0, 0, 0, 1, 1, 1)
    clip = gmath.ClipVolume.from_box(box)
    far = box + gmath.Vector(5, 0, 0) if False else gmath.build_box(5, 5, 5, 6, 6, 6)
    assert clip.overlaps(box) and box in clip and not clip.overlaps(far)
    line = gmath.build_bore_line(gmath.Position(0.5, 0.5, -5), gmath.UnitVector(0, 0, 1))
    assert line.overlaps(box) and not line.overlaps(far)


def test_errors_carry_code_message_and_reach_the_logger(caplog):
    with caplog.at_level(logging.WARNING, logger="gmath"):
        with pytest.raises(gmath.RejectedError) as error:
            gmath.build_unit_vector(0, 0, 0, 1e-6)
    assert error.value.code == 2 and "NULL unit vector" in error.value.message
    assert isinstance(error.value, ValueError)
    assert "NULL unit vector" in caplog.text


def test_capture_messages_collects_only_inside_the_block():
    with gmath.capture_messages() as messages:
        gmath.build_unit_vector(0, 0, 0)
    gmath.build_unit_vector(0, 0, 0)
    assert messages == ["GUnitVector: tried to create a NULL unit vector"]


def test_tolerance_context_sets_and_restores():
    with gmath.tolerances(distance=1e-5, fit=1e-2) as now:
        assert now[0] == gmath.get_distance_tolerance() == 1e-5
    assert gmath.get_distance_tolerance() == 1e-6 and gmath.get_fit_tolerance() == 1e-3
    with pytest.raises(gmath.RejectedError):
        with gmath.tolerances(distance=1.0):
            pass
    assert gmath.get_distance_tolerance() == 1e-6


@given(small, small, small, small)
def test_planar_operators_follow_the_library(x, y, u, v):
    a, b = gmath.Vector2d(x, y), gmath.Vector2d(u, v)
    assert a % b == b % a
    assert a * b == -(b * a)
    p = gmath.Position2d(x, y)
    assert (p + b) == (b + p)
    t = gmath.rotate_transf_2d(0.5)
    assert (t.inverse() * t).is_identity()


def test_point_volumes_build_check_and_move_their_own_points():
    square = [[0, 0, 0], [1, 0, 0], [1, 1, 0], [0, 1, 0], [0, 0, 0]]
    up = gmath.UnitVector(0, 0, 1)
    with pytest.raises(gmath.RejectedError, match="num < 4"):
        gmath.build_pt_fence(square[:3], up, 1.0, -1.0)
    fence = gmath.build_pt_fence(square, up, 1.0, -1.0)
    assert fence.contains_point(gmath.Position(0.5, 0.5, 0)) and fence.range() == \
        gmath.build_box(0, 0, -1, 1, 1, 1)
    view = fence.points
    fence *= gmath.translate_transf(gmath.Vector(0, 0, 10))
    assert view[0, 2] == 10.0 and not fence.overlaps(gmath.build_box(0, 0, 0, 1, 1, 1))
    frustum = gmath.build_pt_frustum(fence, gmath.Position(0.5, 0.5, 20))
    assert frustum.fence == fence and frustum.count == 5
    prism = gmath.build_rt_prism(gmath.scale_transf(1.0), square, 2.0)
    assert prism.range() == gmath.build_box(0, 0, 0, 1, 1, 2)
    with pytest.raises(gmath.RejectedError, match="height is negative"):
        gmath.build_rt_prism(gmath.scale_transf(1.0), square, -1.0)


def test_homogeneous_builders_raise_and_convert():
    with pytest.raises(gmath.RejectedError, match="cosine and sine invalid"):
        gmath.rotate_4x4(2.0, 0.0, gmath.UnitVector(0, 0, 1))
    g = gmath.rotate_4x4(0.5, gmath.UnitVector(0, 0, 1))
    t = gmath.convert_g4x4_to_transf(g)
    assert t.is_equal(gmath.rotate_transf(0.5, gmath.UnitVector(0, 0, 1)))
    assert gmath.G4x4.from_transf(t).is_equal(g)
    with pytest.raises(gmath.RejectedError):
        gmath.convert_g4x4_to_transf(gmath.G4x4([1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0, 0, 0, 0, 1]))
