#include <algorithm>
#include <cstring>

#include "homogeneous/homogeneous_test.h"

namespace {

using namespace gmath::test;

class BoxTransformTest : public GmathTest {
 protected:
  static constexpr GBox kNullBox = {{1e30, 1e30, 1e30}, {-1e30, -1e30, -1e30}};
  static constexpr GBox kInfiniteBox = {{-1e30, -1e30, -1e30}, {1e30, 1e30, 1e30}};

  static bool SameBits(const GBox& a, const GBox& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

  // The box is the tight bound of the points: all inside, every face
  // reached by one of them, within tol.
  static ::testing::AssertionResult IsTightBound(const GBox& box, const GPosition* points,
                                                 int count, double tol) {
    double low[3] = {kInf, kInf, kInf};
    double high[3] = {-kInf, -kInf, -kInf};
    for (int i = 0; i < count; ++i) {
      const double c[3] = {points[i].m_x, points[i].m_y, points[i].m_z};
      for (int a = 0; a < 3; ++a) {
        low[a] = std::min(low[a], c[a]);
        high[a] = std::max(high[a], c[a]);
      }
    }
    if (HasXyz(box.m_low, low[0], low[1], low[2], tol) &&
        HasXyz(box.m_high, high[0], high[1], high[2], tol)) {
      return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "low (" << box.m_low.m_x << ", " << box.m_low.m_y << ", " << box.m_low.m_z
           << ") high (" << box.m_high.m_x << ", " << box.m_high.m_y << ", " << box.m_high.m_z
           << ")";
  }
};

TEST_F(BoxTransformTest, IdentityMatrixLeavesEvenANullBox) {
  const GMatrix nearIdentity = {{{1 + 0.5e-10, 0, 0}, {0, 1, -1e-10}, {0, 0, 1}}};
  const GBox odd = {{-0.0, 2, 1}, {1, 1, 3}};
  for (const GBox& box : {kNullBox, odd}) {
    EXPECT_TRUE(SameBits(box * nearIdentity, box));
    EXPECT_TRUE(SameBits(nearIdentity * box, box));
    GBox assigned = box;
    assigned *= nearIdentity;
    EXPECT_TRUE(SameBits(assigned, box));
  }
  // Any other matrix bounds the mapped corners, so a null box stops being
  // null.
  const GMatrix swap = {{{0, 1, 0}, {1, 0, 0}, {0, 0, 1}}};
  EXPECT_TRUE(SameBits(kNullBox * swap, kInfiniteBox));
}

// box * m maps p·m, m * box maps m·p: the two differ for an asymmetric
// matrix and m * box equals box * mᵀ.
TEST_F(BoxTransformTest, RowAndColumnSense) {
  const GMatrix m = {{{1, 2, 0}, {0, 1, 0}, {0, 0, 1}}};
  const GBox unit = {{0, 0, 0}, {1, 1, 1}};
  const GBox row = unit * m;
  const GBox column = m * unit;
  EXPECT_TRUE(HasXyz(row.m_high, 1, 3, 1));
  EXPECT_TRUE(HasXyz(column.m_high, 3, 1, 1));
  EXPECT_TRUE(SameBits(column, unit * m.Transpose()));
  const GTransf t = BuildTransf(m, {1, 1, 1}, -2.0, 1, 0, 1);
  EXPECT_TRUE(SameBits(t * unit, unit * BuildTransf(m.Transpose(), {1, 1, 1}, -2.0, 1, 0, 1)));
  GBox assigned = unit;
  assigned *= t;
  EXPECT_TRUE(SameBits(assigned, unit * t));
}

TEST_F(BoxTransformTest, TransformedBoxIsTheTightBoundOfItsCorners) {
  for (unsigned seed = 1; seed <= 30; ++seed) {
    Random random(seed);
    const GTransf t = RandomSimilarity(random);
    const GVector low = random.Vector(10);
    const GVector size = random.Vector(5);
    const GBox box = {{low.m_x, low.m_y, low.m_z},
                      {low.m_x + std::abs(size.m_x), low.m_y + std::abs(size.m_y),
                       low.m_z + std::abs(size.m_z)}};
    GPosition corners[8];
    box.GiveCorners(corners);
    for (GPosition& c : corners) c *= t;
    EXPECT_TRUE(IsTightBound(box * t, corners, 8, 1e-11));
    G4x4 g = {};
    g = t;
    EXPECT_TRUE(IsTightBound(g * box, corners, 8, 1e-11));
    GBox assigned = box;
    assigned *= g;
    EXPECT_TRUE(SameBits(assigned, g * box));
  }
  EXPECT_NO_MESSAGES();
}

// A negative scaling swaps the corners before the matrix sees them.
TEST_F(BoxTransformTest, TransfScalesThenMapsThenTranslates) {
  const GBox box = {{1, 1, 1}, {2, 3, 4}};
  const GTransf t = BuildTransf(kIdentity, {10, 0, 0}, -1.0, 1, 0, 0);
  const GBox moved = box * t;
  EXPECT_TRUE(HasXyz(moved.m_low, 8, -3, -4));
  EXPECT_TRUE(HasXyz(moved.m_high, 9, -1, -1));
}

TEST_F(BoxTransformTest, G4x4HasNoIdentityShortcut) {
  const G4x4 identity = kIdentity4x4;
  EXPECT_TRUE(SameBits(identity * GBox(kNullBox), kInfiniteBox));
  EXPECT_TRUE(SameBits(GBox(kNullBox) * identity, kInfiniteBox));
  EXPECT_NO_MESSAGES();
}

// Matrix-first and matrix-last read translation and perspective from
// opposite places; *= is the matrix-first form.
TEST_F(BoxTransformTest, G4x4Forms) {
  G4x4 g = kIdentity4x4;
  g.m_matrix[12] = 5;
  g.m_matrix[3] = 1;
  const GBox box = {{0, 0, 0}, {1, 1, 1}};
  const GBox first = g * box;
  EXPECT_TRUE(HasXyz(first.m_low, 3, 0, 0));
  EXPECT_TRUE(HasXyz(first.m_high, 5, 1, 1));
  const GBox last = box * g;
  EXPECT_TRUE(HasXyz(last.m_low, 1.0 / 3, 0, 0, 1e-16));
  EXPECT_TRUE(HasXyz(last.m_high, 1, 1, 1));
  GBox assigned = box;
  assigned *= g;
  EXPECT_TRUE(SameBits(assigned, first));
  EXPECT_NO_MESSAGES();
  // Corners of weight 0 are each reported and pushed out by 1e30.
  g.m_matrix[3] = -1;
  const GBox blown = g * box;
  EXPECT_EQ(blown.m_high.m_x, 6 * 1e30);
  EXPECT_MESSAGES("GPosition: in multiplying G4x4, trying to divide by 0.0",
                  "GPosition: in multiplying G4x4, trying to divide by 0.0",
                  "GPosition: in multiplying G4x4, trying to divide by 0.0",
                  "GPosition: in multiplying G4x4, trying to divide by 0.0");
}

}  // namespace
