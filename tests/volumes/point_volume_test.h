#ifndef GMATH_TESTS_VOLUMES_POINT_VOLUME_TEST_H
#define GMATH_TESTS_VOLUMES_POINT_VOLUME_TEST_H

#include <cmath>
#include <cstring>
#include <vector>

#include "core3d/core3d_test.h"

namespace gmath::test {

inline constexpr GBox kNullBox = {{1e30, 1e30, 1e30}, {-1e30, -1e30, -1e30}};
inline constexpr GBox kInfiniteBox = {{-1e30, -1e30, -1e30}, {1e30, 1e30, 1e30}};
inline constexpr GUnitVector kUp = {0, 0, 1};

// The closed unit square counter-clockwise about +z, and the square of
// corners (+-1, +-1, 0).
inline const std::vector<GPosition> kUnitSquare = {
    {0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 0}};
inline const std::vector<GPosition> kSquare = {
    {1, 1, 0}, {-1, 1, 0}, {-1, -1, 0}, {1, -1, 0}, {1, 1, 0}};

// A closed polygon of count points (the last repeats the first) on a
// slanted ellipse: points that no two volumes' arithmetic treat alike.
inline std::vector<GPosition> Polygon(std::size_t count) {
  std::vector<GPosition> points;
  for (std::size_t i = 0; i + 1 < count; ++i) {
    const double a = 2 * kPi * static_cast<double>(i) / static_cast<double>(count - 1);
    points.push_back({3 * std::cos(a) + 0.1, 2 * std::sin(a) - 0.3, 0.25});
  }
  points.push_back(points.front());
  return points;
}

inline bool SameBits(const GBox& a, const GBox& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

inline ::testing::AssertionResult IsBox(const GBox& box, const GBox& expected, double tol = 0.0) {
  if (HasXyz(box.m_low, expected.m_low.m_x, expected.m_low.m_y, expected.m_low.m_z, tol) &&
      HasXyz(box.m_high, expected.m_high.m_x, expected.m_high.m_y, expected.m_high.m_z, tol)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "(" << box.m_low.m_x << ", " << box.m_low.m_y << ", " << box.m_low.m_z << ")-("
         << box.m_high.m_x << ", " << box.m_high.m_y << ", " << box.m_high.m_z << ")";
}

// A value and its point array, both filled with a pattern, so that a test
// sees whether an operation wrote anything.
template <class Volume>
struct Scribbled {
  explicit Scribbled(std::size_t room) : points(room) {
    std::memset(points.data(), 0x5a, room * sizeof(GPosition));
    std::memset(&value, 0x5a, sizeof value);
  }
  // Padding included, so that a comparison sees every byte.
  Scribbled(const Scribbled& other) : points(other.points) {
    std::memcpy(&value, &other.value, sizeof value);
  }
  Scribbled& operator=(const Scribbled&) = delete;
  std::vector<GPosition> points;
  Volume value;
};

template <class Volume>
bool Unchanged(const Scribbled<Volume>& before, const Scribbled<Volume>& after) {
  return std::memcmp(&before.value, &after.value, sizeof before.value) == 0 &&
         std::memcmp(before.points.data(), after.points.data(),
                     before.points.size() * sizeof(GPosition)) == 0;
}

}  // namespace gmath::test

#endif
