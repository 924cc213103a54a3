#include <cstdint>
#include <vector>

#include "volumes/point_volume_test.h"

namespace {

using namespace gmath::test;

class RtPrismTest : public GmathTest {
 protected:
  static GRtPrism Prism(std::vector<GPosition>& points, double height) {
    return {RotateTransf(0.3, BuildUnitVector(1, 2, 3), {1, 2, 3}), points.data(),
            static_cast<std::uint32_t>(points.size()), height};
  }
  // The unit square at z = 5.
  static std::vector<GPosition> Raised() {
    std::vector<GPosition> points = kUnitSquare;
    for (GPosition& p : points) p.m_z = 5;
    return points;
  }
};

TEST_F(RtPrismTest, LocalFormChecksInOrder) {
  Scribbled<GRtPrism> prism(5);
  prism.value.m_points = prism.points.data();
  prism.Keep();
  const GTransf t = TranslateTransf({1, 2, 3});
  std::vector<GPosition> open = kUnitSquare;
  open.back().m_y = 2e-6;
  long err = 0;
  BuildRtPrism(t, kUnitSquare.data(), 0, 1.0, prism.value, &err);
  EXPECT_EQ(err, 2);
  BuildRtPrism(t, nullptr, 5, 1.0, prism.value, &err);
  BuildRtPrism(t, open.data(), 5, -1.0, prism.value, &err);
  BuildRtPrism(t, kUnitSquare.data(), 5, -1e-300, prism.value, &err);
  BuildRtPrism(t, kUnitSquare.data(), 5, kNaN, prism.value, &err);
  EXPECT_MESSAGES("BuildRtPrism: num is 0", "BuildRtPrism: NULL pointer",
                  "BuildRtPrism: pts aren't closed", "BuildRtPrism: height is negative",
                  "BuildRtPrism: height is negative");
  EXPECT_TRUE(prism.Unchanged());
  BuildRtPrism(t, kUnitSquare.data(), 5, 0.0, prism.value, &err);
  EXPECT_EQ(err, 0);
  EXPECT_TRUE(SameBits(prism.points.data(), kUnitSquare.data(), 5));
  EXPECT_TRUE(SameBits(prism.value.m_transf, t));
  EXPECT_EQ(prism.value.m_count, 5u);
  EXPECT_EQ(prism.value.m_height, 0.0);
}

// The frame sits on the back plane at the first point, x along the first
// edge, z along the normal; local z is exactly 0.
TEST_F(RtPrismTest, WorldFormBuildsTheLocalFrame) {
  std::vector<GPosition> points = Raised();
  GRtPrism prism = {};
  prism.m_points = points.data();
  long err = 7;
  BuildRtPrism(points.data(), 5, kUp, 2, -1, prism, &err);  // in place
  EXPECT_EQ(err, 0);
  EXPECT_EQ(prism.m_height, 3);
  EXPECT_TRUE(HasRows(prism.m_transf.m_matrix, kIdentity));
  EXPECT_TRUE(HasXyz(points[2], 1, 1, 0));
  EXPECT_TRUE(IsBox(RtPrismRange(prism), {{0, 0, 4}, {1, 1, 7}}));
  BuildRtPrism(Raised().data(), 5, kUp, 2, 1, prism, &err);
  EXPECT_EQ(prism.m_height, 1);
  EXPECT_TRUE(IsBox(RtPrismRange(prism), {{0, 0, 6}, {1, 1, 7}}));
  const std::vector<GPosition> slanted = {{0, 0, 0}, {2, 0, 0}, {2, 1, 1}, {0, 1, 1}, {0, 0, 0}};
  BuildRtPrism(slanted.data(), 5, BuildUnitVector(0, -1, 1), 0, 0, prism, &err);
  for (const GPosition& p : points) EXPECT_EQ(p.m_z, 0.0);
  EXPECT_TRUE(HasXyz(points[2], 2, std::sqrt(2.0), 0, 1e-15));
  EXPECT_TRUE(IsBox(RtPrismRange(prism), {{0, 0, 0}, {2, 1, 1}}, 1e-15));
}

// Every check, the first edge's included, comes before any point moves.
TEST_F(RtPrismTest, WorldFormChecksInOrderBeforeWriting) {
  Scribbled<GRtPrism> prism(5);
  prism.points = Raised();
  prism.points[1] = prism.points[0];
  prism.value.m_points = prism.points.data();
  prism.Keep();
  std::vector<GPosition> open = Raised();
  open.back().m_x = 2e-6;
  long err = 0;
  BuildRtPrism(nullptr, 5, GUnitVector{0, 0, 0}, 2, 1, prism.value, &err);
  BuildRtPrism(open.data(), 1, kUp, 2, 1, prism.value, &err);
  BuildRtPrism(nullptr, 5, kUp, 2, 1, prism.value, &err);
  BuildRtPrism(open.data(), 5, kUp, 1, 2, prism.value, &err);
  BuildRtPrism(Raised().data(), 5, kUp, 1, 2, prism.value, &err);
  EXPECT_MESSAGES("BuildRtPrism: normal is invalid", "BuildRtPrism: num < 2",
                  "BuildRtPrism: NULL pointer", "BuildRtPrism: pts aren't closed",
                  "BuildRtPrism: f_depth < b_depth");
  BuildRtPrism(prism.points.data(), 5, kUp, 2, 1, prism.value, &err);
  EXPECT_EQ(err, 2);
  EXPECT_MESSAGES("GUnitVector: tried to create a NULL unit vector",
                  "BuildRtPrism: pts[0] and pts[1] are the same\n");
  EXPECT_TRUE(prism.Unchanged());
}

TEST_F(RtPrismTest, TransformsChangeOnlyThePlacement) {
  std::vector<GPosition> points = kUnitSquare;
  GRtPrism prism = Prism(points, 2);
  const GTransf placed = prism.m_transf;
  const GTransf t = RotateTransf(1.1, BuildUnitVector(0, 1, 1)) * ScaleTransf(2);
  prism *= t;
  G4x4 g = G4x4{};
  g = TranslateTransf({5, 0, 0});
  prism *= g;
  EXPECT_EQ(prism.m_points, points.data());
  EXPECT_TRUE(SameBits(points.data(), kUnitSquare.data(), 5));
  EXPECT_EQ(prism.m_height, 2);
  EXPECT_TRUE(prism.m_transf.IsEqual(placed * t * TranslateTransf({5, 0, 0})));
}

TEST_F(RtPrismTest, RangeOnTheStackAndOnTheHeapAgree) {
  std::vector<GPosition> local = Polygon(100);
  std::vector<GPosition> heap = Polygon(100, true);
  EXPECT_TRUE(SameBits(RtPrismRange(Prism(heap, 1.5)), RtPrismRange(Prism(local, 1.5))));
  std::vector<GPosition> none;
  EXPECT_TRUE(SameBits(RtPrismRange(Prism(none, 1)), kNullBox));
  EXPECT_MESSAGES("GBox: can't build with 0 points");
  GRtPrism lost = Prism(local, 1);
  lost.m_points = nullptr;
  EXPECT_TRUE(SameBits(RtPrismRange(lost), kNullBox));
  EXPECT_MESSAGES("GRtPrism: NULL pointer");
}

TEST_F(RtPrismTest, ValidityRunsEveryCheck) {
  std::vector<GPosition> points = kUnitSquare;
  GRtPrism prism = Prism(points, 1e30);
  Gassert_valid(prism);
  EXPECT_NO_MESSAGES();
  points[1].m_z = 3e-6;
  points[2].m_z = -3e-6;
  points[4].m_x = 1e-5;
  prism.m_count = 3;
  prism.m_height = 2e30;
  Gassert_valid(prism);
  EXPECT_MESSAGES("GRtPrism: Less than 4 points", "GRtPrism: point set is not closed",
                  "GRtPrism: point set is not planar in xz",
                  "GRtPrism: point set is not planar in xz", "GRtPrism: invalid height");
  prism.m_points = nullptr;
  prism.m_height = kNaN;
  Gassert_valid(prism);
  EXPECT_MESSAGES("GRtPrism: Less than 4 points", "GRtPrism: NULL pointer",
                  "GRtPrism: invalid height");
}

}  // namespace
