// The index against the scan, box by box, on random and adversarial models
// and volumes of every kind: any difference is a lost or invented hit.
#include <thread>

#include "index/index_test.h"

namespace {

using namespace gmath::test;
using namespace gmath::index_cases;

using IndexExactness = GmathTest;

constexpr unsigned kModels = 60;
constexpr int kQueriesPerKind = 12;
constexpr double kExtent = 100;

struct Model {
  std::vector<GBox> boxes;
  std::vector<std::uint64_t> ids;
  IndexPtr index{nullptr, FreeBoxIndex};
};

Model DrawModel(Random& random) {
  Model model;
  const auto count = static_cast<std::size_t>(random.Uniform(0, 1500));
  model.boxes = ModelBoxes(random, count, kExtent);
  model.ids = ModelIds(random, count);
  model.index = MakeIndex(model.boxes, model.ids);
  return model;
}

template <class Volume, class Hit>
void ExpectScanAnswer(const Model& model, const Volume& volume, Hit hit) {
  const std::vector<std::uint64_t> expected = ScanIds(model.boxes, model.ids, hit);
  ASSERT_EQ(IndexIds(model.index.get(), volume), expected);
}

TEST_F(IndexExactness, BoxQueriesMatchTheScan) {
  ForSeeds("models", kModels, [](Random& random) {
    const Model model = DrawModel(random);
    for (int q = 0; q < kQueriesPerKind; ++q) {
      const GBox query = QueryBox(random, model.boxes, kExtent);
      ExpectScanAnswer(model, query, [&](const GBox& b) { return !(query & b).IsNull(); });
    }
  });
  TakeMessages();  // the draws build degenerate volumes on purpose
}

TEST_F(IndexExactness, BoreLineQueriesMatchTheScan) {
  ForSeeds("models", kModels, [](Random& random) {
    const Model model = DrawModel(random);
    for (int q = 0; q < 3 * kQueriesPerKind; ++q) {
      const GBoreLine bore = QueryBore(random, model.boxes, kExtent);
      ExpectScanAnswer(model, bore, [&](const GBox& b) { return (bore && b) != 0; });
    }
  });
  TakeMessages();  // the draws build degenerate volumes on purpose
}

TEST_F(IndexExactness, ClipVolumeAndFenceQueriesMatchTheScan) {
  ForSeeds("models", kModels / 10, [](Random& random) {
    const Model model = DrawModel(random);
    for (int q = 0; q < kQueriesPerKind; ++q) {
      const GClipVolume volume = QueryClipVolume(random, model.boxes, kExtent);
      ExpectScanAnswer(model, volume, [&](const GBox& b) { return (volume && b) != 0; });
      GPosition points[5];
      const GPtFence fence = QueryFence(random, model.boxes, kExtent, points);
      ExpectScanAnswer(model, fence, [&](const GBox& b) { return (fence && b) != 0; });
    }
  });
  TakeMessages();  // the draws build degenerate volumes on purpose
}

// Volumes without an overlap test select by their range box.
TEST_F(IndexExactness, RangeQueriesMatchTheScanOfTheRangeBox) {
  ForSeeds("models", kModels / 4, [](Random& random) {
    const Model model = DrawModel(random);
    for (int q = 0; q < kQueriesPerKind; ++q) {
      GBoreCone cone{};
      long err = 0;
      const GPosition eye = PointNear(random, model.boxes, 3 * kExtent);
      BuildBoreCone(QueryBore(random, model.boxes, kExtent), eye, cone, &err);
      const GBox coneRange = BoreConeRange(cone);
      ExpectScanAnswer(model, cone, [&](const GBox& b) { return !(coneRange & b).IsNull(); });
      GPosition points[5];
      GPosition frustumPoints[5];
      GPtFrustum frustum{};
      frustum.m_fence.m_points = frustumPoints;
      BuildPtFrustum(QueryFence(random, model.boxes, kExtent, points), eye, frustum, &err);
      const GBox frustumRange = PtFrustumRange(frustum);
      ExpectScanAnswer(model, frustum,
                       [&](const GBox& b) { return !(frustumRange & b).IsNull(); });
      GPosition prismPoints[5];
      GRtPrism prism{};
      prism.m_points = prismPoints;
      BuildRtPrism(points, 5, BuildUnitVector(random.Uniform(-1, 1), 1, 0), 10, -10, prism, &err);
      const GBox prismRange = RtPrismRange(prism);
      ExpectScanAnswer(model, prism, [&](const GBox& b) { return !(prismRange & b).IsNull(); });
    }
  });
  TakeMessages();  // the draws build degenerate volumes on purpose
}

// The answers follow the tolerance of the moment of the query, not of the
// build: tolerance-distance cases flip with it.
TEST_F(IndexExactness, AnswersFollowTheToleranceOfTheQuery) {
  ForSeeds("models", kModels / 4, [](Random& random) {
    const Model model = DrawModel(random);
    long err = 0;
    SetFitTolerance(1, &err);
    SetRelativeTolerance(1e-12, &err);
    SetDistanceTolerance(random.Uniform(0, 1) < 0.5 ? 1e-3 : 1e-9, &err);
    for (int q = 0; q < kQueriesPerKind; ++q) {
      const GBox query = QueryBox(random, model.boxes, kExtent);
      ExpectScanAnswer(model, query, [&](const GBox& b) { return !(query & b).IsNull(); });
      const GBoreLine bore = QueryBore(random, model.boxes, kExtent);
      ExpectScanAnswer(model, bore, [&](const GBox& b) { return (bore && b) != 0; });
    }
    SetDistanceTolerance(1e-6, &err);
    SetRelativeTolerance(1e-10, &err);
    SetFitTolerance(1e-3, &err);
    ASSERT_EQ(err, 0);
  });
  TakeMessages();  // the draws build degenerate volumes on purpose
}

// Nearest first along the bore: the scan's hits sorted by entry depth, then
// id, of which the first `capacity` are written.
TEST_F(IndexExactness, FirstHitsAreTheScanSortedByDepth) {
  ForSeeds("models", kModels, [](Random& random) {
    const Model model = DrawModel(random);
    for (int q = 0; q < kQueriesPerKind; ++q) {
      const GBoreLine bore = QueryBore(random, model.boxes, kExtent);
      std::vector<GBoxIndexHit> expected;
      for (std::size_t i = 0; i < model.boxes.size(); ++i) {
        if (bore && model.boxes[i]) {
          expected.push_back({BoxIndexEntryDepth(bore, model.boxes[i]), model.ids[i]});
        }
      }
      std::sort(expected.begin(), expected.end(), [](const GBoxIndexHit& a, const GBoxIndexHit& b) {
        if (std::isnan(a.m_depth) != std::isnan(b.m_depth)) return std::isnan(b.m_depth);
        if (a.m_depth != b.m_depth && !std::isnan(a.m_depth)) return a.m_depth < b.m_depth;
        return a.m_id < b.m_id;
      });
      const auto capacity = static_cast<std::size_t>(random.Uniform(0, 1.2 * static_cast<double>(expected.size()) + 2));
      std::vector<GBoxIndexHit> hits(capacity);
      ASSERT_EQ(FirstBoxIndexHits(model.index.get(), bore, hits.data(), capacity), expected.size());
      hits.resize(std::min(capacity, expected.size()));
      for (std::size_t i = 0; i < hits.size(); ++i) {
        ASSERT_EQ(hits[i].m_id, expected[i].m_id) << "rank " << i;
        ASSERT_TRUE(hits[i].m_depth == expected[i].m_depth ||
                    (std::isnan(hits[i].m_depth) && std::isnan(expected[i].m_depth)));
      }
    }
  });
  TakeMessages();  // the draws build degenerate volumes on purpose
}

// The entry depth is where the stretch bore & box cuts begins.
TEST_F(IndexExactness, EntryDepthIsWhereTheCutBegins) {
  ForSeeds("boxes", 200, [](Random& random) {
    const GBox box = OrdinaryBox(random, kExtent, 10);
    const GBoreLine bore = BuildBoreLine(RandomPosition(random, kExtent), random.Direction(),
                                         1e30, -1e30, random.Uniform(0, 1));
    const GBoreLine cut = bore & box;
    if (!(bore && box)) {
      EXPECT_TRUE(std::isnan(BoxIndexEntryDepth(bore, box)));
      return;
    }
    EXPECT_NEAR(BoxIndexEntryDepth(bore, box), bore.Evaluate(cut.m_point), 1e-9 * kExtent);
  });
  TakeMessages();  // the draws build degenerate volumes on purpose
}

TEST_F(IndexExactness, ConcurrentQueriesGiveTheSingleThreadAnswers) {
  Random random(1);
  const Model model = DrawModel(random);
  std::vector<GBoreLine> bores;
  std::vector<std::vector<std::uint64_t>> expected;
  for (int q = 0; q < 64; ++q) {
    bores.push_back(QueryBore(random, model.boxes, kExtent));
    expected.push_back(IndexIds(model.index.get(), bores.back()));
  }
  std::vector<int> mismatches(4, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (int round = 0; round < 20; ++round) {
        for (std::size_t q = 0; q < bores.size(); ++q) {
          std::vector<std::uint64_t> found(expected[q].size());
          QueryBoxIndex(model.index.get(), bores[q], found.data(), found.size());
          mismatches[static_cast<std::size_t>(t)] += found != expected[q];
        }
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(mismatches, std::vector<int>(4, 0));
  TakeMessages();
}

}  // namespace
