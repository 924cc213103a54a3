#include "robustness/bad_input.h"

namespace {

using namespace gmath::test;

TEST_F(BadInputSweep, PlanarValuesTransformsAndBoxes) {
  Run({
      {"planar builders", 24,
       [](Bad& b) {
         BuildUnitVector2d(b.d, b.d), BuildUnitVector2d(b.d, b.d, b.d, &b.err);
         BuildUnitVector2d(b.p2, b.q2), BuildMatrix2d(b.u2, b.u2, 1);
         BuildMatrix2d(b.v2, b.w2, 0), BuildTransf2d(b.m2, b.v2, b.d, 1, 0, 0);
         CoordinateTransf2d(b.p2, b.u2, b.u2), Reflection2d(b.u2), ReflectTransf2d(b.u2);
         ReflectTransf2d(b.u2, b.p2), RotateTransf2d(b.d), RotateTransf2d(b.d, b.d);
         RotateTransf2d(b.d, b.d, b.p2), RotateTransf2d(b.d, b.p2), Rotation2d(b.d);
         Rotation2d(b.d, b.d), ScaleTransf2d(b.d), ScaleTransf2d(b.d, b.p2);
         TranslateTransf2d(b.v2), BuildBox2d(b.d, b.d), BuildBox2d(b.p2, 0);
         BuildBox2d(b.d, b.d, b.d, b.d), BuildBox2d(b.p2, b.q2),
             MakeOrthogonal(b.m2, b.m2Out, &b.err);
       }},
      {"planar functions", 12,
       [](Bad& b) {
         GDistance(b.p2, b.q2), GetDeterminant(b.m2), GetPerpVector2d(b.u2);
         GiveAngle(b.v2, b.w2), GiveRotAngle(b.t2, &b.err), Interpolate(b.d, b.p2, b.q2);
         Gassert_valid(b.p2), Gassert_valid(b.v2), Gassert_valid(b.u2);
         Gassert_valid(b.m2), Gassert_valid(b.t2), Gassert_valid(b.box2);
       }},
      {"planar products", 26,
       [](Bad& b) {
         b.p2 % b.v2, b.v2 % b.p2, b.v2 % b.w2, b.v2 *b.w2, b.p2 + b.v2, b.v2 + b.p2;
         b.p2 - b.v2, b.v2 / b.d, b.m2 *b.m2, b.m2 *b.p2, b.m2 *b.u2, b.m2 *b.v2;
         b.p2 *b.m2, b.p2 *b.t2, b.t2 *b.t2, b.u2 *b.m2, b.u2 *b.t2, b.v2 *b.m2;
         b.v2 *b.t2, b.p2 ^ b.t2, b.u2 ^ b.t2, b.v2 ^ b.t2, b.g *b.p2, b.p2 *b.g;
         b.p2 << b.box2, b.box2.GiveCorners(b.points2);
       }},
      {"planar box operators", 21,
       [](Bad& b) {
         b.box2 &b.box2, b.box2 | b.box2, b.d *b.box2, b.box2 *b.d, b.box2 / b.d;
         b.box2 *b.m2, b.m2 *b.box2, b.box2 *b.t2, b.box2.IsEqual(b.box2), b.box2.IsNull();
         b.box2 &= b.box2, b.box2 |= b.box2, b.box2 *= b.d, b.box2 *= b.m2, b.box2 *= b.t2;
         b.box2 += b.v2, b.box2 -= b.v2, b.box2 /= b.d, b.box2 << b.box2, b.box2 >> b.box2;
         b.box2 >> b.p2;
       }},
      {"planar members", 36,
       [](Bad& b) {
         b.m2.IsEqual(b.m2), b.m2.IsEuclidean(), b.m2.IsIdentity(), b.m2.IsNull();
         b.m2.Transpose(), b.m2 *= b.m2, b.p2.IsEqual(b.q2), b.p2.IsNull(), b.p2 *= b.g;
         b.p2 *= b.m2, b.p2 *= b.t2, b.p2 += b.v2, b.p2 -= b.v2, b.t2.Inverse();
         b.t2.IsEqual(b.t2), b.t2.IsIdentity(), b.t2.IsInvertible(), b.t2.IsNull();
         b.t2 *= b.t2, static_cast<GVector2d>(b.u2), b.u2 *= b.m2, b.u2 *= b.t2;
         b.u2 += b.v2, b.u2 -= b.v2, b.v2.GetLength(), b.v2.IsColinear(b.w2);
         b.v2.IsEqual(b.w2), b.v2.IsNull(), b.v2.IsNull(b.d), b.v2.IsOrthogonal(b.w2);
         b.v2 *= b.d, b.v2 *= b.m2, b.v2 *= b.t2, b.v2 += b.w2, b.v2 -= b.w2, b.v2 /= b.d;
       }},
      {"planar operator[]", 9,
       [](Bad& b) {
         const Bad& c = b;
         b.p2[b.n], c.p2[b.n], b.v2[b.n], c.v2[b.n], b.u2[b.n], c.u2[b.n], c.m2[b.n];
         b.box2[b.n], c.box2[b.n];
       },
       true},
      {"BuildBox2d(count, points)", 1,
       [](Bad& b) { BuildBox2d(b.n, b.pts == nullptr ? nullptr : b.points2); }, true, true},
  });
}

}  // namespace
