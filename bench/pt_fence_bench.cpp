// Costs of the point fence's hot operations: the box test, on the stack
// (5 points) and with its planes on the heap (9 points), and the range of
// 100 points (stack) and 101 points (one heap block). The reporter of the
// 3D-value benchmarks prints each as a ratio to the inline 3x3 matrix
// product measured in the same run.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "gmath/gmath.h"

namespace {

constexpr std::size_t kBoxes = 64;  // a power of two, cycled through

// A closed convex polygon of count points in the plane z = 0.
std::vector<GPosition> Polygon(std::size_t count) {
  std::vector<GPosition> points;
  for (std::size_t i = 0; i + 1 < count; ++i) {
    const double a = 6.283185307179586 * static_cast<double>(i) / static_cast<double>(count - 1);
    points.push_back({3 * std::cos(a), 2 * std::sin(a), 0});
  }
  points.push_back(points.front());
  return points;
}

GPtFence Fence(std::vector<GPosition>& points) {
  return {static_cast<std::uint32_t>(points.size()), points.data(), {0, 0, 1}, 1, -1};
}

// Boxes around the fence: inside, across its sides and caps, and apart
// from it on every side, so that the test stops at varied planes.
const std::vector<GBox>& Boxes() {
  static const std::vector<GBox> boxes = [] {
    std::vector<GBox> all;
    for (std::size_t i = 0; i < kBoxes; ++i) {
      const double t = static_cast<double>(i) + 1.0;
      const GPosition low = {4 * std::sin(t), 3 * std::cos(1.3 * t), 1.5 * std::sin(0.7 * t)};
      all.push_back(BuildBox(low, {low.m_x + 0.5, low.m_y + 0.4, low.m_z + 0.3}));
    }
    return all;
  }();
  return boxes;
}

void BoxTest(benchmark::State& state, std::size_t count) {
  std::vector<GPosition> points = Polygon(count);
  const GPtFence fence = Fence(points);
  const std::vector<GBox>& boxes = Boxes();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(fence && boxes[i]);
    i = (i + 1) % kBoxes;
  }
}

void Range(benchmark::State& state, std::size_t count) {
  std::vector<GPosition> points = Polygon(count);
  const GPtFence fence = Fence(points);
  for (auto _ : state) benchmark::DoNotOptimize(PtFenceRange(fence));
}

void PtFenceAndBox5(benchmark::State& state) { BoxTest(state, 5); }
void PtFenceAndBox9(benchmark::State& state) { BoxTest(state, 9); }
void PtFenceRange100(benchmark::State& state) { Range(state, 100); }
void PtFenceRange101(benchmark::State& state) { Range(state, 101); }

BENCHMARK(PtFenceAndBox5);
BENCHMARK(PtFenceAndBox9);
BENCHMARK(PtFenceRange100);
BENCHMARK(PtFenceRange101);

}  // namespace
