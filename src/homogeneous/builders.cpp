#include "gmath/homogeneous/builders.h"

#include <cmath>

#include "frame/report.h"
#include "frame/tolerance.h"
#include "gmath/core3d/transf.h"
#include "gmath/frame.h"
#include "homogeneous/g4x4_ops.h"

using gmath::detail::FromTransf;

namespace {

// A cosine and sine off the unit circle (or NaN) would build a scaled or
// meaningless rotation.
bool IsOnUnitCircle(double cosine, double sine) {
  return !gmath::detail::Exceeds(cosine * cosine + sine * sine - 1.0,
                                 gmath::detail::RelativeTolerance());
}

// Checks the axis, then the cosine and sine; m is written only when they
// pass.
void RotateChecked(double cosine, double sine, const GUnitVector& axis, const GPosition* point,
                   G4x4& m, long* err) {
  *err = 0;
  Gassert_valid(axis);
  if (!IsOnUnitCircle(cosine, sine)) {
    gmath::detail::Reject("q4x4: rotation cosine and sine invalid\n", err);
    return;
  }
  m = FromTransf(point == nullptr ? RotateTransf(cosine, sine, axis)
                                  : RotateTransf(cosine, sine, axis, *point));
}

G4x4 Diagonal(double sx, double sy, double sz) {
  return {{sx, 0.0, 0.0, 0.0, 0.0, sy, 0.0, 0.0, 0.0, 0.0, sz, 0.0, 0.0, 0.0, 0.0, 1.0}};
}

}  // namespace

void Rotate4x4(double cosine, double sine, const GUnitVector& axis, G4x4& m, long* err) {
  RotateChecked(cosine, sine, axis, nullptr, m, err);
}

void Rotate4x4(double angle, const GUnitVector& axis, G4x4& m, long* err) {
  *err = 0;
  Gassert_valid(axis);
  m = FromTransf(RotateTransf(angle, axis));
}

void Rotate4x4(double cosine, double sine, const GUnitVector& axis, const GPosition& point,
               G4x4& m, long* err) {
  RotateChecked(cosine, sine, axis, &point, m, err);
}

void Rotate4x4(double angle, const GUnitVector& axis, const GPosition& point, G4x4& m,
               long* err) {
  RotateChecked(std::cos(angle), std::sin(angle), axis, &point, m, err);
}

void Reflect4x4(const GUnitVector& normal, G4x4& m, long* err) {
  *err = 0;
  Gassert_valid(normal);
  m = FromTransf(ReflectTransf(normal));
}

void Reflect4x4(const GUnitVector& normal, const GPosition& point, G4x4& m, long* err) {
  *err = 0;
  Gassert_valid(normal);
  m = FromTransf(ReflectTransf(normal, point));
}

void Translate4x4(const GVector& v, G4x4& m, long* err) {
  *err = 0;
  m = FromTransf(TranslateTransf(v));
}

void Coordinate4x4(const GPosition& origin, const GUnitVector& xAxis, const GUnitVector& yAxis,
                   G4x4& m, long* err) {
  *err = 0;
  if (xAxis.IsColinear(yAxis)) {
    gmath::detail::Reject("q4x4: new axis vectors are collinear\n", err);
    return;
  }
  m = FromTransf(CoordinateTransf(origin, xAxis, yAxis));
}

void Scale4x4(double s, G4x4& m, long* err) { Scale4x4(s, s, s, m, err); }

void Scale4x4(double s, const GPosition& point, G4x4& m, long* err) {
  Scale4x4(s, s, s, point, m, err);
}

void Scale4x4(double sx, double sy, double sz, G4x4& m, long* err) {
  *err = 0;
  m = Diagonal(sx, sy, sz);
}

// The translation keeps point fixed: point - point·diag = point·(1 - s).
void Scale4x4(double sx, double sy, double sz, const GPosition& point, G4x4& m, long* err) {
  *err = 0;
  G4x4 scale = Diagonal(sx, sy, sz);
  scale.m_matrix[12] = point.m_x * (1.0 - sx);
  scale.m_matrix[13] = point.m_y * (1.0 - sy);
  scale.m_matrix[14] = point.m_z * (1.0 - sz);
  m = scale;
}
