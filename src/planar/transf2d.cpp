#include "gmath/planar/transf2d.h"

#include <cmath>

#include "frame/constants.h"
#include "frame/report.h"
#include "frame/tolerance.h"
#include "planar/planar_ops.h"

using gmath::detail::kIdentityMatrix2d;
using gmath::detail::kZeroVector2d;
using gmath::detail::MakeTransf2d;

namespace {

// Row 0 entries below this count as zero when the angle is read off: the
// bound of the 3D angle extraction.
constexpr double kAxisZero = gmath::detail::kGimbalThreshold;

GTransf2d Rotating(const GMatrix2d& m, const GVector2d& t) {
  return MakeTransf2d(m, t, 1.0, true, false);
}

// The translation that keeps p fixed under m: p - p·m, with p·m the checked
// vector product.
GVector2d FixingTranslation(const GMatrix2d& m, const GPosition2d& p) {
  const GVector2d image = GVector2d{p.m_x, p.m_y} * m;
  return {p.m_x - image.m_x, p.m_y - image.m_y};
}

// The angle of (c, s) off the axes, from atan(s/c) in (-pi/2, pi/2) moved
// into the quadrant of (c, s). A negative angle smaller than half an ulp of
// 2 pi rounds up to 2 pi itself, outside [0, 2 pi): it is that close to 0.
double QuadrantAngle(double c, double s) {
  const double a = std::atan(s / c);
  if (a > 0.0) return s >= 0.0 ? a : a + gmath::detail::kPi;
  if (a < 0.0 && s > 0.0) return a + gmath::detail::kPi;
  if (a < 0.0) {
    const double turned = a + gmath::detail::kTwoPi;
    return turned < gmath::detail::kTwoPi ? turned : 0.0;
  }
  return 0.0;
}

}  // namespace

GTransf2d BuildTransf2d(const GMatrix2d& m, const GVector2d& t, double s, int hasRotation,
                        int hasReflection, int hasShear) {
  return {m,
          t,
          s,
          static_cast<unsigned char>(hasRotation),
          static_cast<unsigned char>(hasReflection),
          static_cast<unsigned char>(hasShear)};
}

GTransf2d ScaleTransf2d(double s) {
  return MakeTransf2d(kIdentityMatrix2d, kZeroVector2d, s, true, false);
}

GTransf2d ScaleTransf2d(double s, const GPosition2d& c) {
  const double keep = 1.0 - s;
  return MakeTransf2d(kIdentityMatrix2d, {keep * c.m_x, keep * c.m_y}, s, true, false);
}

GTransf2d RotateTransf2d(double c, double s) { return Rotating(Rotation2d(c, s), kZeroVector2d); }

GTransf2d RotateTransf2d(double angle) { return Rotating(Rotation2d(angle), kZeroVector2d); }

GTransf2d RotateTransf2d(double c, double s, const GPosition2d& p) {
  const GMatrix2d r = Rotation2d(c, s);
  return Rotating(r, FixingTranslation(r, p));
}

GTransf2d RotateTransf2d(double angle, const GPosition2d& p) {
  return RotateTransf2d(std::cos(angle), std::sin(angle), p);
}

GTransf2d ReflectTransf2d(const GUnitVector2d& u) {
  return MakeTransf2d(Reflection2d(u), kZeroVector2d, 1.0, false, true);
}

GTransf2d ReflectTransf2d(const GUnitVector2d& u, const GPosition2d& p) {
  const GMatrix2d f = Reflection2d(u);
  return MakeTransf2d(f, FixingTranslation(f, p), 1.0, false, true);
}

GTransf2d TranslateTransf2d(const GVector2d& v) { return Rotating(kIdentityMatrix2d, v); }

