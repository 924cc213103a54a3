// The box index against the scan with the library's own calls and against
// Boost.Geometry's packed R-tree, on a reproducible model of clustered boxes
// of mixed sizes. Prints a Markdown section for docs/performance.md and the
// points of the selectivity plot; fails when the index and the scan differ.
//
//   gmath_index_bench [boxes]        the report (10^6 boxes by default)
//   gmath_index_bench --check        a short run: every query kind, exactness
//   gmath_index_bench --exactness N  N models of adversarial property cases
//   gmath_index_bench --plot FILE    also write the plot's points to FILE

#include <algorithm>
#include <ctime>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include <boost/geometry.hpp>
#include <boost/geometry/index/rtree.hpp>

#include "gmath/gmath.h"
#include "index/index_cases.h"

namespace {

namespace bg = boost::geometry;
namespace bgi = boost::geometry::index;
using BoostPoint = bg::model::point<double, 3, bg::cs::cartesian>;
using BoostBox = bg::model::box<BoostPoint>;
using BoostValue = std::pair<BoostBox, std::uint64_t>;
using BoostTree = bgi::rtree<BoostValue, bgi::quadratic<16>>;

struct Rng {
  std::mt19937_64 engine;
  double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(engine);
  }
  double Normal(double sigma) { return std::normal_distribution<double>(0, sigma)(engine); }
};

// A plant model in millimetres: assemblies scattered over a 200 m site,
// each a cloud of parts: small fittings, beams and pipes along an axis,
// and a few plates.
std::vector<GBox> PlantModel(std::size_t count, std::uint64_t seed) {
  Rng rng{std::mt19937_64(seed)};
  std::vector<GPosition> centres(1000);
  for (GPosition& c : centres) {
    c = {rng.Uniform(0, 2e5), rng.Uniform(0, 2e5), rng.Uniform(0, 5e4)};
  }
  std::vector<GBox> boxes(count);
  for (GBox& box : boxes) {
    const GPosition& c = centres[static_cast<std::size_t>(rng.Uniform(0, 1000)) % 1000];
    const double x = c.m_x + rng.Normal(3000), y = c.m_y + rng.Normal(3000),
                 z = c.m_z + rng.Normal(1500);
    double size[3];
    const double kind = rng.Uniform(0, 1);
    for (double& s : size) s = std::exp(rng.Uniform(std::log(5.0), std::log(100.0)));
    if (kind > 0.7) size[static_cast<int>(rng.Uniform(0, 3)) % 3] = rng.Uniform(500, 6000);
    if (kind > 0.95) size[0] = rng.Uniform(2000, 15000), size[1] = rng.Uniform(2000, 15000);
    box = BuildBox(x, y, z, x + size[0], y + size[1], z + size[2]);
  }
  return boxes;
}

// CPU time of this thread: the machine is shared, and waiting for a core
// is not the index's cost.
double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

double Seconds(const std::function<void()>& run) {
  const double start = CpuSeconds();
  run();
  return CpuSeconds() - start;
}

// The median of five timings of run, which does `calls` operations: seconds
// per operation.
double Median(int calls, const std::function<void()>& run) {
  std::vector<double> times;
  for (int i = 0; i < 5; ++i) times.push_back(Seconds(run) / calls);
  std::nth_element(times.begin(), times.begin() + 2, times.end());
  return times[2];
}

std::vector<std::uint64_t> ScanBox(const std::vector<GBox>& boxes, const GBox& q) {
  std::vector<std::uint64_t> ids;
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    if (!(q & boxes[i]).IsNull()) ids.push_back(i);
  }
  return ids;
}

template <class Volume>
std::vector<std::uint64_t> ScanVolume(const std::vector<GBox>& boxes, const Volume& v) {
  std::vector<std::uint64_t> ids;
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    if (v && boxes[i]) ids.push_back(i);
  }
  return ids;
}

