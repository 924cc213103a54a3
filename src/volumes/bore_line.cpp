#include "gmath/volumes/bore_line.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "core3d/products_ops.h"
#include "core3d/vector_ops.h"
#include "frame/constants.h"
#include "frame/report.h"
#include "frame/tolerance.h"
#include "gmath/core3d/products.h"
#include "gmath/frame.h"
#include "homogeneous/g4x4_ops.h"
#include "volumes/plane_ops.h"
#include "volumes/volume_ops.h"

using gmath::detail::Dot;
using gmath::detail::kDivisionGuard;
using gmath::detail::kHuge;
using gmath::detail::Minus;
using gmath::detail::Plus;
using gmath::detail::Report;

namespace {

GBoreLine NullBoreLine() { return BuildBoreLine({0.0, 0.0, 0.0}, {1.0, 0.0, 0.0}); }

GBox Grown(const GBox& box, double r) {
  return {{box.m_low.m_x - r, box.m_low.m_y - r, box.m_low.m_z - r},
          {box.m_high.m_x + r, box.m_high.m_y + r, box.m_high.m_z + r}};
}

// Differ by at least tol; a NaN difference differs too.
bool Differ(double a, double b, double tol) { return !(std::abs(a - b) < tol); }

void ScaleExtent(GBoreLine& bore, double s) {
  bore.m_front = bore.m_front * s;
  bore.m_back = bore.m_back * s;
  bore.m_radius = bore.m_radius * s;
}

void DivideExtent(GBoreLine& bore, double s) {
  bore.m_front = bore.m_front / s;
  bore.m_back = bore.m_back / s;
  bore.m_radius = bore.m_radius / s;
}

// A factor below DBL_EPSILON (or NaN) is suspect: reported, then applied.
void CheckFactor(double s, const char* message) {
  if (!(s >= kDivisionGuard)) Report(message);
}

// A suspect divisor is reported, and one too small in magnitude to divide
// by is replaced by DBL_EPSILON.
double Divisor(double s, const char* message) {
  CheckFactor(s, message);
  return std::abs(s) >= kDivisionGuard ? s : kDivisionGuard;
}

void CheckRadius(const GBoreLine& bore) {
  if (!(bore.m_radius >= 0.0)) Report("GBoreLine: radius is < 0.0");
}

// The bore line rebuilt from the images of five points under map: the
// reference point, both ends, and a probe the radius beside each end along
// x. A projective map keeps the axis straight but not the lengths along it,
// so the depths are measured again from the image of the point.
template <class Map>
GBoreLine ThroughFivePoints(const GBoreLine& bore, Map map) {
  const double r = bore.m_radius;
  const GPosition front = bore.Evaluate(bore.m_front);
  const GPosition back = bore.Evaluate(bore.m_back);
  const GPosition p = map(bore.m_point);
  const GPosition f = map(front);
  const GPosition b = map(back);
  const GPosition frontProbe = map(GPosition{front.m_x + r, front.m_y + 0.0, front.m_z + 0.0});
  const GPosition backProbe = map(GPosition{back.m_x + r, back.m_y + 0.0, back.m_z + 0.0});
  const double newFront = std::min(std::sqrt(gmath::detail::SquaredDistance(p, f)), kHuge);
  const double newBack = std::max(-std::sqrt(gmath::detail::SquaredDistance(p, b)), -kHuge);
  const double radius = std::max(std::sqrt(gmath::detail::SquaredDistance(f, frontProbe)),
                               std::sqrt(gmath::detail::SquaredDistance(b, backProbe)));
  return BuildBoreLine(p, BuildUnitVector(b, f), newFront, newBack, radius);
}

// Affine (exactly) with a regular block; scale is the length of the image
// of the x axis.
bool IsRegularAffine(const G4x4& g, double& scale) {
  const double* e = g.m_matrix;
  const double r = gmath::detail::RelativeTolerance();
  scale = std::sqrt(e[0] * e[0] + e[1] * e[1] + e[2] * e[2]);
  return e[15] == 1.0 && e[3] == 0.0 && e[7] == 0.0 && e[11] == 0.0 &&
         std::abs(GetDeterminant(gmath::detail::LinearBlock(g))) > r * r * r && scale > r;
}

// Cuts [tmin, tmax] to the depths at which the axis, coordinate p + t·d
// with d not 0, lies in the slab [low, high]; false when nothing is left.
// In world units: a component too small against a large box for the unit
// cube's test still crosses the slab at finite depths.
bool CutToSlab(double p, double d, double low, double high, double& tmin, double& tmax) {
  const double t0 = (low - p) / d;
  const double t1 = (high - p) / d;
  tmin = std::max(tmin, std::min(t0, t1));
  tmax = std::min(tmax, std::max(t0, t1));
  return !(tmax < tmin);
}

// Infinite depths are unbounded ends, which the slab test handles, and a
// NaN radius is replaced by the relative tolerance; any other value that is
// not finite leaves the axis unknown.
bool CanJudge(const GBoreLine& bore) {
  return gmath::detail::IsFinite(bore.m_point) && gmath::detail::IsFinite(bore.m_direction) &&
         !std::isnan(bore.m_front) && !std::isnan(bore.m_back) && !std::isinf(bore.m_radius);
}

}  // namespace

