#include <cmath>

#include "core3d/vector_ops.h"
#include "frame/tolerance.h"
#include "gmath/core3d/vector.h"

using gmath::detail::Cross;
using gmath::detail::Dot;
using gmath::detail::Scaled;
using gmath::detail::UnitOf;

namespace {

// b·|a|² - a·(a·b): the part of b perpendicular to a, scaled by |a|².
GVector PerpendicularPart(const GVector& a, const GVector& b) { return Cross(Cross(a, b), a); }

// Below the distance tolerance the perpendicular part has no reliable
// direction; a is then taken to be along b.
bool HasNoDirection(const GVector& part) {
  return gmath::detail::DistanceTolerance() > std::sqrt(Dot(part, part));
}

}  // namespace

GUnitVector GetPerpVector(const GUnitVector& u) {
  const GUnitVector unit = UnitOf(u);
  const double v[3] = {unit.m_x, unit.m_y, unit.m_z};
  int k = 0;
  for (int i = 1; i < 3; ++i) {
    if (std::abs(v[k]) > std::abs(v[i])) k = i;
  }
  double w[3];
  for (int j = 0; j < 3; ++j) w[j] = -v[k] * v[j];
  w[k] = w[k] + 1.0;
  return BuildUnitVector(w[0], w[1], w[2]);
}

void ModifyOrthoVector(const GVector& a, GVector& b) {
  const double length = std::sqrt(Dot(b, b));
  const GVector part = PerpendicularPart(a, b);
  const GUnitVector direction = HasNoDirection(part) ? GetPerpVector(UnitOf(a)) : UnitOf(part);
  b = Scaled(direction, length);
}

void ModifyOrthoVector(const GVector& a, GUnitVector& u) {
  const GVector part = PerpendicularPart(a, u);
  u = HasNoDirection(part) ? UnitOf(GetPerpVector(UnitOf(a))) : UnitOf(part);
}
