#include "gmath/volumes/clip_volume.h"

#include <cmath>
#include <cstddef>

#include "core3d/box_ops.h"
#include "core3d/products_ops.h"
#include "core3d/vector_ops.h"
#include "frame/constants.h"
#include "frame/report.h"
#include "frame/tolerance.h"
#include "gmath/core3d/products.h"
#include "gmath/frame.h"
#include "volumes/clip_planes.h"
#include "volumes/plane_ops.h"
#include "volumes/volume_ops.h"

using gmath::detail::Cross;
using gmath::detail::Dot;
using gmath::detail::kDivisionGuard;
using gmath::detail::Report;

namespace {

constexpr unsigned kMaxPlanes = 6;
// Three planes out of six meet in at most C(6, 3) = 20 vertices.
constexpr std::size_t kMaxVertices = 20;

// A count set above 6 by hand counts as 6: nothing is read past m_planes.
unsigned PlaneCount(const GClipVolume& volume) {
  return volume.m_count < kMaxPlanes ? volume.m_count : kMaxPlanes;
}

unsigned Capped(unsigned num) {
  if (num <= kMaxPlanes) return num;
  Report("GClipVolume: can't build more than 6 planes");
  return kMaxPlanes;
}

double NormalLength2(const double* plane) {
  return plane[0] * plane[0] + plane[1] * plane[1] + plane[2] * plane[2];
}

// A zero normal cannot be divided out: such a plane is kept as it is.
void NormalizePlane(double* plane) {
  const double s2 = NormalLength2(plane);
  if (s2 == 0.0 || !(std::abs(s2 - 1.0) > kDivisionGuard)) return;
  const double length = std::sqrt(s2);
  for (int k = 0; k < 4; ++k) plane[k] = plane[k] / length;
}

// The planes in use, normalized, with the count capped; the rest are zero.
GClipVolume Normalized(const GClipVolume& volume) {
  GClipVolume copy = {};
  copy.m_count = static_cast<std::uint8_t>(PlaneCount(volume));
  for (unsigned i = 0; i < copy.m_count; ++i) {
    for (int k = 0; k < 4; ++k) copy.m_planes[i][k] = volume.m_planes[i][k];
    NormalizePlane(copy.m_planes[i]);
  }
  return copy;
}

// A normalized plane in point-and-normal form. A plane with a zero normal
// is level: the same everywhere, with d as its signed distance.
struct Plane {
  gmath::detail::PlaneForm form;
  double d;
  bool level;
};

// BuildUnitVector keeps a normal in the unit band bit for bit, so such a
// normal (every normalized one) is taken as it is, without the call.
Plane PlaneOf(const double* p) {
  const double s2 = NormalLength2(p);
  if (s2 == 0.0) return {{{0.0, 0.0, 0.0}, {0.0, 0.0, 0.0}}, p[3], true};
  const bool unit = s2 >= gmath::detail::kUnitBandLow && s2 <= gmath::detail::kUnitBandHigh;
  const GUnitVector n = unit ? GUnitVector{p[0], p[1], p[2]} : BuildUnitVector(p[0], p[1], p[2]);
  return {gmath::detail::PointAndNormal(n, p[3]), p[3], false};
}

Plane NormalizedPlane(const double* stored) {
  double p[4] = {stored[0], stored[1], stored[2], stored[3]};
  NormalizePlane(p);
  return PlaneOf(p);
}

double Distance(const Plane& plane, const GPosition& x) {
  return plane.level ? plane.d : gmath::detail::SignedDistance(plane.form, x);
}

// 1 more than tol inside every plane, 2 within tol of one, 0 more than tol
// outside one.
int Classify(const GClipVolume& volume, const GPosition& x) {
  const unsigned count = PlaneCount(volume);
  const double tol = gmath::detail::DistanceTolerance();
  int inside = 1;
  for (unsigned i = 0; i < count; ++i) {
    const double s = Distance(NormalizedPlane(volume.m_planes[i]), x);
    if (s < -tol) return 0;
    if (std::abs(s) <= tol) inside = 2;
  }
  return inside;
}

// Each plane against the box corner farthest inside it (kFarInside) or
// farthest outside it. For the overlap a plane separates
// only at a finite distance: one that is not comes from a value of the plane
// or the corner that is not finite, and cannot tell the box lies outside,
// while a finite plane that separates a finite corner judges the box
// whatever the other planes and coordinates hold.
template <bool kFarInside>
int BoxTest(const GClipVolume& volume, const GBox& box) {
  const unsigned count = PlaneCount(volume);
  for (unsigned i = 0; i < count; ++i) {
    const Plane plane = NormalizedPlane(volume.m_planes[i]);
    const GUnitVector& n = plane.form.n;
    const GPosition corner =
        kFarInside ? gmath::detail::FarCorner(box, n) : gmath::detail::NearCorner(box, n);
    const double s = Distance(plane, corner);
    if (s < -gmath::detail::DistanceTolerance() && (!kFarInside || std::isfinite(s))) return 0;
  }
  return 1;
}

// The points where three planes of a normalized volume meet and that lie
// in it, listed once per triple that meets there.
std::size_t Vertices(const GClipVolume& volume, GPosition* vertices) {
  Plane planes[kMaxPlanes];
  const unsigned count = PlaneCount(volume);
  for (unsigned i = 0; i < count; ++i) planes[i] = PlaneOf(volume.m_planes[i]);
  const double h = 0.5 * gmath::detail::DistanceTolerance();
  std::size_t found = 0;
  for (unsigned i = 0; i < count; ++i) {
    for (unsigned j = i + 1; j < count; ++j) {
      for (unsigned k = j + 1; k < count; ++k) {
        const gmath::detail::PlaneForm& a = planes[i].form;
        const gmath::detail::PlaneForm& b = planes[j].form;
        const gmath::detail::PlaneForm& c = planes[k].form;
        const GVector ab = Cross(a.n, b.n);
        const double det = Dot(ab, c.n);
        // Nearly parallel normals (a zero one too) have no usable common
        // point, and neither has a NaN determinant.
        if (!(std::abs(det) > h * std::sqrt(Dot(ab, ab)))) continue;
        const double ea = Dot(a.n, a.q);
        const double eb = Dot(b.n, b.q);
        const double ec = Dot(c.n, c.q);
        const GVector bc = Cross(b.n, c.n);
        const GVector ca = Cross(c.n, a.n);
        const GPosition x = {(ea * bc.m_x + eb * ca.m_x + ec * ab.m_x) / det,
                             (ea * bc.m_y + eb * ca.m_y + ec * ab.m_y) / det,
                             (ea * bc.m_z + eb * ca.m_z + ec * ab.m_z) / det};
        if (Classify(volume, x) != 0) vertices[found++] = x;
      }
    }
  }
  return found;
}

// The mean of the vertices of a normalized volume of four or more planes;
// otherwise, or without a vertex, the mean of the foot points of the planes
// that have one (the origin when none has).
GPosition Centre(const GClipVolume& volume, const Plane* planes) {
  if (PlaneCount(volume) >= 4) {
    GPosition vertices[kMaxVertices];
    const std::size_t found = Vertices(volume, vertices);
    if (found > 0) return gmath::detail::MeanFromFirst(found, vertices);
  }
  GPosition feet[kMaxPlanes];
  std::size_t count = 0;
  for (unsigned i = 0; i < PlaneCount(volume); ++i) {
    if (!planes[i].level) feet[count++] = planes[i].form.q;
  }
  return count > 0 ? gmath::detail::MeanFromFirst(count, feet) : GPosition{0.0, 0.0, 0.0};
}

GClipVolume Shifted(const GClipVolume& volume, const GVector& v, double sign) {
  GClipVolume moved = Normalized(volume);
  for (unsigned i = 0; i < moved.m_count; ++i) {
    double* p = moved.m_planes[i];
    const double nv = Dot(PlaneOf(p).form.n, v);
    p[3] = sign > 0.0 ? p[3] - nv : p[3] + nv;
  }
  return moved;
}

// Every normal of the normalized volume replaced by map(normal); d kept.
template <class Map>
GClipVolume MapNormals(const GClipVolume& volume, Map map) {
  GClipVolume mapped = Normalized(volume);
  for (unsigned i = 0; i < mapped.m_count; ++i) {
    double* p = mapped.m_planes[i];
    const GVector n = map(GVector{p[0], p[1], p[2]});
    p[0] = n.m_x;
    p[1] = n.m_y;
    p[2] = n.m_z;
  }
  return mapped;
}

}  // namespace