GBoreLine BuildBoreLine(const GPosition& point, const GUnitVector& direction) {
  return {point, direction, kHuge, -kHuge, gmath::detail::DistanceTolerance()};
}

GBoreLine BuildBoreLine(const GPosition& point, const GUnitVector& direction, double front,
                        double back, double radius) {
  return {point, direction, front, back, radius};
}

double GBoreLine::Evaluate(const GPosition& x) const {
  return (x.m_x - m_point.m_x) * m_direction.m_x + (x.m_y - m_point.m_y) * m_direction.m_y +
         (x.m_z - m_point.m_z) * m_direction.m_z;
}

GPosition GBoreLine::Evaluate(double t) const {
  return {m_point.m_x + t * m_direction.m_x, m_point.m_y + t * m_direction.m_y,
          m_point.m_z + t * m_direction.m_z};
}

void GBoreLine::MakeInfinite() {
  m_front = kHuge;
  m_back = -kHuge;
}

int GBoreLine::IsInfinite() const {
  if (m_front >= kHuge) return 1;
  return m_back <= -kHuge || std::isnan(m_back) ? 1 : 0;
}

int GBoreLine::IsNull() const { return IsEqual(NullBoreLine()); }

int GBoreLine::IsEqual(const GBoreLine& other) const {
  if (!m_point.IsEqual(other.m_point)) return 0;
  if (!m_direction.IsEqual(other.m_direction)) return 0;
  const double tol = gmath::detail::DistanceTolerance();
  if (Differ(m_front, other.m_front, tol)) return 0;
  if (Differ(m_back, other.m_back, tol)) return 0;
  return Differ(m_radius, other.m_radius, tol) ? 0 : 1;
}

