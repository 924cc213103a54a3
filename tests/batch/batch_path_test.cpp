#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "batch/batch_test.h"
#include "volumes/point_volume_test.h"

namespace {

using namespace gmath::test;

class BatchPathTest : public BatchTest {};

// The widest path this processor and its system run, by the compiler's own
// detection (which also consults the enabled register states).
std::string WidestPath() {
#if defined(__x86_64__) || defined(__i386__)
  if (__builtin_cpu_supports("avx512f")) return "avx512";
  if (__builtin_cpu_supports("avx2")) return "avx2";
  return "sse2";
#else
  return "scalar";
#endif
}

// Every other test of the batch calls runs on the path in use; ctest runs
// them once per cap (batch.<path>), and this proves the cap took effect.
TEST_F(BatchPathTest, TheCappedOrWidestPathIsActive) {
  const std::vector<std::string> order = {"scalar", "sse2", "avx2", "avx512"};
  const std::string widest = WidestPath();
  const char* cap = std::getenv("GMATH_SIMD");
  std::string expected = widest;
  if (cap != nullptr) {
    const auto capped = std::find(order.begin(), order.end(), cap);
    if (capped < std::find(order.begin(), order.end(), widest)) expected = cap;
  }
  EXPECT_EQ(GBatchSimdPath(), expected);
}

// Threads on disjoint parts of one array, each part answered as the single
// calls answer it.
TEST_F(BatchPathTest, ThreadsShareTheCallsOnDisjointRanges) {
  Random random(30);
  const std::vector<GBox> boxes = HostileBoxes(random, 8 * 1000, 1e-6);
  GBox cube = {{0, 0, 0}, {1, 1, 1}};
  GClipVolume volume;
  ConvertGBoxToGClipVolume(&cube, &volume);
  std::vector<GPosition> polygon = Polygon(6);
  const GPtFence fence = {6, polygon.data(), kUp, 1.0, -1.0};
  const GBoreLine bore = BuildBoreLine({0.5, 0.5, 0.5}, {0.6, 0.8, 0.0}, 2, -2, 0.1);
  std::vector<std::uint8_t> flags(3 * boxes.size());
  std::vector<std::thread> threads;
  for (std::size_t part = 0; part < 8; ++part) {
    threads.emplace_back([&, part] {
      const std::size_t first = part * 1000;
      GBatchOverlap(volume, &boxes[first], 1000, sizeof(GBox), &flags[first]);
      GBatchOverlap(fence, &boxes[first], 1000, sizeof(GBox), &flags[boxes.size() + first]);
      GBatchOverlap(bore, &boxes[first], 1000, sizeof(GBox), &flags[2 * boxes.size() + first]);
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    if (flags[i] != (volume && boxes[i]) || flags[boxes.size() + i] != (fence && boxes[i]) ||
        flags[2 * boxes.size() + i] != (bore && boxes[i])) {
      ADD_FAILURE() << "box " << i;
    }
  }
}

}  // namespace
