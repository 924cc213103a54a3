#include "core3d/box_fixture.h"

namespace {

using namespace gmath::test;

class BoxTest : public BoxFixture {};

TEST_F(BoxTest, BuildingIndexingAndCorners) {
  GPosition points[] = {{1, 5, -1}, {0, 7, 2}, {3, 6, 0}, {2, -1, 1}};
  EXPECT_TRUE(IsBox(BuildBox(4, points), {{0, -1, -1}, {3, 7, 2}}));
  EXPECT_TRUE(SameBits(BuildBox(0, points), kNullBox));
  EXPECT_TRUE(SameBits(BuildBox(5, nullptr), kNullBox));
  EXPECT_MESSAGES("GBox: can't build with 0 points", "GBox: can't build with 0 points");
  GBox box = BuildBox({4, 5, 6}, {1, 2, 3});
  EXPECT_EQ(&box[0], &box.m_low);
  EXPECT_EQ(&box[1], &box.m_high);
  EXPECT_NO_MESSAGES();
  EXPECT_EQ(&box[2], &box.m_high);
  const GBox& constant = box;
  EXPECT_EQ(&constant[7], &box.m_high);
  EXPECT_MESSAGES("GBox: index out of range", "GBox: index out of range");
  GPosition corners[8];
  GBox{{0, 1, 2}, {3, 4, 5}}.GiveCorners(corners);
  const GPosition expected[8] = {{0, 1, 2}, {3, 1, 2}, {3, 4, 2}, {0, 4, 2},
                                 {0, 1, 5}, {3, 1, 5}, {3, 4, 5}, {0, 4, 5}};
  for (int k = 0; k < 8; ++k) {
    EXPECT_TRUE(HasXyz(corners[k], expected[k].m_x, expected[k].m_y, expected[k].m_z)) << k;
  }
  GBox{}.GiveCorners(nullptr);  // no array, nothing written
}

// Null means inverted by d or more on some axis.
TEST_F(BoxTest, NullBoundaryIsInvertedByTheDistanceTolerance) {
  for (int axis = 0; axis < 3; ++axis) {
    GBox box = {{0, 0, 0}, {1, 1, 1}};
    double& high = axis == 0 ? box.m_high.m_x : axis == 1 ? box.m_high.m_y : box.m_high.m_z;
    for (const auto& [value, isNull] :
         {std::pair{0.0, 0}, {-0.5 * kD, 0}, {-kD, 1}, {-2 * kD, 1}}) {
      high = value;
      EXPECT_EQ(box.IsNull(), isNull) << axis << " " << value;
    }
  }
}

TEST_F(BoxTest, UnionSkipsNullBoxes) {
  const GBox b = {{-0.0, 0.1, 1e-300}, {0.3, 0.7, 1e300}};
  const GBox null = {{5, 5, 5}, {6, 6, 5 - 2 * kD}};
  EXPECT_TRUE(SameBits(null | b, b));
  EXPECT_TRUE(SameBits(b | null, b));
  EXPECT_TRUE(SameBits(null | null, kNullBox));
  GBox joined = {{1, -1, 0}, {2, 0.5, 1}};
  joined |= b;
  EXPECT_TRUE(IsBox(joined, {{-0.0, -1, 0}, {2, 0.7, 1e300}}));
}

TEST_F(BoxTest, IntersectionKeepsGapsNarrowerThanTheTolerance) {
  const GBox a = {{0, 0, 0}, {1, 1, 1}};
  EXPECT_TRUE(IsBox(a & GBox{{0.5, -1, 0.25}, {2, 0.5, 0.75}}, {{0.5, 0, 0.25}, {1, 0.5, 0.75}}));
  EXPECT_TRUE(IsBox(a & GBox{{1, 0, 0}, {2, 1, 1}}, {{1, 0, 0}, {1, 1, 1}}));
  const GBox apart = {{1 + 0.5 * kD, 0, 0}, {2, 1, 1}};
  EXPECT_TRUE(IsBox(apart & a, {{1, 0, 0}, {1 + 0.5 * kD, 1, 1}}));
  GBox meet = a;
  meet &= apart;
  EXPECT_TRUE(IsBox(meet, {{1, 0, 0}, {1 + 0.5 * kD, 1, 1}}));
  EXPECT_TRUE(SameBits(a & GBox{{1 + kD, 0, 0}, {2, 1, 1}}, kNullBox));
  EXPECT_TRUE(IsBox(a & GBox{{0, 1 + 0.5 * kD, 0}, {1, 2, 1}}, {{0, 1, 0}, {1, 1 + 0.5 * kD, 1}}));
  EXPECT_TRUE(IsBox(a & GBox{{0, 0, -1}, {1, 1, -0.5 * kD}}, {{0, 0, -0.5 * kD}, {1, 1, 0}}));
  EXPECT_TRUE(SameBits(a & GBox{{0, 1 + kD, 0}, {1, 2, 1}}, kNullBox));
  EXPECT_TRUE(SameBits(a & GBox{{0, 0, 1 + 2 * kD}, {1, 1, 2}}, kNullBox));
  EXPECT_TRUE(SameBits(a & kNullBox, kNullBox));
}

// Grown by g = d/√3 on every axis, bounds included: half of d off a face is
// in, 0.6 d off a corner on every axis (about 1.04 d away) is out.
TEST_F(BoxTest, ContainmentAllowsDOverRootThree) {
  const GBox box = {{0, 0, 0}, {1, 1, 1}};
  const double g = kD * 0.5773502691896258;
  const double off = 0.6 * kD;
  const std::pair<GPosition, int> cases[] = {
      {{0.5, 1 + 0.5 * kD, 0.5}, 1}, {{1 + off, 1 + off, 1 + off}, 0}, {{-off, -off, -off}, 0},
      {{1 + g, 0.5, -g}, 1},         {{Above(1 + g), 0.5, 0.5}, 0},    {{0.5, Below(-g), 0.5}, 0}};
  for (const auto& [p, inside] : cases) {
    EXPECT_EQ(box >> p, inside) << p.m_x << ", " << p.m_y << ", " << p.m_z;
    EXPECT_EQ(p << box, inside);
  }
  const GBox inner = {{0.25, 0.25, -0.5 * kD}, {0.75, 1 + 0.5 * kD, 0.5}};
  EXPECT_TRUE(box >> inner);
  EXPECT_TRUE(inner << box);
  EXPECT_FALSE(inner >> box);
}

TEST_F(BoxTest, ScalingAndDivisionKeepTheCornersOrdered) {
  const GBox box = {{1, 1, 1}, {2, 2, 2}};
  const GBox flipped = {{-2, -2, -2}, {-1, -1, -1}};
  EXPECT_TRUE(IsBox(TimesAssigned(box, -1.0), flipped));
  EXPECT_TRUE(IsBox(-1.0 * box, flipped));
  EXPECT_TRUE(IsBox(box * 0.0, {{0, 0, 0}, {0, 0, 0}}));
  EXPECT_TRUE(IsBox(3.0 * box, {{3, 3, 3}, {6, 6, 6}}));
  EXPECT_TRUE(IsBox(box * -2.0, {{-4, -4, -4}, {-2, -2, -2}}));
  EXPECT_TRUE(IsBox(box / -0.5, {{-4, -4, -4}, {-2, -2, -2}}));
  EXPECT_TRUE(IsBox(box / kEps, {{1 / kEps, 1 / kEps, 1 / kEps}, {2 / kEps, 2 / kEps, 2 / kEps}}));
  GBox moved = box;
  moved += GVector{1, 2, 3};
  moved -= GVector{0.5, 0.25, 1};
  EXPECT_TRUE(IsBox(moved, {{1.5, 2.75, 3}, {2.5, 3.75, 4}}));
  EXPECT_NO_MESSAGES();
  for (double s : {1e-17, -Below(kEps), 0.0, kNaN}) {
    GBox divided = box;
    divided /= s;
    EXPECT_TRUE(SameBits(divided, kInfiniteBox));
    EXPECT_MESSAGES("GBox: trying to divide by 0.0");
  }
}

}  // namespace
