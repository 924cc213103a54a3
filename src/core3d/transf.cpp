#include "gmath/core3d/transf.h"

#include <cfloat>
#include <cmath>

#include "core3d/common_ops.h"
#include "core3d/matrix_ops.h"
#include "core3d/vector_ops.h"
#include "frame/constants.h"
#include "frame/report.h"
#include "frame/tolerance.h"

using gmath::detail::Flag;
using gmath::detail::kIdentityMatrix;
using gmath::detail::RowTimes;

namespace {

constexpr GVector kZeroVector = {0.0, 0.0, 0.0};

GTransf Make(const GMatrix& m, const GVector& t, double s, bool rotation, bool reflection) {
  return {m, t, s, Flag(rotation), Flag(reflection), 0};
}

GTransf Rotating(const GMatrix& m, const GVector& t) { return Make(m, t, 1.0, true, false); }

// The translation that keeps c fixed under m: c - c·m.
GVector FixingTranslation(const GMatrix& m, const GPosition& c) {
  const GVector image = RowTimes(c, m);
  return {c.m_x - image.m_x, c.m_y - image.m_y, c.m_z - image.m_z};
}

// a followed by b. Inline, so that the inverse, which composes with an
// identity matrix, multiplies by the constants it knows.
inline GTransf Composed(const GTransf& a, const GTransf& b) {
  const GVector moved = RowTimes(a.m_translation, b.m_matrix);
  GTransf product = {
      gmath::detail::Product(a.m_matrix, b.m_matrix),
      {moved.m_x * b.m_scaling + b.m_translation.m_x, moved.m_y * b.m_scaling + b.m_translation.m_y,
       moved.m_z * b.m_scaling + b.m_translation.m_z},
      a.m_scaling * b.m_scaling,
      0,
      0,
      0};
  gmath::detail::ComposeFlags(a, b, product);
  return product;
}

}  // namespace

GTransf BuildTransf(const GMatrix& m, const GVector& t, double s, int hasRotation,
                    int hasReflection, int hasShear) {
  return {m,
          t,
          s,
          static_cast<unsigned char>(hasRotation),
          static_cast<unsigned char>(hasReflection),
          static_cast<unsigned char>(hasShear)};
}

GTransf ScaleTransf(double s) { return Make(kIdentityMatrix, kZeroVector, s, true, false); }

GTransf ScaleTransf(double s, const GPosition& c) {
  const double keep = 1.0 - s;
  return Make(kIdentityMatrix, {keep * c.m_x, keep * c.m_y, keep * c.m_z}, s, true, false);
}

GTransf RotateTransf(double cosine, double sine, const GUnitVector& axis) {
  return Rotating(Rotation(cosine, sine, axis), kZeroVector);
}

GTransf RotateTransf(double angle, const GUnitVector& axis) {
  return Rotating(Rotation(angle, axis), kZeroVector);
}

GTransf RotateTransf(double cosine, double sine, const GUnitVector& axis, const GPosition& c) {
  const GMatrix r = Rotation(cosine, sine, axis);
  return Rotating(r, FixingTranslation(r, c));
}

GTransf RotateTransf(double angle, const GUnitVector& axis, const GPosition& c) {
  return RotateTransf(std::cos(angle), std::sin(angle), axis, c);
}

GTransf ReflectTransf(const GUnitVector& normal) {
  return Make(Reflection(normal), kZeroVector, 1.0, false, true);
}

GTransf ReflectTransf(const GUnitVector& normal, const GPosition& c) {
  const GMatrix f = Reflection(normal);
  return Make(f, FixingTranslation(f, c), 1.0, false, true);
}

GTransf TranslateTransf(const GVector& t) { return Rotating(kIdentityMatrix, t); }

// The y axis loses its component along x; z completes the right-handed frame.
GTransf CoordinateTransf(const GPosition& origin, const GUnitVector& xAxis,
                         const GUnitVector& yAxis) {
  const double along = gmath::detail::Dot(xAxis, yAxis);
  const GUnitVector y = BuildUnitVector(
      yAxis.m_x - along * xAxis.m_x, yAxis.m_y - along * xAxis.m_y, yAxis.m_z - along * xAxis.m_z);
  const GUnitVector z = gmath::detail::UnitOf(gmath::detail::Cross(xAxis, y));
  return Rotating(BuildMatrix(xAxis, y, z, 0), gmath::detail::ToVector(origin));
}

// The +z direction keeps the global axes; every other direction (-z
// included) takes its x axis from GetPerpVector.
GTransf CoordinateTransf(const GPosition& origin, const GUnitVector& zAxis) {
  const GUnitVector n = gmath::detail::UnitOf(zAxis);
  if (std::abs(n.m_z - 1.0) < DBL_EPSILON) {
    return CoordinateTransf(origin, {1.0, 0.0, 0.0}, {0.0, 1.0, 0.0});
  }
  const GUnitVector x = gmath::detail::UnitOf(GetPerpVector(n));
  const GUnitVector y = gmath::detail::UnitOf(gmath::detail::Cross(n, x));
  return CoordinateTransf(origin, x, y);
}

GTransf operator*(const GTransf& a, const GTransf& b) { return Composed(a, b); }

GTransf& GTransf::operator*=(const GTransf& b) {
  *this = *this * b;
  return *this;
}

int GTransf::IsEqual(const GTransf& other) const {
  if (!(std::abs(m_scaling - other.m_scaling) <= gmath::detail::RelativeTolerance())) return 0;
  if (m_hasReflection != other.m_hasReflection) return 0;
  if (!m_translation.IsEqual(other.m_translation)) return 0;
  return m_matrix.IsEqual(other.m_matrix);
}

int GTransf::IsNull() const {
  return IsEqual(Make(gmath::detail::kZeroMatrix, kZeroVector, 0.0, false, false));
}

int GTransf::IsIdentity() const {
  return IsEqual(Make(kIdentityMatrix, kZeroVector, 1.0, true, false));
}

int GTransf::IsInvertible() const {
  return std::abs(m_scaling) >= gmath::detail::kDivisionGuard && m_matrix.IsEuclidean() ? 1 : 0;
}

// Undo the translation, then the linear part by its transpose and the
// scaling by its reciprocal; the flags stay, since an inverse is a rotation
// or reflection exactly when the transform is.
GTransf GTransf::Inverse() const {
  if (!IsInvertible()) gmath::detail::Report("GTransf: not invertible");
  const GTransf untranslate =
      Rotating(kIdentityMatrix, {-m_translation.m_x, -m_translation.m_y, -m_translation.m_z});
  double unscale = gmath::detail::kHuge;
  if (std::abs(m_scaling) < gmath::detail::kDivisionGuard) {
    gmath::detail::Report("GTransf: m_scaling is 0.0");
  } else {
    unscale = 1.0 / m_scaling;
  }
  const GTransf unmap = {m_matrix.Transpose(), kZeroVector,     unscale,
                         m_hasRotation,        m_hasReflection, m_hasShear};
  return Composed(untranslate, unmap);
}
