#include "robustness/bad_input.h"

namespace {

using namespace gmath::test;

TEST_F(BadInputSweep, SpatialValuesTransformsAndBoxes) {
  Run({
      {"BuildUnitVector", 3,
       [](Bad& b) {
         BuildUnitVector(b.d, b.d, b.d);
         BuildUnitVector(b.p.m_x, b.p.m_y, b.p.m_z, b.d, &b.err);
         BuildUnitVector(b.p, b.q);
       }},
      {"vector functions", 6,
       [](Bad& b) {
         GetPerpVector(b.u);
         GiveAngle(b.v, b.w);
         Interpolate(b.d, b.p, b.q);
         ModifyOrthoVector(b.v, b.w);
         ModifyOrthoVector(b.v, b.u);
         b.p << b.box;
       }},
      {"vector products", 14,
       [](Bad& b) {
         b.g *b.p, b.p *b.g, b.v *b.t, b.g *b.v, b.v *b.g, b.v / b.d;
         b.u *b.m, b.m *b.u, b.u *b.t, b.u *b.g, b.g *b.u;
         b.p ^ b.t, b.u ^ b.t, b.v ^ b.t;
       }},
      {"vector members", 30,
       [](Bad& b) {
         b.p.IsEqual(b.q), b.p.IsNull(), b.p.Convert2d(), b.p.Convert3d(b.p2);
         b.v.IsEqual(b.w), b.v.IsNull(), b.v.IsNull(b.d), b.v.IsColinear(b.w);
         b.v.IsOrthogonal(b.w), b.v.Convert2d(), b.v.Convert3d(b.v2);
         b.u.IsEqual(b.v), b.u.IsNull(), b.u.IsColinear(b.v), b.u.IsOrthogonal(b.v);
         b.u.Convert2d(), b.u.Convert3d(b.u2), static_cast<GVector>(b.u);
         b.p *= b.m, b.p *= b.t, b.p *= b.g;
         b.v *= b.m, b.v *= b.t, b.v *= b.g, b.v /= b.d;
         b.u *= b.m, b.u *= b.t, b.u *= b.g, b.u += b.v, b.u -= b.v;
       }},
      {"vector operator[]", 7,
       [](Bad& b) {
         const Bad& c = b;
         b.p[b.n], c.p[b.n], b.v[b.n], c.v[b.n], b.u[b.n], c.u[b.n], c.m[b.n];
       },
       true},
      {"matrix functions", 11,
       [](Bad& b) {
         BuildMatrix(b.u, b.u, b.u, 1), BuildMatrix(b.v, b.w, b.v, 0);
         CheckOrthogonal(b.m, &b.x, &b.y), GetDeterminant(b.m), b.m *b.m;
         MakeOrthogonal(b.m, b.mOut, &b.err), MakeOrthogonalIt(b.m, b.mOut, &b.err);
         Rotation(b.d, b.u), Rotation(b.d, b.d, b.u), Reflection(b.u);
         b.m.Transpose();
       }},
      {"CheckOrthoScale", 1,
       [](Bad& b) { CheckOrthoScale(b.numbers, static_cast<int>(b.n), &b.flag, &b.x, &b.err); },
       true},
      {"matrix members", 5,
       [](Bad& b) {
         b.m.IsEqual(b.mOut), b.m.IsEuclidean(), b.m.IsIdentity(), b.m.IsNull(), b.m *= b.m;
       }},
      {"transform builders", 12,
       [](Bad& b) {
         BuildTransf(b.m, b.v, b.d, 1, 0, 0), CoordinateTransf(b.p, b.u);
         CoordinateTransf(b.p, b.u, b.u), ReflectTransf(b.u), ReflectTransf(b.u, b.p);
         RotateTransf(b.d, b.u), RotateTransf(b.d, b.d, b.u), RotateTransf(b.d, b.u, b.p);
         RotateTransf(b.d, b.d, b.u, b.p), ScaleTransf(b.d), ScaleTransf(b.d, b.p);
         TranslateTransf(b.v);
       }},
      {"transform repair", 3,
       [](Bad& b) {
         OldToNewTransf(b.p, b.u, b.u, b.q, b.u, b.u, b.tOut, &b.err);
         GTransfHealer(b.t, b.tOut, &b.flag, &b.err);
         GetRotAngles(b.t, &b.x, &b.y, &b.z, b.pOut);
       }},
      {"transform members", 10,
       [](Bad& b) {
         b.t *b.t, b.t.Convert2d(), b.tOut.Convert3d(b.t2), b.t.Inverse(), b.t.IsEqual(b.t);
         b.t.IsIdentity(), b.t.IsInvertible(), b.t.IsNull(), b.t *= b.t, b.tOut = b.g;
       }},
      {"Gassert_valid", 10,
       [](Bad& b) {
         Gassert_valid(b.p), Gassert_valid(b.v), Gassert_valid(b.v, &b.flag);
         Gassert_valid(b.u), Gassert_valid(b.m), Gassert_valid(b.m, &b.flag);
         Gassert_valid(b.t), Gassert_valid(b.t, &b.flag), Gassert_valid(b.g);
         Gassert_valid(b.box);
       }},
      {"G4x4 builders", 15,
       [](Bad& b) {
         Build4x4(b.numbers), ConvertG4x4ToGTransf(b.g, b.tOut);
         ConvertG4x4ToGTransf2d(b.g, b.t2Out);
         Coordinate4x4(b.p, b.u, b.u, b.gOut, &b.err), Reflect4x4(b.u, b.gOut, &b.err);
         Reflect4x4(b.u, b.p, b.gOut, &b.err), Rotate4x4(b.d, b.d, b.u, b.gOut, &b.err);
         Rotate4x4(b.d, b.d, b.u, b.p, b.gOut, &b.err), Rotate4x4(b.d, b.u, b.gOut, &b.err);
         Rotate4x4(b.d, b.u, b.p, b.gOut, &b.err), Scale4x4(b.d, b.d, b.d, b.gOut, &b.err);
         Scale4x4(b.d, b.d, b.d, b.p, b.gOut, &b.err), Scale4x4(b.d, b.gOut, &b.err);
         Scale4x4(b.d, b.p, b.gOut, &b.err), Translate4x4(b.v, b.gOut, &b.err);
       }},
      {"G4x4 members and products", 12,
       [](Bad& b) {
         b.g *b.g, b.g *b.t, b.t *b.g, b.g.HasReflection(), b.g.HasRotation();
         b.g.Inverse(), b.g.IsEqual(b.g), b.g.IsInvertible(), b.g.IsValid();
         b.g *= b.g, b.g *= b.t, b.gOut = b.t;
       }},
      {"box functions", 18,
       [](Bad& b) {
         BuildBox(b.p), BuildBox(b.d, b.d, b.d, b.d, b.d, b.d), BuildBox(b.p, b.q);
         b.box &b.box, b.box | b.box, b.d *b.box, b.box *b.d, b.box / b.d;
         b.box *b.m, b.m *b.box, b.box *b.t, b.t *b.box, b.box *b.g, b.g *b.box;
         b.box.ClipWPlane(b.d, b.d, b.d, b.d), b.box.Convert2d(), b.box.Convert3d(b.box2);
         b.box.GiveCorners(b.outPoints);
       }},
      {"box members", 14,
       [](Bad& b) {
         b.box.IsEqual(b.box), b.box.IsNull(), b.box &= b.box, b.box |= b.box;
         b.box *= b.d, b.box *= b.g, b.box *= b.m, b.box *= b.t, b.box += b.v, b.box -= b.v;
         b.box /= b.d, b.box << b.box, b.box >> b.box, b.box >> b.p;
       }},
      {"BuildBox(count, points)", 1, [](Bad& b) { BuildBox(b.n, b.pts); }, true, true},
      {"box operator[]", 2,
       [](Bad& b) {
         const Bad& c = b;
         b.box[b.n], c.box[b.n];
       },
       true},
      {"tolerance setters", 3,
       [](Bad& b) {
         SetDistanceTolerance(b.d, &b.err);
         SetRelativeTolerance(b.d, &b.err);
         SetFitTolerance(b.d, &b.err);
       }},
  });
}

}  // namespace
