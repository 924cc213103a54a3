// Costs of the hot volume tests: a bore line against a box and a point
// against a clip volume. They run in the same program as the 3D-value
// benchmarks, whose reporter prints every time as a ratio to the inline
// 3x3 matrix product measured in the same run.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>

#include "gmath/gmath.h"

namespace {

constexpr std::size_t kCount = 64;  // a power of two, cycled through

struct Inputs {
  GBoreLine bores[kCount];
  GBox boxes[kCount];
  GClipVolume volumes[kCount];
  GPosition points[kCount];
};

// Deterministic, varied inputs: bore lines in changing directions, some
// unbounded, boxes that some of them meet, six-plane volumes (boxes turned
// by a rotation, so that the normals are not axes) and points inside, on
// and outside them.
const Inputs& TheInputs() {
  static const Inputs inputs = [] {
    Inputs in;
    for (std::size_t i = 0; i < kCount; ++i) {
      const double t = static_cast<double>(i) + 1.0;
      const GUnitVector direction = BuildUnitVector(std::sin(t), std::cos(3 * t), 0.5);
      const GPosition point = {std::cos(t), std::sin(2 * t), 0.1 * t};
      in.bores[i] = i % 4 == 0 ? BuildBoreLine(point, direction)
                               : BuildBoreLine(point, direction, t, -0.5 * t, 0.01 * t);
      const GPosition low = {std::sin(t) * 3, std::cos(t), -1.0};
      in.boxes[i] = BuildBox(low, {low.m_x + 2.0, low.m_y + 0.5, low.m_z + 0.1 * t});
      GBox box = in.boxes[i];
      GClipVolume volume;
      ConvertGBoxToGClipVolume(&box, &volume);
      in.volumes[i] = volume * RotateTransf(0.1 * t, direction);
      in.points[i] = {std::sin(5 * t) * 3, std::cos(7 * t), 0.05 * t};
    }
    return in;
  }();
  return inputs;
}

void BoreLineMeetsBox(benchmark::State& state) {
  const Inputs& in = TheInputs();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(in.bores[i] && in.boxes[(i + 1) % kCount]);
    i = (i + 1) % kCount;
  }
}

void PointInClipVolume(benchmark::State& state) {
  const Inputs& in = TheInputs();
  std::size_t i = 0;
  for (auto _ : state) {
    int inside = 0;
    long err = 0;
    IsPtInClipVolume(in.volumes[i], in.points[(i + 1) % kCount], &inside, &err);
    benchmark::DoNotOptimize(inside);
    i = (i + 1) % kCount;
  }
}

BENCHMARK(BoreLineMeetsBox);
BENCHMARK(PointInClipVolume);

}  // namespace
