#include <cstdint>
#include <vector>

#include "volumes/point_volume_test.h"

namespace {

using namespace gmath::test;

class PtFenceTest : public GmathTest {
 protected:
  // A fence over its own copy of the points.
  struct Fence {
    Fence(const std::vector<GPosition>& given, GUnitVector d, double front, double back)
        : points(given),
          fence{static_cast<std::uint32_t>(given.size()), points.data(), d, front, back} {}
    std::vector<GPosition> points;
    GPtFence fence;
  };

  struct Planes {
    explicit Planes(const GPtFence& fence) : points(fence.m_count + 1), normals(fence.m_count + 1) {
      fence.FindPlanes(points.data(), normals.data());
    }
    int Inside(const GPtFence& fence, const GPosition& p) {
      int inside = -1;
      long err = 7;
      IsPtInPtFence(fence, points.data(), normals.data(), p, &inside, &err);
      EXPECT_EQ(err, 0);
      return inside;
    }
    std::vector<GPosition> points;
    std::vector<GUnitVector> normals;
  };

  static void Build(Scribbled<GPtFence>& target, const std::vector<GPosition>& pts, double front,
                    double back, long* err) {
    BuildPtFence(static_cast<unsigned long>(pts.size()), pts.data(), kUp, front, back, target.value,
                 err);
  }
};

// Each failure leaves the fence and its array as they were; only the first
// failing check speaks.
TEST_F(PtFenceTest, BuildChecksInOrderAndLeavesTheFenceOnFailure) {
  Scribbled<GPtFence> fence(5);
  fence.value.m_points = fence.points.data();
  const Scribbled<GPtFence> before = fence;
  const std::vector<GPosition> open = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 2e-6}};
  long err = 0;
  Build(fence, {{0, 0, 0}, {1, 0, 0}, {0, 0, 0}}, 2, 1, &err);
  EXPECT_EQ(err, 2);
  EXPECT_MESSAGES("BuildPtFence: num < 4");
  BuildPtFence(5, nullptr, kUp, 2, 1, fence.value, &err);
  EXPECT_MESSAGES("BuildPtFence: NULL pointer");
  Build(fence, open, 1, 2, &err);
  EXPECT_MESSAGES("BuildPtFence: pts aren't closed");
  Build(fence, kUnitSquare, 1, 2, &err);
  Build(fence, kUnitSquare, kNaN, 2, &err);
  EXPECT_MESSAGES("BuildPtFence: front < back", "BuildPtFence: front < back");
  EXPECT_EQ(err, 2);
  if constexpr (sizeof(unsigned long) > 4) {
    BuildPtFence(0x100000000ul, kUnitSquare.data(), kUp, 2, 1, fence.value, &err);
    EXPECT_MESSAGES("BuildPtFence: num is too large");
  }
  EXPECT_TRUE(Unchanged(before, fence));
  GPtFence noArray = {0, nullptr, kUp, 0, 0};
  BuildPtFence(5, kUnitSquare.data(), kUp, 2, 1, noArray, &err);
  EXPECT_MESSAGES("BuildPtFence: NULL pointer");
  EXPECT_EQ(noArray.m_count, 0u);
}

TEST_F(PtFenceTest, BuildCopiesIntoTheFencesArray) {
  Scribbled<GPtFence> fence(6);
  fence.value.m_points = fence.points.data();
  std::vector<GPosition> nearlyClosed = kUnitSquare;
  nearlyClosed.back() = {1e-6, 0, 0};  // exactly at the distance tolerance
  long err = 7;
  Build(fence, nearlyClosed, 3, 3, &err);
  EXPECT_EQ(err, 0);
  EXPECT_NO_MESSAGES();
  EXPECT_EQ(fence.value.m_points, fence.points.data());
  EXPECT_EQ(fence.value.m_count, 5u);
  EXPECT_EQ(std::memcmp(fence.points.data(), nearlyClosed.data(), 5 * sizeof(GPosition)), 0);
  EXPECT_TRUE(HasXyz(fence.value.m_direction, 0, 0, 1));
  EXPECT_EQ(fence.value.m_front, 3);
  EXPECT_EQ(fence.value.m_back, 3);
}

TEST_F(PtFenceTest, PlanesOfTheUnitSquare) {
  Fence square(kUnitSquare, kUp, 2, -1);
  const Planes planes(square.fence);
  const GPosition points[] = {{0, 0, 2}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 0}, {0, 0, -1}};
  const GUnitVector normals[] = {{0, 0, -1}, {0, 1, 0}, {-1, 0, 0}, {0, -1, 0}, {1, 0, 0}, kUp};
  for (int i = 0; i < 6; ++i) {
    EXPECT_TRUE(HasXyz(planes.points[i], points[i].m_x, points[i].m_y, points[i].m_z)) << i;
    EXPECT_TRUE(HasXyz(planes.normals[i], normals[i].m_x, normals[i].m_y, normals[i].m_z)) << i;
  }
  EXPECT_TRUE(IsBox(PtFenceRange(square.fence), {{0, 0, -1}, {1, 1, 2}}));
  EXPECT_NO_MESSAGES();
}

