#include <cstdint>
#include <vector>

#include "volumes/point_volume_test.h"

namespace {

using namespace gmath::test;

class PtFrustumTest : public GmathTest {
 protected:
  // The points between the planes z = 1 and z = 2 (from the first point),
  // seen from the eye.
  struct Frustum {
    explicit Frustum(const GPosition& eye, std::vector<GPosition> given = kSquare)
        : points(std::move(given)),
          frustum{{static_cast<std::uint32_t>(points.size()), points.data(), kUp, 2, 1}, eye} {}
    std::vector<GPosition> points;
    GPtFrustum frustum;
  };
};

// The square of corners (+-1, +-1, 0) seen from below grows towards the
// far plane, seen from above it shrinks.
TEST_F(PtFrustumTest, RangeIsTheSquareSeenFromTheEye) {
  EXPECT_TRUE(IsBox(PtFrustumRange(Frustum({0, 0, -1}).frustum), {{-3, -3, 1}, {3, 3, 2}}));
  const double third = 1.0 / 3;
  EXPECT_TRUE(IsBox(PtFrustumRange(Frustum({0, 0, 3}).frustum),
                    {{-2 * third, -2 * third, 1}, {2 * third, 2 * third, 2}}, 1e-15));
  const GBox local = PtFrustumRange(Frustum({0.5, -0.2, -3}, Polygon(100)).frustum);
  EXPECT_TRUE(
      SameBits(PtFrustumRange(Frustum({0.5, -0.2, -3}, Polygon(100, true)).frustum), local));
  EXPECT_NO_MESSAGES();
  EXPECT_TRUE(SameBits(PtFrustumRange(Frustum({0, 0, -1}, {}).frustum), kNullBox));
  EXPECT_MESSAGES("GBox: can't build with 0 points");
}

// A ray level with the eye never meets the planes: the range is the
// infinite box, never infinities or NaN.
TEST_F(PtFrustumTest, PointLevelWithTheEyeGivesTheInfiniteBox) {
  EXPECT_TRUE(SameBits(PtFrustumRange(Frustum({5, 0, 0}).frustum), kInfiniteBox));
  EXPECT_MESSAGES("GPtFrustum: fence point level with the eye point");
  EXPECT_TRUE(SameBits(PtFrustumRange(Frustum({1, 1, 0}).frustum), kInfiniteBox));
  EXPECT_MESSAGES("GUnitVector: tried to create a NULL unit vector",
                  "GPtFrustum: fence point level with the eye point");
  Frustum lost({0, 0, -1});
  lost.frustum.m_fence.m_points = nullptr;
  EXPECT_TRUE(SameBits(PtFrustumRange(lost.frustum), kNullBox));
  EXPECT_MESSAGES("GPtFence: NULL pointer");
}

// Between: more than tol below the front plane and not more than tol below
// the back plane.
TEST_F(PtFrustumTest, EyeBetweenThePlanesIsReported) {
  const double tol = GetDistanceTolerance();
  for (double z : {1.5, 1.0, 1.0 - tol / 2, 2.0 - 2 * tol}) {
    Gassert_valid(Frustum({0, 0, z}).frustum);
    EXPECT_MESSAGES("GPtFrustum: eye point is between front and back planes") << z;
  }
  for (double z : {2.0, 3.0, 2.0 - tol / 2, 1.0 - 2 * tol, -1.0}) {
    Gassert_valid(Frustum({0, 0, z}).frustum);
    EXPECT_NO_MESSAGES() << z;
  }
  Gassert_valid(Frustum({kNaN, 0, 5}, {{0, 0, 0}, {0, 0, 0}}).frustum);
  EXPECT_MESSAGES("GPtFence: Less than 4 points", "GPosition has an invalid coordinate");
}

TEST_F(PtFrustumTest, BuildCopiesThePoints) {
  Frustum source({0, 0, -1});
  Scribbled<GPtFrustum> target(5);
  target.value.m_fence.m_points = nullptr;
  target.Keep();
  long err = 0;
  BuildPtFrustum(source.frustum.m_fence, {0, 0, 9}, target.value, &err);
  EXPECT_EQ(err, 2);
  EXPECT_MESSAGES("BuildPtFrustum: NULL pointer");
  EXPECT_TRUE(target.Unchanged());
  target.value.m_fence.m_points = target.points.data();
  BuildPtFrustum(source.frustum.m_fence, {0, 0, 9}, target.value, &err);
  EXPECT_EQ(err, 0);
  source.points[0].m_x = 42;
  EXPECT_TRUE(SameBits(target.points.data(), kSquare.data(), 5));
  const GPtFence& fence = target.value.m_fence;
  EXPECT_EQ(fence.m_points, target.points.data());
  EXPECT_EQ(fence.m_count, 5u);
  EXPECT_TRUE(HasXyz(fence.m_direction, 0, 0, 1));
  EXPECT_EQ(fence.m_front, 2);
  EXPECT_EQ(fence.m_back, 1);
  EXPECT_TRUE(HasXyz(target.value.m_eyePoint, 0, 0, 9));
}

// The eye moves with the fence by a transform; by a G4x4 it is moved by
// the matrix itself, whatever the fence's conversion makes of it (here the
// all-zero transform).
TEST_F(PtFrustumTest, TransformsMoveTheEyeWithTheFence) {
  Frustum moved({0, 0, -1});
  moved.frustum *= TranslateTransf({1, 2, 3});
  EXPECT_TRUE(IsBox(PtFrustumRange(moved.frustum), {{-2, -1, 4}, {4, 5, 5}}));
  moved.frustum *= ScaleTransf(2);
  EXPECT_TRUE(HasXyz(moved.frustum.m_eyePoint, 2, 4, 4));
  EXPECT_TRUE(HasXyz(moved.points[2], 0, 2, 6));
  EXPECT_EQ(moved.frustum.m_fence.m_front, 4);
  moved.frustum *= G4x4{{2, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}};
  EXPECT_TRUE(HasXyz(moved.frustum.m_eyePoint, 4, 4, 4));
  EXPECT_TRUE(HasXyz(moved.points[2], 0, 0, 0));
  EXPECT_MESSAGES("GUnitVector: tried to create a NULL unit vector");
}

}  // namespace