template <class Volume>
std::vector<std::uint64_t> IndexAnswer(const GBoxIndex* index, const Volume& v) {
  std::vector<std::uint64_t> ids(QueryBoxIndex(index, v, nullptr, 0));
  QueryBoxIndex(index, v, ids.data(), ids.size());
  return ids;
}

void Require(bool same, const char* what) {
  if (!same) {
    std::fprintf(stderr, "index_bench: the index and the scan differ on %s\n", what);
    std::exit(1);
  }
}

// A cube about an element's centre whose side makes it select about
// `fraction` of the boxes, found by bisection on the index's count.
GBox QueryOfSelectivity(const GBoxIndex* index, const GBox& around, double fraction,
                        std::size_t count) {
  const GPosition c = {0.5 * (around.m_low.m_x + around.m_high.m_x),
                       0.5 * (around.m_low.m_y + around.m_high.m_y),
                       0.5 * (around.m_low.m_z + around.m_high.m_z)};
  double low = 0, high = 4e5;
  GBox q{};
  for (int step = 0; step < 28; ++step) {
    const double half = 0.5 * (low + high);
    q = BuildBox(c.m_x - half, c.m_y - half, c.m_z - half, c.m_x + half, c.m_y + half,
                 c.m_z + half);
    const double got = static_cast<double>(QueryBoxIndex(index, q, nullptr, 0));
    if (got < fraction * static_cast<double>(count)) low = half; else high = half;
  }
  return q;
}

struct Figures {
  double fraction, hits, index, visit, scan, boost;
};

int Ignore(std::uint64_t, void*) { return 1; }

Figures BoxQueries(const std::vector<GBox>& boxes, const GBoxIndex* index, const BoostTree& tree,
                   double fraction, int queries, bool withScan) {
  Rng rng{std::mt19937_64(7)};
  std::vector<GBox> qs;
  for (int i = 0; i < queries; ++i) {
    const auto pick = static_cast<std::size_t>(rng.Uniform(0, static_cast<double>(boxes.size())));
    qs.push_back(QueryOfSelectivity(index, boxes[pick % boxes.size()], fraction, boxes.size()));
  }
  std::vector<std::uint64_t> ids(boxes.size());
  double hits = 0;
  for (const GBox& q : qs) hits += static_cast<double>(QueryBoxIndex(index, q, nullptr, 0));
  Figures f{fraction, hits / queries, 0, 0, 0, 0};
  f.index = Median(queries, [&] {
    for (const GBox& q : qs) QueryBoxIndex(index, q, ids.data(), ids.size());
  });
  f.visit = Median(queries, [&] {
    for (const GBox& q : qs) VisitBoxIndex(index, q, Ignore, nullptr);
  });
  std::vector<BoostValue> found;
  f.boost = Median(queries, [&] {
    for (const GBox& q : qs) {
      found.clear();
      const BoostBox b(BoostPoint(q.m_low.m_x, q.m_low.m_y, q.m_low.m_z),
                       BoostPoint(q.m_high.m_x, q.m_high.m_y, q.m_high.m_z));
      tree.query(bgi::intersects(b), std::back_inserter(found));
    }
  });
  if (withScan) {
    const int scans = std::min(queries, 10);
    f.scan = Median(scans, [&] {
      for (int i = 0; i < scans; ++i) Require(ScanBox(boxes, qs[static_cast<std::size_t>(i)]) ==
                                                  IndexAnswer(index, qs[static_cast<std::size_t>(i)]),
                                              "a box query");
    });
  }
  return f;
}

BoostTree BoostOver(const std::vector<GBox>& boxes) {
  std::vector<BoostValue> values;
  values.reserve(boxes.size());
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const GBox& b = boxes[i];
    values.emplace_back(BoostBox(BoostPoint(b.m_low.m_x, b.m_low.m_y, b.m_low.m_z),
                                 BoostPoint(b.m_high.m_x, b.m_high.m_y, b.m_high.m_z)),
                        i);
  }
  return BoostTree(values.begin(), values.end());
}

