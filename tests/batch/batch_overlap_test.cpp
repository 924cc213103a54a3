#include <string>

#include "batch/batch_test.h"
#include "volumes/point_volume_test.h"

namespace {

using namespace gmath::test;

template <class Volume>
using FlagCall = void (*)(const Volume&, const GBox*, std::size_t, std::size_t, std::uint8_t*);
template <class Volume>
using HitCall = std::size_t (*)(const Volume&, const GBox*, std::size_t, std::size_t, std::size_t*);

class BatchOverlapTest : public BatchTest {
 protected:
  // Both forms of a batch test against its single call on hostile boxes, in
  // every layout and count: the same answer for every box, the same
  // messages in the same order.
  template <class Volume, class Single>
  void ExpectSingleAnswers(const Volume& volume, Single single, FlagCall<Volume> flagsOf,
                           HitCall<Volume> hitsOf, unsigned seed) {
    Random random(seed);
    for (const std::size_t count : kCounts) {
      const std::vector<GBox> boxes = HostileBoxes(random, count, 1e-6);
      std::vector<std::uint8_t> expected;
      for (const GBox& box : boxes) expected.push_back(static_cast<std::uint8_t>(single(volume, box)));
      const std::vector<std::string> messages = TakeMessages();
      for (const Layout layout : Layouts<GBox>()) {
        Strided<GBox> array(boxes, layout);
        std::vector<std::uint8_t> flags(count, 7);
        flagsOf(volume, array.data(), count, array.stride(), flags.data());
        EXPECT_EQ(TakeMessages(), messages);
        std::vector<std::size_t> hits(count + 1, 99);
        hits.resize(hitsOf(volume, array.data(), count, array.stride(), hits.data()));
        EXPECT_EQ(TakeMessages(), messages);
        std::vector<std::size_t> expectedHits;
        for (std::size_t i = 0; i < count; ++i) {
          if (expected[i] != 0) expectedHits.push_back(i);
          if (flags[i] != expected[i]) ADD_FAILURE() << "box " << i << " of " << count;
        }
        EXPECT_EQ(hits, expectedHits) << count << " boxes, stride " << layout.stride;
      }
    }
  }

