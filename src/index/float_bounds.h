#ifndef GMATH_INDEX_FLOAT_BOUNDS_H
#define GMATH_INDEX_FLOAT_BOUNDS_H

#include <cfloat>
#include <cmath>
#include <limits>

namespace gmath::detail {

// The largest float at or below x, and the smallest at or above it; x is
// not NaN. Beyond the float range they saturate instead of overflowing.
inline float RoundedDown(double x) {
  if (x > FLT_MAX) return FLT_MAX;
  if (x < -FLT_MAX) return -std::numeric_limits<float>::infinity();
  const float f = static_cast<float>(x);
  return static_cast<double>(f) > x ? std::nextafter(f, -FLT_MAX) : f;
}

inline float RoundedUp(double x) {
  if (x < -FLT_MAX) return -FLT_MAX;
  if (x > FLT_MAX) return std::numeric_limits<float>::infinity();
  const float f = static_cast<float>(x);
  return static_cast<double>(f) < x ? std::nextafter(f, FLT_MAX) : f;
}

}  // namespace gmath::detail

#endif
