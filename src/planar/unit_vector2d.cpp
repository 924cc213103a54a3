#include <cmath>

#include "frame/constants.h"
#include "frame/report.h"
#include "gmath/planar/vector2d.h"
#include "planar/planar_ops.h"

using gmath::detail::CoordinateAt2d;

namespace {

constexpr const char* kIndexMessage = "GVector2d: index is out of range";

// (x, y) with a squared length inside [bandLow, bandHigh] is kept as it is:
// no division, so its bits survive any number of renormalizations. Else a
// null vector (isNull of the length, NaN, or an infinite length, whose
// reciprocal would give NaN or zeros) is reported and gives (0, 0);
// anything else is scaled by the reciprocal of its length.
template <class IsNullLength>
bool Normalize(double x, double y, double bandLow, double bandHigh, IsNullLength isNull,
               GUnitVector2d& unit) {
  const double s = x * x + y * y;
  if (s >= bandLow && s <= bandHigh) {
    unit = {x, y};
    return true;
  }
  const double length = std::sqrt(s);
  if (isNull(length) || !std::isfinite(s)) {
    gmath::detail::Report("GUnitVector2d: tried to create a NULL unit vector");
    unit = {0.0, 0.0};
    return false;
  }
  const double f = 1.0 / length;
  unit = {f * x, f * y};
  return true;
}

}  // namespace

GUnitVector2d BuildUnitVector2d(double x, double y) {
  GUnitVector2d unit;
  Normalize(
      x, y, gmath::detail::kUnitBandLow, gmath::detail::kUnitBandHigh,
      [](double length) { return length <= gmath::detail::kUnitBand; }, unit);
  return unit;
}

// A caller who names a tolerance gets the narrow band and a strict null
// test: a length equal to tol is a direction. A zero length never is, so a
// threshold of 0 or below cannot turn (0, 0) into NaN.
GUnitVector2d BuildUnitVector2d(double x, double y, double tol, long* err) {
  *err = 0;
  GUnitVector2d unit;
  if (!Normalize(
          x, y, gmath::detail::kNarrowBandLow, gmath::detail::kNarrowBandHigh,
          [tol](double length) { return length < tol || length == 0.0; }, unit)) {
    *err = gmath::detail::kRejected;
  }
  return unit;
}

GUnitVector2d BuildUnitVector2d(const GPosition2d& from, const GPosition2d& to) {
  return BuildUnitVector2d(to.m_x - from.m_x, to.m_y - from.m_y);
}

GUnitVector2d GetPerpVector2d(const GUnitVector2d& u) { return BuildUnitVector2d(-u.m_y, u.m_x); }

GUnitVector2d::operator GVector2d() const { return {m_x, m_y}; }

double GUnitVector2d::operator[](unsigned int i) const {
  return CoordinateAt2d(*this, i, kIndexMessage);
}
double& GUnitVector2d::operator[](unsigned int i) {
  return CoordinateAt2d(*this, i, kIndexMessage);
}

GUnitVector2d& GUnitVector2d::operator+=(const GVector2d& w) {
  *this = BuildUnitVector2d(m_x + w.m_x, m_y + w.m_y);
  return *this;
}

GUnitVector2d& GUnitVector2d::operator-=(const GVector2d& w) {
  *this = BuildUnitVector2d(m_x - w.m_x, m_y - w.m_y);
  return *this;
}
