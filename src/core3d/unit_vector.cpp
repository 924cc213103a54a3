#include <cmath>

#include "core3d/vector_ops.h"
#include "frame/constants.h"
#include "frame/report.h"
#include "frame/tolerance.h"
#include "gmath/core3d/vector.h"

using gmath::detail::Cross;
using gmath::detail::Dot;
using gmath::detail::UnitOf;

namespace {

// Scales (x, y, z), of squared length s outside the unit band, to unit
// length; a length at or below nullLength (or NaN) is reported and gives
// (0, 0, 0), and so does a zero length whatever nullLength is, as it has no
// reciprocal, and an infinite one (an infinite coordinate, or a square that
// overflows), whose reciprocal would give NaN or zeros as if they were a
// direction.
bool Rescale(double x, double y, double z, double s, double nullLength, GUnitVector& unit) {
  const double length = std::sqrt(s);
  if (length <= nullLength || length == 0.0 || !std::isfinite(s)) {
    gmath::detail::Report("GUnitVector: tried to create a NULL unit vector");
    unit = {0.0, 0.0, 0.0};
    return false;
  }
  const double f = 1.0 / length;
  unit = {f * x, f * y, f * z};
  return true;
}

// A vector already in the unit band is returned as it is: no division, so
// its bits survive any number of renormalizations. This test is the common
// case and small enough to be inlined; the rest is out of line.
bool Normalize(double x, double y, double z, double nullLength, GUnitVector& unit) {
  const double s = x * x + y * y + z * z;
  if (s >= gmath::detail::kUnitBandLow && s <= gmath::detail::kUnitBandHigh) {
    unit = {x, y, z};
    return true;
  }
  return Rescale(x, y, z, s, nullLength, unit);
}

}  // namespace

GUnitVector BuildUnitVector(double x, double y, double z) {
  GUnitVector unit;
  Normalize(x, y, z, gmath::detail::kUnitBand, unit);
  return unit;
}

GUnitVector BuildUnitVector(double x, double y, double z, double tol, long* err) {
  *err = 0;
  GUnitVector unit;
  if (!Normalize(x, y, z, tol, unit)) *err = gmath::detail::kRejected;
  return unit;
}

GUnitVector BuildUnitVector(const GPosition& from, const GPosition& to) {
  return BuildUnitVector(to.m_x - from.m_x, to.m_y - from.m_y, to.m_z - from.m_z);
}

GUnitVector::operator GVector() const { return {m_x, m_y, m_z}; }

double GUnitVector::operator[](unsigned int i) const {
  return gmath::detail::CoordinateAt(*this, i, gmath::detail::kVectorIndexMessage);
}
double& GUnitVector::operator[](unsigned int i) {
  return gmath::detail::CoordinateAt(*this, i, gmath::detail::kVectorIndexMessage);
}

int GUnitVector::IsNull() const {
  const double tol = gmath::detail::DistanceTolerance();
  return std::abs(m_x) < tol && std::abs(m_y) < tol && std::abs(m_z) < tol ? 1 : 0;
}

int GUnitVector::IsEqual(const GVector& w) const {
  const double tol = gmath::detail::RelativeTolerance();
  return gmath::detail::SquaredDistance(*this, w) <= tol * tol ? 1 : 0;
}

int GUnitVector::IsColinear(const GVector& w) const {
  const GVector c = Cross(*this, UnitOf(w));
  return std::sqrt(Dot(c, c)) < gmath::detail::RelativeTolerance() ? 1 : 0;
}

int GUnitVector::IsOrthogonal(const GVector& w) const {
  return std::abs(Dot(*this, UnitOf(w))) < gmath::detail::RelativeTolerance() ? 1 : 0;
}

GUnitVector& GUnitVector::operator+=(const GVector& w) {
  *this = BuildUnitVector(m_x + w.m_x, m_y + w.m_y, m_z + w.m_z);
  return *this;
}

GUnitVector& GUnitVector::operator-=(const GVector& w) {
  *this = BuildUnitVector(m_x - w.m_x, m_y - w.m_y, m_z - w.m_z);
  return *this;
}
