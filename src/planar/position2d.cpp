#include <cmath>

#include "frame/constants.h"
#include "frame/report.h"
#include "frame/tolerance.h"
#include "gmath/planar/vector2d.h"
#include "planar/planar_ops.h"

using gmath::detail::CoordinateAt2d;
using gmath::detail::SquaredDistance2d;

namespace {

constexpr const char* kIndexMessage = "GPosition2d: index out of bounds";
constexpr GPosition2d kNullPosition2d = {gmath::detail::kHuge, gmath::detail::kHuge};

// x'·f and y'·f with f = 1/w; a weight too small to divide by scales by 1e30
// instead, whatever its sign.
GPosition2d Dehomogenize(double x, double y, double w) {
  double f = gmath::detail::kHuge;
  if (std::abs(w) < gmath::detail::kDivisionGuard) {
    gmath::detail::Report("GPosition2d: in multiplying G4x4, trying to divide by 0.0");
  } else {
    f = 1.0 / w;
  }
  return {x * f, y * f};
}

}  // namespace

double GPosition2d::operator[](unsigned int i) const {
  return CoordinateAt2d(*this, i, kIndexMessage);
}
double& GPosition2d::operator[](unsigned int i) { return CoordinateAt2d(*this, i, kIndexMessage); }

int GPosition2d::IsNull() const { return IsEqual(kNullPosition2d); }

int GPosition2d::IsEqual(const GPosition2d& q) const {
  const double tol = gmath::detail::DistanceTolerance();
  return SquaredDistance2d(*this, q) <= tol * tol ? 1 : 0;
}

GPosition2d& GPosition2d::operator+=(const GVector2d& v) {
  m_x += v.m_x;
  m_y += v.m_y;
  return *this;
}

GPosition2d& GPosition2d::operator-=(const GVector2d& v) {
  m_x -= v.m_x;
  m_y -= v.m_y;
  return *this;
}

GPosition2d& GPosition2d::operator*=(const G4x4& g) {
  *this = g * *this;
  return *this;
}

GPosition2d Interpolate(double t, const GPosition2d& a, const GPosition2d& b) {
  return {(b.m_x - a.m_x) * t + a.m_x, (b.m_y - a.m_y) * t + a.m_y};
}

GPosition2d operator+(const GPosition2d& p, const GVector2d& v) {
  return {p.m_x + v.m_x, p.m_y + v.m_y};
}

GPosition2d operator+(const GVector2d& v, const GPosition2d& p) {
  return {v.m_x + p.m_x, v.m_y + p.m_y};
}

GPosition2d operator-(const GPosition2d& p, const GVector2d& v) {
  return {p.m_x - v.m_x, p.m_y - v.m_y};
}

double GDistance(const GPosition2d& a, const GPosition2d& b) {
  return std::sqrt(SquaredDistance2d(b, a));
}

double operator%(const GPosition2d& p, const GVector2d& v) { return gmath::detail::Dot2d(p, v); }

double operator%(const GVector2d& v, const GPosition2d& p) { return gmath::detail::Dot2d(v, p); }

// The row (x, y, 0, 1) times g: translation in elements 12 and 13, weight
// from the perspective column 3, 7, 15.
GPosition2d operator*(const G4x4& g, const GPosition2d& p) {
  const double* e = g.m_matrix;
  return Dehomogenize(e[0] * p.m_x + e[4] * p.m_y + e[12], e[1] * p.m_x + e[5] * p.m_y + e[13],
                      e[3] * p.m_x + e[7] * p.m_y + e[15]);
}

// g times the column (x, y, 0, 1): the transposed reading of the above.
GPosition2d operator*(const GPosition2d& p, const G4x4& g) {
  const double* e = g.m_matrix;
  return Dehomogenize(e[0] * p.m_x + e[1] * p.m_y + e[3], e[4] * p.m_x + e[5] * p.m_y + e[7],
                      e[12] * p.m_x + e[13] * p.m_y + e[15]);
}
