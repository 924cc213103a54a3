#include <algorithm>

#include "planar/planar_test.h"

namespace {

using namespace gmath::test;

constexpr GVector2d kZero = {0, 0};

class Transf2dTest : public GmathTest {
 protected:
  static double AngleOf(const GTransf2d& t) {
    long err = -1;
    const double angle = GiveRotAngle(t, &err);
    EXPECT_EQ(err, 0);
    return angle;
  }
};

TEST_F(Transf2dTest, BuildersKeepTheirPointAndSetTheirFlags) {
  const GPosition2d c = {1, -2};
  const GTransf2d scale = ScaleTransf2d(2.0, c);
  EXPECT_TRUE(HasXy(c * scale, 1, -2));
  EXPECT_TRUE(HasXy(GPosition2d{2, 0} * scale, 3, 2));
  for (const GTransf2d& r : {RotateTransf2d(0.0, 1.0, c), RotateTransf2d(kPi / 2, c)}) {
    EXPECT_TRUE(HasXy(c * r, 1, -2, 1e-15));
    EXPECT_TRUE(HasXy(GPosition2d{2, -2} * r, 1, -1, 1e-15));
    EXPECT_TRUE(HasFlags(r, 1, 0, 0));
  }
  const GTransf2d mirror = ReflectTransf2d({0, 1}, c);
  EXPECT_TRUE(HasXy(GPosition2d{3, 5} * mirror, -1, 5));
  EXPECT_TRUE(HasFlags(mirror, 0, 1, 0));
  EXPECT_TRUE(HasFlags(ReflectTransf2d({1, 0}), 0, 1, 0));
  EXPECT_TRUE(HasFlags(ScaleTransf2d(-1), 1, 0, 0));
  EXPECT_TRUE(HasFlags(TranslateTransf2d(kZero), 1, 0, 0));
  EXPECT_TRUE(HasFlags(BuildTransf2d(kIdentity2d, kZero, 1, 257, 256, -1), 1, 0, 255));
}

// b loses its part along a; the handedness picks rotation or reflection,
// and a degenerate frame counts as a reflection.
TEST_F(Transf2dTest, FrameFromTwoAxes) {
  const GTransf2d right = CoordinateTransf2d({1, 2}, {1, 0}, {1, 1});
  EXPECT_TRUE(HasRows(right.m_matrix, kIdentity2d));
  EXPECT_TRUE(HasXy(right.m_translation, 1, 2));
  EXPECT_TRUE(HasFlags(right, 1, 0, 0));
  const GTransf2d left = CoordinateTransf2d({}, {1, 0}, {1, -1});
  EXPECT_TRUE(HasRows(left.m_matrix, {{{1, 0}, {0, -1}}}));
  EXPECT_TRUE(HasFlags(left, 0, 1, 0));
  EXPECT_NO_MESSAGES();
  const GTransf2d flat = CoordinateTransf2d({}, {1, 0}, {-1, 0});
  EXPECT_TRUE(HasRows(flat.m_matrix, {{{1, 0}, {0, 0}}}));
  EXPECT_TRUE(HasFlags(flat, 0, 1, 0));
  EXPECT_MESSAGES("GUnitVector2d: tried to create a NULL unit vector");
}

// The scalings must differ by strictly less than resnor; only the
// reflection flag is compared.
TEST_F(Transf2dTest, EqualityAndIdentity) {
  const double r = GetRelativeTolerance();
  const GTransf2d zero = BuildTransf2d({}, kZero, 0, 0, 0, 0);
  EXPECT_EQ(zero.IsNull(), 1);
  EXPECT_EQ(BuildTransf2d({}, kZero, Below(r), 1, 0, 1).IsNull(), 1);
  EXPECT_EQ(BuildTransf2d({}, kZero, r, 0, 0, 0).IsNull(), 0);
  EXPECT_EQ(BuildTransf2d({}, kZero, kNaN, 0, 0, 0).IsEqual(zero), 0);
  EXPECT_EQ(BuildTransf2d({}, kZero, 0, 0, 1, 0).IsNull(), 0);
  EXPECT_EQ(BuildTransf2d({}, {GetDistanceTolerance(), 0}, 0, 0, 0, 0).IsNull(), 1);
  EXPECT_EQ(BuildTransf2d({}, {0, 2 * GetDistanceTolerance()}, 0, 0, 0, 0).IsNull(), 0);

  EXPECT_EQ(ScaleTransf2d(1).IsIdentity(), 1);
  EXPECT_EQ(BuildTransf2d(kIdentity2d, kZero, 1, 0, 0, 0).IsIdentity(), 1);
  EXPECT_EQ(BuildTransf2d(kIdentity2d, kZero, 1, 0, 1, 0).IsIdentity(), 0);
}

TEST_F(Transf2dTest, CompositionFlagsAndAssignment) {
  const GTransf2d a = RotateTransf2d(0.3, {1, 2});
  const GTransf2d b = BuildTransf2d(Reflection2d(BuildUnitVector2d(1, 2)), {3, -1}, 2.5, 0, 1, 0);
  EXPECT_TRUE(SameBits(TimesAssigned(a, b), a * b));
  EXPECT_TRUE(HasFlags(a * b, 0, 1, 0));
  EXPECT_TRUE(HasFlags(b * b, 1, 0, 0));
  EXPECT_TRUE(HasFlags(a * BuildTransf2d(kIdentity2d, kZero, 1, 0, 0, 1), 0, 0, 1));
}

TEST_F(Transf2dTest, InverseUndoesAndReportsWhatItCannot) {
  const GTransf2d t = RotateTransf2d(2.0, {1, 2}) * ScaleTransf2d(3, {-1, 0});
  EXPECT_TRUE(HasXy((GVector2d{4, 5} * t) ^ t, 4, 5, 1e-14));
  EXPECT_TRUE(HasFlags(ReflectTransf2d({1, 0}).Inverse(), 0, 1, 0));
  EXPECT_NO_MESSAGES();

  const GTransf2d flat = ScaleTransf2d(0.0).Inverse();
  EXPECT_EQ(flat.m_scaling, 1e30);
  EXPECT_MESSAGES("GTransf2d: transformation is not invertible",
                  "GTransf2d: transformation scaling is 0.0");
  const GTransf2d sheared = BuildTransf2d({{{1, 1}, {0, 1}}}, kZero, 2, 1, 0, 1).Inverse();
  EXPECT_TRUE(HasRows(sheared.m_matrix, {{{1, 0}, {1, 1}}}));
  EXPECT_EQ(sheared.m_scaling, 0.5);
  EXPECT_MESSAGES("GTransf2d: transformation is not invertible");
}

TEST_F(Transf2dTest, RotAngleInEveryQuadrant) {
  for (const double angle : {0.3, 2.0, -2.0, -0.3, kPi}) {
    EXPECT_DOUBLE_EQ(AngleOf(RotateTransf2d(angle)), angle < 0 ? 2 * kPi + angle : angle);
  }
  EXPECT_EQ(AngleOf(RotateTransf2d(1, 0)), 0.0);
  EXPECT_EQ(AngleOf(RotateTransf2d(0, 1)), 1.5707963267948966);
  EXPECT_EQ(AngleOf(RotateTransf2d(-1, 0)), 3.141592653589793);
  EXPECT_EQ(AngleOf(RotateTransf2d(0, -1)), 4.71238898038469);
  EXPECT_EQ(AngleOf(RotateTransf2d(-kPi / 2)), 4.71238898038469);
  // The magnitude and the scaling play no part; an entry counts as zero
  // strictly below 1e-12.
  EXPECT_DOUBLE_EQ(AngleOf(BuildTransf2d({{{-3, -3}, {0, 0}}}, kZero, 5, 1, 0, 0)), 1.25 * kPi);
  EXPECT_EQ(AngleOf(BuildTransf2d({{{Below(1e-12), 1}, {0, 0}}}, kZero, 1, 1, 0, 0)),
            1.5707963267948966);
  EXPECT_NE(AngleOf(BuildTransf2d({{{1e-12, 1}, {0, 0}}}, kZero, 1, 1, 0, 0)), 1.5707963267948966);
}

// Just below the positive x axis, -|s|/c is smaller than half an ulp of
// 2 pi for c from 1e3 to 1e5 with |s| = 1e-12: a + 2 pi then rounds to 2 pi
// itself, which is outside [0, 2 pi) and stands for 0.
TEST_F(Transf2dTest, RotAngleJustBelowTheAxisStaysBelowTwoPi) {
  constexpr double kTwoPi = 6.283185307179586;
  double largest = 0.0;
  int zeros = 0;
  for (double c = 1e3; c < 1e5; c *= 1.01) {
    const double angle = AngleOf(BuildTransf2d({{{c, -1e-12}, {0, 0}}}, kZero, 1, 1, 0, 0));
    ASSERT_TRUE(angle >= 0.0 && angle < kTwoPi) << "c " << c << ": " << angle;
    if (angle == 0.0) {
      ++zeros;
    } else {
      ASSERT_NEAR(angle, kTwoPi - 1e-12 / c, 1e-15) << "c " << c;
      largest = std::max(largest, angle);
    }
  }
  EXPECT_EQ(largest, Below(kTwoPi));
  EXPECT_GT(zeros, 0);
}

TEST_F(Transf2dTest, RotAngleErrors) {
  long err = -1;
  EXPECT_EQ(GiveRotAngle(ReflectTransf2d({1, 0}), &err), 0.0);
  EXPECT_EQ(err, 2);
  EXPECT_MESSAGES("transformation has no rotation");
  const GTransf2d tiny =
      BuildTransf2d({{{Below(1e-12), -Below(1e-12)}, {0, 1}}}, kZero, 1, 1, 0, 0);
  EXPECT_EQ(GiveRotAngle(tiny, &err), 0.0);
  EXPECT_EQ(err, 2);
  EXPECT_MESSAGES("both angle values are 0.0");
  GiveRotAngle(RotateTransf2d(1.0), &err);
  EXPECT_EQ(err, 0);
}

// Positions take the whole transform, vectors lose the translation, unit
// vectors keep only the matrix; ^ of a unit vector is the transpose.
TEST_F(Transf2dTest, ProductsOfPlanarValues) {
  const GTransf2d t = BuildTransf2d(Rotation2d(0.0, 1.0), {10, 20}, -2, 1, 0, 0);
  EXPECT_TRUE(HasXy(GPosition2d{1, 2} * t, 14, 18));
  EXPECT_TRUE(HasXy(GVector2d{1, 2} * t, 4, -2));
  EXPECT_TRUE(HasXy(GUnitVector2d{1, 0} * t, 0, 1));
  EXPECT_TRUE(HasXy(GUnitVector2d{0, 1} ^ t, 1, 0));
  EXPECT_TRUE(HasXy(TimesAssigned(GPosition2d{1, 2}, t), 14, 18));
  EXPECT_TRUE(HasXy(TimesAssigned(GVector2d{1, 2}, t), 4, -2));
  EXPECT_TRUE(HasXy(TimesAssigned(GUnitVector2d{1, 0}, t), 0, 1));
  EXPECT_NO_MESSAGES();

  // A shearing transform is reported for unit vectors and applied anyway;
  // ^ takes the transpose of a non-orthogonal matrix without complaint.
  const GTransf2d shear = BuildTransf2d({{{1, 1}, {0, 1}}}, {5, 5}, 3, 1, 0, 1);
  EXPECT_TRUE(HasXy(GUnitVector2d{0, 1} * shear, 0, 1));
  EXPECT_TRUE(HasXy(GUnitVector2d{1, 0} ^ shear, 1, 0));
  EXPECT_MESSAGES("GUnitVector2d: transformation has Shear",
                  "GUnitVector2d: transformation has Shear");
  EXPECT_TRUE(
      HasXy(GVector2d{1e30, 0} * BuildTransf2d({{{2, 0}, {0, 1}}}, kZero, 0.25, 1, 0, 0), 5e29, 0));
  EXPECT_MESSAGES("GVector2d does not have valid coordinates");
}

TEST_F(Transf2dTest, Validity) {
  Gassert_valid(RotateTransf2d(0.4, {1, 1}));
  Gassert_valid(ReflectTransf2d(BuildUnitVector2d(1, 3)));
  EXPECT_NO_MESSAGES();
  Gassert_valid(BuildTransf2d(Rotation2d(0.4), kZero, -1, 1, 0, 0));
  EXPECT_MESSAGES("GTransf2d has an invalid scale");
  Gassert_valid(BuildTransf2d(Rotation2d(0.4), kZero, GetDistanceTolerance(), 0, 1, 1));
  EXPECT_MESSAGES("GTransf2d has Shear", "GTransf2d: m_hasReflection is set, but it is a rotation");
  Gassert_valid(BuildTransf2d(Reflection2d({1, 0}), kZero, 1, 1, 1, 0));
  EXPECT_MESSAGES("GTransf2d: m_hasRotation is set, but it is a reflection");
  Gassert_valid(BuildTransf2d({{{2, 0}, {0, kNaN}}}, {kInf, 0}, kInf, 0, 0, 0));
  EXPECT_MESSAGES("GVector2d does not have valid coordinates",
                  "GVector2d does not have valid coordinates", "GTransf2d is not Euclidean",
                  "GTransf2d has an invalid scale",
                  "GTransf2d: neither m_hasRotation or m_hasReflection is set");
  Gassert_valid(BuildTransf2d({{{0, 0}, {0, 0}}}, kZero, 1, 1, 1, 0));
  EXPECT_MESSAGES("GTransf2d is not Euclidean");
}

}  // namespace