GClipVolume BuildClipVolume(unsigned int num, const GPosition* const points,
                            const GUnitVector* const normals) {
  GClipVolume volume = {};
  if (num == 0 || points == nullptr || normals == nullptr) return volume;
  volume.m_count = static_cast<std::uint8_t>(Capped(num));
  for (unsigned i = 0; i < volume.m_count; ++i) {
    const GUnitVector& u = normals[i];
    const GPosition& p = points[i];
    double* plane = volume.m_planes[i];
    plane[0] = u.m_x;
    plane[1] = u.m_y;
    plane[2] = u.m_z;
    plane[3] = -(u.m_x * p.m_x + u.m_y * p.m_y + u.m_z * p.m_z);
  }
  return volume;
}

GClipVolume BuildClipVolume(unsigned int num, const double* const coefficients) {
  GClipVolume volume = {};
  if (num == 0 || coefficients == nullptr) return volume;
  volume.m_count = static_cast<std::uint8_t>(Capped(num));
  for (unsigned i = 0; i < volume.m_count; ++i) {
    for (int k = 0; k < 4; ++k) volume.m_planes[i][k] = coefficients[4 * i + k];
    NormalizePlane(volume.m_planes[i]);
  }
  return volume;
}

long ConvertGBoxToGClipVolume(GBox* box, GClipVolume* volume) {
  if (box == nullptr || volume == nullptr) return gmath::detail::kRejected;
  const GPosition& l = box->m_low;
  const GPosition& h = box->m_high;
  *volume = {{{0.0, 1.0, 0.0, -l.m_y},
              {1.0, 0.0, 0.0, -l.m_x},
              {0.0, -1.0, 0.0, h.m_y},
              {-1.0, 0.0, 0.0, h.m_x},
              {0.0, 0.0, 1.0, -l.m_z},
              {0.0, 0.0, -1.0, h.m_z}},
             kMaxPlanes};
  return 0;
}