// The normals follow the orientation, so the volume does not depend on it.
TEST_F(PtFenceTest, ClockwiseAndCounterClockwiseAgree) {
  const std::vector<GPosition> clockwise(kUnitSquare.rbegin(), kUnitSquare.rend());
  Fence ccw(kUnitSquare, kUp, 2, -1);
  Fence cw(clockwise, kUp, 2, -1);
  Planes ccwPlanes(ccw.fence);
  Planes cwPlanes(cw.fence);
  for (unsigned seed = 1; seed <= 5; ++seed) {
    Random random(seed);
    int inside = 0;
    for (int i = 0; i < 200; ++i) {
      const double x = random.Uniform(-0.5, 1.5);
      const double y = random.Uniform(-0.5, 1.5);
      const GPosition p = {x, y, random.Uniform(-2, 3)};
      const int answer = ccwPlanes.Inside(ccw.fence, p);
      ASSERT_EQ(answer, cwPlanes.Inside(cw.fence, p)) << x << " " << y << " " << p.m_z;
      ASSERT_EQ(answer, x >= 0 && x <= 1 && y >= 0 && y <= 1 && p.m_z >= -1 && p.m_z <= 2);
      inside += answer;
    }
    EXPECT_GT(inside, 10);
    EXPECT_LT(inside, 190);
  }
  EXPECT_NO_MESSAGES();
}

// No tolerance: the planes themselves are inside, 1e-9 beyond is not.
TEST_F(PtFenceTest, PointTestIsExact) {
  Fence square(kUnitSquare, kUp, 2, -1);
  Planes planes(square.fence);
  EXPECT_EQ(planes.Inside(square.fence, {0.5, 0, 0.3}), 1);
  EXPECT_EQ(planes.Inside(square.fence, {1, 1, 2}), 1);
  EXPECT_EQ(planes.Inside(square.fence, {0.5, 0.5, -1}), 1);
  EXPECT_EQ(planes.Inside(square.fence, {0.5, 0.5, 2 + 1e-9}), 0);
  EXPECT_EQ(planes.Inside(square.fence, {0.5, -1e-9, 0}), 0);
  EXPECT_EQ(planes.Inside(square.fence, {0.5, kNaN, 0}), 0);
  EXPECT_NO_MESSAGES();
}

TEST_F(PtFenceTest, BoxTestIsConservative) {
  Fence square(kUnitSquare, kUp, 2, -1);
  EXPECT_EQ((square.fence && GBox{{0.2, 0.2, 2.0000005}, {0.8, 0.8, 3}}), 1);
  EXPECT_EQ((square.fence && GBox{{0.2, 0.2, 2.00001}, {0.8, 0.8, 3}}), 0);
  EXPECT_EQ((square.fence && GBox{{-5, -5, -5}, {5, 5, 5}}), 1);
  EXPECT_EQ((square.fence && GBox{{1.00001, 0, 0}, {2, 1, 1}}), 0);
  // Off the diamond's corner, outside the volume, yet no single plane
  // separates the box: the answer is "may meet".
  Fence diamond({{1, 0, 0}, {0, 1, 0}, {-1, 0, 0}, {0, -1, 0}, {1, 0, 0}}, kUp, 1, -1);
  EXPECT_EQ((diamond.fence && GBox{{1.01, -0.5, 0}, {1.5, 0.5, 0.5}}), 1);
  EXPECT_EQ((diamond.fence && GBox{{0.6, 0.6, 0}, {1, 1, 0.5}}), 0);
  // Nine points need their ten planes from the heap.
  Fence wide(Polygon(9), kUp, 1, 0);
  EXPECT_EQ((wide.fence && GBox{{3.05, -0.35, 0}, {3.2, -0.25, 1}}), 1);
  EXPECT_EQ((wide.fence && GBox{{3.15, -0.35, 0}, {3.2, -0.25, 1}}), 0);
  EXPECT_EQ((wide.fence && GBox{{0, 0, 1.3}, {1, 1, 2}}), 0);
  EXPECT_NO_MESSAGES();
}