// The box grown by the radius is scaled to the unit cube, and the axis
// stretch is cut by its three slabs in turn. An axis the unit cube calls
// parallel to a slab it starts outside of is cut in world units unless its
// component is exactly 0: against a large box a small component falls
// below DBL_EPSILON while the axis still crosses the slab within reach.
int GBoreLine::operator&&(const GBox& box) const {
  const auto apart = [&] { return gmath::detail::Apart(box, CanJudge(*this)); };
  double r = m_radius;
  // A flat box must keep a nonzero extent.
  if (r == 0.0 || std::isnan(r)) r = gmath::detail::RelativeTolerance();
  const double point[3] = {m_point.m_x, m_point.m_y, m_point.m_z};
  const double direction[3] = {m_direction.m_x, m_direction.m_y, m_direction.m_z};
  const GBox grown = Grown(box, r);
  const double low[3] = {grown.m_low.m_x, grown.m_low.m_y, grown.m_low.m_z};
  const double high[3] = {grown.m_high.m_x, grown.m_high.m_y, grown.m_high.m_z};
  double tmin = std::min(m_front, m_back);
  double tmax = std::max(m_front, m_back);
  for (int i = 0; i < 3; ++i) {
    const double size = high[i] - low[i];
    const double u = (point[i] - low[i]) / size;
    const double v = direction[i] / size;
    if (std::abs(v) > kDivisionGuard) {
      const double t0 = -u / v;
      const double t1 = (1.0 - u) / v;
      tmin = std::max(tmin, std::min(t0, t1));
      tmax = std::min(tmax, std::max(t0, t1));
      if (tmax < tmin) return apart();
    } else if (!(0.0 <= u && u <= 1.0)) {
      if (direction[i] == 0.0) return apart();
      if (!CutToSlab(point[i], direction[i], low[i], high[i], tmin, tmax)) return apart();
    }
  }
  return 1;
}

int GBoreLine::operator>>(const GPosition& x) const {
  const GVector v = {x.m_x - m_point.m_x, x.m_y - m_point.m_y, x.m_z - m_point.m_z};
  const double t = Dot(v, m_direction);
  if (!(m_back <= t && t <= m_front)) return 0;
  return m_radius * m_radius >= Dot(v, v) - t * t ? 1 : 0;
}

int GBoreLine::operator>>(double t) const { return m_back <= t && t <= m_front ? 1 : 0; }

int GBoreLine::ClipWPlane(double a, double b, double c, double d) {
  const double h = 0.5 * gmath::detail::DistanceTolerance();
  if (IsNull()) return 0;
  const gmath::detail::PlaneForm plane = gmath::detail::PointAndNormal(BuildUnitVector(a, b, c), d);
  const double sFront = gmath::detail::SignedDistance(plane, Evaluate(m_front));
  const double sBack = gmath::detail::SignedDistance(plane, Evaluate(m_back));
  if (sFront < h && sBack < h) {
    m_front = 0.0;
    m_back = 0.0;
    return 0;
  }
  // An end within h of the plane counts as on it.
  if (sFront > -h && sBack > -h) return 1;
  const double dn = Dot(m_direction, plane.n);
  if (sBack >= 0.0) {
    m_front = m_front - sFront / dn;
  } else {
    m_back = m_back - sBack / dn;
  }
  return 1;
}

GBoreLine& GBoreLine::operator+=(const GVector& v) {
  m_point = Plus(m_point, v);
  return *this;
}

GBoreLine& GBoreLine::operator-=(const GVector& v) {
  m_point = Minus(m_point, v);
  return *this;
}

GBoreLine operator+(const GBoreLine& bore, const GVector& v) {
  GBoreLine moved = bore;
  return moved += v;
}

GBoreLine operator-(const GBoreLine& bore, const GVector& v) {
  GBoreLine moved = bore;
  return moved -= v;
}

GBoreLine& GBoreLine::operator*=(const GMatrix& m) {
  m_point *= m;
  m_direction *= m;
  return *this;
}

GBoreLine operator*(const GBoreLine& bore, const GMatrix& m) {
  GBoreLine moved = bore;
  return moved *= m;
}

GBoreLine operator*(const GMatrix& m, const GBoreLine& bore) {
  GBoreLine moved = bore;
  moved.m_point = gmath::detail::AsPosition<GPosition>(gmath::detail::ColumnTimes(m, bore.m_point));
  moved.m_direction = m * bore.m_direction;
  return moved;
}

// Only the scaling reaches the depths and the radius.
GBoreLine& GBoreLine::operator*=(const GTransf& t) {
  m_point *= t;
  m_direction *= t;
  ScaleExtent(*this, t.m_scaling);
  return *this;
}

GBoreLine operator*(const GBoreLine& bore, const GTransf& t) {
  GBoreLine moved = bore;
  return moved *= t;
}

