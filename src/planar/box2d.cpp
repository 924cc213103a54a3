#include "gmath/planar/box2d.h"

#include <algorithm>
#include <cmath>

#include "core3d/box_ops.h"
#include "frame/constants.h"
#include "frame/report.h"
#include "frame/tolerance.h"
#include "planar/planar_ops.h"

using gmath::detail::kHuge;
using gmath::detail::Order;
using gmath::detail::Widen;

namespace {

constexpr GBox2d kNullBox2d = {{kHuge, kHuge}, {-kHuge, -kHuge}};
constexpr GBox2d kInfiniteBox2d = {{-kHuge, -kHuge}, {kHuge, kHuge}};

// Grows a box that starts at one point so that it holds p.
void Extend(GBox2d& box, const GPosition2d& p) {
  Widen(p.m_x, box.m_low.m_x, box.m_high.m_x);
  Widen(p.m_y, box.m_low.m_y, box.m_high.m_y);
}

// The bounding box of the corners mapped one by one, in corner order.
template <class Map>
GBox2d BoundMapped(const GBox2d& box, Map map) {
  GPosition2d corners[4];
  box.GiveCorners(corners);
  const GPosition2d first = map(corners[0]);
  GBox2d bound = {first, first};
  for (int k = 1; k < 4; ++k) Extend(bound, map(corners[k]));
  return bound;
}

// The identity leaves a box alone, null boxes included.
template <class Map>
GBox2d ThroughMatrix(const GBox2d& box, const GMatrix2d& m, Map map) {
  if (m.IsIdentity()) return box;
  return BoundMapped(box, map);
}

bool Inside(double low, double value, double high, double grow) {
  return low - grow < value && value < high + grow;
}

GBox2d Shifted(const GBox2d& box, const GVector2d& v, double sign) {
  return {{box.m_low.m_x + sign * v.m_x, box.m_low.m_y + sign * v.m_y},
          {box.m_high.m_x + sign * v.m_x, box.m_high.m_y + sign * v.m_y}};
}

}  // namespace

GBox2d BuildBox2d(double x, double y) { return {{x, y}, {x, y}}; }

GBox2d BuildBox2d(const GPosition2d& p, int) { return {p, p}; }

GBox2d BuildBox2d(double lowX, double lowY, double highX, double highY) {
  return {{lowX, lowY}, {highX, highY}};
}

GBox2d BuildBox2d(const GPosition2d& low, const GPosition2d& high) { return {low, high}; }

// A null array with a count has no points to read: it is answered like an
// empty one rather than read through.
GBox2d BuildBox2d(unsigned long count, GPosition2d* points) {
  if (count == 0 || points == nullptr) {
    gmath::detail::Report("GBox2d: can't build with 0 points");
    return kNullBox2d;
  }
  GBox2d box = {points[0], points[0]};
  for (unsigned long k = 1; k < count; ++k) {
    Widen(points[k].m_x, box.m_low.m_x, box.m_high.m_x);
    Widen(points[k].m_y, box.m_low.m_y, box.m_high.m_y);
  }
  return box;
}

const GPosition2d& GBox2d::operator[](unsigned int i) const {
  if (i > 1) gmath::detail::Report("GBox2d: index out of range");
  return i == 0 ? m_low : m_high;
}

GPosition2d& GBox2d::operator[](unsigned int i) {
  if (i > 1) gmath::detail::Report("GBox2d: index out of range");
  return i == 0 ? m_low : m_high;
}

int GBox2d::IsNull() const {
  const double d = gmath::detail::DistanceTolerance();
  return m_high.m_x <= m_low.m_x - d || m_high.m_y <= m_low.m_y - d ? 1 : 0;
}

int GBox2d::IsEqual(const GBox2d& other) const {
  return m_low.IsEqual(other.m_low) && m_high.IsEqual(other.m_high) ? 1 : 0;
}

void GBox2d::GiveCorners(GPosition2d* const corners) const {
  if (corners == nullptr) return;
  corners[0] = {m_low.m_x, m_low.m_y};
  corners[1] = {m_high.m_x, m_low.m_y};
  corners[2] = {m_high.m_x, m_high.m_y};
  corners[3] = {m_low.m_x, m_high.m_y};
}

