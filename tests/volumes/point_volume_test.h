#ifndef GMATH_TESTS_VOLUMES_POINT_VOLUME_TEST_H
#define GMATH_TESTS_VOLUMES_POINT_VOLUME_TEST_H

#include <cmath>
#include <cstring>
#include <vector>

#include "core3d/core3d_test.h"

namespace gmath::test {

inline constexpr GUnitVector kUp = {0, 0, 1};

// The closed unit square counter-clockwise about +z, and the square of
// corners (+-1, +-1, 0).
inline const std::vector<GPosition> kUnitSquare = {
    {0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 0}};
inline const std::vector<GPosition> kSquare = {
    {1, 1, 0}, {-1, 1, 0}, {-1, -1, 0}, {1, -1, 0}, {1, 1, 0}};

// A closed polygon of count points on an ellipse off the origin, with a
// repeated point inserted when `repeat`: the same corners in an array one
// longer, which takes ranges from the stack to the heap at 100 points.
inline std::vector<GPosition> Polygon(std::size_t count, bool repeat = false) {
  std::vector<GPosition> points;
  for (std::size_t i = 0; i + 1 < count; ++i) {
    const double a = 2 * kPi * static_cast<double>(i) / static_cast<double>(count - 1);
    points.push_back({3 * std::cos(a) + 0.1, 2 * std::sin(a) - 0.3, 0.25});
  }
  points.push_back(points.front());
  if (repeat) points.insert(points.begin() + 7, points[7]);
  return points;
}

// A volume over an array, both filled with a pattern, and a copy of every
// byte of them: a failed operation must leave them as they were.
template <class Volume>
struct Scribbled {
  explicit Scribbled(std::size_t room) : points(room) {
    std::memset(points.data(), 0x5a, room * sizeof(GPosition));
    std::memset(&value, 0x5a, sizeof value);
  }
  void Keep() {
    kept = points;
    std::memcpy(&keptValue, &value, sizeof value);
  }
  bool Unchanged() const {
    return std::memcmp(&value, &keptValue, sizeof value) == 0 && points.size() == kept.size() &&
           std::memcmp(points.data(), kept.data(), points.size() * sizeof(GPosition)) == 0;
  }
  std::vector<GPosition> points, kept;
  Volume value, keptValue;
};

}  // namespace gmath::test

#endif
