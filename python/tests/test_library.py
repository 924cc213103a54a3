"""Results checked against the C++ library's own answers (its text form and
documented values)."""

import logging

import pytest
from hypothesis import given, strategies as st

import gmath

small = st.floats(-100, 100)


def test_text_form_is_the_library_print_and_parse_reads_bare_numbers():
    box = gmath.build_box(0, 0, 0, 1, 2, 3)
    assert str(box).split()[:2] == ["GBox:", "low:"]
    assert gmath.Box.parse("0 0 0 1 2 3") == box
    g = gmath.translate_4x4(gmath.Vector(1, 2, 3))
    assert gmath.G4x4.parse(str(g)).is_equal(g)


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
