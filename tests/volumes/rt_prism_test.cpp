#include <cstdint>
#include <vector>

#include "volumes/point_volume_test.h"

namespace {

using namespace gmath::test;

class RtPrismTest : public GmathTest {
 protected:
  // The unit square at z = 5.
  static std::vector<GPosition> Raised() {
    std::vector<GPosition> points = kUnitSquare;
    for (GPosition& p : points) p.m_z = 5;
    return points;
  }
  static GRtPrism Prism(std::vector<GPosition>& points, double height) {
    return {RotateTransf(0.3, BuildUnitVector(1, 2, 3), {1, 2, 3}), points.data(),
            static_cast<std::uint32_t>(points.size()), height};
  }
};

TEST_F(RtPrismTest, LocalFormChecksInOrderAndLeavesThePrismOnFailure) {
  Scribbled<GRtPrism> prism(5);
  prism.value.m_points = prism.points.data();
  const Scribbled<GRtPrism> before = prism;
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
  EXPECT_EQ(err, 2);
  EXPECT_MESSAGES("BuildRtPrism: num is 0", "BuildRtPrism: NULL pointer",
                  "BuildRtPrism: pts aren't closed", "BuildRtPrism: height is negative",
                  "BuildRtPrism: height is negative");
  EXPECT_TRUE(Unchanged(before, prism));
  BuildRtPrism(t, kUnitSquare.data(), 5, 0.0, prism.value, &err);
  EXPECT_EQ(err, 0);
  EXPECT_NO_MESSAGES();
  EXPECT_EQ(prism.value.m_points, prism.points.data());
  EXPECT_EQ(std::memcmp(prism.points.data(), kUnitSquare.data(), 5 * sizeof(GPosition)), 0);
  EXPECT_EQ(std::memcmp(&prism.value.m_transf, &t, offsetof(GTransf, m_hasShear) + 1), 0);
  EXPECT_EQ(prism.value.m_count, 5u);
  EXPECT_EQ(prism.value.m_height, 0.0);
}

// The frame sits on the back plane at the first point, x along the first
// edge, z along the normal; local z is exactly 0.
TEST_F(RtPrismTest, WorldFormBuildsTheLocalFrame) {
  std::vector<GPosition> points = Raised();
  GRtPrism prism = {};
  prism.m_points = points.data();  // in place
  long err = 7;
  BuildRtPrism(points.data(), 5, kUp, 2, -1, prism, &err);
  EXPECT_EQ(err, 0);
  EXPECT_EQ(prism.m_height, 3);
  EXPECT_TRUE(HasRows(prism.m_transf.m_matrix, kIdentity));
  EXPECT_TRUE(HasXyz(prism.m_transf.m_translation, 0, 0, 4));
  for (const GPosition& p : points) EXPECT_EQ(p.m_z, 0.0);
  EXPECT_TRUE(HasXyz(points[2], 1, 1, 0));
  EXPECT_TRUE(IsBox(RtPrismRange(prism), {{0, 0, 4}, {1, 1, 7}}));
  const std::vector<GPosition> raised = Raised();
  BuildRtPrism(raised.data(), 5, kUp, 2, 1, prism, &err);
  EXPECT_EQ(prism.m_height, 1);
  EXPECT_TRUE(IsBox(RtPrismRange(prism), {{0, 0, 6}, {1, 1, 7}}));
  // A slanted square: every local z is cut to 0, the range stays.
  const std::vector<GPosition> slanted = {{0, 0, 0}, {2, 0, 0}, {2, 1, 1}, {0, 1, 1}, {0, 0, 0}};
  const GUnitVector normal = BuildUnitVector(0, -1, 1);
  BuildRtPrism(slanted.data(), 5, normal, 0, 0, prism, &err);
  EXPECT_EQ(prism.m_height, 0);
  for (const GPosition& p : points) EXPECT_EQ(p.m_z, 0.0);
  EXPECT_TRUE(HasXyz(points[2], 2, std::sqrt(2.0), 0, 1e-15));
  EXPECT_TRUE(IsBox(RtPrismRange(prism), {{0, 0, 0}, {2, 1, 1}}, 1e-15));
  EXPECT_NO_MESSAGES();
}

// Every check, the first edge's included, comes before any write.
TEST_F(RtPrismTest, WorldFormChecksInOrderBeforeWriting) {
  Scribbled<GRtPrism> prism(5);
  prism.value.m_points = prism.points.data();
  const Scribbled<GRtPrism> before = prism;
  std::vector<GPosition> open = Raised();
  open.back().m_x = 2e-6;
  std::vector<GPosition> repeated = Raised();
  repeated[1] = repeated[0];
  long err = 0;
  BuildRtPrism(nullptr, 5, GUnitVector{0, 0, 0}, 2, 1, prism.value, &err);
  BuildRtPrism(Raised().data(), 1, kUp, 2, 1, prism.value, &err);
  BuildRtPrism(nullptr, 5, kUp, 2, 1, prism.value, &err);
  BuildRtPrism(open.data(), 5, kUp, 1, 2, prism.value, &err);
  BuildRtPrism(Raised().data(), 5, kUp, 1, 2, prism.value, &err);
  EXPECT_MESSAGES("BuildRtPrism: normal is invalid", "BuildRtPrism: num < 2",
                  "BuildRtPrism: NULL pointer", "BuildRtPrism: pts aren't closed",
                  "BuildRtPrism: f_depth < b_depth");
  prism.value.m_points = repeated.data();
  BuildRtPrism(repeated.data(), 5, kUp, 2, 1, prism.value, &err);
  EXPECT_EQ(err, 2);
  EXPECT_MESSAGES("GUnitVector: tried to create a NULL unit vector",
                  "BuildRtPrism: pts[0] and pts[1] are the same\n");
  EXPECT_EQ(repeated[2].m_z, 5);
  prism.value.m_points = prism.points.data();
  EXPECT_TRUE(Unchanged(before, prism));
}

TEST_F(RtPrismTest, TransformsChangeOnlyThePlacement) {
  std::vector<GPosition> points = kUnitSquare;
  GRtPrism prism = Prism(points, 2);
  const GTransf placed = prism.m_transf;
  const GTransf t = RotateTransf(1.1, BuildUnitVector(0, 1, 1)) * ScaleTransf(2);
  prism *= t;
  EXPECT_EQ(prism.m_points, points.data());
  EXPECT_EQ(std::memcmp(points.data(), kUnitSquare.data(), 5 * sizeof(GPosition)), 0);
  EXPECT_EQ(prism.m_height, 2);
  EXPECT_TRUE(prism.m_transf.IsEqual(placed * t));
  G4x4 g = G4x4{};
  g = TranslateTransf({5, 0, 0});
  GRtPrism moved = prism;
  moved *= g;
  EXPECT_TRUE(moved.m_transf.IsEqual(prism.m_transf * TranslateTransf({5, 0, 0})));
  const GBox box = RtPrismRange(prism);
  EXPECT_TRUE(IsBox(RtPrismRange(moved),
                    {{box.m_low.m_x + 5, box.m_low.m_y, box.m_low.m_z},
                     {box.m_high.m_x + 5, box.m_high.m_y, box.m_high.m_z}},
                    1e-13));
  EXPECT_NO_MESSAGES();
}

TEST_F(RtPrismTest, RangeOnTheStackAndOnTheHeapAgree) {
  std::vector<GPosition> points = Polygon(100);
  const GBox box = RtPrismRange(Prism(points, 1.5));
  points.insert(points.begin() + 7, points[7]);
  EXPECT_TRUE(SameBits(RtPrismRange(Prism(points, 1.5)), box));
  std::vector<GPosition> none;
  EXPECT_TRUE(SameBits(RtPrismRange(Prism(none, 1)), kNullBox));
  EXPECT_MESSAGES("GBox: can't build with 0 points");
  GRtPrism lost = Prism(points, 1);
  lost.m_points = nullptr;
  EXPECT_TRUE(SameBits(RtPrismRange(lost), kNullBox));
  EXPECT_MESSAGES("GRtPrism: NULL pointer");
}

TEST_F(RtPrismTest, ValidityRunsEveryCheck) {
  std::vector<GPosition> points = kUnitSquare;
  GRtPrism prism = Prism(points, 1e30);
  Gassert_valid(prism);
  EXPECT_NO_MESSAGES();
  prism.m_height = 2e30;
  Gassert_valid(prism);
  prism.m_height = kNaN;
  Gassert_valid(prism);
  EXPECT_MESSAGES("GRtPrism: invalid height", "GRtPrism: invalid height");
  points[1].m_z = 3e-6;
  points[2].m_z = -3e-6;
  points[4].m_x = 1e-5;
  prism.m_count = 3;
  prism.m_height = -1;
  Gassert_valid(prism);
  EXPECT_MESSAGES("GRtPrism: Less than 4 points", "GRtPrism: point set is not closed",
                  "GRtPrism: point set is not planar in xz",
                  "GRtPrism: point set is not planar in xz", "GRtPrism: invalid height");
  prism.m_points = nullptr;
  prism.m_height = 0;
  Gassert_valid(prism);
  EXPECT_MESSAGES("GRtPrism: Less than 4 points", "GRtPrism: NULL pointer");
}

}  // namespace
