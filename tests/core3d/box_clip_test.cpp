#include "core3d/box_fixture.h"

namespace {

using namespace gmath::test;

class BoxClipTest : public BoxFixture {
 protected:
  static constexpr GBox kCube = {{0, 0, 0}, {2, 2, 2}};

  static GBox Clipped(double a, double b, double c, double w, int expected) {
    GBox box = kCube;
    EXPECT_EQ(box.ClipWPlane(a, b, c, w), expected);
    return box;
  }
};

// The normal is normalized, w is not: (2, 0, 0) with -1.5 is still x = 1.5.
TEST_F(BoxClipTest, KeepsCutsAndEmpties) {
  EXPECT_TRUE(IsBox(Clipped(1, 0, 0, -1.5, 1), {{1.5, 0, 0}, {2, 2, 2}}));
  EXPECT_TRUE(IsBox(Clipped(2, 0, 0, -1.5, 1), {{1.5, 0, 0}, {2, 2, 2}}));
  EXPECT_TRUE(IsBox(Clipped(-1, 0, 0, 1.5, 1), {{0, 0, 0}, {1.5, 2, 2}}));
  EXPECT_TRUE(SameBits(Clipped(1, 0, 0, 1, 1), kCube));
  EXPECT_TRUE(SameBits(Clipped(1, 0, 0, -3, 0), kNullBox));
  // The plane x + y = 3 keeps the corner (2, 2) and where its edges cross.
  EXPECT_TRUE(IsBox(Clipped(1, 1, 0, -3 / std::sqrt(2.0), 1), {{1, 1, 0}, {2, 2, 2}}, 1e-15));
  EXPECT_NO_MESSAGES();
  EXPECT_TRUE(SameBits(Clipped(0, 0, 0, 1, 0), kNullBox));
  EXPECT_MESSAGES("GUnitVector: tried to create a NULL unit vector");
}

// Corners cut away by less than half the distance tolerance still count.
TEST_F(BoxClipTest, CornersNearThePlaneAreKept) {
  EXPECT_EQ(Clipped(1, 0, 0, -0.4 * kD, 1).m_low.m_x, 0);
  EXPECT_NEAR(Clipped(1, 0, 0, -0.6 * kD, 1).m_low.m_x, 0.6 * kD, 1e-15);
}

TEST_F(BoxClipTest, NullAndFlatBoxes) {
  GBox null = {{0, 0, 0}, {1, 1, -1}};
  const GBox kept = null;
  EXPECT_EQ(null.ClipWPlane(0, 0, 1, 5), 0);
  EXPECT_TRUE(SameBits(null, kept));
  GBox flat = {{0, 0, 1}, {2, 2, 1}};
  EXPECT_EQ(flat.ClipWPlane(0, 0, 1, -1), 0);
  EXPECT_TRUE(SameBits(flat, kNullBox));
}

}  // namespace
