// Runs every benchmark, then prints a Markdown table: each operation's time
// and its ratio to each baseline measured in the same run, with the goal
// the ratio is held to. Medians of repeated runs are used where there are
// any.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <utility>
#include <string>
#include <vector>

#include "inputs.h"

namespace {

constexpr double kFloorGoal = 1.3;
constexpr double kMessageGoalNs = 2000.0;
constexpr const char* kMessage = "invld, dropped message";
constexpr const char* kIterativeEigen = "Eigen SelfAdjointEigenSolver::compute";

// "Operation/baseline": the operation's name and the side that ran it.
struct Name {
  std::string operation;
  std::string side;
};

std::map<std::string, double>& PerElementCounts() {
  static std::map<std::string, double> counts;
  return counts;
}

std::map<std::pair<std::string, std::string>, double>& OwnGoals() {
  static std::map<std::pair<std::string, std::string>, double> goals;
  return goals;
}

Name Split(const std::string& name) {
  const std::size_t slash = name.rfind('/');
  return {name.substr(0, slash), name.substr(slash + 1)};
}

// The goal of a ratio, and whether it is met; empty when there is none.
std::string Goal(const std::string& operation, const std::string& baseline, double ratio,
                 double ns) {
  const auto own = OwnGoals().find({operation, baseline});
  if (own != OwnGoals().end()) {
    char goal[64];
    std::snprintf(goal, sizeof goal, "≤ %.3g: %s", own->second,
                  ratio <= own->second ? "met" : "**missed**");
    return goal;
  }
  if (operation == kMessage) {
    return ns <= kMessageGoalNs ? "≤ 2 µs: met" : "≤ 2 µs: **missed**";
  }
  if (baseline == "floor") return ratio <= kFloorGoal ? "≤ 1.3: met" : "≤ 1.3: **missed**";
  if (baseline == kIterativeEigen) return ratio < 1.0 ? "< 1: met" : "< 1: **missed**";
  return "";
}

class TableReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const std::string name = run.run_name.function_name;
      if (run.error_occurred) {
        errors_[name] = run.error_message;
      } else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        medians_[name] = run.GetAdjustedCPUTime();
      } else if (run.run_type == Run::RT_Iteration) {
        singles_[name] = run.GetAdjustedCPUTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintTable() const {
    std::map<std::string, double> times = singles_;
    for (const auto& [name, time] : medians_) times[name] = time;
    for (auto& [name, time] : times) {
      const auto count = PerElementCounts().find(Split(name).operation);
      if (count != PerElementCounts().end()) time /= count->second;
    }
    std::printf("\n| Operation | gmath (ns) | Baseline | Baseline (ns) | Ratio | Goal |\n");
    std::printf("|---|---:|---|---:|---:|---|\n");
    for (const auto& [name, time] : times) {
      const Name ours = Split(name);
      if (ours.side != "gmath") continue;
      for (const auto& [other, baselineTime] : times) {
        const Name theirs = Split(other);
        if (theirs.operation != ours.operation || theirs.side == "gmath") continue;
        const double ratio = time / baselineTime;
        std::printf("| %s | %.1f | %s | %.1f | %.2f | %s |\n", ours.operation.c_str(), time,
                    theirs.side.c_str(), baselineTime, ratio,
                    Goal(ours.operation, theirs.side, ratio, time).c_str());
      }
    }
    for (const auto& [name, message] : errors_) {
      std::printf("| %s | failed: %s |||||\n", name.c_str(), message.c_str());
    }
  }

  bool Failed() const { return !errors_.empty(); }

 private:
  std::map<std::string, double> singles_;
  std::map<std::string, double> medians_;
  std::map<std::string, std::string> errors_;
};

}  // namespace

void bench::PerElement(const std::string& operation, double count) {
  PerElementCounts()[operation] = count;
}

void bench::Goal(const std::string& operation, const std::string& baseline, double most) {
  OwnGoals()[{operation, baseline}] = most;
}

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  bench::RegisterCore3d();
  bench::RegisterHomogeneous();
  bench::RegisterVolumes();
  bench::RegisterText();
  bench::RegisterMessage();
  bench::RegisterEigen();
  bench::RegisterBatch();
  TableReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintTable();
  benchmark::Shutdown();
  return reporter.Failed() ? 1 : 0;
}