// Exact when the matrix is a similarity, through the five points otherwise.
GBoreLine operator*(const GBoreLine& bore, const G4x4& g) {
  CheckRadius(bore);
  GTransf t;
  if (ConvertG4x4ToGTransf(g, t) == 0) return bore * t;
  return ThroughFivePoints(bore, [&g](const GPosition& p) { return p * g; });
}

// Every regular affine matrix takes the exact path: the depths and the
// radius follow the image of the x axis, even when the block scales unevenly.
GBoreLine operator*(const G4x4& g, const GBoreLine& bore) {
  CheckRadius(bore);
  double scale = 0.0;
  if (!IsRegularAffine(g, scale)) {
    return ThroughFivePoints(bore, [&g](const GPosition& p) { return g * p; });
  }
  GBoreLine moved = bore;
  moved.m_point = g * bore.m_point;
  moved.m_direction = g * bore.m_direction;
  ScaleExtent(moved, scale);
  return moved;
}

GBoreLine& GBoreLine::operator*=(const G4x4& g) {
  *this = g * *this;
  return *this;
}

GBoreLine& GBoreLine::operator*=(double s) {
  CheckFactor(s, "GBoreLine: multiplying by 0.0");
  ScaleExtent(*this, s);
  return *this;
}

GBoreLine operator*(const GBoreLine& bore, double s) {
  CheckFactor(s, "GBoreLine: trying to multiply by value <= 0.0");
  GBoreLine scaled = bore;
  ScaleExtent(scaled, s);
  return scaled;
}

GBoreLine& GBoreLine::operator/=(double s) {
  DivideExtent(*this, Divisor(s, "GBoreLine: scalar < tol"));
  return *this;
}

GBoreLine operator/(const GBoreLine& bore, double s) {
  GBoreLine scaled = bore;
  DivideExtent(scaled, Divisor(s, "GBoreLine: trying to divide by value <= 0.0"));
  return scaled;
}

// The part of the box the grown box covers along the axis, from the two
// corners only: for a direction with components of both signs it is
// shorter than the box's extent along the axis.
GBoreLine operator&(const GBoreLine& bore, const GBox& box) {
  if (!(bore && box)) return NullBoreLine();
  const GBox grown = Grown(box, bore.m_radius);
  const double t1 = bore.Evaluate(grown.m_high);
  const double t2 = bore.Evaluate(grown.m_low);
  const double tmin = std::min(t1, t2);
  const double tmax = std::max(t1, t2);
  return BuildBoreLine(bore.Evaluate(tmin), bore.m_direction, tmax - tmin, 0.0, bore.m_radius);
}

// The square caps circumscribe the end circles; which square depends on the
// perpendicular GetPerpVector picks.
GBox BoreLineRange(const GBoreLine& bore) {
  const GUnitVector u = gmath::detail::UnitOf(GetPerpVector(bore.m_direction));
  const GVector across = gmath::detail::Cross(bore.m_direction, u);
  const GVector w = across / std::sqrt(Dot(across, across));
  const double r = bore.m_radius;
  const GVector a = gmath::detail::Scaled(u, r);
  const GVector b = gmath::detail::Scaled(w, r);
  GPosition corners[8];
  GPosition* corner = corners;
  for (const double depth : {bore.m_front, bore.m_back}) {
    const GPosition end = bore.Evaluate(depth);
    *corner++ = Plus(Plus(end, a), b);
    *corner++ = Minus(Plus(end, a), b);
    *corner++ = Plus(Minus(end, a), b);
    *corner++ = Minus(Minus(end, a), b);
  }
  return BuildBox(8, corners);
}

void Gassert_valid(const GBoreLine& bore) {
  Gassert_valid(bore.m_point);
  Gassert_valid(bore.m_direction);
  if (!(bore.m_front >= bore.m_back) || !(bore.m_radius > 0.0)) {
    Report("GBoreLine has an invalid front, back, or radius");
  }
}
