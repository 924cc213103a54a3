#include <cmath>
#include <cstddef>

#include "core3d/box_ops.h"
#include "frame/tolerance.h"
#include "gmath/core3d/box.h"

namespace {

// Every corner and, for each corner on the kept side, one point on each of
// its three edges.
constexpr std::size_t kMaxClipPoints = gmath::detail::kCornerCount * 4;

}  // namespace

// The kept part is bounded by the corners on the positive side, the points
// where their edges cross the plane, and the corners that lie in the plane
// within half the distance tolerance.
int GBox::ClipWPlane(double a, double b, double c, double w) {
  if (IsNull()) return 0;
  const double e = 0.5 * gmath::detail::DistanceTolerance();
  const GUnitVector unit = BuildUnitVector(a, b, c);
  const double n[3] = {unit.m_x, unit.m_y, unit.m_z};
  const double origin[3] = {-w * n[0], -w * n[1], -w * n[2]};
  const double low[3] = {m_low.m_x, m_low.m_y, m_low.m_z};
  const double high[3] = {m_high.m_x, m_high.m_y, m_high.m_z};
  GPosition corners[gmath::detail::kCornerCount];
  gmath::detail::Corners(*this, corners);
  double side[gmath::detail::kCornerCount];
  bool anyPositive = false;
  bool anyNegative = false;
  for (std::size_t k = 0; k < gmath::detail::kCornerCount; ++k) {
    const GPosition& p = corners[k];
    side[k] = n[0] * (p.m_x - origin[0]) + n[1] * (p.m_y - origin[1]) + n[2] * (p.m_z - origin[2]);
    anyPositive = anyPositive || side[k] > 0.0;
    anyNegative = anyNegative || side[k] < 0.0;
  }
  if (!anyPositive) {
    *this = gmath::detail::kNullBox;
    return 0;
  }
  if (!anyNegative) return 1;
  GPosition points[kMaxClipPoints];
  std::size_t count = 0;
  for (std::size_t k = 0; k < gmath::detail::kCornerCount; ++k) {
    const double s = side[k];
    if (!(s > 0.0)) {
      if (std::abs(s) < e) points[count++] = corners[k];
      continue;
    }
    points[count++] = corners[k];
    const double corner[3] = {corners[k].m_x, corners[k].m_y, corners[k].m_z};
    for (int axis = 0; axis < 3; ++axis) {
      // Along the edge that leaves the corner into the box.
      const bool atLow = corner[axis] == low[axis];
      const double q = atLow ? n[axis] : -n[axis];
      if (!(std::abs(q) > e)) continue;
      const double t = -s / q;
      if (!(0.0 < t && t < high[axis] - low[axis])) continue;
      double crossing[3] = {corner[0], corner[1], corner[2]};
      crossing[axis] = atLow ? corner[axis] + t : corner[axis] - t;
      points[count++] = {crossing[0], crossing[1], crossing[2]};
    }
  }
  *this = gmath::detail::Bound(count, points);
  return 1;
}
