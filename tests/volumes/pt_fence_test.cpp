#include <cstdint>
#include <vector>

#include "volumes/point_volume_test.h"

namespace {

using namespace gmath::test;

class PtFenceTest : public GmathTest {
 protected:
  // A fence over its own copy of the points, with its planes.
  struct Fence {
    Fence(const std::vector<GPosition>& given, double front, double back)
        : points(given),
          fence{static_cast<std::uint32_t>(given.size()), points.data(), kUp, front, back},
          planePoints(given.size() + 1),
          normals(given.size() + 1) {
      fence.FindPlanes(planePoints.data(), normals.data());
    }
    int Inside(const GPosition& p) {
      int inside = -1;
      long err = 7;
      IsPtInPtFence(fence, planePoints.data(), normals.data(), p, &inside, &err);
      EXPECT_EQ(err, 0);
      return inside;
    }
    int Meets(const GPosition& low, const GPosition& high) const {
      return fence && GBox{low, high};
    }
    std::vector<GPosition> points;
    GPtFence fence;
    std::vector<GPosition> planePoints;
    std::vector<GUnitVector> normals;
  };
};

// The first failing check speaks and leaves the fence and its array alone.
TEST_F(PtFenceTest, BuildChecksInOrder) {
  Scribbled<GPtFence> fence(5);
  fence.value.m_points = fence.points.data();
  fence.Keep();
  std::vector<GPosition> open = kUnitSquare;
  open.back().m_z = 2e-6;
  long err = 0;
  BuildPtFence(3, kUnitSquare.data(), kUp, 2, 1, fence.value, &err);
  EXPECT_EQ(err, 2);
  BuildPtFence(5, nullptr, kUp, 2, 1, fence.value, &err);
  BuildPtFence(5, open.data(), kUp, 1, 2, fence.value, &err);
  BuildPtFence(5, kUnitSquare.data(), kUp, kNaN, 1, fence.value, &err);
  EXPECT_MESSAGES("BuildPtFence: num < 4", "BuildPtFence: NULL pointer",
                  "BuildPtFence: pts aren't closed", "BuildPtFence: front < back");
  if constexpr (sizeof(unsigned long) > 4) {
    BuildPtFence(0x100000000ul, kUnitSquare.data(), kUp, 2, 1, fence.value, &err);
    EXPECT_MESSAGES("BuildPtFence: num is too large");
  }
  EXPECT_EQ(err, 2);
  EXPECT_TRUE(fence.Unchanged());
  // A last point at the distance tolerance still closes the polygon.
  open.back().m_z = 1e-6;
  BuildPtFence(5, open.data(), kUp, 3, 3, fence.value, &err);
  EXPECT_EQ(err, 0);
  EXPECT_NO_MESSAGES();
  EXPECT_EQ(fence.value.m_points, fence.points.data());
  EXPECT_TRUE(SameBits(fence.points.data(), open.data(), 5));
  EXPECT_EQ(fence.value.m_count, 5u);
  EXPECT_EQ(fence.value.m_front, 3);
  EXPECT_EQ(fence.value.m_back, 3);
}

TEST_F(PtFenceTest, PlanesOfTheUnitSquare) {
  const Fence square(kUnitSquare, 2, -1);
  const GPosition points[] = {{0, 0, 2}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 0}, {0, 0, -1}};
  const GUnitVector normals[] = {{0, 0, -1}, {0, 1, 0}, {-1, 0, 0}, {0, -1, 0}, {1, 0, 0}, kUp};
  for (int i = 0; i < 6; ++i) {
    const GPosition& p = points[i];
    const GUnitVector& n = normals[i];
    EXPECT_TRUE(HasXyz(square.planePoints[i], p.m_x, p.m_y, p.m_z)) << i;
    EXPECT_TRUE(HasXyz(square.normals[i], n.m_x, n.m_y, n.m_z)) << i;
  }
  EXPECT_TRUE(IsBox(PtFenceRange(square.fence), {{0, 0, -1}, {1, 1, 2}}));
  // Collinear first points count as clockwise, whatever follows.
  const Fence collinear({{0, 0, 0}, {0.5, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 0, 0}}, 2, -1);
  EXPECT_TRUE(HasXyz(collinear.normals[1], 0, -1, 0));
}

// The orientation does not change the volume; the point test has no
// tolerance.
TEST_F(PtFenceTest, PointTestIsExactEitherWayRound) {
  Fence ccw(kUnitSquare, 2, -1);
  Fence cw({kUnitSquare.rbegin(), kUnitSquare.rend()}, 2, -1);
  for (unsigned seed = 1; seed <= 3; ++seed) {
    Random random(seed);
    for (int i = 0; i < 200; ++i) {
      const double x = random.Uniform(-0.5, 1.5);
      const double y = random.Uniform(-0.5, 1.5);
      const GPosition p = {x, y, random.Uniform(-2, 3)};
      const int inside = x >= 0 && x <= 1 && y >= 0 && y <= 1 && p.m_z >= -1 && p.m_z <= 2;
      ASSERT_EQ(ccw.Inside(p), inside) << x << " " << y << " " << p.m_z;
      ASSERT_EQ(cw.Inside(p), inside) << x << " " << y << " " << p.m_z;
    }
  }
  for (const GPosition& on : {GPosition{0.5, 0, 0.3}, {1, 1, 2}, {0.5, 0.5, -1}}) {
    EXPECT_EQ(cw.Inside(on), 1);
  }
  for (const GPosition& off : {GPosition{0.5, 0.5, 2 + 1e-9}, {0.5, -1e-9, 0}, {kNaN, 0.5, 0}}) {
    EXPECT_EQ(cw.Inside(off), 0);
  }
}

