// The deterministic inputs every benchmark cycles through, and the checks
// that a baseline gives gmath's results bit for bit.
#ifndef GMATH_BENCH_INPUTS_H
#define GMATH_BENCH_INPUTS_H

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "gmath/gmath.h"

namespace bench {

constexpr std::size_t kCount = 64;   // inputs of each kind, cycled through
constexpr std::size_t kFence = 5;    // points of the fence box test
constexpr std::size_t kRange = 100;  // points of the fence range

struct Inputs {
  GMatrix matrices[kCount];    // scaled rotations
  GTransf transforms[kCount];  // scaled rotations about a point
  G4x4 similarities[kCount];   // the transforms' G4x4
  G4x4 perspectives[kCount];   // the same with a slight perspective
  GPosition positions[kCount];
  GBox boxes[kCount];
  GBoreLine bores[kCount];      // a quarter unbounded
  GClipVolume turned[kCount];   // boxes turned by a rotation: six planes
  GClipVolume upright[kCount];  // boxes as they are
  std::vector<GPosition> fencePoints;
  std::vector<GPosition> rangePoints;
  GPtFence fence;       // kFence points
  GPtFence rangeFence;  // kRange points
};

const Inputs& TheInputs();

// Runs op(inputs, i, j) on input i and its successor j, cycling.
template <class Op>
void Cycle(benchmark::State& state, Op op) {
  const Inputs& in = TheInputs();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(op(in, i, (i + 1) % kCount));
    i = (i + 1) % kCount;
  }
}

// Same bits: the values hold doubles only, so they have no padding.
template <class T>
bool SameBits(const T& a, const T& b) {
  return std::memcmp(&a, &b, sizeof(T)) == 0;
}
bool SameBits(const GTransf& a, const GTransf& b);
inline bool SameBits(int a, int b) { return a == b; }
inline bool SameBits(long a, long b) { return a == b; }

// Skips the benchmark with an error unless ours and theirs agree bit for
// bit on every input pair: a baseline must compute the same thing.
template <class Ours, class Theirs>
bool Agree(benchmark::State& state, Ours ours, Theirs theirs) {
  const Inputs& in = TheInputs();
  for (std::size_t i = 0; i < kCount; ++i) {
    if (!SameBits(ours(in, i, (i + 1) % kCount), theirs(in, i, (i + 1) % kCount))) {
      state.SkipWithError("the baseline's result differs from gmath's");
      return false;
    }
  }
  return true;
}

// Registers name/gmath and name/floor, both cycling through the inputs; the
// floor runs only when it agrees with gmath.
template <class Ours, class Floor>
void Pair(const std::string& name, Ours ours, Floor floor) {
  benchmark::RegisterBenchmark((name + "/gmath").c_str(),
                               [ours](benchmark::State& state) { Cycle(state, ours); });
  benchmark::RegisterBenchmark((name + "/floor").c_str(), [ours, floor](benchmark::State& state) {
    if (Agree(state, ours, floor)) Cycle(state, floor);
  });
}

// The benchmarks of each file, registered from main.
void RegisterCore3d();
void RegisterHomogeneous();
void RegisterVolumes();
void RegisterText();
void RegisterMessage();
void RegisterEigen();
void RegisterBatch();

// A benchmark that times a whole array shows its times per element.
void PerElement(const std::string& operation, double count);
// A goal of its own for one ratio: at most `most`.
void Goal(const std::string& operation, const std::string& baseline, double most);

}  // namespace bench

#endif
