#include <utility>

#include "robustness/bad_input.h"

namespace {

using namespace gmath::test;

TEST_F(BadInputSweep, PlanarValuesTransformsAndBoxes) {
  // Calls packed into lines; the formatter would give many one a line.
  // clang-format off
  Run({
      {"planar builders",
       {BAD_CALL(BuildUnitVector2d(b.d, b.d)), BAD_CALL(BuildUnitVector2d(b.d, b.d, b.d, &b.err)),
        BAD_CALL(BuildUnitVector2d(b.p2, b.q2)), BAD_CALL(BuildMatrix2d(b.u2, b.u2, 1)),
        BAD_CALL(BuildMatrix2d(b.v2, b.w2, 0)), BAD_CALL(BuildTransf2d(b.m2, b.v2, b.d, 1, 0, 0)),
        BAD_CALL(CoordinateTransf2d(b.p2, b.u2, b.u2)), BAD_CALL(Reflection2d(b.u2)),
        BAD_CALL(ReflectTransf2d(b.u2)), BAD_CALL(ReflectTransf2d(b.u2, b.p2)),
        BAD_CALL(RotateTransf2d(b.d)), BAD_CALL(RotateTransf2d(b.d, b.d)),
        BAD_CALL(RotateTransf2d(b.d, b.d, b.p2)), BAD_CALL(RotateTransf2d(b.d, b.p2)),
        BAD_CALL(Rotation2d(b.d)), BAD_CALL(Rotation2d(b.d, b.d)), BAD_CALL(ScaleTransf2d(b.d)),
        BAD_CALL(ScaleTransf2d(b.d, b.p2)), BAD_CALL(TranslateTransf2d(b.v2)),
        BAD_CALL(BuildBox2d(b.d, b.d)), BAD_CALL(BuildBox2d(b.p2, 0)),
        BAD_CALL(BuildBox2d(b.d, b.d, b.d, b.d)), BAD_CALL(BuildBox2d(b.p2, b.q2)),
        BAD_CALL(MakeOrthogonal(b.m2, b.m2Out, &b.err))}},
      {"planar functions",
       {BAD_CALL(GDistance(b.p2, b.q2)), BAD_CALL(GetDeterminant(b.m2)),
        BAD_CALL(GetPerpVector2d(b.u2)), BAD_CALL(GiveAngle(b.v2, b.w2)),
        BAD_CALL(GiveRotAngle(b.t2, &b.err)), BAD_CALL(Interpolate(b.d, b.p2, b.q2)),
        BAD_CALL(Gassert_valid(b.p2)), BAD_CALL(Gassert_valid(b.v2)), BAD_CALL(Gassert_valid(b.u2)),
        BAD_CALL(Gassert_valid(b.m2)), BAD_CALL(Gassert_valid(b.t2)),
        BAD_CALL(Gassert_valid(b.box2))}},
      {"planar products",
       {BAD_CALL(b.p2 % b.v2), BAD_CALL(b.v2 % b.p2), BAD_CALL(b.v2 % b.w2), BAD_CALL(b.v2 * b.w2),
        BAD_CALL(b.p2 + b.v2), BAD_CALL(b.v2 + b.p2), BAD_CALL(b.p2 - b.v2), BAD_CALL(b.v2 / b.d),
        BAD_CALL(b.m2 * b.m2), BAD_CALL(b.m2 * b.p2), BAD_CALL(b.m2 * b.u2), BAD_CALL(b.m2 * b.v2),
        BAD_CALL(b.p2 * b.m2), BAD_CALL(b.p2 * b.t2), BAD_CALL(b.t2 * b.t2), BAD_CALL(b.u2 * b.m2),
        BAD_CALL(b.u2 * b.t2), BAD_CALL(b.v2 * b.m2), BAD_CALL(b.v2 * b.t2), BAD_CALL(b.p2 ^ b.t2),
        BAD_CALL(b.u2 ^ b.t2), BAD_CALL(b.v2 ^ b.t2), BAD_CALL(b.g * b.p2), BAD_CALL(b.p2 * b.g),
        BAD_CALL(b.p2 << b.box2), BAD_CALL(b.box2.GiveCorners(b.points2))}},
      {"planar box operators",
       {BAD_CALL(b.box2 & b.box2), BAD_CALL(b.box2 | b.box2), BAD_CALL(b.d * b.box2),
        BAD_CALL(b.box2 * b.d), BAD_CALL(b.box2 / b.d), BAD_CALL(b.box2 * b.m2),
        BAD_CALL(b.m2 * b.box2), BAD_CALL(b.box2 * b.t2), BAD_CALL(b.box2.IsEqual(b.box2)),
        BAD_CALL(b.box2.IsNull()), BAD_CALL(b.box2 &= b.box2), BAD_CALL(b.box2 |= b.box2),
        BAD_CALL(b.box2 *= b.d), BAD_CALL(b.box2 *= b.m2), BAD_CALL(b.box2 *= b.t2),
        BAD_CALL(b.box2 += b.v2), BAD_CALL(b.box2 -= b.v2), BAD_CALL(b.box2 /= b.d),
        BAD_CALL(b.box2 << b.box2), BAD_CALL(b.box2 >> b.box2), BAD_CALL(b.box2 >> b.p2)}},
      {"planar members",
       {BAD_CALL(b.m2.IsEqual(b.m2)), BAD_CALL(b.m2.IsEuclidean()), BAD_CALL(b.m2.IsIdentity()),
        BAD_CALL(b.m2.IsNull()), BAD_CALL(b.m2.Transpose()), BAD_CALL(b.m2 *= b.m2),
        BAD_CALL(b.p2.IsEqual(b.q2)), BAD_CALL(b.p2.IsNull()), BAD_CALL(b.p2 *= b.g),
        BAD_CALL(b.p2 *= b.m2), BAD_CALL(b.p2 *= b.t2), BAD_CALL(b.p2 += b.v2),
        BAD_CALL(b.p2 -= b.v2), BAD_CALL(b.t2.Inverse()), BAD_CALL(b.t2.IsEqual(b.t2)),
        BAD_CALL(b.t2.IsIdentity()), BAD_CALL(b.t2.IsInvertible()), BAD_CALL(b.t2.IsNull()),
        BAD_CALL(b.t2 *= b.t2), BAD_CALL(static_cast<GVector2d>(b.u2)), BAD_CALL(b.u2 *= b.m2),
        BAD_CALL(b.u2 *= b.t2), BAD_CALL(b.u2 += b.v2), BAD_CALL(b.u2 -= b.v2),
        BAD_CALL(b.v2.GetLength()), BAD_CALL(b.v2.IsColinear(b.w2)), BAD_CALL(b.v2.IsEqual(b.w2)),
        BAD_CALL(b.v2.IsNull()), BAD_CALL(b.v2.IsNull(b.d)), BAD_CALL(b.v2.IsOrthogonal(b.w2)),
        BAD_CALL(b.v2 *= b.d), BAD_CALL(b.v2 *= b.m2), BAD_CALL(b.v2 *= b.t2),
        BAD_CALL(b.v2 += b.w2), BAD_CALL(b.v2 -= b.w2), BAD_CALL(b.v2 /= b.d)}},
      {"planar operator[]",
       {BAD_CALL(b.p2[b.n]), BAD_CALL(std::as_const(b).p2[b.n]), BAD_CALL(b.v2[b.n]),
        BAD_CALL(std::as_const(b).v2[b.n]), BAD_CALL(b.u2[b.n]), BAD_CALL(std::as_const(b).u2[b.n]),
        BAD_CALL(std::as_const(b).m2[b.n]), BAD_CALL(b.box2[b.n]),
        BAD_CALL(std::as_const(b).box2[b.n])}, true},
      {"BuildBox2d(count, points)",
       {BAD_CALL(BuildBox2d(b.n, b.pts == nullptr ? nullptr : b.points2))}, true, true},
  });
  // clang-format on
}

}  // namespace