TEST_F(PtFenceTest, BoxTestIsConservative) {
  const Fence square(kUnitSquare, 2, -1);
  EXPECT_EQ(square.Meets({0.2, 0.2, 2.0000005}, {0.8, 0.8, 3}), 1);  // within the tolerance
  EXPECT_EQ(square.Meets({0.2, 0.2, 2.00001}, {0.8, 0.8, 3}), 0);
  // Off the diamond's corner and outside it, yet no plane separates.
  const Fence diamond({{1, 0, 0}, {0, 1, 0}, {-1, 0, 0}, {0, -1, 0}, {1, 0, 0}}, 1, -1);
  EXPECT_EQ(diamond.Meets({1.01, -0.5, 0}, {1.5, 0.5, 0.5}), 1);
  EXPECT_EQ(diamond.Meets({0.6, 0.6, 0}, {1, 1, 0.5}), 0);
  // Nine points take their ten planes from the heap.
  const Fence wide(Polygon(9), 1, 0);
  EXPECT_EQ(wide.Meets({3.05, -0.35, 0}, {3.2, -0.25, 1}), 1);
  EXPECT_EQ(wide.Meets({3.15, -0.35, 0}, {3.2, -0.25, 1}), 0);
  EXPECT_EQ(wide.Meets({0, 0, 1.3}, {1, 1, 2}), 0);
}

TEST_F(PtFenceTest, RangeOnTheStackAndOnTheHeapAgree) {
  std::vector<GPosition> local = Polygon(100);
  std::vector<GPosition> heap = Polygon(100, true);
  const GUnitVector d = BuildUnitVector(0.1, -0.2, 1);
  const GBox box = PtFenceRange({100, local.data(), d, 4, -1.5});
  EXPECT_TRUE(SameBits(PtFenceRange({101, heap.data(), d, 4, -1.5}), box));
  EXPECT_TRUE(SameBits(PtFenceRange({0, local.data(), d, 1, 0}), kNullBox));
  EXPECT_MESSAGES("GBox: can't build with 0 points");
}

TEST_F(PtFenceTest, TransformsMoveThePointsAndScaleTheDepths) {
  Fence square(kUnitSquare, 2, -1);
  square.fence *= TranslateTransf({1, 2, 3});
  EXPECT_TRUE(HasXyz(square.points[2], 2, 3, 3));
  EXPECT_EQ(square.fence.m_front, 2);
  G4x4 g = G4x4{};
  g = RotateTransf(kPi / 2, kUp) * ScaleTransf(2);
  square.fence *= g;
  EXPECT_TRUE(HasXyz(square.points[2], -6, 4, 6, 1e-14));
  EXPECT_NEAR(square.fence.m_front, 4, 1e-14);
  EXPECT_NEAR(square.fence.m_back, -2, 1e-14);
}

TEST_F(PtFenceTest, ValidityRunsEveryCheck) {
  Fence square(kUnitSquare, 1e30, -1e30);
  Gassert_valid(square.fence);
  EXPECT_NO_MESSAGES();
  for (double front : {2e30, kNaN}) {
    square.fence.m_front = front;
    Gassert_valid(square.fence);
    EXPECT_MESSAGES("GPtFence: invalid m_front or m_back");
  }
  // Two points 3e-6 off the mean height 0, one 1e-6 off.
  const Fence zigzag({{0, 0, 0}, {1, 0, 3e-6}, {1, 1, -3e-6}, {0, 1, 1e-6}, {0, 0, 0}}, 1, 0);
  Gassert_valid(zigzag.fence);
  EXPECT_MESSAGES("GPtFence: point set is not planar with respect to direction vector",
                  "GPtFence: point set is not planar with respect to direction vector");
  const Fence open({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, 0, 1);
  Gassert_valid(open.fence);
  EXPECT_MESSAGES("GPtFence: point set is not closed", "GPtFence: invalid m_front or m_back");
  const GPtFence bad = {3, nullptr, {0, 0, 0}, 0, 0};
  Gassert_valid(bad);
  EXPECT_MESSAGES("GUnitVector: using a NULL unit vector", "GPtFence: Less than 4 points",
                  "GPtFence: NULL pointer");
}

// Nothing reads outside the fence's points; the answers are documented.
TEST_F(PtFenceTest, DegenerateFencesAreNeverReadBeyondTheirPoints) {
  Fence two({{0, 0, 0}, {1, 0, 0}}, 1, 0);
  EXPECT_MESSAGES("GPtFence: Less than 3 points");
  for (const GUnitVector& n : two.normals) EXPECT_TRUE(HasXyz(n, 0, 0, 0));
  EXPECT_EQ(two.Inside({5, 5, 5}), 1);
  EXPECT_EQ(two.Meets({5, 5, 5}, {6, 6, 6}), 1);
  EXPECT_MESSAGES("GPtFence: Less than 3 points");
  GPtFence lost = {5, nullptr, kUp, 1, 0};
  EXPECT_EQ((lost && GBox{{5, 5, 5}, {6, 6, 6}}), 1);
  EXPECT_TRUE(SameBits(PtFenceRange(lost), kNullBox));
  lost *= ScaleTransf(2);
  EXPECT_EQ(lost.m_front, 2);
  EXPECT_MESSAGES("GPtFence: NULL pointer", "GPtFence: NULL pointer", "GPtFence: NULL pointer");
  int inside = 1;
  long err = 0;
  IsPtInPtFence(two.fence, nullptr, two.normals.data(), {0, 0, 0}, &inside, &err);
  EXPECT_EQ(inside, 0);
  EXPECT_EQ(err, 2);
  two.fence.FindPlanes(two.planePoints.data(), nullptr);
  EXPECT_MESSAGES("GPtFence: NULL plane array", "GPtFence: NULL plane array");
}

}  // namespace