void IsPtInClipVolume(const GClipVolume& volume, const GPosition& point, int* inside, long* err) {
  if (err != nullptr) *err = 0;
  if (inside == nullptr) {
    if (err != nullptr) *err = gmath::detail::kRejected;
    return;
  }
  *inside = Classify(volume, point);
}

int GClipVolume::operator&&(const GBox& box) const { return BoxTest<true>(*this, box); }

int GClipVolume::operator>>(const GBox& box) const { return BoxTest<false>(*this, box); }

GBox ClipVolumeRange(const GClipVolume& volume) {
  GPosition vertices[kMaxVertices];
  const std::size_t found = Vertices(Normalized(volume), vertices);
  return BuildBox(static_cast<unsigned long>(found), vertices);
}

GClipVolume& GClipVolume::operator+=(const GVector& v) {
  *this = Shifted(*this, v, 1.0);
  return *this;
}

GClipVolume& GClipVolume::operator-=(const GVector& v) {
  *this = Shifted(*this, v, -1.0);
  return *this;
}

GClipVolume operator+(const GClipVolume& volume, const GVector& v) {
  return Shifted(volume, v, 1.0);
}

GClipVolume operator-(const GClipVolume& volume, const GVector& v) {
  return Shifted(volume, v, -1.0);
}

