#include "core3d/box_fixture.h"

namespace {

using namespace gmath::test;

using BoxTransformTest = BoxFixture;

// Within resnor of the identity, a matrix leaves the box bit for bit, null
// or not; any other matrix bounds the mapped corners, so a null box under a
// permutation becomes the infinite box.
TEST_F(BoxTransformTest, IdentityShortcutOnlyForMatrices) {
  const GMatrix nearIdentity = {{{1 + 0.5e-10, 0, 0}, {0, 1, -1e-10}, {0, 0, 1}}};
  for (const GBox& box : {kNullBox, GBox{{-0.0, 2, 1}, {1, 1, 3}}}) {
    EXPECT_TRUE(SameBits(box * nearIdentity, box));
    EXPECT_TRUE(SameBits(nearIdentity * box, box));
  }
  EXPECT_TRUE(SameBits(kNullBox * GMatrix{{{0, 1, 0}, {1, 0, 0}, {0, 0, 1}}}, kInfiniteBox));
  EXPECT_TRUE(SameBits(G4x4(kIdentity4x4) * kNullBox, kInfiniteBox));
  EXPECT_TRUE(SameBits(kNullBox * G4x4(kIdentity4x4), kInfiniteBox));
}

// box * m maps p·m, m * box maps m·p, which is box * mᵀ; a transform scales
// first (a negative scaling swaps the corners), maps, then translates.
TEST_F(BoxTransformTest, RowAndColumnSense) {
  const GMatrix m = {{{1, 2, 0}, {0, 1, 0}, {0, 0, 1}}};
  const GBox unit = {{0, 0, 0}, {1, 1, 1}};
  EXPECT_TRUE(IsBox(unit * m, {{0, 0, 0}, {1, 3, 1}}));
  EXPECT_TRUE(IsBox(m * unit, {{0, 0, 0}, {3, 1, 1}}));
  const GTransf t = BuildTransf(m, {10, 0, 0}, -2.0, 1, 0, 0);
  const GTransf transposed = BuildTransf(m.Transpose(), {10, 0, 0}, -2.0, 1, 0, 0);
  EXPECT_TRUE(IsBox(unit * t, {{8, -6, -2}, {10, 0, 0}}));
  EXPECT_TRUE(SameBits(t * unit, unit * transposed));
  EXPECT_TRUE(SameBits(TimesAssigned(unit, t), unit * t));
}

// g * box and box *= g move the corners by g * p, box * g by p * g. A corner
// of weight 0 is reported and pushed out by 1e30.
TEST_F(BoxTransformTest, G4x4Forms) {
  G4x4 g = kIdentity4x4;
  g.m_matrix[12] = 5;
  g.m_matrix[3] = 1;
  const GBox unit = {{0, 0, 0}, {1, 1, 1}};
  EXPECT_TRUE(IsBox(g * unit, {{3, 0, 0}, {5, 1, 1}}));
  EXPECT_TRUE(IsBox(unit * g, {{1.0 / 3, 0, 0}, {1, 1, 1}}, 1e-16));
  EXPECT_TRUE(SameBits(TimesAssigned(unit, g), g * unit));
  EXPECT_NO_MESSAGES();
  g.m_matrix[3] = -1;
  EXPECT_EQ((g * unit).m_high.m_x, 6 * 1e30);
  const char* weight = "GPosition: in multiplying G4x4, trying to divide by 0.0";
  EXPECT_MESSAGES(weight, weight, weight, weight);
}

}  // namespace
