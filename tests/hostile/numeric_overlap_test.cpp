#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "volumes/point_volume_test.h"

namespace {

using namespace gmath::test;

// A volume or box with a value that is not finite cannot be judged, so an
// overlap test must answer 1 (may meet): a query must never lose an element
// for it. Each test below starts from a volume and boxes it finds apart and
// spoils one double at a time; the clip volume, whose planes each judge on
// their own, only where the separating plane reads it.
class NonFiniteOverlapTest : public GmathTest {
 protected:
  // Unit boxes 5 away from the origin along each axis, both ways.
  static std::vector<GBox> FarBoxes() {
    std::vector<GBox> boxes;
    for (int axis = 0; axis < 3; ++axis) {
      for (const double side : {-5.0, 5.0}) {
        double low[3] = {-0.5, -0.5, -0.5};
        low[axis] += side;
        boxes.push_back({{low[0], low[1], low[2]}, {low[0] + 1, low[1] + 1, low[2] + 1}});
      }
    }
    return boxes;
  }

  static std::vector<double*> Doubles(GBox& box) {
    return {&box.m_low.m_x,  &box.m_low.m_y,  &box.m_low.m_z,
            &box.m_high.m_x, &box.m_high.m_y, &box.m_high.m_z};
  }

  // Each far box must be apart as it stands, and meet once any one of the
  // volume's doubles or its own is NaN or infinite. Names every failure;
  // the messages the spoiled calls report are not what is tested here.
  template <class Meets>
  std::string SpoiledFailures(const std::vector<double*>& volumeDoubles, Meets meets) {
    std::string failures;
    for (GBox box : FarBoxes()) {
      if (meets(box) != 0) failures += " unspoiled box meets;";
      std::vector<double*> doubles = volumeDoubles;
      for (double* d : Doubles(box)) doubles.push_back(d);
      for (std::size_t k = 0; k < doubles.size(); ++k) {
        const double kept = *doubles[k];
        for (const double bad : {kNaN, kInf, -kInf}) {
          *doubles[k] = bad;
          if (meets(box) != 1) {
            failures += " double " + std::to_string(k) + " = " + std::to_string(bad) + ";";
          }
        }
        *doubles[k] = kept;
      }
      TakeMessages();
    }
    return failures;
  }
};

TEST_F(NonFiniteOverlapTest, BoreLine) {
  GBoreLine bore = BuildBoreLine({0, 0, 0}, kUp, 1, -1, 0.5);
  const std::vector<double*> doubles = {&bore.m_point.m_x,     &bore.m_point.m_y,
                                        &bore.m_point.m_z,     &bore.m_direction.m_x,
                                        &bore.m_direction.m_y, &bore.m_direction.m_z};
  EXPECT_EQ(SpoiledFailures(doubles, [&](const GBox& box) { return bore && box; }), "");
  for (const auto& [front, back, radius] :
       {std::tuple{kNaN, -1.0, 0.5}, {1.0, kNaN, 0.5}, {1.0, -1.0, kInf}, {1.0, -1.0, -kInf}}) {
    const GBoreLine spoiled = BuildBoreLine({0, 0, 0}, kUp, front, back, radius);
    for (const GBox& box : FarBoxes()) {
      EXPECT_TRUE(spoiled && box) << front << " " << back << " " << radius;
    }
  }
  // Still judged: an infinite depth is an unbounded end, and a NaN radius
  // is replaced by the relative tolerance.
  const GBox beyond = {{-0.5, -0.5, 4}, {0.5, 0.5, 5}};
  EXPECT_FALSE((BuildBoreLine({0, 0, 0}, kUp, kInf, -kInf, 0.5) && GBox{{2, 0, 0}, {3, 1, 1}}));
  EXPECT_TRUE(BuildBoreLine({0, 0, 0}, kUp, kInf, -kInf, 0.5) && beyond);
  EXPECT_FALSE(BuildBoreLine({0, 0, 0}, kUp, -kInf, -kInf, 0.5) && beyond);
  EXPECT_FALSE((BuildBoreLine({0, 0, 0}, kUp, 1, -1, kNaN) && GBox{{1e-9, 0, 0}, {1, 1, 1}}));
  // The cut of a box it cannot judge is no longer the null bore line.
  EXPECT_FALSE((bore & GBox{{kNaN, 2, 2}, {3, 3, 3}}).IsNull());
}

TEST_F(NonFiniteOverlapTest, PointFence) {
  std::vector<GPosition> points = kSquare;
  GPtFence fence = {5, points.data(), kUp, 1, -1};
  std::vector<double*> doubles = {&fence.m_direction.m_x, &fence.m_direction.m_y,
                                  &fence.m_direction.m_z, &fence.m_front, &fence.m_back};
  for (GPosition& p : points) doubles.insert(doubles.end(), {&p.m_x, &p.m_y, &p.m_z});
  EXPECT_EQ(SpoiledFailures(doubles, [&](const GBox& box) { return fence && box; }), "");
}

// A clip volume is judged plane by plane: a value that is not finite in a
// plane, or in the box corner it reads, keeps that plane from separating,
// while a finite plane still separates a finite corner whatever the other
// planes and box coordinates hold.
TEST_F(NonFiniteOverlapTest, ClipVolume) {
  GClipVolume volume = {{{-1, 0, 0, 1}}, 1};  // x <= 1
  GBox beyond = {{5, -0.5, -0.5}, {6, 0.5, 0.5}};
  ASSERT_FALSE((volume && beyond));
  // The plane reads its own values and the box's low corner; plane 1, all
  // zeros, holds every point.
  const std::vector<double*> read = {&volume.m_planes[0][0], &volume.m_planes[0][1],
                                     &volume.m_planes[0][2], &volume.m_planes[0][3],
                                     &beyond.m_low.m_x,      &beyond.m_low.m_y,
                                     &beyond.m_low.m_z};
  const std::vector<double*> unread = {&volume.m_planes[1][0], &volume.m_planes[1][3],
                                       &beyond.m_high.m_x, &beyond.m_high.m_y, &beyond.m_high.m_z};
  volume.m_count = 2;
  for (const double bad : {kNaN, kInf, -kInf}) {
    for (double* d : read) {
      const double kept = std::exchange(*d, bad);
      EXPECT_TRUE(volume && beyond) << bad;
      *d = kept;
    }
    for (double* d : unread) {
      const double kept = std::exchange(*d, bad);
      EXPECT_FALSE(volume && beyond) << bad;
      *d = kept;
    }
  }
  TakeMessages();
  // Planes beyond the count are not part of the volume.
  volume.m_count = 1;
  volume.m_planes[1][3] = kNaN;
  EXPECT_FALSE((volume && beyond));
}

// The checks that read a volume's points report one that is not finite:
// the fence's and the prism's own planarity tests let a NaN pass, and the
// points of the others go through the position check.
TEST_F(NonFiniteOverlapTest, ValidityReportsNonFinitePoints) {
  std::vector<GPosition> square = kUnitSquare;
  for (const double bad : {kNaN, kInf, -kInf}) {
    std::vector<GPosition> points = kUnitSquare;
    points[2].m_y = bad;
    Gassert_valid(GPtFence{5, points.data(), kUp, 1, -1});
    EXPECT_MESSAGES("GPtFence: point set has a non-finite coordinate");
    Gassert_valid(GPtFrustum{{5, points.data(), kUp, 1, -1}, {0, 0, 5}});
    EXPECT_MESSAGES("GPtFence: point set has a non-finite coordinate");
    Gassert_valid(GRtPrism{ScaleTransf(1.0), points.data(), 5, 1});
    EXPECT_MESSAGES("GRtPrism: point set has a non-finite coordinate");
    Gassert_valid(GPtFrustum{{5, square.data(), kUp, 1, -1}, {0, bad, 5}});
    EXPECT_MESSAGES("GPosition has an invalid coordinate");
    Gassert_valid(BuildBoreLine({bad, 0, 0}, kUp, 1, -1, 1));
    EXPECT_MESSAGES("GPosition has an invalid coordinate");
    Gassert_valid(GBoreCone{BuildBoreLine({0, 0, 0}, kUp, 1, -1, 1), {0, 0, bad}});
    EXPECT_MESSAGES("GPosition has an invalid coordinate");
  }
  // Every bad point is reported; a closing point counts like any other.
  std::vector<GPosition> points = kUnitSquare;
  points[0].m_x = points[4].m_x = kNaN;
  Gassert_valid(GRtPrism{ScaleTransf(1.0), points.data(), 5, 1});
  EXPECT_MESSAGES("GRtPrism: point set is not closed",
                  "GRtPrism: point set has a non-finite coordinate",
                  "GRtPrism: point set has a non-finite coordinate");
  GClipVolume broken = {};
  broken.m_count = 1;
  broken.m_planes[0][0] = kNaN;
  Gassert_valid(broken);
  EXPECT_NO_MESSAGES();
}

}  // namespace