GBox2d operator|(const GBox2d& a, const GBox2d& b) {
  const bool aNull = a.IsNull() != 0;
  if (b.IsNull()) return aNull ? kNullBox2d : a;
  if (aNull) return b;
  return {{std::min(a.m_low.m_x, b.m_low.m_x), std::min(a.m_low.m_y, b.m_low.m_y)},
          {std::max(a.m_high.m_x, b.m_high.m_x), std::max(a.m_high.m_y, b.m_high.m_y)}};
}

// Boxes apart by less than d still meet: the gap between them, its ends
// put in order, is their intersection.
GBox2d operator&(const GBox2d& a, const GBox2d& b) {
  if (a.IsNull() || b.IsNull()) return kNullBox2d;
  const double d = gmath::detail::DistanceTolerance();
  GBox2d meet = {{std::max(a.m_low.m_x, b.m_low.m_x), std::max(a.m_low.m_y, b.m_low.m_y)},
                 {std::min(a.m_high.m_x, b.m_high.m_x), std::min(a.m_high.m_y, b.m_high.m_y)}};
  if (!(meet.m_low.m_x < meet.m_high.m_x + d && meet.m_low.m_y < meet.m_high.m_y + d)) {
    return kNullBox2d;
  }
  Order(meet.m_low.m_x, meet.m_high.m_x);
  Order(meet.m_low.m_y, meet.m_high.m_y);
  return meet;
}

GBox2d& GBox2d::operator|=(const GBox2d& b) {
  *this = *this | b;
  return *this;
}

GBox2d& GBox2d::operator&=(const GBox2d& b) {
  *this = *this & b;
  return *this;
}

// Strict on both sides: a point exactly d/sqrt(2) outside an edge is out.
int GBox2d::operator>>(const GPosition2d& p) const {
  const double g = gmath::detail::DistanceTolerance() * gmath::detail::kInvSqrt2;
  return Inside(m_low.m_x, p.m_x, m_high.m_x, g) && Inside(m_low.m_y, p.m_y, m_high.m_y, g) ? 1 : 0;
}

int GBox2d::operator>>(const GBox2d& other) const {
  return *this >> other.m_low && *this >> other.m_high ? 1 : 0;
}

int GBox2d::operator<<(const GBox2d& other) const { return other >> *this; }

int operator<<(const GPosition2d& p, const GBox2d& box) { return box >> p; }

GBox2d& GBox2d::operator+=(const GVector2d& v) {
  *this = Shifted(*this, v, 1.0);
  return *this;
}

GBox2d& GBox2d::operator-=(const GVector2d& v) {
  *this = Shifted(*this, v, -1.0);
  return *this;
}

// A factor that is not positive (NaN included) swaps the corners.
GBox2d operator*(const GBox2d& box, double s) {
  const GPosition2d low = {box.m_low.m_x * s, box.m_low.m_y * s};
  const GPosition2d high = {box.m_high.m_x * s, box.m_high.m_y * s};
  if (s > 0.0) return {low, high};
  return {high, low};
}

GBox2d operator*(double s, const GBox2d& box) { return box * s; }

GBox2d& GBox2d::operator*=(double s) {
  *this = *this * s;
  return *this;
}

GBox2d operator/(const GBox2d& box, double s) {
  if (!(std::abs(s) >= gmath::detail::kDivisionGuard)) {
    gmath::detail::Report("GBox2d: trying to divide by 0.0");
    return kInfiniteBox2d;
  }
  const GPosition2d low = {box.m_low.m_x / s, box.m_low.m_y / s};
  const GPosition2d high = {box.m_high.m_x / s, box.m_high.m_y / s};
  if (s > 0.0) return {low, high};
  return {high, low};
}

GBox2d& GBox2d::operator/=(double s) {
  *this = *this / s;
  return *this;
}

GBox2d operator*(const GBox2d& box, const GMatrix2d& m) {
  return ThroughMatrix(box, m, [&m](const GPosition2d& p) { return p * m; });
}

GBox2d operator*(const GMatrix2d& m, const GBox2d& box) {
  return ThroughMatrix(box, m, [&m](const GPosition2d& p) { return m * p; });
}

GBox2d& GBox2d::operator*=(const GMatrix2d& m) {
  *this = *this * m;
  return *this;
}

GBox2d operator*(const GBox2d& box, const GTransf2d& t) {
  return Shifted(box * t.m_matrix * t.m_scaling, t.m_translation, 1.0);
}

GBox2d& GBox2d::operator*=(const GTransf2d& t) {
  *this = *this * t;
  return *this;
}
