"""Each in-place operator against its binary form: the two are separate
bindings of separate C++ operators, so a binding on the wrong side or of the
wrong overload shows as different bits."""

import copy

from hypothesis import given, strategies as st

import gmath

angles = st.floats(-3.0, 3.0)
scales = st.floats(0.1, 10.0)


def movers(angle, scale):
    axis = gmath.build_unit_vector(1.0, 2.0, 3.0)
    transf = gmath.rotate_transf(angle, axis) * gmath.scale_transf(scale)
    return transf.matrix, transf, gmath.G4x4.from_transf(transf)


def values():
    box = gmath.build_box(-1, -2, -3, 1, 2, 3)
    line = gmath.build_bore_line(gmath.Position(1, 2, 3), gmath.build_unit_vector(0, 1, 1),
                                 2.0, -2.0, 0.5)
    return box, line, gmath.ClipVolume.from_box(box)


def in_place(value, other):
    result = copy.copy(value)
    result *= other
    return result


@given(angles, scales)
def test_in_place_products_equal_the_value_first_products(angle, scale):
    matrix, transf, g4x4 = movers(angle, scale)
    box, line, clip = values()
    for value, others in ((box, (scale, matrix, transf)),
                          (line, (scale, matrix, transf)),
                          (clip, (scale, matrix, transf)),
                          (gmath.Vector(1, 2, 3), (transf,)),
                          (gmath.build_unit_vector(1, 2, 3), (matrix, transf))):
        for other in others:
            assert in_place(value, other).same_bits(value * other), (value, other)


@given(angles, scales)
def test_homogeneous_in_place_products_are_matrix_first(angle, scale):
    _, _, g4x4 = movers(angle, scale)
    for value in (gmath.Position(1, 2, 3), values()[0], values()[1]):
        assert in_place(value, g4x4).same_bits(g4x4 * value), value


@given(angles, scales)
def test_transform_products_match_their_homogeneous_forms(angle, scale):
    _, transf, g4x4 = movers(angle, scale)
    box, _, _ = values()
    assert (box * transf).is_equal(g4x4 * box)
    assert (transf * transf).is_equal(gmath.convert_g4x4_to_transf(g4x4 * g4x4))
    assert in_place(transf, transf).same_bits(transf * transf)
