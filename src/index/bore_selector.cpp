#include <algorithm>
#include <cfloat>
#include <cmath>

#include "frame/tolerance.h"
#include "index/bore_selector.h"

namespace gmath::detail {

namespace {

// Outside these the library's slab arithmetic can overflow or fall into
// subnormals, where its rounding has no relative bound.
constexpr double kLargest = 0x1p120;
constexpr double kSmallestGrow = 0x1p-700;
// The slab interval in depths is widened by this much of itself: the
// library computes it through a scaling to the unit cube, a handful of
// roundings that stay far below it.
constexpr double kDepthSlack = 1e-14;
constexpr double kTinyDepth = 1e-290;

bool Usable(double x) { return std::abs(x) <= kLargest; }

double Lowered(double t) { return std::isfinite(t) ? t - std::abs(t) * kDepthSlack - kTinyDepth : t; }
double Raised(double t) { return std::isfinite(t) ? t + std::abs(t) * kDepthSlack + kTinyDepth : t; }

}  // namespace

BoreSelector SelectorFor(const GBoreLine& bore) {
  BoreSelector selector{};
  selector.bore = bore;
  const double r = bore.m_radius;
  selector.grow = r == 0.0 || std::isnan(r) ? RelativeTolerance() : r;
  const double point[3] = {bore.m_point.m_x, bore.m_point.m_y, bore.m_point.m_z};
  const double direction[3] = {bore.m_direction.m_x, bore.m_direction.m_y,
                               bore.m_direction.m_z};
  bool usable = selector.grow >= kSmallestGrow && selector.grow <= kLargest &&
                !std::isnan(bore.m_front) && !std::isnan(bore.m_back);
  for (int axis = 0; axis < 3; ++axis) {
    selector.point[axis] = point[axis];
    selector.direction[axis] = direction[axis];
    usable = usable && Usable(point[axis]) && Usable(direction[axis]);
  }
  selector.testsEverything = !usable;
  selector.nearest = std::min(bore.m_front, bore.m_back);
  selector.farthest = std::max(bore.m_front, bore.m_back);
  return selector;
}

// Per axis, the slab of the bound grown by the radius, widened by a few
// ulps of its coordinates, cuts the depth interval. An axis is left free
// where the library's test may leave it free for a box inside: a flat box
// whose grown size rounds to zero (the radius within ulps of the
// coordinates), or a direction so nearly parallel to the slab that the
// library skips the cut while the point lies in the slab.
unsigned BoreSelector::SlotMask(const IndexNode& node) const {
  unsigned mask = 0;
  for (unsigned s = 0; s < kNodeWidth; ++s) {
    double tLow = nearest;
    double tHigh = farthest;
    bool meets = true;
    for (int axis = 0; axis < 3 && meets; ++axis) {
      const double low = node.low[axis][s];
      const double high = node.high[axis][s];
      const double magnitude = std::max(std::abs(low), std::abs(high));
      if (grow <= magnitude * 0x1p-50) continue;
      const double slack = (magnitude + grow) * 0x1p-48;
      const double slabLow = low - grow - slack;
      const double slabHigh = high + grow + slack;
      const double p = point[axis];
      const double dir = direction[axis];
      const bool inside = slabLow <= p && p <= slabHigh;
      if (dir == 0.0 || (inside && std::abs(dir) <= (slabHigh - slabLow) * 4 * DBL_EPSILON)) {
        meets = inside;
        continue;
      }
      const double t0 = (slabLow - p) / dir;
      const double t1 = (slabHigh - p) / dir;
      tLow = std::max(tLow, Lowered(std::min(t0, t1)));
      tHigh = std::min(tHigh, Raised(std::max(t0, t1)));
      meets = tLow <= tHigh;
    }
    mask |= static_cast<unsigned>(meets) << s;
  }
  return mask;
}

}  // namespace gmath::detail
