#include <string>

#include "batch/batch_test.h"
#include "volumes/point_volume_test.h"

namespace {

using namespace gmath::test;

class BatchVolumeTest : public BatchTest {};

// Each range of an array of volumes, bit for bit and message for message.
template <class Volume, class Range>
void ExpectSingleRanges(BatchTest& test, const std::vector<Volume>& volumes, Range range) {
  std::vector<GBox> expected;
  for (const Volume& v : volumes) expected.push_back(range(v));
  const std::vector<std::string> messages = test.Messages();
  for (const Layout layout : Layouts<Volume>()) {
    Strided<Volume> array(volumes, layout);
    Strided<GBox> ranges(std::vector<GBox>(volumes.size()), Layouts<GBox>()[layout.offset % 5]);
    GBatchRange(array.data(), volumes.size(), array.stride(), ranges.data(), ranges.stride());
    EXPECT_EQ(test.Messages(), messages);
    for (std::size_t i = 0; i < volumes.size(); ++i)
      EXPECT_TRUE(SameBits(ranges.At(i), expected[i])) << i;
  }
}

TEST_F(BatchVolumeTest, RangesAreTheSingleCalls) {
  Random random(40);
  std::vector<GPosition> polygon = Polygon(7);
  std::vector<GPtFence> fences = {
      {7, polygon.data(), kUp, 1.0, -1.0}, {3, nullptr, kUp, 1.0, 0.0}, {}};
  ExpectSingleRanges(*this, fences, PtFenceRange);
  std::vector<GBoreLine> bores;
  std::vector<GClipVolume> clips;
  for (int i = 0; i < 5; ++i) {
    const GVector p = random.Vector(3);
    bores.push_back(BuildBoreLine({p.m_x, p.m_y, p.m_z}, random.Direction(), 2, -1, 0.5));
    GBox box = {{p.m_x, p.m_y, p.m_z}, {p.m_x + 1, p.m_y + 2, p.m_z + 3}};
    clips.emplace_back();
    ConvertGBoxToGClipVolume(&box, &clips.back());
  }
  clips.push_back({});
  ExpectSingleRanges(*this, bores, BoreLineRange);
  ExpectSingleRanges(*this, clips, ClipVolumeRange);
  std::vector<GPtFrustum> frustums(2);
  std::vector<GPosition> frustumPoints(2 * polygon.size());
  long err = 0;
  for (std::size_t i = 0; i < frustums.size(); ++i) {
    frustums[i].m_fence.m_points = &frustumPoints[i * polygon.size()];
    BuildPtFrustum(fences[0], {0.1, 0.2, 5.0 + static_cast<double>(i)}, frustums[i], &err);
  }
  ExpectSingleRanges(*this, frustums, PtFrustumRange);
  std::vector<GRtPrism> prisms(2);
  std::vector<GPosition> prismPoints(2 * polygon.size());
  for (std::size_t i = 0; i < prisms.size(); ++i) {
    prisms[i].m_points = &prismPoints[i * polygon.size()];
    BuildRtPrism(RandomSimilarity(random), polygon.data(),
                 static_cast<unsigned long>(polygon.size()), 2.0, prisms[i], &err);
  }
  ExpectSingleRanges(*this, prisms, RtPrismRange);
  std::vector<GBoreCone> cones(2);
  for (std::size_t i = 0; i < cones.size(); ++i) BuildBoreCone(bores[i], {0, 0, 9}, cones[i], &err);
  ExpectSingleRanges(*this, cones, BoreConeRange);
}

TEST_F(BatchVolumeTest, PointClassificationIsTheSingleCalls) {
  Random random(41);
  std::vector<GPosition> points;
  for (int i = 0; i < 300; ++i) {
    const GVector v = random.Vector(1.5);
    points.push_back({v.m_x + 0.5, v.m_y + 0.5, i % 7 == 0 ? kNaN : v.m_z + 0.5});
  }
  GBox cube = {{0, 0, 0}, {1, 1, 1}};
  GClipVolume volume;
  ConvertGBoxToGClipVolume(&cube, &volume);
  std::vector<GPosition> polygon = Polygon(6);
  const GPtFence fence = {6, polygon.data(), kUp, 1.0, -1.0};
  GPosition planePoints[7];
  GUnitVector planeNormals[7];
  fence.FindPlanes(planePoints, planeNormals);
  std::vector<int> clipInside, fenceInside;
  long err = 0;
  for (const GPosition& p : points) {
    IsPtInClipVolume(volume, p, &clipInside.emplace_back(), &err);
    IsPtInPtFence(fence, planePoints, planeNormals, p, &fenceInside.emplace_back(), &err);
  }
  for (const Layout layout : Layouts<GPosition>()) {
    Strided<GPosition> array(points, layout);
    std::vector<int> inside(points.size(), -1);
    err = -1;
    GBatchIsPtInClipVolume(volume, array.data(), points.size(), array.stride(), inside.data(),
                           &err);
    EXPECT_TRUE(inside == clipInside && err == 0);
    err = -1;
    GBatchIsPtInPtFence(fence, planePoints, planeNormals, array.data(), points.size(),
                        array.stride(), inside.data(), &err);
    EXPECT_TRUE(inside == fenceInside && err == 0);
  }
  EXPECT_NO_MESSAGES();
  std::vector<int> inside(points.size(), -1);
  GBatchIsPtInPtFence(fence, nullptr, planeNormals, points.data(), points.size(), sizeof(GPosition),
                      inside.data(), &err);
  EXPECT_MESSAGES("GPtFence: NULL plane array");
  EXPECT_TRUE(inside == std::vector<int>(points.size(), 0) && err == 2);
}

}  // namespace
