#include "gmath/core3d/box.h"

#include <algorithm>
#include <cmath>

#include "core3d/box_ops.h"
#include "core3d/vector_ops.h"
#include "frame/constants.h"
#include "frame/report.h"
#include "frame/tolerance.h"
#include "gmath/frame.h"

using gmath::detail::kNullBox;
using gmath::detail::Order;

namespace {

GPosition Times(const GPosition& p, double s) { return {p.m_x * s, p.m_y * s, p.m_z * s}; }
GPosition Over(const GPosition& p, double s) { return {p.m_x / s, p.m_y / s, p.m_z / s}; }

GPosition Lowest(const GPosition& a, const GPosition& b) {
  return {std::min(a.m_x, b.m_x), std::min(a.m_y, b.m_y), std::min(a.m_z, b.m_z)};
}
GPosition Highest(const GPosition& a, const GPosition& b) {
  return {std::max(a.m_x, b.m_x), std::max(a.m_y, b.m_y), std::max(a.m_z, b.m_z)};
}

bool IsEmpty(double low, double high, double d) { return high <= low - d; }

bool IsWithin(double c, double low, double high, double g) {
  return low - g <= c && c <= high + g;
}

}  // namespace

GBox BuildBox(const GPosition& p) { return {p, p}; }

GBox BuildBox(double lowX, double lowY, double lowZ, double highX, double highY, double highZ) {
  return {{lowX, lowY, lowZ}, {highX, highY, highZ}};
}

GBox BuildBox(const GPosition& low, const GPosition& high) { return {low, high}; }

// A null array holds no points either: it is answered like a count of 0
// instead of being read.
GBox BuildBox(unsigned long count, GPosition* points) {
  if (count == 0 || points == nullptr) {
    gmath::detail::Report("GBox: can't build with 0 points");
    return kNullBox;
  }
  return gmath::detail::Bound(count, points);
}

GPosition& GBox::operator[](unsigned int i) {
  if (i > 1) gmath::detail::Report("GBox: index out of range");
  return i == 0 ? m_low : m_high;
}

const GPosition& GBox::operator[](unsigned int i) const {
  if (i > 1) gmath::detail::Report("GBox: index out of range");
  return i == 0 ? m_low : m_high;
}

int GBox::IsNull() const {
  const double d = gmath::detail::DistanceTolerance();
  return IsEmpty(m_low.m_x, m_high.m_x, d) || IsEmpty(m_low.m_y, m_high.m_y, d) ||
                 IsEmpty(m_low.m_z, m_high.m_z, d)
             ? 1
             : 0;
}

int GBox::IsEqual(const GBox& other) const {
  return m_low.IsEqual(other.m_low) && m_high.IsEqual(other.m_high) ? 1 : 0;
}

void GBox::GiveCorners(GPosition* const corners) const {
  if (corners != nullptr) gmath::detail::Corners(*this, corners);
}

GBox operator|(const GBox& a, const GBox& b) {
  const bool aNull = a.IsNull() != 0;
  const bool bNull = b.IsNull() != 0;
  if (!aNull && !bNull) return {Lowest(a.m_low, b.m_low), Highest(a.m_high, b.m_high)};
  if (aNull && bNull) return kNullBox;
  return aNull ? b : a;
}

GBox& GBox::operator|=(const GBox& b) {
  *this = *this | b;
  return *this;
}

GBox operator&(const GBox& a, const GBox& b) {
  if (a.IsNull() || b.IsNull()) return kNullBox;
  const double d = gmath::detail::DistanceTolerance();
  GPosition low = Highest(a.m_low, b.m_low);
  GPosition high = Lowest(a.m_high, b.m_high);
  if (!(low.m_x < high.m_x + d && low.m_y < high.m_y + d && low.m_z < high.m_z + d)) {
    return kNullBox;
  }
  Order(low.m_x, high.m_x);
  Order(low.m_y, high.m_y);
  Order(low.m_z, high.m_z);
  return {low, high};
}

GBox& GBox::operator&=(const GBox& b) {
  *this = *this & b;
  return *this;
}

// The allowance d/√3 per axis lets a point at distance d off a corner pass.
int GBox::operator>>(const GPosition& p) const {
  const double g = gmath::detail::DistanceTolerance() * gmath::detail::kInverseSqrt3;
  return IsWithin(p.m_x, m_low.m_x, m_high.m_x, g) && IsWithin(p.m_y, m_low.m_y, m_high.m_y, g) &&
                 IsWithin(p.m_z, m_low.m_z, m_high.m_z, g)
             ? 1
             : 0;
}

int GBox::operator>>(const GBox& other) const {
  return *this >> other.m_low && *this >> other.m_high ? 1 : 0;
}

int GBox::operator<<(const GBox& other) const { return other >> *this; }

int operator<<(const GPosition& p, const GBox& box) { return box >> p; }

GBox& GBox::operator+=(const GVector& v) {
  m_low = gmath::detail::Plus(m_low, v);
  m_high = gmath::detail::Plus(m_high, v);
  return *this;
}

GBox& GBox::operator-=(const GVector& v) {
  m_low = gmath::detail::Minus(m_low, v);
  m_high = gmath::detail::Minus(m_high, v);
  return *this;
}

// A scale <= 0 swaps the corners, so that low stays below high.
GBox operator*(const GBox& box, double s) {
  if (s > 0.0) return {Times(box.m_low, s), Times(box.m_high, s)};
  return {Times(box.m_high, s), Times(box.m_low, s)};
}

GBox operator*(double s, const GBox& box) { return box * s; }

GBox& GBox::operator*=(double s) {
  *this = *this * s;
  return *this;
}

GBox operator/(const GBox& box, double s) {
  if (!(std::abs(s) >= gmath::detail::kDivisionGuard)) {
    gmath::detail::Report("GBox: trying to divide by 0.0");
    return gmath::detail::kInfiniteBox;
  }
  if (s > 0.0) return {Over(box.m_low, s), Over(box.m_high, s)};
  return {Over(box.m_high, s), Over(box.m_low, s)};
}

GBox& GBox::operator/=(double s) {
  *this = *this / s;
  return *this;
}

void Gassert_valid(const GBox& box) {
  Gassert_valid(box.m_low);
  Gassert_valid(box.m_high);
}
