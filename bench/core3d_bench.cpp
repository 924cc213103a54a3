// Costs of the hot 3D operations, each given as a ratio to a plain 3x3
// matrix product measured in the same run, so that the numbers compare
// across machines and build settings.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "gmath/gmath.h"

namespace {

constexpr std::size_t kInputs = 64;  // a power of two, cycled through

struct Inputs {
  GMatrix orthoScaled[kInputs];
  GMatrix general[kInputs];
  GVector vectors[kInputs];
  GVector units[kInputs];
};

// Deterministic, varied inputs: scaled rotations about changing axes, the
// same with one entry disturbed, and vectors of changing length.
const Inputs& TheInputs() {
  static const Inputs inputs = [] {
    Inputs in;
    for (std::size_t i = 0; i < kInputs; ++i) {
      const double t = static_cast<double>(i) + 1.0;
      const GUnitVector axis = BuildUnitVector(std::sin(t), std::cos(3 * t), 0.5);
      GMatrix m = Rotation(0.1 * t, axis);
      for (auto& row : m.m_matrix) {
        for (double& entry : row) entry *= 0.5 + 0.01 * t;
      }
      in.orthoScaled[i] = m;
      m.m_matrix[1][2] += 0.25;
      in.general[i] = m;
      in.vectors[i] = {std::sin(t) * t, std::cos(t) * 2.0, 0.3 * t};
      in.units[i] = axis;
    }
    return in;
  }();
  return inputs;
}

void InlineProduct(benchmark::State& state) {
  const Inputs& in = TheInputs();
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& a = in.general[i].m_matrix;
    const auto& b = in.orthoScaled[(i + 1) % kInputs].m_matrix;
    GMatrix c;
    for (int r = 0; r < 3; ++r) {
      for (int k = 0; k < 3; ++k)
        c.m_matrix[r][k] = a[r][0] * b[0][k] + a[r][1] * b[1][k] + a[r][2] * b[2][k];
    }
    benchmark::DoNotOptimize(c);
    i = (i + 1) % kInputs;
  }
}

void OrthoScale(benchmark::State& state, const GMatrix (&matrices)[kInputs]) {
  std::vector<GMatrix> copies(matrices, matrices + kInputs);
  std::size_t i = 0;
  for (auto _ : state) {
    int isOrthoScale = 0;
    double scale = 0;
    long err = 0;
    CheckOrthoScale(&copies[i].m_matrix[0][0], 3, &isOrthoScale, &scale, &err);
    benchmark::DoNotOptimize(isOrthoScale);
    benchmark::DoNotOptimize(scale);
    i = (i + 1) % kInputs;
  }
}

void CheckOrthoScaleOrthoScaled(benchmark::State& state) {
  OrthoScale(state, TheInputs().orthoScaled);
}
void CheckOrthoScaleGeneral(benchmark::State& state) { OrthoScale(state, TheInputs().general); }

void UnitVector(benchmark::State& state, const GVector (&vectors)[kInputs]) {
  std::size_t i = 0;
  for (auto _ : state) {
    const GVector& v = vectors[i];
    benchmark::DoNotOptimize(BuildUnitVector(v.m_x, v.m_y, v.m_z));
    i = (i + 1) % kInputs;
  }
}

void BuildUnitVectorNormalizing(benchmark::State& state) { UnitVector(state, TheInputs().vectors); }
void BuildUnitVectorInBand(benchmark::State& state) { UnitVector(state, TheInputs().units); }

BENCHMARK(InlineProduct);
BENCHMARK(CheckOrthoScaleOrthoScaled);
BENCHMARK(CheckOrthoScaleGeneral);
BENCHMARK(BuildUnitVectorNormalizing);
BENCHMARK(BuildUnitVectorInBand);

// Prints the usual table, then every benchmark's time over the baseline's.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const std::string& name = run.run_name.function_name;
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        medians_[name] = run.GetAdjustedRealTime();
      } else if (run.run_type == Run::RT_Iteration) {
        singles_[name] = run.GetAdjustedRealTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  // Medians of repeated runs where there are any, single runs otherwise.
  void PrintRatios() {
    std::map<std::string, double> times = singles_;
    for (const auto& [name, time] : medians_) times[name] = time;
    const auto baseline = times.find("InlineProduct");
    if (baseline == times.end() || baseline->second <= 0) return;
    std::printf("\nTime relative to an inline 3x3 matrix product (%.2f ns):\n", baseline->second);
    for (const auto& [name, time] : times) {
      std::printf("  %-28s %6.2f\n", name.c_str(), time / baseline->second);
    }
  }

 private:
  std::map<std::string, double> singles_;
  std::map<std::string, double> medians_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