GClipVolume operator*(const GClipVolume& volume, const GMatrix& m) {
  return MapNormals(volume, [&m](const GVector& n) { return gmath::detail::RowTimes(n, m); });
}

GClipVolume operator*(const GMatrix& m, const GClipVolume& volume) {
  return MapNormals(volume, [&m](const GVector& n) { return gmath::detail::ColumnTimes(m, n); });
}

GClipVolume& GClipVolume::operator*=(const GMatrix& m) {
  *this = *this * m;
  return *this;
}

// A level plane has no normal to turn; its d is scaled like any other.
GClipVolume operator*(const GClipVolume& volume, const GTransf& t) {
  GClipVolume moved = Normalized(volume);
  for (unsigned i = 0; i < moved.m_count; ++i) {
    double* p = moved.m_planes[i];
    const Plane plane = PlaneOf(p);
    p[3] = p[3] * t.m_scaling;
    if (plane.level) continue;
    GUnitVector n = plane.form.n;
    n *= t;
    p[3] = p[3] - Dot(n, t.m_translation);
    p[0] = n.m_x;
    p[1] = n.m_y;
    p[2] = n.m_z;
  }
  return moved;
}

GClipVolume& GClipVolume::operator*=(const GTransf& t) {
  *this = *this * t;
  return *this;
}

// Every plane keeps its normal and moves with its foot point towards or
// away from the centre; a level plane stays as it is.
GClipVolume operator*(const GClipVolume& volume, double s) {
  const unsigned count = PlaneCount(volume);
  if (count == 0) {
    Report("GClipVolume: can't multiple by scalar when count=0");
    return volume;
  }
  if (!(s >= 0.0)) Report("GClipVolume: should not multiply by scalar < 0.0");
  const GClipVolume normalized = Normalized(volume);
  Plane planes[kMaxPlanes];
  for (unsigned i = 0; i < count; ++i) planes[i] = PlaneOf(normalized.m_planes[i]);
  const GPosition z = Centre(normalized, planes);
  GPosition feet[kMaxPlanes];
  GUnitVector normals[kMaxPlanes];
  for (unsigned i = 0; i < count; ++i) {
    const GPosition& q = planes[i].form.q;
    feet[i] = {(q.m_x - z.m_x) * s, (q.m_y - z.m_y) * s, (q.m_z - z.m_z) * s};
    normals[i] = planes[i].form.n;
  }
  GClipVolume scaled = BuildClipVolume(count, feet, normals);
  for (unsigned i = 0; i < count; ++i) {
    if (!planes[i].level) continue;
    for (int k = 0; k < 4; ++k) scaled.m_planes[i][k] = normalized.m_planes[i][k];
  }
  return scaled + GVector{z.m_x, z.m_y, z.m_z};
}

GClipVolume& GClipVolume::operator*=(double s) {
  *this = *this * s;
  return *this;
}

GClipVolume operator/(const GClipVolume& volume, double s) {
  if (!(s >= kDivisionGuard)) Report("GClipVolume: scalar < tolerance");
  if (!(std::abs(s) >= kDivisionGuard)) return volume * gmath::detail::kHuge;
  return volume * (1.0 / s);
}

GClipVolume& GClipVolume::operator/=(double s) {
  if (!(s >= kDivisionGuard)) {
    Report("GClipVolume: trying to divide by number < GSMALLRELTO1");
    if (!(std::abs(s) >= kDivisionGuard)) s = kDivisionGuard;
  }
  *this = *this / s;
  return *this;
}

void Gassert_valid(const GClipVolume&) {}

// Many boxes against one volume normalize its planes once.
unsigned gmath::detail::ClipPlanes(const GClipVolume& volume, ClipPlane planes[6]) {
  const unsigned count = PlaneCount(volume);
  for (unsigned i = 0; i < count; ++i) {
    const Plane plane = NormalizedPlane(volume.m_planes[i]);
    planes[i] = {plane.form, plane.d, plane.level};
  }
  return count;
}
