#include "export/depth_range.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kUnbounded = 1e30;

// Narrows [low, high] to the t where p + t·d lies in [lo, hi] on one axis.
void Slab(double p, double d, double lo, double hi, double& low, double& high) {
  if (d == 0.0) {
    if (p < lo || p > hi) high = -kUnbounded;
    return;
  }
  const double a = (lo - p) / d;
  const double b = (hi - p) / d;
  low = std::max(low, std::min(a, b));
  high = std::min(high, std::max(a, b));
}

}  // namespace

DepthRange DepthsInExtent(const GPosition& point, const GUnitVector& direction, double back,
                          double front, const GBox& extent) {
  const bool unboundedBack = !(back > -kUnbounded);
  const bool unboundedFront = front >= kUnbounded;
  if (!unboundedBack && !unboundedFront) return {back, front, false, false};
  double low = -kUnbounded;
  double high = kUnbounded;
  const GPosition& l = extent.m_low;
  const GPosition& h = extent.m_high;
  Slab(point.m_x, direction.m_x, l.m_x, h.m_x, low, high);
  Slab(point.m_y, direction.m_y, l.m_y, h.m_y, low, high);
  Slab(point.m_z, direction.m_z, l.m_z, h.m_z, low, high);
  const double drawnBack = unboundedBack ? low : back;
  const double drawnFront = unboundedFront ? high : front;
  return {drawnBack, drawnFront, true, !(drawnBack < drawnFront)};
}
