#include "gmath/core3d/vector.h"

#include <cmath>

#include "core3d/common_ops.h"
#include "core3d/vector_ops.h"
#include "frame/constants.h"
#include "frame/report.h"
#include "frame/tolerance.h"

using gmath::detail::CoordinateAt;
using gmath::detail::Cross;
using gmath::detail::Dot;
using gmath::detail::kVectorIndexMessage;
using gmath::detail::SquaredDistance;
using gmath::detail::Unbounded;
using gmath::detail::UnitOf;

namespace {

constexpr const char* kPositionIndexMessage = "GPosition: index out of bounds";
constexpr GPosition kNullPosition = {gmath::detail::kHuge, gmath::detail::kHuge,
                                     gmath::detail::kHuge};

bool IsWithin(double value, double tol) { return std::abs(value) <= tol; }

}  // namespace

double GPosition::operator[](unsigned int i) const {
  return CoordinateAt(*this, i, kPositionIndexMessage);
}
double& GPosition::operator[](unsigned int i) {
  return CoordinateAt(*this, i, kPositionIndexMessage);
}

int GPosition::IsNull() const { return IsEqual(kNullPosition); }

int GPosition::IsEqual(const GPosition& q) const {
  const double tol = gmath::detail::DistanceTolerance();
  return SquaredDistance(*this, q) <= tol * tol ? 1 : 0;
}

GPosition Interpolate(double t, const GPosition& a, const GPosition& b) {
  return {(b.m_x - a.m_x) * t + a.m_x, (b.m_y - a.m_y) * t + a.m_y, (b.m_z - a.m_z) * t + a.m_z};
}

double GVector::operator[](unsigned int i) const {
  return CoordinateAt(*this, i, kVectorIndexMessage);
}
double& GVector::operator[](unsigned int i) { return CoordinateAt(*this, i, kVectorIndexMessage); }

int GVector::IsNull() const { return IsNull(gmath::detail::kUnitBand); }

// The coordinates are tested first, in order, so that a large coordinate
// answers before its square can overflow.
int GVector::IsNull(double tol) const {
  if (!IsWithin(m_x, tol) || !IsWithin(m_y, tol) || !IsWithin(m_z, tol)) return 0;
  return Dot(*this, *this) <= tol * tol ? 1 : 0;
}

int GVector::IsEqual(const GVector& w) const {
  const double tol = gmath::detail::DistanceTolerance();
  return SquaredDistance(*this, w) <= tol * tol ? 1 : 0;
}

int GVector::IsColinear(const GVector& w) const {
  const GUnitVector u = UnitOf(*this);
  const GVector c = Cross(u, UnitOf(w));
  return std::sqrt(Dot(c, c)) < gmath::detail::RelativeTolerance() ? 1 : 0;
}

int GVector::IsOrthogonal(const GVector& w) const {
  const GUnitVector u = UnitOf(*this);
  return std::abs(Dot(u, UnitOf(w))) < gmath::detail::RelativeTolerance() ? 1 : 0;
}

GVector& GVector::operator/=(double s) {
  *this = *this / s;
  return *this;
}

GVector operator/(const GVector& v, double s) {
  if (std::abs(s) >= gmath::detail::kDivisionGuard) return {v.m_x / s, v.m_y / s, v.m_z / s};
  gmath::detail::Report("GVector: trying to divide by 0.0");
  return {Unbounded(v.m_x), Unbounded(v.m_y), Unbounded(v.m_z)};
}

double GiveAngle(const GVector& a, const GVector& b) {
  if (a.IsNull() || b.IsNull()) return 0.0;
  const GVector c = Cross(a, b);
  return std::atan2(std::sqrt(Dot(c, c)), Dot(a, b));
}
