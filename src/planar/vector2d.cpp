#include "gmath/planar/vector2d.h"

#include <cmath>

#include "core3d/common_ops.h"
#include "frame/constants.h"
#include "frame/report.h"
#include "frame/tolerance.h"
#include "planar/planar_ops.h"

using gmath::detail::CoordinateAt2d;
using gmath::detail::Cross2d;
using gmath::detail::Dot2d;
using gmath::detail::Unbounded;
using gmath::detail::UnitOf2d;

namespace {

constexpr const char* kIndexMessage = "GVector2d: index is out of range";

}  // namespace

double GVector2d::operator[](unsigned int i) const {
  return CoordinateAt2d(*this, i, kIndexMessage);
}
double& GVector2d::operator[](unsigned int i) { return CoordinateAt2d(*this, i, kIndexMessage); }

int GVector2d::IsNull() const { return IsNull(gmath::detail::kUnitBand); }

// The coordinates are tested first, so that a large coordinate answers
// before its square can overflow.
int GVector2d::IsNull(double tol) const {
  if (!(std::abs(m_x) <= tol) || !(std::abs(m_y) <= tol)) return 0;
  return Dot2d(*this, *this) <= tol * tol ? 1 : 0;
}

int GVector2d::IsEqual(const GVector2d& w) const {
  const double tol = gmath::detail::DistanceTolerance();
  return gmath::detail::SquaredDistance2d(*this, w) <= tol * tol ? 1 : 0;
}

int GVector2d::IsColinear(const GVector2d& w) const {
  const GUnitVector2d u = UnitOf2d(*this);
  return std::abs(Cross2d(u, UnitOf2d(w))) < gmath::detail::RelativeTolerance() ? 1 : 0;
}

int GVector2d::IsOrthogonal(const GVector2d& w) const {
  const GUnitVector2d u = UnitOf2d(*this);
  return std::abs(Dot2d(u, UnitOf2d(w))) < gmath::detail::RelativeTolerance() ? 1 : 0;
}

GVector2d& GVector2d::operator+=(const GVector2d& w) {
  m_x += w.m_x;
  m_y += w.m_y;
  return *this;
}

GVector2d& GVector2d::operator-=(const GVector2d& w) {
  m_x -= w.m_x;
  m_y -= w.m_y;
  return *this;
}

GVector2d& GVector2d::operator*=(double s) {
  m_x *= s;
  m_y *= s;
  return *this;
}

GVector2d& GVector2d::operator/=(double s) {
  *this = *this / s;
  return *this;
}

double GVector2d::GetLength() const { return std::sqrt(Dot2d(*this, *this)); }

double operator%(const GVector2d& a, const GVector2d& b) { return Dot2d(a, b); }

double operator*(const GVector2d& a, const GVector2d& b) { return Cross2d(a, b); }

GVector2d operator/(const GVector2d& v, double s) {
  if (std::abs(s) >= gmath::detail::kDivisionGuard) return {v.m_x / s, v.m_y / s};
  gmath::detail::Report("GVector2d: trying to divide by 0.0");
  return {Unbounded(v.m_x), Unbounded(v.m_y)};
}

// Adding +0.0 turns a cross product of -0.0 into +0.0 and changes no other
// value: atan2(-0.0, negative) would give -pi, outside (-pi, pi].
double GiveAngle(const GVector2d& a, const GVector2d& b) {
  if (a.IsNull() || b.IsNull()) return 0.0;
  return std::atan2(Cross2d(a, b) + 0.0, Dot2d(a, b));
}
