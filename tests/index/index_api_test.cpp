#include <limits>

#include "index/index_test.h"

namespace {

using namespace gmath::test;
using namespace gmath::index_cases;

using BoxIndexApi = GmathTest;

int Collect(std::uint64_t id, void* context) {
  static_cast<std::vector<std::uint64_t>*>(context)->push_back(id);
  return 1;
}

int StopAtThree(std::uint64_t id, void* context) {
  auto* seen = static_cast<std::vector<std::uint64_t>*>(context);
  seen->push_back(id);
  return seen->size() < 3;
}

// A short buffer holds the smallest ids of the answer, ascending, and the
// total is returned whatever the capacity.
TEST_F(BoxIndexApi, ShortBuffersHoldTheSmallestIds) {
  ForSeeds("models", 30, [](Random& random) {
    const std::vector<GBox> boxes = ModelBoxes(random, 400, 10);
    const std::vector<std::uint64_t> ids = ModelIds(random, boxes.size());
    const IndexPtr index = MakeIndex(boxes, ids);
    const GBox query = QueryBox(random, boxes, 10);
    const std::vector<std::uint64_t> all = IndexIds(index.get(), query);
    const auto capacity = static_cast<std::size_t>(random.Uniform(0, static_cast<double>(all.size()) + 1));
    std::vector<std::uint64_t> some(capacity + 1, 7);
    ASSERT_EQ(QueryBoxIndex(index.get(), query, some.data(), capacity), all.size());
    const std::size_t written = std::min(capacity, all.size());
    EXPECT_TRUE(std::equal(some.begin(), some.begin() + static_cast<long>(written), all.begin()));
    EXPECT_EQ(some[capacity], 7u) << "written beyond the capacity";
  });
}

TEST_F(BoxIndexApi, VisitorsSeeTheSameIdsAndCanStop) {
  ForSeeds("models", 30, [](Random& random) {
    const std::vector<GBox> boxes = ModelBoxes(random, 400, 10);
    const IndexPtr index = MakeIndex(boxes, ModelIds(random, boxes.size()));
    const GBoreLine bore = QueryBore(random, boxes, 10);
    const std::vector<std::uint64_t> all = IndexIds(index.get(), bore);
    std::vector<std::uint64_t> seen;
    EXPECT_EQ(VisitBoxIndex(index.get(), bore, Collect, &seen), all.size());
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen, all);
    seen.clear();
    EXPECT_EQ(VisitBoxIndex(index.get(), bore, StopAtThree, &seen), std::min<std::size_t>(3, all.size()));
  });
}

TEST_F(BoxIndexApi, MissingIdsArePositions) {
  const std::vector<GBox> boxes = {BuildBox(0, 0, 0, 1, 1, 1), BuildBox(5, 5, 5, 6, 6, 6),
                                   BuildBox(0.5, 0, 0, 2, 1, 1)};
  GBoxIndex* index = nullptr;
  ASSERT_EQ(BuildBoxIndex(boxes.data(), nullptr, boxes.size(), &index), kBoxIndexOk);
  EXPECT_EQ(BoxIndexCount(index), 3u);
  EXPECT_EQ(IndexIds(index, BuildBox(0.9, 0.5, 0.5, 1.1, 0.6, 0.6)),
            (std::vector<std::uint64_t>{0, 2}));
  FreeBoxIndex(index);
}

TEST_F(BoxIndexApi, BadArgumentsAreRefusedWithoutACrash) {
  GBoxIndex* index = nullptr;
  EXPECT_EQ(BuildBoxIndex(nullptr, nullptr, 3, &index), kBoxIndexBadArgument);
  EXPECT_EQ(index, nullptr);
  const GBox box = BuildBox(0, 0, 0, 1, 1, 1);
  EXPECT_EQ(BuildBoxIndex(&box, nullptr, 1, nullptr), kBoxIndexBadArgument);
  EXPECT_EQ(QueryBoxIndex(nullptr, box, nullptr, 0), 0u);
  EXPECT_EQ(FirstBoxIndexHits(nullptr, BuildBoreLine({0, 0, 0}, {1, 0, 0}), nullptr, 0), 0u);
  EXPECT_EQ(TakeMessages(), (std::vector<std::string>{"GBoxIndex: NULL pointer",
                                                       "GBoxIndex: NULL pointer",
                                                       "GBoxIndex: NULL pointer"}));
  EXPECT_EQ(BoxIndexCount(nullptr), 0u);
  FreeBoxIndex(nullptr);
}

// Counts whose arrays the address space cannot hold: refused before the
// boxes are read, or when the first array's size passes the vector's limit.
TEST_F(BoxIndexApi, CountsBeyondMemoryAnswerNoMemory) {
  const GBox box = BuildBox(0, 0, 0, 1, 1, 1);
  const std::uint64_t most = std::numeric_limits<std::size_t>::max();
  for (const std::uint64_t count : {~std::uint64_t{0}, most / sizeof(GBox) + 1, most / sizeof(GBox)}) {
    char sentinel = 0;
    GBoxIndex* index = reinterpret_cast<GBoxIndex*>(&sentinel);
    EXPECT_EQ(BuildBoxIndex(&box, nullptr, count, &index), kBoxIndexNoMemory) << count;
    EXPECT_EQ(index, nullptr);
  }
}

TEST_F(BoxIndexApi, AnEmptyIndexFindsNothing) {
  GBoxIndex* index = nullptr;
  ASSERT_EQ(BuildBoxIndex(nullptr, nullptr, 0, &index), kBoxIndexOk);
  EXPECT_EQ(QueryBoxIndex(index, BuildBox(-1e300, -1e300, -1e300, 1e300, 1e300, 1e300), nullptr, 0), 0u);
  EXPECT_EQ(QueryBoxIndex(index, BuildBoreLine({0, 0, 0}, {1, 0, 0}), nullptr, 0), 0u);
  FreeBoxIndex(index);
}

}  // namespace
