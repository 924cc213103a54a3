#include "robustness/bad_input.h"

#include <cstring>
#include <limits>
#include <string>

namespace gmath::test {
namespace {

const double kBadValues[] = {
    kNaN, kInf, -kInf, 0.0, -0.0, std::numeric_limits<double>::denorm_min(), 1e30, -1e30};

std::vector<BadCase> BadCases() {
  std::vector<BadCase> cases;
  for (Spread spread : {Spread::kEvery, Spread::kFirst}) {
    for (double value : kBadValues) cases.push_back({value, spread, BoxKind::kSpoilt});
  }
  cases.push_back({0.5, Spread::kFirst, BoxKind::kNull});
  cases.push_back({0.5, Spread::kFirst, BoxKind::kInfinite});
  return cases;
}

// Writes d over the first `count` doubles of the value, or over its first
// double alone.
template <class T>
void Spoil(T& value, const BadCase& c, std::size_t count = sizeof(T) / sizeof(double)) {
  if (c.box != BoxKind::kSpoilt) return;
  auto* bytes = reinterpret_cast<unsigned char*>(&value);
  for (std::size_t i = 0; i < (c.spread == Spread::kEvery ? count : 1); ++i) {
    std::memcpy(bytes + i * sizeof(double), &c.value, sizeof(double));
  }
}

template <class T, std::size_t N>
void Spoil(T (&values)[N], const BadCase& c) {
  for (std::size_t i = 0; i < (c.spread == Spread::kEvery ? N : 1); ++i) Spoil(values[i], c);
}

template <class... T>
void SpoilEach(const BadCase& c, T&... values) {
  (Spoil(values, c), ...);
}

}  // namespace

Bad::Bad(const BadCase& c, unsigned count, bool nullArray)
    : d(c.value),
      n(count),
      p{0.5, 1, 2},
      q{1, 1, 1},
      v{1, -2, 3},
      w{0, 1, 0},
      u{0, 0, 1},
      m(kIdentity),
      t(BuildTransf(kIdentity, {1, -2, 3}, 2, 1, 0, 0)),
      g{{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}},
      box{{0, 0, 0}, {1, 2, 3}},
      p2{0.5, 1},
      q2{1, 1},
      v2{1, -2},
      w2{0, 1},
      u2{0, 1},
      m2{{{1, 0}, {0, 1}}},
      t2(BuildTransf2d(m2, v2, 2, 1, 0, 0)),
      box2{{0, 0}, {1, 2}},
      bore{p, u, 2, -1, 0.5},
      cone{bore, {0, 0, -5}},
      clip{},
      numbers{},
      points{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 0}},
      planePoints{},
      planeNormals{},
      points2{{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}},
      pts(nullArray ? nullptr : points),
      fence{count, pts, u, 2, -1},
      frustum{fence, {0.5, 0.5, -5}},
      prism{t, pts, count, 3} {
  ConvertGBoxToGClipVolume(&box, &clip);
  std::memcpy(numbers, clip.m_planes, sizeof clip.m_planes);
  for (int i = 0; i < 9; ++i) {
    planePoints[i] = p;
    planeNormals[i] = u;
  }
  SpoilEach(c, p, q, v, w, u, m, g, p2, q2, v2, w2, u2, m2, bore, cone, numbers, points,
            planePoints, planeNormals, points2, fence.m_direction, frustum.m_eyePoint);
  // The doubles before a transform's flags and before a clip volume's count.
  Spoil(t, c, 13);
  Spoil(prism.m_transf, c, 13);
  Spoil(t2, c, 7);
  Spoil(clip, c, 24);
  if (c.spread == Spread::kEvery) fence.m_front = fence.m_back = prism.m_height = d;
  frustum.m_fence = fence;
  if (c.box == BoxKind::kSpoilt) {
    box = {p, p};
    box2 = {p2, p2};
  } else {
    const double low = c.box == BoxKind::kNull ? 1e30 : -1e30;
    box = {{low, low, low}, {-low, -low, -low}};
    box2 = {{low, low}, {-low, -low}};
  }
}

void BadInputSweep::Run(const std::vector<BadInputRow>& rows) {
  const std::vector<BadCase> cases = BadCases();
  int functions = 0;
  long calls = 0;
  long messages = 0;
  for (const BadInputRow& row : rows) {
    const unsigned counts = row.counted ? 4 : 1;
    const int arrays = row.withNullArray ? 2 : 1;
    for (std::size_t i = 0; i < row.calls.size(); ++i) {
      SCOPED_TRACE(std::string(row.name) + ", call " + std::to_string(i + 1));
      for (const BadCase& c : cases) {
        for (unsigned count = 0; count < counts; ++count) {
          for (int nullArray = 0; nullArray < arrays; ++nullArray) {
            Bad b(c, count, nullArray != 0);
            row.calls[i](b);
            RestoreDefaults();
            messages += static_cast<long>(TakeMessages().size());
          }
        }
      }
    }
    const int each = static_cast<int>(cases.size() * counts) * arrays;
    RecordProperty(row.name, each);
    const int rowFunctions = static_cast<int>(row.calls.size()) * row.functionsPerCall;
    functions += rowFunctions;
    calls += static_cast<long>(each) * rowFunctions;
  }
  RecordProperty("functions", functions);
  RecordProperty("calls", static_cast<int>(calls));
  RecordProperty("messages", static_cast<int>(messages));
}

}  // namespace gmath::test