GBoxIndex* IndexOver(const std::vector<GBox>& boxes) {
  GBoxIndex* index = nullptr;
  if (BuildBoxIndex(boxes.data(), nullptr, boxes.size(), &index) != kBoxIndexOk) {
    std::fprintf(stderr, "index_bench: the build failed\n");
    std::exit(1);
  }
  return index;
}

// Bore lines, clip volumes and fences through the model: the index against
// the scan, answers compared.
template <class Volume>
void VolumeRow(const char* name, const std::vector<GBox>& boxes, const GBoxIndex* index,
               const std::vector<Volume>& volumes) {
  double hits = 0;
  for (const Volume& v : volumes) {
    const std::vector<std::uint64_t> expected = ScanVolume(boxes, v);
    Require(IndexAnswer(index, v) == expected, name);
    hits += static_cast<double>(expected.size());
  }
  std::vector<std::uint64_t> ids(boxes.size());
  const auto n = static_cast<int>(volumes.size());
  const double indexTime = Median(n, [&] {
    for (const Volume& v : volumes) QueryBoxIndex(index, v, ids.data(), ids.size());
  });
  const double scanTime = Median(n, [&] {
    for (const Volume& v : volumes) ScanVolume(boxes, v);
  });
  std::printf("| %s | %.0f | %.1f | %.0f | %.0f |\n", name, hits / n, indexTime * 1e6,
              scanTime * 1e6, scanTime / indexTime);
}

void VolumeRows(const std::vector<GBox>& boxes, const GBoxIndex* index, int count) {
  Rng rng{std::mt19937_64(11)};
  std::vector<GBoreLine> bores;
  std::vector<GClipVolume> clips;
  for (int i = 0; i < count; ++i) {
    const GBox& b = boxes[static_cast<std::size_t>(rng.Uniform(0, 1) * static_cast<double>(boxes.size() - 1))];
    const GPosition p = {b.m_low.m_x, b.m_low.m_y, rng.Uniform(0, 5e4)};
    bores.push_back(BuildBoreLine(p, BuildUnitVector(rng.Uniform(-1, 1), rng.Uniform(-1, 1),
                                                     rng.Uniform(-1, 1)),
                                  1e30, -1e30, 50));
    GBox around = BuildBox(p.m_x - 2000, p.m_y - 2000, p.m_z - 2000, p.m_x + 2000,
                           p.m_y + 2000, p.m_z + 2000);
    GClipVolume clip{};
    ConvertGBoxToGClipVolume(&around, &clip);
    clips.push_back(clip);
  }
  std::printf("| Volume | Hits | Index (us) | Scan (us) | Scan / index |\n|---|---|---|---|---|\n");
  VolumeRow("GBoreLine, radius 50 mm", boxes, index, bores);
  VolumeRow("GClipVolume, 4 m cube", boxes, index, clips);
}

std::size_t IndexBytes(std::size_t count) {
  std::size_t nodes = 0;
  for (std::size_t items = count; items > 1; items = (items + 7) / 8) nodes += (items + 7) / 8;
  return count * (sizeof(GBox) + 8) + nodes * 192;
}