  template <class Volume>
  void ExpectOverlapAnswers(const Volume& volume, unsigned seed) {
    ExpectSingleAnswers(volume, [](const Volume& v, const GBox& b) { return v && b; },
                        GBatchOverlap, GBatchOverlapHits, seed);
  }
};

GClipVolume RandomClipVolume(Random& random, unsigned planes) {
  GPosition points[6];
  GUnitVector normals[6];
  for (unsigned i = 0; i < planes; ++i) {
    const GVector p = random.Vector(1.0);
    points[i] = {p.m_x + 0.5, p.m_y + 0.5, p.m_z + 0.5};
    normals[i] = random.Direction();
  }
  return BuildClipVolume(planes, points, normals);
}

TEST_F(BatchOverlapTest, ClipVolumeOverlapAndContainmentAnswerAsTheSingleCalls) {
  Random random(1);
  GBox cube = {{0, 0, 0}, {1, 1, 1}};
  GClipVolume volumes[12];
  ConvertGBoxToGClipVolume(&cube, &volumes[0]);
  for (unsigned n = 0; n <= 6; ++n) volumes[1 + n] = RandomClipVolume(random, n);
  volumes[8] = volumes[0];
  for (double& c : volumes[8].m_planes[2]) c *= 3.0;  // not normalized
  volumes[9] = volumes[0];
  volumes[9].m_planes[4][0] = volumes[9].m_planes[4][1] = volumes[9].m_planes[4][2] = 0.0;  // level
  volumes[10] = volumes[0];
  volumes[10].m_planes[1][3] = kNaN;
  volumes[11] = volumes[0];
  volumes[11].m_count = 200;  // counts as 6
  for (unsigned v = 0; v < 12; ++v) {
    SCOPED_TRACE("volume " + std::to_string(v));
    const GClipVolume& volume = volumes[v];
    ExpectOverlapAnswers(volume, 10 + v);
    ExpectSingleAnswers(volume, [](const GClipVolume& w, const GBox& b) { return w >> b; },
                        GBatchContains, GBatchContainsHits, 30 + v);
  }
}

TEST_F(BatchOverlapTest, FenceOverlapAnswersAsTheSingleCallWithItsMessagesOnce) {
  for (const std::size_t points : {4, 5, 9, 64, 65}) {
    SCOPED_TRACE(std::to_string(points) + " points");
    std::vector<GPosition> polygon = Polygon(points);
    for (GPosition& p : polygon) p = {0.2 * p.m_x + 0.5, 0.2 * p.m_y + 0.5, 0.5};
    GPtFence fence = {static_cast<std::uint32_t>(points), polygon.data(), kUp, 0.75, -0.25};
    ExpectOverlapAnswers(fence, static_cast<unsigned>(points));
    fence.m_direction = {0.6, 0.0, 0.8};  // tilted, and clockwise seen along it
    ExpectOverlapAnswers(fence, 100 + static_cast<unsigned>(points));
  }
  // Without planes every box meets the fence; the message comes once.
  GPtFence few = {2, nullptr, kUp, 1.0, 0.0};
  const GBox boxes[3] = {};
  std::uint8_t flags[3] = {};
  GBatchOverlap(few, boxes, 3, sizeof(GBox), flags);
  EXPECT_MESSAGES("GPtFence: Less than 3 points");
  EXPECT_TRUE(flags[0] == 1 && flags[1] == 1 && flags[2] == 1);
  std::size_t hits[3] = {};
  EXPECT_EQ(GBatchOverlapHits(few, boxes, 0, sizeof(GBox), hits), 0u);
  EXPECT_NO_MESSAGES();
}

TEST_F(BatchOverlapTest, BoreLineOverlapAnswersAsTheSingleCall) {
  Random random(2);
  std::vector<GBoreLine> bores;
  for (int i = 0; i < 4; ++i) {
    const GVector p = random.Vector(2.0);
    bores.push_back(BuildBoreLine({p.m_x, p.m_y, p.m_z}, random.Direction(),
                                  random.Uniform(0, 3), random.Uniform(-3, 0),
                                  random.Uniform(0, 0.3)));
  }
  bores.push_back(BuildBoreLine({0.5, 0.5, -1}, kUp));                          // parallel to four faces
  bores.push_back(BuildBoreLine({0.5, 1.0, -1}, {1e-17, 0.0, 1.0}, 5, -5, 0));  // nearly parallel
  bores.push_back(BuildBoreLine({0.5, 0.5, 0.5}, {0.6, 0.8, 0.0}, 1e30, -1e30, kNaN));
  bores.push_back(BuildBoreLine({0.5, 0.5, 0.5}, {0.6, 0.8, 0.0}, kNaN, 0, 0.1));
  bores.push_back(BuildBoreLine({kInf, 0.5, 0.5}, {0.6, 0.8, 0.0}, 1, 0, 0.1));
  for (std::size_t b = 0; b < bores.size(); ++b) {
    SCOPED_TRACE("bore line " + std::to_string(b));
    ExpectOverlapAnswers(bores[b], 200 + static_cast<unsigned>(b));
  }
}

TEST_F(BatchOverlapTest, BoxTestsAnswerAsTheSingleCalls) {
  Random random(3);
  for (const GBox& box : HostileBoxes(random, 16, 1e-6)) {
    ExpectSingleAnswers(box, [](const GBox& a, const GBox& b) { return (a & b).IsNull() == 0; },
                        GBatchIntersects, GBatchIntersectsHits, 4);
    ExpectSingleAnswers(box, [](const GBox& a, const GBox& b) { return a >> b; }, GBatchContains,
                        GBatchContainsHits, 5);
    ExpectSingleAnswers(box, [](const GBox& a, const GBox& b) { return a << b; }, GBatchInside,
                        GBatchInsideHits, 6);
  }
}

TEST_F(BatchOverlapTest, BadArraysAreReportedAndTouchNothing) {
  const GClipVolume volume = {};
  GBox boxes[2] = {};
  std::uint8_t flags[2] = {7, 7};
  std::size_t hits[2] = {9, 9};
  GBatchOverlap(volume, nullptr, 2, sizeof(GBox), flags);
  GBatchOverlap(volume, boxes, 2, sizeof(GBox), nullptr);
  EXPECT_EQ(GBatchOverlapHits(volume, nullptr, 2, sizeof(GBox), hits), 0u);
  EXPECT_MESSAGES("GBatch: NULL array", "GBatch: NULL array", "GBatch: NULL array");
  GBatchOverlap(volume, boxes, 2, sizeof(GBox) - 1, flags);
  EXPECT_MESSAGES("GBatch: stride below the element size");
  GBatchOverlap(volume, nullptr, 0, 0, nullptr);
  EXPECT_NO_MESSAGES();
  EXPECT_TRUE(flags[0] == 7 && flags[1] == 7 && hits[0] == 9 && hits[1] == 9);
}

}  // namespace