// 100 points fit the stack, 101 take the heap: the same corners give the
// same box.
TEST_F(PtFenceTest, RangeOnTheStackAndOnTheHeapAgree) {
  std::vector<GPosition> points = Polygon(100);
  const GUnitVector d = BuildUnitVector(0.1, -0.2, 1);
  Fence local(points, d, 4, -1.5);
  points.insert(points.begin() + 50, points[50]);
  Fence heap(points, d, 4, -1.5);
  const GBox box = PtFenceRange(local.fence);
  EXPECT_TRUE(SameBits(PtFenceRange(heap.fence), box));
  EXPECT_TRUE(IsBox(box, {{-3.046, -3.081, -1.214}, {3.490, 1.993, 4.154}}, 0.002));
  Fence empty({}, d, 1, 0);
  EXPECT_TRUE(SameBits(PtFenceRange(empty.fence), kNullBox));
  EXPECT_MESSAGES("GBox: can't build with 0 points");
}

TEST_F(PtFenceTest, TransformsMoveThePointsAndScaleTheDepths) {
  Fence square(kUnitSquare, kUp, 2, -1);
  square.fence *= TranslateTransf({1, 2, 3});
  EXPECT_TRUE(HasXyz(square.points[2], 2, 3, 3));
  EXPECT_EQ(square.fence.m_front, 2);
  EXPECT_EQ(square.fence.m_back, -1);
  G4x4 g = G4x4{};
  g = RotateTransf(kPi / 2, kUp) * ScaleTransf(2);
  square.fence *= g;
  EXPECT_TRUE(HasXyz(square.points[2], -6, 4, 6, 1e-14));
  EXPECT_TRUE(HasXyz(square.fence.m_direction, 0, 0, 1));
  EXPECT_NEAR(square.fence.m_front, 4, 1e-14);
  EXPECT_NEAR(square.fence.m_back, -2, 1e-14);
  EXPECT_NO_MESSAGES();
}

TEST_F(PtFenceTest, ValidityRunsEveryCheck) {
  Fence square(kUnitSquare, kUp, 1e30, -1e30);
  Gassert_valid(square.fence);
  EXPECT_NO_MESSAGES();
  square.fence.m_front = 2e30;
  Gassert_valid(square.fence);
  square.fence.m_front = kNaN;
  Gassert_valid(square.fence);
  EXPECT_MESSAGES("GPtFence: invalid m_front or m_back", "GPtFence: invalid m_front or m_back");
  // Two points 3e-6 off the mean height 0.
  Fence zigzag({{0, 0, 0}, {1, 0, 3e-6}, {1, 1, -3e-6}, {0, 1, 1e-6}, {0, 0, 0}}, kUp, 1, 0);
  Gassert_valid(zigzag.fence);
  EXPECT_MESSAGES("GPtFence: point set is not planar with respect to direction vector",
                  "GPtFence: point set is not planar with respect to direction vector");
  GPtFence bad = {3, nullptr, {0, 0, 0}, 0, 1};
  Gassert_valid(bad);
  EXPECT_MESSAGES("GUnitVector: using a NULL unit vector", "GPtFence: Less than 4 points",
                  "GPtFence: NULL pointer", "GPtFence: invalid m_front or m_back");
  Fence open({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, kUp, 1, 0);
  Gassert_valid(open.fence);
  EXPECT_MESSAGES("GPtFence: point set is not closed");
}

// Nothing reads outside the fence's points; the answers are documented.
TEST_F(PtFenceTest, DegenerateFencesAreNeverReadBeyondTheirPoints) {
  Fence two({{0, 0, 0}, {1, 0, 0}}, kUp, 1, 0);
  Planes planes(two.fence);
  EXPECT_MESSAGES("GPtFence: Less than 3 points");
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(HasXyz(planes.normals[i], 0, 0, 0));
  EXPECT_EQ(planes.Inside(two.fence, {5, 5, 5}), 1);
  EXPECT_EQ((two.fence && GBox{{5, 5, 5}, {6, 6, 6}}), 1);
  EXPECT_MESSAGES("GPtFence: Less than 3 points");
  GPtFence lost = {5, nullptr, kUp, 1, 0};
  EXPECT_EQ((lost && GBox{{5, 5, 5}, {6, 6, 6}}), 1);
  EXPECT_TRUE(SameBits(PtFenceRange(lost), kNullBox));
  lost *= ScaleTransf(2);
  EXPECT_EQ(lost.m_front, 2);
  EXPECT_MESSAGES("GPtFence: NULL pointer", "GPtFence: NULL pointer", "GPtFence: NULL pointer");
  int inside = 1;
  long err = 0;
  IsPtInPtFence(two.fence, nullptr, planes.normals.data(), {0, 0, 0}, &inside, &err);
  EXPECT_EQ(inside, 0);
  EXPECT_EQ(err, 2);
  two.fence.FindPlanes(planes.points.data(), nullptr);
  EXPECT_MESSAGES("GPtFence: NULL plane array", "GPtFence: NULL plane array");
}

}  // namespace
