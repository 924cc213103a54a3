#include "volumes/point_volume_test.h"

namespace {

using namespace gmath::test;

class BoreConeTest : public GmathTest {
 protected:
  // Radius 1 about the z axis at the origin, between the planes z = 1 and
  // z = 2.
  static GBoreCone Cone(const GPosition& eye) {
    GBoreCone cone;
    long err = 7;
    BuildBoreCone(BuildBoreLine({0, 0, 0}, kUp, 2, 1, 1), eye, cone, &err);
    EXPECT_EQ(err, 0);
    return cone;
  }
};

// The circle's square seen from the eye: three times as wide at z = 2,
// twice at z = 1.
TEST_F(BoreConeTest, RangeIsTheSquareAroundTheCircleSeenFromTheEye) {
  EXPECT_TRUE(IsBox(BoreConeRange(Cone({0, 0, -1})), {{-3, -3, 1}, {3, 3, 2}}));
  EXPECT_NO_MESSAGES();
  EXPECT_TRUE(SameBits(BoreConeRange(Cone({5, 0, 0})), kInfiniteBox));
  EXPECT_MESSAGES("GPtFrustum: fence point level with the eye point");
  // BuildBoreCone checks nothing: an eye between the planes is stored.
  EXPECT_TRUE(HasXyz(Cone({0, 0, 1.5}).m_eyePoint, 0, 0, 1.5));
}

TEST_F(BoreConeTest, EyeBetweenThePlanesIsReported) {
  const double tol = GetDistanceTolerance();
  for (double z : {1.5, 1.0, 1.0 - tol / 2, 2.0 - 2 * tol}) {
    Gassert_valid(Cone({0, 0, z}));
    EXPECT_MESSAGES("GBoreCone: eye point is between front and back planes") << z;
  }
  for (double z : {2.0, 3.0, 2.0 - tol / 2, 1.0 - 2 * tol, -1.0}) {
    Gassert_valid(Cone({0, 0, z}));
    EXPECT_NO_MESSAGES() << z;
  }
  GBoreCone bad = Cone({kNaN, 0, -1});
  bad.m_boreLine.m_radius = 0;
  Gassert_valid(bad);
  EXPECT_MESSAGES("GBoreLine has an invalid front, back, or radius",
                  "GPosition has an invalid coordinate");
}

TEST_F(BoreConeTest, TransformsMoveTheBoreAndTheEye) {
  GBoreCone cone = Cone({1, 2, -1});
  cone *= ScaleTransf(2);
  EXPECT_EQ(cone.m_boreLine.m_front, 4);
  EXPECT_EQ(cone.m_boreLine.m_back, 2);
  EXPECT_EQ(cone.m_boreLine.m_radius, 2);
  EXPECT_TRUE(HasXyz(cone.m_eyePoint, 2, 4, -2));
  G4x4 g = G4x4{};
  g = TranslateTransf({1, 0, 0});
  cone *= g;
  EXPECT_TRUE(HasXyz(cone.m_eyePoint, 3, 4, -2));
  EXPECT_TRUE(HasXyz(cone.m_boreLine.m_point, 1, 0, 0));
  EXPECT_EQ(cone.m_boreLine.m_radius, 2);
}

}  // namespace
