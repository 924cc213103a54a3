#ifndef GMATH_PLANAR_TRANSF2D_H
#define GMATH_PLANAR_TRANSF2D_H

/// \file
/// Planar similarity transforms and their builders.

#include <cstddef>

#include "gmath/export.h"
#include "gmath/planar/matrix2d.h"
#include "gmath/planar/vector2d.h"

// ---------------------------------------------------------------------------
// Planar similarity transforms
// ---------------------------------------------------------------------------

/// p maps to (p·m_matrix)·m_scaling + m_translation; a vector loses the
/// translation. The one-byte flags tell rotation, reflection and shear of the
/// matrix; the structure enforces nothing, Gassert_valid says whether a
/// transform is well formed. A * B applies A first.
typedef struct GMATH_API tagGTransf2d {
  GMatrix2d m_matrix;             ///< The linear part, orthogonal in a well-formed transform.
  GVector2d m_translation;        ///< Added last, after the matrix and the scaling.
  double m_scaling;               ///< The uniform scale applied after the matrix.
  unsigned char m_hasRotation;    ///< 1 when the matrix's determinant is positive.
  unsigned char m_hasReflection;  ///< 1 when the matrix's determinant is negative.
  unsigned char m_hasShear;       ///< 1 when the matrix is not orthogonal.

  /// IsEqual to all zeros with every flag 0.
  int IsNull() const;
  /// IsEqual to the identity with every flag 0: the reflection flag is
  /// compared, so a transform flagged as a reflection is never the identity.
  int IsIdentity() const;
  /// Scalings strictly within resnor, the same reflection flag, translations
  /// equal as positions, matrices by GMatrix2d::IsEqual. The rotation and
  /// shear flags are not compared.
  int IsEqual(const tagGTransf2d& t) const;
  /// |m_scaling| >= DBL_EPSILON and an Euclidean matrix.
  int IsInvertible() const;
  /// q -> ((q - t)·Mᵀ)/s with this transform's flags. Reports
  /// "GTransf2d: transformation is not invertible" when !IsInvertible() and
  /// goes on; a scaling below DBL_EPSILON further reports "GTransf2d:
  /// transformation scaling is 0.0" and gives a scaling of 1e30.
  tagGTransf2d Inverse() const;
  /// this = this * b.
  tagGTransf2d& operator*=(const tagGTransf2d& b);
} GTransf2d;

/// The transform of the given parts, taken as given and not checked. Each
/// int flag is stored as its low 8 bits.
GMATH_API GTransf2d BuildTransf2d(const GMatrix2d& m, const GVector2d& t, double s, int hasRotation,
                                  int hasReflection, int hasShear);
/// Uniform scaling about the origin by s.
GMATH_API GTransf2d ScaleTransf2d(double s);
/// Scales about c: p -> c + s (p - c).
GMATH_API GTransf2d ScaleTransf2d(double s, const GPosition2d& c);
///@{
/// Counter-clockwise rotation about the origin, by cosine and sine (see
/// Rotation2d) or by the angle in radians.
GMATH_API GTransf2d RotateTransf2d(double c, double s);
GMATH_API GTransf2d RotateTransf2d(double angle);
///@}
///@{
/// Rotations about p: q -> (q - p)·R + p.
GMATH_API GTransf2d RotateTransf2d(double c, double s, const GPosition2d& p);
GMATH_API GTransf2d RotateTransf2d(double angle, const GPosition2d& p);
///@}
/// Mirror in the line along u through the origin.
GMATH_API GTransf2d ReflectTransf2d(const GUnitVector2d& u);
/// Mirror in the line along u through p.
GMATH_API GTransf2d ReflectTransf2d(const GUnitVector2d& u, const GPosition2d& p);
/// Moves every position by v and leaves vectors alone.
GMATH_API GTransf2d TranslateTransf2d(const GVector2d& v);
/// From the local coordinates of a frame to global ones: rows a and b made
/// perpendicular to a; a right-handed frame is a rotation, any other one
/// (degenerate included) a reflection.
GMATH_API GTransf2d CoordinateTransf2d(const GPosition2d& origin, const GUnitVector2d& a,
                                       const GUnitVector2d& b);

/// a followed by b. Rotation with rotation and reflection with reflection
/// give a rotation, rotation with reflection a reflection; shear is kept.
GMATH_API GTransf2d operator*(const GTransf2d& a, const GTransf2d& b);

/// The angle of row 0 of the matrix, in [0, 2 pi): an angle so little
/// below 0 that adding 2 pi rounds to 2 pi itself gives 0. Code 2 and 0.0 with
/// "transformation has no rotation" when the rotation flag is clear, or with
/// "both angle values are 0.0" when both entries of row 0 are below 1e-12.
GMATH_API double GiveRotAngle(const GTransf2d& t, long* err);

/// Every check runs and reports its own message: the matrix and translation
/// coordinates, Euclidean matrix, scale, shear, and the flags against the
/// sign of the determinant.
GMATH_API void Gassert_valid(const GTransf2d& t);

///@{
/// Products with transforms. Vectors are not translated; unit vectors take
/// the matrix only, renormalized, and report "GUnitVector2d: transformation
/// has Shear" when the shear flag is set. operator^ applies the inverse,
/// for unit vectors the transposed matrix.
GMATH_API GPosition2d operator*(const GPosition2d& p, const GTransf2d& t);
GMATH_API GPosition2d operator^(const GPosition2d& p, const GTransf2d& t);
GMATH_API GVector2d operator*(const GVector2d& v, const GTransf2d& t);
GMATH_API GVector2d operator^(const GVector2d& v, const GTransf2d& t);
GMATH_API GUnitVector2d operator*(const GUnitVector2d& u, const GTransf2d& t);
GMATH_API GUnitVector2d operator^(const GUnitVector2d& u, const GTransf2d& t);
///@}

namespace gmath::detail {
// The size is the flags' end rounded up to the alignment of double, which
// is 8 on Windows and 64-bit targets and 4 in 32-bit System V structures.
constexpr std::size_t kTransf2dEnd = offsetof(GTransf2d, m_hasShear) + 1;
constexpr std::size_t kTransf2dAlign = alignof(GTransf2d);
}  // namespace gmath::detail

static_assert(gmath::detail::IsPlainValue<GTransf2d>() && offsetof(GTransf2d, m_matrix) == 0 &&
                  offsetof(GTransf2d, m_translation) == 4 * sizeof(double) &&
                  offsetof(GTransf2d, m_scaling) == 6 * sizeof(double) &&
                  offsetof(GTransf2d, m_hasRotation) == 7 * sizeof(double) &&
                  offsetof(GTransf2d, m_hasReflection) == 7 * sizeof(double) + 1 &&
                  offsetof(GTransf2d, m_hasShear) == 7 * sizeof(double) + 2 &&
                  sizeof(GTransf2d) ==
                      (gmath::detail::kTransf2dEnd + gmath::detail::kTransf2dAlign - 1) /
                          gmath::detail::kTransf2dAlign * gmath::detail::kTransf2dAlign,
              "GTransf2d layout");

#endif