// b loses its component along a (a is used as given); the handedness of the
// frame decides between rotation and reflection, and a degenerate frame
// counts as a reflection.
GTransf2d CoordinateTransf2d(const GPosition2d& origin, const GUnitVector2d& a,
                             const GUnitVector2d& b) {
  const double along = gmath::detail::Dot2d(a, b);
  const GUnitVector2d b2 = BuildUnitVector2d(b.m_x - along * a.m_x, b.m_y - along * a.m_y);
  const bool rightHanded = gmath::detail::Cross2d(a, b2) > 0.0;
  return MakeTransf2d(BuildMatrix2d(a, b2, 0), {origin.m_x, origin.m_y}, 1.0, rightHanded,
                      !rightHanded);
}

GTransf2d operator*(const GTransf2d& a, const GTransf2d& b) {
  const GVector2d moved = a.m_translation * b.m_matrix;
  GTransf2d product = {a.m_matrix * b.m_matrix,
                       {moved.m_x * b.m_scaling + b.m_translation.m_x,
                        moved.m_y * b.m_scaling + b.m_translation.m_y},
                       a.m_scaling * b.m_scaling,
                       0,
                       0,
                       0};
  gmath::detail::ComposeFlags(a, b, product);
  return product;
}

GTransf2d& GTransf2d::operator*=(const GTransf2d& b) {
  *this = *this * b;
  return *this;
}

// The scalings must differ by strictly less than resnor, which a NaN
// difference does not.
int GTransf2d::IsEqual(const GTransf2d& t) const {
  if (!(std::abs(m_scaling - t.m_scaling) < gmath::detail::RelativeTolerance())) return 0;
  if (m_hasReflection != t.m_hasReflection) return 0;
  const GPosition2d here = {m_translation.m_x, m_translation.m_y};
  if (!here.IsEqual({t.m_translation.m_x, t.m_translation.m_y})) return 0;
  return m_matrix.IsEqual(t.m_matrix);
}

int GTransf2d::IsNull() const {
  return IsEqual(MakeTransf2d(gmath::detail::kZeroMatrix2d, kZeroVector2d, 0.0, false, false));
}

int GTransf2d::IsIdentity() const {
  return IsEqual(MakeTransf2d(kIdentityMatrix2d, kZeroVector2d, 1.0, false, false));
}

int GTransf2d::IsInvertible() const {
  return std::abs(m_scaling) >= gmath::detail::kDivisionGuard && m_matrix.IsEuclidean() ? 1 : 0;
}

// Undo the translation, then the linear part by its transpose and the
// scaling by its reciprocal; the flags stay, since an inverse is a rotation
// or reflection exactly when the transform is.
GTransf2d GTransf2d::Inverse() const {
  if (!IsInvertible()) gmath::detail::Report("GTransf2d: transformation is not invertible");
  const GTransf2d untranslate =
      Rotating(kIdentityMatrix2d, {-m_translation.m_x, -m_translation.m_y});
  double unscale = gmath::detail::kHuge;
  if (std::abs(m_scaling) < gmath::detail::kDivisionGuard) {
    gmath::detail::Report("GTransf2d: transformation scaling is 0.0");
  } else {
    unscale = 1.0 / m_scaling;
  }
  const GTransf2d unmap = {m_matrix.Transpose(), kZeroVector2d,   unscale,
                           m_hasRotation,        m_hasReflection, m_hasShear};
  return untranslate * unmap;
}

double GiveRotAngle(const GTransf2d& t, long* err) {
  *err = 0;
  if (t.m_hasRotation == 0) {
    *err = gmath::detail::kRejected;
    gmath::detail::Report("transformation has no rotation");
    return 0.0;
  }
  const double c = t.m_matrix.m_matrix[0][0];
  const double s = t.m_matrix.m_matrix[0][1];
  const bool noCosine = std::abs(c) < kAxisZero;
  const bool noSine = std::abs(s) < kAxisZero;
  if (noCosine && noSine) {
    *err = gmath::detail::kRejected;
    gmath::detail::Report("both angle values are 0.0");
    return 0.0;
  }
  if (noCosine) return s > 0.0 ? gmath::detail::kHalfPi : gmath::detail::kThreeHalfPi;
  if (noSine) return c > 0.0 ? 0.0 : gmath::detail::kPi;
  return QuadrantAngle(c, s);
}
