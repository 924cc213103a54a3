// Costs of the hot G4x4 and box operations. They run in the same program as
// the 3D-value benchmarks, whose reporter prints every time as a ratio to
// the inline 3x3 matrix product measured in the same run.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>

#include "gmath/gmath.h"

namespace {

constexpr std::size_t kCount = 64;  // a power of two, cycled through

struct Inputs {
  G4x4 matrices[kCount];
  GTransf transforms[kCount];
  GPosition positions[kCount];
  GBox boxes[kCount];
};

// Deterministic, varied inputs: scaled rotations about changing axes with
// translations, their G4x4 with a slight perspective, points and boxes.
const Inputs& TheInputs() {
  static const Inputs inputs = [] {
    Inputs in;
    for (std::size_t i = 0; i < kCount; ++i) {
      const double t = static_cast<double>(i) + 1.0;
      const GUnitVector axis = BuildUnitVector(std::sin(t), std::cos(3 * t), 0.5);
      GTransf transform = RotateTransf(0.1 * t, axis, {t, -t, 0.5 * t});
      transform.m_scaling = 0.5 + 0.01 * t;
      in.transforms[i] = transform;
      in.matrices[i] = transform;
      in.matrices[i].m_matrix[3] = 0.001 * std::sin(t);
      in.positions[i] = {std::sin(t) * t, std::cos(t) * 2.0, 0.3 * t};
      const GPosition low = {-t, std::cos(t), 0.1 * t};
      in.boxes[i] = BuildBox(low, {low.m_x + 2.0, low.m_y + 0.5 * t, low.m_z + 1.0});
    }
    return in;
  }();
  return inputs;
}

// Runs op on input i and its successor, cycling through the inputs.
template <class Op>
void Cycle(benchmark::State& state, Op op) {
  const Inputs& in = TheInputs();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(op(in, i, (i + 1) % kCount));
    i = (i + 1) % kCount;
  }
}

void G4x4TimesPosition(benchmark::State& state) {
  Cycle(state, [](const Inputs& in, std::size_t i, std::size_t j) {
    return in.matrices[i] * in.positions[j];
  });
}

void BoxTimesTransf(benchmark::State& state) {
  Cycle(state, [](const Inputs& in, std::size_t i, std::size_t j) {
    return in.boxes[i] * in.transforms[j];
  });
}

void G4x4Inverse(benchmark::State& state) {
  Cycle(state, [](const Inputs& in, std::size_t i, std::size_t) { return in.matrices[i].Inverse(); });
}

BENCHMARK(G4x4TimesPosition);
BENCHMARK(BoxTimesTransf);
BENCHMARK(G4x4Inverse);

}  // namespace
