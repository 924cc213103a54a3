// The batch calls against the loop of single calls and the hand-written
// AVX2 floors, in cache (4,096 boxes) and out of it, and the sweep of array
// sizes behind docs/batch-sizes.png.
#include <cstdlib>
#include <cstring>
#include <functional>
#include <utility>
#include <string>
#include <vector>

#include "batch_floor.h"
#include "inputs.h"

namespace bench {
namespace {

constexpr std::size_t kInCache = 4096;
constexpr std::size_t kOutOfCache = 10000000;
constexpr std::size_t kPositions = 1000000;

// count boxes spread over the inputs' boxes, so that every volume meets
// some and misses most.
std::vector<GBox> Boxes(std::size_t count) {
  const Inputs& in = TheInputs();
  std::vector<GBox> boxes(count);
  for (std::size_t i = 0; i < count; ++i) {
    const GBox& b = in.boxes[i % kCount];
    const double shift = 0.09 * static_cast<double>(i % 23) - 1.0;
    boxes[i] = {{b.m_low.m_x + shift, b.m_low.m_y - shift, b.m_low.m_z},
                {b.m_high.m_x + shift, b.m_high.m_y - shift, b.m_high.m_z}};
  }
  return boxes;
}

struct Columns {
  explicit Columns(const std::vector<GBox>& boxes) : values(6, std::vector<double>(boxes.size())) {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      const double* b = &boxes[i].m_low.m_x;
      for (int k = 0; k < 6; ++k) values[k][i] = b[k];
    }
    for (int k = 0; k < 6; ++k) view.c[k] = values[k].data();
  }
  std::vector<std::vector<double>> values;
  floor::BoxColumns view;
};

using FlagRun = std::function<void(const std::vector<GBox>&, std::uint8_t*)>;

// Registers name/side for every side: each fills the flags of the whole
// array per iteration; a side whose flags differ from the first side's
// fails its benchmark.
void Flags(const std::string& name, std::size_t count,
           const std::vector<std::pair<std::string, FlagRun>>& sides) {
  PerElement(name, static_cast<double>(count));
  for (const auto& [side, run] : sides) {
    benchmark::RegisterBenchmark((name + "/" + side).c_str(), [count, run, first = sides.front().second](benchmark::State& state) {
      static std::vector<GBox> boxes;
      if (boxes.size() != count) boxes = Boxes(count);
      std::vector<std::uint8_t> expected(count), flags(count);
      first(boxes, expected.data());
      run(boxes, flags.data());
      if (flags != expected) {
        state.SkipWithError("the baseline's flags differ from gmath's");
        return;
      }
      for (auto _ : state) {
        run(boxes, flags.data());
        benchmark::DoNotOptimize(flags.data());
      }
      std::size_t hits = 0;
      for (const std::uint8_t flag : flags) hits += flag;
      state.counters["hit share"] = static_cast<double>(hits) / static_cast<double>(count);
    });
  }
}

template <class Volume>
std::vector<std::pair<std::string, FlagRun>> OverlapSides(const Volume& volume) {
  return {{"gmath",
           [&volume](const std::vector<GBox>& b, std::uint8_t* f) {
             GBatchOverlap(volume, b.data(), b.size(), sizeof(GBox), f);
           }},
          {"single calls", [&volume](const std::vector<GBox>& b, std::uint8_t* f) {
             for (std::size_t i = 0; i < b.size(); ++i) f[i] = static_cast<std::uint8_t>(volume && b[i]);
           }}};
}

void RegisterInCache() {
  const Inputs& in = TheInputs();
  const GClipVolume& clip = in.turned[3];
  const GPtFence& fence = in.fence;
  const GBoreLine& bore = in.bores[1];
  auto clipSides = OverlapSides(clip);
  clipSides.push_back({"AVX2 floor", [&clip](const std::vector<GBox>& b, std::uint8_t* f) {
                         floor::ClipFlags(clip, b.data(), b.size(), f);
                       }});
  clipSides.push_back({"SoA floor", [&clip](const std::vector<GBox>& b, std::uint8_t* f) {
                         static const Columns columns(b);
                         floor::ClipFlags(clip, columns.view, b.size(), f);
                       }});
  const std::string clipName = "GBatchOverlap(GClipVolume), 4096 boxes, per box";
  Flags(clipName, kInCache, clipSides);
  Goal(clipName, "single calls", 1.0 / 8);
  Goal(clipName, "AVX2 floor", 1.3);
  auto fenceSides = OverlapSides(fence);
  fenceSides.push_back({"AVX2 floor", [&fence](const std::vector<GBox>& b, std::uint8_t* f) {
                          floor::FenceFlags(fence, b.data(), b.size(), f);
                        }});
  fenceSides.push_back({"SoA floor", [&fence](const std::vector<GBox>& b, std::uint8_t* f) {
                          static const Columns columns(b);
                          floor::FenceFlags(fence, columns.view, b.size(), f);
                        }});
  const std::string fenceName = "GBatchOverlap(GPtFence), 4096 boxes, per box";
  Flags(fenceName, kInCache, fenceSides);
  Goal(fenceName, "single calls", 1.0 / 15);
  Goal(fenceName, "AVX2 floor", 1.3);
  auto boreSides = OverlapSides(bore);
  boreSides.push_back({"AVX2 floor", [&bore](const std::vector<GBox>& b, std::uint8_t* f) {
                         floor::BoreFlags(bore, b.data(), b.size(), f);
                       }});
  const std::string boreName = "GBatchOverlap(GBoreLine), 4096 boxes, per box";
  Flags(boreName, kInCache, boreSides);
  Goal(boreName, "single calls", 1.0 / 5);
  Goal(boreName, "AVX2 floor", 1.3);
}

// 10^7 boxes (480 MB): the clip volume batch against one streaming pass.
void RegisterOutOfCache() {
  const GClipVolume& clip = TheInputs().turned[3];
  const std::string name = "GBatchOverlap(GClipVolume), 10^7 boxes, per box";
  PerElement(name, static_cast<double>(kOutOfCache));
  Goal(name, "streaming sum", 1.6);
  static std::vector<GBox> boxes;
  static std::vector<std::uint8_t> flags;
  const auto prepare = [] {
    if (boxes.empty()) boxes = Boxes(kOutOfCache);
    flags.resize(kOutOfCache);
  };
  benchmark::RegisterBenchmark((name + "/gmath").c_str(), [&clip, prepare](benchmark::State& state) {
    prepare();
    for (auto _ : state) {
      GBatchOverlap(clip, boxes.data(), boxes.size(), sizeof(GBox), flags.data());
      benchmark::DoNotOptimize(flags.data());
    }
  });
  benchmark::RegisterBenchmark((name + "/streaming sum").c_str(), [prepare](benchmark::State& state) {
    prepare();
    for (auto _ : state) benchmark::DoNotOptimize(floor::Sum(boxes.data(), boxes.size()));
  });
}

// 10^6 positions moved by a GTransf into a second array.
void RegisterMove() {
  const GTransf& t = TheInputs().transforms[5];
  const std::string name = "GBatchMultiply(GPosition[], GTransf), 10^6 positions, per position";
  PerElement(name, static_cast<double>(kPositions));
  Goal(name, "single calls", 1.0 / 3);
  Goal(name, "AVX2 floor", 1.3);
  using Move = std::function<void(const std::vector<GPosition>&, std::vector<GPosition>&)>;
  const std::vector<std::pair<std::string, Move>> sides = {
      {"gmath", [&t](const std::vector<GPosition>& in, std::vector<GPosition>& out) {
         GBatchMultiply(in.data(), in.size(), sizeof(GPosition), t, out.data(), sizeof(GPosition));
       }},
      {"single calls", [&t](const std::vector<GPosition>& in, std::vector<GPosition>& out) {
         for (std::size_t i = 0; i < in.size(); ++i) (out[i] = in[i]) *= t;
       }},
      {"AVX2 floor", [&t](const std::vector<GPosition>& in, std::vector<GPosition>& out) {
         floor::MovePositions(t, in.data(), in.size(), out.data());
       }}};
  for (const auto& [side, move] : sides) {
    benchmark::RegisterBenchmark((name + "/" + side).c_str(), [move, first = sides.front().second](benchmark::State& state) {
      const Inputs& inputs = TheInputs();
      std::vector<GPosition> in(kPositions), expected(kPositions), out(kPositions);
      for (std::size_t i = 0; i < kPositions; ++i) {
        const GPosition& p = inputs.positions[i % kCount];
        in[i] = {p.m_x + 0.001 * static_cast<double>(i), p.m_y, p.m_z};
      }
      first(in, expected);
      move(in, out);
      if (std::memcmp(out.data(), expected.data(), kPositions * sizeof(GPosition)) != 0) {
        state.SkipWithError("the baseline's positions differ from gmath's");
        return;
      }
      for (auto _ : state) {
        move(in, out);
        benchmark::DoNotOptimize(out.data());
      }
    });
  }
}

// ns per box of the clip volume batch and of the single calls for 10^2 up
// to 10^GMATH_BENCH_SWEEP boxes (the report asks for 7; 8 needs 4.8 GB).
void RegisterSweep(int largest) {
  const GClipVolume& clip = TheInputs().turned[3];
  for (int e = 2; e <= largest; ++e) {
    std::size_t count = 1;
    for (int k = 0; k < e; ++k) count *= 10;
    for (const bool batch : {true, false}) {
      const std::string name = std::string("sweep/") + (batch ? "batch" : "single") + "/" + std::to_string(count);
      benchmark::RegisterBenchmark(name.c_str(), [&clip, count, batch](benchmark::State& state) {
        const std::vector<GBox> boxes = Boxes(count);
        std::vector<std::uint8_t> flags(count);
        for (auto _ : state) {
          if (batch) {
            GBatchOverlap(clip, boxes.data(), count, sizeof(GBox), flags.data());
          } else {
            for (std::size_t i = 0; i < count; ++i) flags[i] = static_cast<std::uint8_t>(clip && boxes[i]);
          }
          benchmark::DoNotOptimize(flags.data());
        }
        state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(count));
      });
    }
  }
}

}  // namespace

// The in-cache and transform goals always; the 480 MB array and the sweep
// only when asked (GMATH_BENCH_LARGE, GMATH_BENCH_SWEEP), so that the short
// check run stays short.
void RegisterBatch() {
  RegisterInCache();
  RegisterMove();
  if (std::getenv("GMATH_BENCH_LARGE") != nullptr) RegisterOutOfCache();
  if (const char* sweep = std::getenv("GMATH_BENCH_SWEEP")) RegisterSweep(std::atoi(sweep));
}

}  // namespace bench
