#include <utility>

#include "planar/planar_test.h"

namespace {

using namespace gmath::test;

GPosition2d P(double x, double y) { return {x, y}; }

class Box2dTest : public GmathTest {
 protected:
  static bool IsCanonicalNull(const GBox2d& b) { return HasBox(b, 1e30, 1e30, -1e30, -1e30); }
  static bool IsInfinite(const GBox2d& b) { return HasBox(b, -1e30, -1e30, 1e30, 1e30); }
  const double d = GetDistanceTolerance();
};

TEST_F(Box2dTest, Builders) {
  GPosition2d points[] = {{1, 5}, {-2, 7}, {3, -1}, {0, 0}};
  EXPECT_TRUE(HasBox(BuildBox2d(4, points), -2, -1, 3, 7));
  EXPECT_TRUE(HasBox(BuildBox2d(1, points), 1, 5, 1, 5));
  EXPECT_TRUE(HasBox(BuildBox2d(points[1], 7), -2, 7, -2, 7));
  EXPECT_TRUE(HasBox(BuildBox2d(points[2], points[0]), 3, -1, 1, 5));  // not sorted
  EXPECT_NO_MESSAGES();
  // No points to read, whether the count is 0 or the array is missing.
  EXPECT_TRUE(IsCanonicalNull(BuildBox2d(0, points)));
  EXPECT_TRUE(IsCanonicalNull(BuildBox2d(3, nullptr)));
  EXPECT_MESSAGES("GBox2d: can't build with 0 points", "GBox2d: can't build with 0 points");
}

TEST_F(Box2dTest, AccessAndCorners) {
  GBox2d box = BuildBox2d(1, 2, 3, 4);
  EXPECT_TRUE(HasXy(box[0], 1, 2));
  box[1].m_x = 5;
  EXPECT_TRUE(HasXy(static_cast<const GBox2d&>(box)[1], 5, 4));
  EXPECT_NO_MESSAGES();
  EXPECT_TRUE(HasXy(box[2], 5, 4));
  EXPECT_MESSAGES("GBox2d: index out of range");
  GPosition2d corners[4];
  box.GiveCorners(corners);
  const GPosition2d expected[4] = {{1, 2}, {5, 2}, {5, 4}, {1, 4}};
  for (int k = 0; k < 4; ++k) EXPECT_TRUE(SameBits(corners[k], expected[k])) << k;
  box.GiveCorners(nullptr);
  const GBox2d origin = BuildBox2d(-1, -2, 0, 0);
  EXPECT_EQ(origin.IsEqual(BuildBox2d(-1, -2, d, 0)), 1);
  EXPECT_EQ(origin.IsEqual(BuildBox2d(-1, -2, 0, Above(d))), 0);
  EXPECT_EQ(origin.IsEqual(BuildBox2d(Above(d) - 1, -2, 0, 0)), 0);
}

// Null when inverted by d or more on an axis; flat or less inverted is not.
TEST_F(Box2dTest, NullBoundary) {
  EXPECT_EQ(BuildBox2d(0, 0, 0, 5).IsNull(), 0);
  EXPECT_EQ(BuildBox2d(0, 0, -d, 5).IsNull(), 1);
  EXPECT_EQ(BuildBox2d(0, 0, -Below(d), 5).IsNull(), 0);
  EXPECT_EQ(BuildBox2d(0, 0, 5, -2 * d).IsNull(), 1);
  EXPECT_EQ(BuildBox2d(0, 0, 5, -0.5 * d).IsNull(), 0);
}

TEST_F(Box2dTest, UnionKeepsTheOtherBoxUnchanged) {
  const GBox2d b = BuildBox2d(0, 0, -0.5 * d, 1);  // inverted, but not null
  const GBox2d oddNull = BuildBox2d(0, 0, -2 * d, 5);
  EXPECT_TRUE(SameBits(oddNull | b, b));
  EXPECT_TRUE(SameBits(b | oddNull, b));
  EXPECT_TRUE(IsCanonicalNull(oddNull | oddNull));
  EXPECT_TRUE(HasBox(BuildBox2d(0, 0, 1, 1) | BuildBox2d(-1, 0.5, 0.5, 3), -1, 0, 1, 3));
  GBox2d a = BuildBox2d(0, 0, 1, 1);
  a |= BuildBox2d(2, 2, 3, 3);
  EXPECT_TRUE(HasBox(a, 0, 0, 3, 3));
}

// Boxes apart by less than d meet in the gap, ends in order; by d or more
// they do not meet.
TEST_F(Box2dTest, IntersectionAcrossSmallGaps) {
  const GBox2d a = BuildBox2d(0, 0, 1, 1);
  EXPECT_TRUE(HasBox(a & BuildBox2d(1, 0.5, 2, 2), 1, 0.5, 1, 1));
  EXPECT_TRUE(HasBox(a & BuildBox2d(1 + 0.5 * d, -1, 2, 0.5), 1, 0, 1 + 0.5 * d, 0.5));
  EXPECT_TRUE(IsCanonicalNull(a & BuildBox2d(1 + 2 * d, 0, 2, 1)));
  EXPECT_TRUE(IsCanonicalNull(a & BuildBox2d(0, 1 + d, 1, 2)));
  EXPECT_TRUE(IsCanonicalNull(a & BuildBox2d(0, 0, -2 * d, 1)));
  GBox2d b = a;
  b &= BuildBox2d(0.5, 0.5, 3, 3);
  EXPECT_TRUE(HasBox(b, 0.5, 0.5, 1, 1));
}

// Strictly inside the box grown by d/sqrt(2): a point exactly that far out
// is outside.
TEST_F(Box2dTest, ContainmentIsStrictAtDOverRootTwo) {
  const GBox2d box = BuildBox2d(0, 0, 1, 1);
  const double g = d * 0.7071067811865475;
  const std::pair<GPosition2d, int> cases[] = {
      {P(1 + 0.5 * d, 0.5), 1}, {P(1 + g, 0.5), 0},        {P(Below(1 + g), 0.5), 1},
      {P(0.5, 0 - g), 0},       {P(0.5, Above(0 - g)), 1}, {P(-0.6 * d, -0.6 * d), 1},
      {P(kNaN, 0.5), 0}};
  for (const auto& [p, inside] : cases) {
    EXPECT_EQ(box >> p, inside) << p.m_x << ", " << p.m_y;
    EXPECT_EQ(p << box, inside) << p.m_x << ", " << p.m_y;
  }
  const GBox2d inner = BuildBox2d(0.5 * d, 0, 1 + 0.5 * d, 1);
  EXPECT_EQ(box >> inner, 1);
  EXPECT_EQ(inner << box, 1);
  EXPECT_EQ(box >> BuildBox2d(0, 0, 1 + g, 1), 0);
  EXPECT_EQ(BuildBox2d(0, 0, 1 + g, 1) << box, 0);
}

TEST_F(Box2dTest, Arithmetic) {
  const GBox2d box = BuildBox2d(1, 1, 2, 2);
  const GBox2d scaled = TimesAssigned(box, -1);
  EXPECT_TRUE(HasBox(scaled, -2, -2, -1, -1));
  EXPECT_TRUE(SameBits(box * -1.0, scaled));
  EXPECT_TRUE(SameBits(-1.0 * box, scaled));
  EXPECT_TRUE(HasBox(box * 0.0, 0, 0, 0, 0));
  EXPECT_TRUE(HasBox(box / -2.0, -1, -1, -0.5, -0.5));
  GBox2d moved = box;
  moved += {1, -1};
  moved -= {0.5, 0.5};
  EXPECT_TRUE(HasBox(moved, 1.5, -0.5, 2.5, 0.5));
  EXPECT_NO_MESSAGES();
  EXPECT_TRUE(IsInfinite(box / 1e-17));
  EXPECT_TRUE(IsInfinite(box / kNaN));
  GBox2d divided = box;
  divided /= -Below(kEps);
  EXPECT_TRUE(IsInfinite(divided));
  EXPECT_MESSAGES("GBox2d: trying to divide by 0.0", "GBox2d: trying to divide by 0.0",
                  "GBox2d: trying to divide by 0.0");
  EXPECT_TRUE(HasBox(box / kEps, 1 / kEps, 1 / kEps, 2 / kEps, 2 / kEps));
}

TEST_F(Box2dTest, MatrixAndTransform) {
  const GBox2d box = BuildBox2d(0, 0, 1, 2);
  EXPECT_TRUE(HasBox(box * Rotation2d(kPi / 2), -2, 0, 0, 1, 1e-15));
  EXPECT_TRUE(HasBox(Rotation2d(kPi / 2) * box, 0, -1, 2, 0, 1e-15));
  const GBox2d null = BuildBox2d(1e30, 1e30, -1e30, -1e30);
  const GMatrix2d nearIdentity = {{{1, GetRelativeTolerance()}, {0, 1}}};
  EXPECT_TRUE(SameBits(null * nearIdentity, null));
  EXPECT_TRUE(SameBits(nearIdentity * null, null));
  EXPECT_TRUE(HasBox(null * GMatrix2d{{{2, 0}, {0, 1}}}, -2e30, -1e30, 2e30, 1e30));
  EXPECT_TRUE(HasBox(TimesAssigned(box, GMatrix2d{{{0, 1}, {1, 0}}}), 0, 0, 2, 1));

  // Matrix, then scaling (a negative one swaps the corners), then
  // translation: the bounding box of the four mapped corners.
  const GTransf2d t = BuildTransf2d(Rotation2d(0.0, 1.0), {10, 20}, -2, 1, 0, 0);
  EXPECT_TRUE(HasBox(box * t, 10, 18, 14, 20));
  EXPECT_TRUE(SameBits(TimesAssigned(box, t), box * t));
}

TEST_F(Box2dTest, ValidityChecksBothCorners) {
  Gassert_valid(BuildBox2d(1e30, -1e30, -1e30, 1e30));
  EXPECT_NO_MESSAGES();
  Gassert_valid(BuildBox2d(kNaN, 0, 0, kInf));
  EXPECT_MESSAGES("GPosition2d does not have valid coordinates",
                  "GPosition2d does not have valid coordinates");
}

}  // namespace
