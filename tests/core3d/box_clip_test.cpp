#include <cstring>

#include "core3d/core3d_test.h"

namespace {

using namespace gmath::test;

class BoxClipTest : public GmathTest {
 protected:
  static constexpr GBox kNullBox = {{1e30, 1e30, 1e30}, {-1e30, -1e30, -1e30}};
  static constexpr GBox kCube = {{0, 0, 0}, {2, 2, 2}};

  static bool SameBits(const GBox& a, const GBox& b) { return std::memcmp(&a, &b, sizeof a) == 0; }
};

TEST_F(BoxClipTest, KeepsCutsAndEmpties) {
  GBox box = kCube;
  EXPECT_EQ(box.ClipWPlane(1, 0, 0, -1.5), 1);
  EXPECT_TRUE(HasXyz(box.m_low, 1.5, 0, 0));
  EXPECT_TRUE(HasXyz(box.m_high, 2, 2, 2));
  box = kCube;
  EXPECT_EQ(box.ClipWPlane(1, 0, 0, 1), 1);
  EXPECT_TRUE(SameBits(box, kCube));
  EXPECT_EQ(box.ClipWPlane(1, 0, 0, -3), 0);
  EXPECT_TRUE(SameBits(box, kNullBox));
  // The other side of the same plane.
  box = kCube;
  EXPECT_EQ(box.ClipWPlane(-1, 0, 0, 1.5), 1);
  EXPECT_TRUE(HasXyz(box.m_low, 0, 0, 0));
  EXPECT_TRUE(HasXyz(box.m_high, 1.5, 2, 2));
  EXPECT_NO_MESSAGES();
}

// The normal is normalized, w is not: (2, 0, 0) and -1.5 is still x = 1.5.
TEST_F(BoxClipTest, OnlyTheNormalIsNormalized) {
  GBox box = kCube;
  EXPECT_EQ(box.ClipWPlane(2, 0, 0, -1.5), 1);
  EXPECT_TRUE(HasXyz(box.m_low, 1.5, 0, 0));
  EXPECT_TRUE(HasXyz(box.m_high, 2, 2, 2));
}

// An oblique plane x + y = 3 keeps the corner (2, 2) and the points where
// its edges cross the plane.
TEST_F(BoxClipTest, ObliquePlaneBoundsTheCutCorner) {
  GBox box = kCube;
  const double r = 1 / std::sqrt(2.0);
  EXPECT_EQ(box.ClipWPlane(1, 1, 0, -3 * r), 1);
  EXPECT_TRUE(HasXyz(box.m_low, 1, 1, 0, 1e-15));
  EXPECT_TRUE(HasXyz(box.m_high, 2, 2, 2));
}

// Corners on the cut-away side within half the distance tolerance of the
// plane still count; farther ones do not.
TEST_F(BoxClipTest, CornersNearThePlaneAreKept) {
  const double d = 1e-6;
  GBox box = kCube;
  EXPECT_EQ(box.ClipWPlane(1, 0, 0, -0.4 * d), 1);
  EXPECT_EQ(box.m_low.m_x, 0);
  box = kCube;
  EXPECT_EQ(box.ClipWPlane(1, 0, 0, -0.6 * d), 1);
  EXPECT_NEAR(box.m_low.m_x, 0.6 * d, 1e-15);
}

TEST_F(BoxClipTest, NullBoxesAndFlatBoxesInThePlane) {
  GBox null = {{0, 0, 0}, {1, 1, -1}};
  const GBox kept = null;
  EXPECT_EQ(null.ClipWPlane(0, 0, 1, 5), 0);
  EXPECT_TRUE(SameBits(null, kept));
  GBox flat = {{0, 0, 1}, {2, 2, 1}};
  EXPECT_EQ(flat.ClipWPlane(0, 0, 1, -1), 0);
  EXPECT_TRUE(SameBits(flat, kNullBox));
  EXPECT_NO_MESSAGES();
  GBox box = kCube;
  EXPECT_EQ(box.ClipWPlane(0, 0, 0, 1), 0);
  EXPECT_TRUE(SameBits(box, kNullBox));
  EXPECT_MESSAGES("GUnitVector: tried to create a NULL unit vector");
}

}  // namespace