int Report(std::size_t count, const char* plotFile) {
  const std::vector<GBox> boxes = PlantModel(count, 2026);
  GBoxIndex* index = nullptr;
  const double build = Median(1, [&] {
    FreeBoxIndex(index);
    index = IndexOver(boxes);
  });
  BoostTree tree;
  const double boostBuild = Median(1, [&] { tree = BoostOver(boxes); });
  std::printf("## Box index\n\n");
  std::printf("Written by `gmath_index_bench` (`bench/index_bench.cpp`): %zu boxes of a plant\n"
              "model (1000 clustered assemblies of fittings, beams and plates, 5 mm to 15 m),\n"
              "cube queries about an element's centre sized to the selectivity, 200 per row.\n"
              "Times per query, medians of five runs. The scan tests every box with the\n"
              "library's own call; every scan answer is compared with the index's. Boost is\n"
              "`bgi::rtree<pair<box, id>, quadratic<16>>` built by its packing constructor,\n"
              "queried with `intersects` (exact comparisons, no tolerance).\n\n",
              count);
  std::printf("| Selectivity | Hits | Index, ids ascending (us) | Index, visitor (us) | Scan (us) | Boost (us) | Scan / index | Boost / index | Boost / visitor |\n"
              "|---|---|---|---|---|---|---|---|---|\n");
  std::FILE* plot = plotFile ? std::fopen(plotFile, "w") : nullptr;
  for (const double fraction : {0.00001, 0.0001, 0.001, 0.01, 0.1}) {
    const Figures f = BoxQueries(boxes, index, tree, fraction, 200, true);
    std::printf("| %g%% | %.0f | %.1f | %.1f | %.0f | %.1f | %.0f | %.2f | %.2f |\n", fraction * 100,
                f.hits, f.index * 1e6, f.visit * 1e6, f.scan * 1e6, f.boost * 1e6,
                f.scan / f.index, f.boost / f.index, f.boost / f.visit);
    if (plot) std::fprintf(plot, "%g %g %g %g %g\n", fraction, f.index, f.visit, f.scan, f.boost);
  }
  if (plot) std::fclose(plot);
  std::printf("\n");
  VolumeRows(boxes, index, 50);
  std::printf("\nBuild on one core: index %.0f ms (%.1f M boxes/s), Boost packing %.0f ms "
              "(%.1f M boxes/s): Boost / index %.2f. Memory: %.0f MB for the index, %.2f times "
              "the %.0f MB of boxes and 64-bit ids.\n",
              build * 1e3, static_cast<double>(count) / build * 1e-6, boostBuild * 1e3,
              static_cast<double>(count) / boostBuild * 1e-6, boostBuild / build,
              static_cast<double>(IndexBytes(count)) / 1e6,
              static_cast<double>(IndexBytes(count)) / static_cast<double>(count * 56),
              static_cast<double>(count * 56) / 1e6);
  FreeBoxIndex(index);
  return 0;
}

// The property cases of the test suite, many more of them.
int Exactness(long models) {
  long cases = 0;
  for (long m = 0; m < models; ++m) {
    Rng rng{std::mt19937_64(static_cast<std::uint64_t>(m) + 1)};
    const std::vector<GBox> boxes = gmath::index_cases::ModelBoxes(
        rng, static_cast<std::size_t>(rng.Uniform(0, 3000)), 100);
    GBoxIndex* index = IndexOver(boxes);
    for (int q = 0; q < 50; ++q, cases += 3) {
      const GBox box = gmath::index_cases::QueryBox(rng, boxes, 100);
      const GBoreLine bore = gmath::index_cases::QueryBore(rng, boxes, 100);
      const GClipVolume clip = gmath::index_cases::QueryClipVolume(rng, boxes, 100);
      if (IndexAnswer(index, box) != ScanBox(boxes, box) ||
          IndexAnswer(index, bore) != ScanVolume(boxes, bore) ||
          IndexAnswer(index, clip) != ScanVolume(boxes, clip)) {
        std::fprintf(stderr, "index_bench: a difference in model %ld (seed %ld), query %d\n", m,
                     m + 1, q);
        return 1;
      }
    }
    FreeBoxIndex(index);
  }
  std::printf("exactness: %ld queries of %ld models, no difference\n", cases, models);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--check") == 0) {
    const std::vector<GBox> boxes = PlantModel(20000, 1);
    GBoxIndex* index = IndexOver(boxes);
    const BoostTree tree = BoostOver(boxes);
    BoxQueries(boxes, index, tree, 0.001, 10, true);
    VolumeRows(boxes, index, 5);
    FreeBoxIndex(index);
    return Exactness(20);
  }
  if (argc > 2 && std::strcmp(argv[1], "--exactness") == 0) return Exactness(std::atol(argv[2]));
  const std::size_t count = argc > 1 && argv[1][0] != '-' ? std::strtoull(argv[1], nullptr, 10) : 1000000;
  const char* plot = nullptr;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--plot") == 0) plot = argv[i + 1];
  }
  return Report(count, plot);
}
