#include <cstdint>
#include <vector>

#include "volumes/point_volume_test.h"

namespace {

using namespace gmath::test;

class PtFrustumTest : public GmathTest {
 protected:
  // The square of corners (+-1, +-1, 0) between the planes z = 1 and z = 2,
  // seen from the eye.
  struct Frustum {
    explicit Frustum(const GPosition& eye, std::vector<GPosition> given = kSquare)
        : points(std::move(given)),
          frustum{{static_cast<std::uint32_t>(points.size()), points.data(), kUp, 2, 1}, eye} {}
    std::vector<GPosition> points;
    GPtFrustum frustum;
  };
};

TEST_F(PtFrustumTest, RangeIsTheSquareSeenFromTheEye) {
  Frustum below({0, 0, -1});
  EXPECT_TRUE(IsBox(PtFrustumRange(below.frustum), {{-3, -3, 1}, {3, 3, 2}}));
  // From above the square shrinks towards the eye instead.
  Frustum above({0, 0, 3});
  EXPECT_TRUE(IsBox(PtFrustumRange(above.frustum), {{-2.0 / 3, -2.0 / 3, 1}, {2.0 / 3, 2.0 / 3, 2}},
                    1e-15));
  EXPECT_NO_MESSAGES();
}

TEST_F(PtFrustumTest, RangeOnTheStackAndOnTheHeapAgree) {
  std::vector<GPosition> points = Polygon(100);
  Frustum local({0.5, -0.2, -3}, points);
  const GBox box = PtFrustumRange(local.frustum);
  points.insert(points.begin() + 99, points[99]);
  Frustum heap({0.5, -0.2, -3}, points);
  EXPECT_TRUE(SameBits(PtFrustumRange(heap.frustum), box));
  Frustum empty({0, 0, -1}, {});
  EXPECT_TRUE(SameBits(PtFrustumRange(empty.frustum), kNullBox));
  EXPECT_MESSAGES("GBox: can't build with 0 points");
}

// A ray level with the eye never meets the planes: the range is the
// infinite box, never infinities or NaN.
TEST_F(PtFrustumTest, PointLevelWithTheEyeGivesTheInfiniteBox) {
  Frustum level({5, 0, 0});
  EXPECT_TRUE(SameBits(PtFrustumRange(level.frustum), kInfiniteBox));
  EXPECT_MESSAGES("GPtFrustum: fence point level with the eye point");
  Frustum onCorner({1, 1, 0});
  EXPECT_TRUE(SameBits(PtFrustumRange(onCorner.frustum), kInfiniteBox));
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
    Frustum between({0, 0, z});
    Gassert_valid(between.frustum);
    EXPECT_MESSAGES("GPtFrustum: eye point is between front and back planes") << z;
  }
  for (double z : {2.0, 3.0, 2.0 - tol / 2, 1.0 - 2 * tol, -1.0}) {
    Frustum outside({0, 0, z});
    Gassert_valid(outside.frustum);
    EXPECT_NO_MESSAGES() << z;
  }
  Frustum bad({kNaN, 0, 5}, {{0, 0, 0}, {0, 0, 0}});
  Gassert_valid(bad.frustum);
  EXPECT_MESSAGES("GPtFence: Less than 4 points", "GPosition has an invalid coordinate");
}

TEST_F(PtFrustumTest, BuildCopiesThePoints) {
  Frustum source({0, 0, -1});
  std::vector<GPosition> own(5);
  GPtFrustum frustum = {{0, own.data(), {}, 0, 0}, {}};
  long err = 7;
  BuildPtFrustum(source.frustum.m_fence, {0, 0, 9}, frustum, &err);
  EXPECT_EQ(err, 0);
  source.points[0].m_x = 42;
  EXPECT_EQ(frustum.m_fence.m_points, own.data());
  EXPECT_EQ(std::memcmp(own.data(), kSquare.data(), 5 * sizeof(GPosition)), 0);
  EXPECT_EQ(frustum.m_fence.m_count, 5u);
  EXPECT_EQ(frustum.m_fence.m_front, 2);
  EXPECT_EQ(frustum.m_fence.m_back, 1);
  EXPECT_TRUE(HasXyz(frustum.m_eyePoint, 0, 0, 9));
  EXPECT_NO_MESSAGES();
  Scribbled<GPtFrustum> target(5);
  target.value.m_fence.m_points = nullptr;
  const Scribbled<GPtFrustum> before = target;
  BuildPtFrustum(source.frustum.m_fence, {0, 0, 9}, target.value, &err);
  EXPECT_EQ(err, 2);
  EXPECT_MESSAGES("BuildPtFrustum: NULL pointer");
  EXPECT_TRUE(Unchanged(before, target));
}

// The eye moves with the fence by a transform; by a G4x4 it is moved by
// the matrix itself, whatever the fence's conversion makes of it (here the
// all-zero transform).
TEST_F(PtFrustumTest, TransformsMoveTheEyeWithTheFence) {
  Frustum moved({0, 0, -1});
  moved.frustum *= TranslateTransf({1, 2, 3});
  EXPECT_TRUE(HasXyz(moved.frustum.m_eyePoint, 1, 2, 2));
  EXPECT_TRUE(HasXyz(moved.points[2], 0, 1, 3));
  EXPECT_EQ(moved.frustum.m_fence.m_front, 2);
  EXPECT_EQ(moved.frustum.m_fence.m_back, 1);
  EXPECT_TRUE(IsBox(PtFrustumRange(moved.frustum), {{-2, -1, 4}, {4, 5, 5}}));
  moved.frustum *= ScaleTransf(2);
  EXPECT_TRUE(HasXyz(moved.frustum.m_eyePoint, 2, 4, 4));
  EXPECT_EQ(moved.frustum.m_fence.m_front, 4);
  G4x4 stretch = {{2, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}};
  moved.frustum *= stretch;
  EXPECT_TRUE(HasXyz(moved.frustum.m_eyePoint, 4, 4, 4));
  EXPECT_TRUE(HasXyz(moved.points[2], 0, 0, 0));
  EXPECT_MESSAGES("GUnitVector: tried to create a NULL unit vector");
}

}  // namespace
