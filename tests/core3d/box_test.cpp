#include <cstring>

#include "homogeneous/homogeneous_test.h"

namespace {

using namespace gmath::test;

constexpr double kD = 1e-6;  // the default distance tolerance

class BoxTest : public GmathTest {
 protected:
  static constexpr GBox kNullBox = {{1e30, 1e30, 1e30}, {-1e30, -1e30, -1e30}};
  static constexpr GBox kInfiniteBox = {{-1e30, -1e30, -1e30}, {1e30, 1e30, 1e30}};

  static ::testing::AssertionResult Is(const GBox& box, const GBox& expected, double tol = 0.0) {
    if (HasXyz(box.m_low, expected.m_low.m_x, expected.m_low.m_y, expected.m_low.m_z, tol) &&
        HasXyz(box.m_high, expected.m_high.m_x, expected.m_high.m_y, expected.m_high.m_z, tol)) {
      return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "(" << box.m_low.m_x << ", " << box.m_low.m_y << ", " << box.m_low.m_z << ")-("
           << box.m_high.m_x << ", " << box.m_high.m_y << ", " << box.m_high.m_z << ")";
  }
  static bool SameBits(const GBox& a, const GBox& b) { return std::memcmp(&a, &b, sizeof a) == 0; }
};

TEST_F(BoxTest, BuildersStoreWhatTheyAreGiven) {
  EXPECT_TRUE(Is(BuildBox({1, 2, 3}), {{1, 2, 3}, {1, 2, 3}}));
  EXPECT_TRUE(Is(BuildBox(4, 5, 6, 1, 2, 3), {{4, 5, 6}, {1, 2, 3}}));
  EXPECT_TRUE(Is(BuildBox({4, 5, 6}, {1, 2, 3}), {{4, 5, 6}, {1, 2, 3}}));
  GPosition points[] = {{1, 5, -1}, {0, 7, 2}, {3, 6, 0}, {2, -1, 1}};
  EXPECT_TRUE(Is(BuildBox(4, points), {{0, -1, -1}, {3, 7, 2}}));
  EXPECT_TRUE(Is(BuildBox(1, points), {{1, 5, -1}, {1, 5, -1}}));
  EXPECT_NO_MESSAGES();
}

TEST_F(BoxTest, NoPointsGiveTheCanonicalNullBox) {
  GPosition point = {1, 2, 3};
  const GBox none = BuildBox(0, &point);
  EXPECT_TRUE(SameBits(none, kNullBox));
  EXPECT_TRUE(none.IsNull());
  EXPECT_TRUE(SameBits(BuildBox(5, nullptr), kNullBox));
  EXPECT_MESSAGES("GBox: can't build with 0 points", "GBox: can't build with 0 points");
}

TEST_F(BoxTest, IndexGivesTheCornersAndHighBeyond) {
  GBox box = {{1, 2, 3}, {4, 5, 6}};
  EXPECT_EQ(&box[0], &box.m_low);
  EXPECT_EQ(&box[1], &box.m_high);
  EXPECT_NO_MESSAGES();
  box[2].m_x = 9;
  EXPECT_EQ(box.m_high.m_x, 9);
  const GBox& fixed = box;
  EXPECT_EQ(&fixed[7], &box.m_high);
  EXPECT_MESSAGES("GBox: index out of range", "GBox: index out of range");
}

// Null means inverted by at least d on some axis.
TEST_F(BoxTest, NullBoundaryIsInvertedByTheDistanceTolerance) {
  for (int axis = 0; axis < 3; ++axis) {
    GBox box = {{0, 0, 0}, {1, 1, 1}};
    double& high = axis == 0 ? box.m_high.m_x : axis == 1 ? box.m_high.m_y : box.m_high.m_z;
    high = 0;
    EXPECT_FALSE(box.IsNull());
    high = -0.5 * kD;
    EXPECT_FALSE(box.IsNull());
    high = -kD;
    EXPECT_TRUE(box.IsNull());
    high = -2 * kD;
    EXPECT_TRUE(box.IsNull());
  }
  EXPECT_TRUE(GBox(kNullBox).IsNull());
  EXPECT_FALSE(GBox(kInfiniteBox).IsNull());
}

TEST_F(BoxTest, CornersComeInCornerOrder) {
  const GBox box = {{0, 1, 2}, {3, 4, 5}};
  GPosition corners[8];
  box.GiveCorners(corners);
  const GPosition expected[8] = {{0, 1, 2}, {3, 1, 2}, {3, 4, 2}, {0, 4, 2},
                                 {0, 1, 5}, {3, 1, 5}, {3, 4, 5}, {0, 4, 5}};
  for (int k = 0; k < 8; ++k) {
    EXPECT_TRUE(HasXyz(corners[k], expected[k].m_x, expected[k].m_y, expected[k].m_z)) << k;
  }
  box.GiveCorners(nullptr);
}

TEST_F(BoxTest, UnionSkipsNullBoxes) {
  const GBox b = {{-0.0, 0.1, 1e-300}, {0.3, 0.7, 1e300}};
  const GBox null = {{5, 5, 5}, {6, 6, 5 - 2 * kD}};
  EXPECT_TRUE(SameBits(null | b, b));
  EXPECT_TRUE(SameBits(b | null, b));
  EXPECT_TRUE(SameBits(null | null, kNullBox));
  const GBox a = {{1, -1, 0}, {2, 0.5, 1}};
  EXPECT_TRUE(Is(a | b, {{-0.0, -1, 0}, {2, 0.7, 1e300}}));
  GBox joined = null;
  joined |= a;
  EXPECT_TRUE(SameBits(joined, a));
}

TEST_F(BoxTest, IntersectionKeepsGapsSmallerThanTheTolerance) {
  const GBox a = {{0, 0, 0}, {1, 1, 1}};
  EXPECT_TRUE(Is(a & GBox{{0.5, -1, 0.25}, {2, 0.5, 0.75}}, {{0.5, 0, 0.25}, {1, 0.5, 0.75}}));
  // Touching faces: a flat box.
  EXPECT_TRUE(Is(a & GBox{{1, 0, 0}, {2, 1, 1}}, {{1, 0, 0}, {1, 1, 1}}));
  // A gap of d/2: the gap itself, low below high.
  const GBox apart = {{1 + 0.5 * kD, 0, 0}, {2, 1, 1}};
  EXPECT_TRUE(Is(a & apart, {{1, 0, 0}, {1 + 0.5 * kD, 1, 1}}));
  EXPECT_TRUE(Is(apart & a, {{1, 0, 0}, {1 + 0.5 * kD, 1, 1}}));
  // A gap of d or more: nothing.
  EXPECT_TRUE(SameBits(a & GBox{{1 + kD, 0, 0}, {2, 1, 1}}, kNullBox));
  EXPECT_TRUE(SameBits(a & GBox{{0, 0, 1 + 2 * kD}, {1, 1, 2}}, kNullBox));
  EXPECT_TRUE(SameBits(a & GBox(kNullBox), kNullBox));
  GBox meet = a;
  meet &= apart;
  EXPECT_TRUE(Is(meet, {{1, 0, 0}, {1 + 0.5 * kD, 1, 1}}));
  EXPECT_NO_MESSAGES();
}

// Grown by d/√3 on every axis, bounds included: half of d off a face is in,
// 0.6 d off a corner on every axis (about 1.04 d away) is out.
TEST_F(BoxTest, ContainmentAllowsDOverRootThree) {
  const GBox box = {{0, 0, 0}, {1, 1, 1}};
  EXPECT_TRUE((box >> GPosition{0.5, 1 + 0.5 * kD, 0.5}));
  EXPECT_TRUE((GPosition{-0.5 * kD, 0.5, 0.5} << box));
  const double off = 0.6 * kD;
  EXPECT_FALSE((box >> GPosition{1 + off, 1 + off, 1 + off}));
  EXPECT_FALSE((box >> GPosition{-off, -off, -off}));
  const double g = kD * 0.5773502691896258;
  EXPECT_TRUE((box >> GPosition{1 + g, 0.5, -g}));
  EXPECT_FALSE((box >> GPosition{Above(1 + g), 0.5, 0.5}));
  EXPECT_FALSE((box >> GPosition{0.5, Below(-g), 0.5}));

  const GBox inner = {{0.25, 0.25, -0.5 * kD}, {0.75, 1 + 0.5 * kD, 0.5}};
  EXPECT_TRUE(box >> inner);
  EXPECT_TRUE(inner << box);
  EXPECT_FALSE(inner >> box);
  EXPECT_FALSE(box << inner);
}

TEST_F(BoxTest, TranslationMovesBothCorners) {
  GBox box = {{0, 1, 2}, {3, 4, 5}};
  box += GVector{1, 1, 1};
  EXPECT_TRUE(Is(box, {{1, 2, 3}, {4, 5, 6}}));
  box -= GVector{2, 0, -1};
  EXPECT_TRUE(Is(box, {{-1, 2, 4}, {2, 5, 7}}));
}

TEST_F(BoxTest, ScalingKeepsTheCornersOrdered) {
  const GBox box = {{1, 1, 1}, {2, 2, 2}};
  const GBox flipped = {{-2, -2, -2}, {-1, -1, -1}};
  EXPECT_TRUE(Is(box * -1.0, flipped));
  EXPECT_TRUE(Is(-1.0 * box, flipped));
  GBox scaled = box;
  scaled *= -1.0;
  EXPECT_TRUE(Is(scaled, flipped));
  EXPECT_TRUE(Is(box * 0.0, {{0, 0, 0}, {0, 0, 0}}));
  EXPECT_TRUE(Is(box * 3.0, {{3, 3, 3}, {6, 6, 6}}));
  EXPECT_TRUE(Is(box / -0.5, {{-4, -4, -4}, {-2, -2, -2}}));
  EXPECT_TRUE(Is(box / 0.5, {{2, 2, 2}, {4, 4, 4}}));
  EXPECT_TRUE(Is(box / kEps, {{1 / kEps, 1 / kEps, 1 / kEps}, {2 / kEps, 2 / kEps, 2 / kEps}}));
  EXPECT_NO_MESSAGES();
}

TEST_F(BoxTest, DivisionByAlmostZeroGivesTheInfiniteBox) {
  const GBox box = {{1, 1, 1}, {2, 2, 2}};
  for (double s : {1e-17, -Below(kEps), 0.0, kNaN}) {
    EXPECT_TRUE(SameBits(box / s, kInfiniteBox));
    GBox divided = box;
    divided /= s;
    EXPECT_TRUE(SameBits(divided, kInfiniteBox));
    EXPECT_MESSAGES("GBox: trying to divide by 0.0", "GBox: trying to divide by 0.0");
  }
}

TEST_F(BoxTest, EqualityAndValidity) {
  const GBox box = {{1, 1, 1}, {2, 2, 2}};
  EXPECT_TRUE(box.IsEqual({{1, 1, 1 + kD}, {2, 2, 2}}));
  EXPECT_FALSE(box.IsEqual({{1, 1, 1}, {2, 2, 2 + 1.5 * kD}}));
  Gassert_valid(GBox{{2, 2, 2}, {1, 1, 1e30}});
  EXPECT_NO_MESSAGES();
  Gassert_valid(GBox{{kNaN, 0, 0}, {0, kInf, 0}});
  EXPECT_MESSAGES("GPosition has an invalid coordinate", "GPosition has an invalid coordinate");
  Gassert_valid(GBox{{0, 0, 0}, {0, 0, -1.0000001e30}});
  EXPECT_MESSAGES("GPosition has an invalid coordinate");
}

}  // namespace
