#ifndef GMATH_CORE3D_TRANSF_H
#define GMATH_CORE3D_TRANSF_H

/// \file
/// Similarity transforms (rotation or reflection, uniform scale, translation) and their builders.

#include <cstddef>

#include "gmath/core3d/matrix.h"
#include "gmath/core3d/vector.h"
#include "gmath/export.h"

// ---------------------------------------------------------------------------
// Similarity transforms
// ---------------------------------------------------------------------------

// The planar transform, for the conversions (gmath/planar/transf2d.h).
struct tagGTransf2d;

/// A similarity transform: a position p maps to (p·m_matrix)·m_scaling +
/// m_translation.
///
/// The flags record what the linear part is: a rotation (positive
/// determinant), a reflection (negative) and whether it shears. The structure
/// enforces nothing; Gassert_valid says whether a transform is well formed.
typedef struct GMATH_API tagGTransf {
  GMatrix m_matrix;            ///< The linear part, orthogonal in a well-formed transform.
  GVector m_translation;       ///< Added last, after the matrix and the scaling.
  double m_scaling;            ///< The uniform scale applied after the matrix.
  unsigned char m_hasRotation;    ///< 1 when the matrix's determinant is positive.
  unsigned char m_hasReflection;  ///< 1 when the matrix's determinant is negative.
  unsigned char m_hasShear;       ///< 1 when the matrix is not orthogonal.

  /// IsEqual to all zeros with every flag 0.
  int IsNull() const;
  /// IsEqual to the identity (flags 1, 0, 0).
  int IsIdentity() const;
  /// Scalings within resnor, the same reflection flag, translations equal by
  /// GVector::IsEqual, matrices by GMatrix::IsEqual. The rotation and shear
  /// flags are not compared.
  int IsEqual(const tagGTransf& other) const;
  /// |m_scaling| >= DBL_EPSILON and an Euclidean matrix.
  int IsInvertible() const;
  /// q -> ((q - t)·Mᵀ)/s with this transform's flags. Reports
  /// "GTransf: not invertible" when !IsInvertible() and goes on; a scaling
  /// below DBL_EPSILON further reports "GTransf: m_scaling is 0.0" and gives
  /// a scaling of 1e30.
  tagGTransf Inverse() const;
  /// this = this * b.
  tagGTransf& operator*=(const tagGTransf& b);

  /// ConvertG4x4ToGTransf (homogeneous/g4x4.h) into this transform: the
  /// all-zero transform when g is not a similarity. No message.
  tagGTransf& operator=(const tagG4x4& g);

  // Planar conversions (planar/convert.cpp)
  /// The transform of the xy-plane: the upper-left 2x2 block, the x and y
  /// translation, the scaling and the shear flag, with rotation or reflection
  /// from the sign of the 2x2 determinant (zero counts as a rotation). The
  /// matrix is checked independently for "z coordinate of row 0 or row 1 >
  /// distanceTolerance", "row 2 coordinates > distanceTolerance" and "third
  /// coordinate in row 2 not 1.0"; it is converted all the same.
  tagGTransf2d Convert2d() const;
  /// This becomes t2 acting on the plane z = 0 and leaving z alone.
  void Convert3d(const tagGTransf2d& t2);
} GTransf;

/// The transform of the given parts, taken as given and not checked. Each int
/// flag is stored as its low 8 bits.
GMATH_API GTransf BuildTransf(const GMatrix& m, const GVector& t, double s, int hasRotation,
                              int hasReflection, int hasShear);
/// Uniform scaling about the origin by s.
GMATH_API GTransf ScaleTransf(double s);
/// Scales about c: p -> c + s (p - c).
GMATH_API GTransf ScaleTransf(double s, const GPosition& c);
///@{
/// Right-handed rotation about an axis through the origin, by its cosine and
/// sine or by its angle in radians (see Rotation).
GMATH_API GTransf RotateTransf(double cosine, double sine, const GUnitVector& axis);
GMATH_API GTransf RotateTransf(double angle, const GUnitVector& axis);
///@}
///@{
/// Rotations about an axis through c: p -> (p - c)·R + c.
GMATH_API GTransf RotateTransf(double cosine, double sine, const GUnitVector& axis,
                               const GPosition& c);
GMATH_API GTransf RotateTransf(double angle, const GUnitVector& axis, const GPosition& c);
///@}
///@{
/// Mirror in the plane of the given normal through the origin, or through c.
GMATH_API GTransf ReflectTransf(const GUnitVector& normal);
GMATH_API GTransf ReflectTransf(const GUnitVector& normal, const GPosition& c);
///@}
/// Moves every position by t and leaves vectors alone.
GMATH_API GTransf TranslateTransf(const GVector& t);
/// From the local coordinates of a frame to global ones. The x axis is used
/// as given; the y axis is made perpendicular to it and the z axis completes
/// a right-handed frame.
GMATH_API GTransf CoordinateTransf(const GPosition& origin, const GUnitVector& xAxis,
                                   const GUnitVector& yAxis);
/// A frame whose z axis is the given direction.
GMATH_API GTransf CoordinateTransf(const GPosition& origin, const GUnitVector& zAxis);

/// a followed by b. Rotation with rotation and reflection with reflection
/// give a rotation, rotation with reflection a reflection; shear is kept.
GMATH_API GTransf operator*(const GTransf& a, const GTransf& b);

/// Every check runs and reports its own message: the matrix and translation
/// coordinates, Euclidean matrix, scale, shear, and the flags against the
/// sign of the determinant.
GMATH_API void Gassert_valid(const GTransf& t);
/// The same; *valid is 1 when every check passed, else 0.
GMATH_API void Gassert_valid(const GTransf& t, int* valid);

namespace gmath::detail {
// The size is the flags' end rounded up to the alignment of double, which
// is 8 on Windows and 64-bit targets and 4 in 32-bit System V structures.
constexpr std::size_t kTransfEnd = offsetof(GTransf, m_hasShear) + 1;
constexpr std::size_t kTransfAlign = alignof(GTransf);
}  // namespace gmath::detail

static_assert(gmath::detail::IsPlainValue<GTransf>() && offsetof(GTransf, m_matrix) == 0 &&
                  offsetof(GTransf, m_translation) == 9 * sizeof(double) &&
                  offsetof(GTransf, m_scaling) == 12 * sizeof(double) &&
                  offsetof(GTransf, m_hasRotation) == 13 * sizeof(double) &&
                  offsetof(GTransf, m_hasReflection) == 13 * sizeof(double) + 1 &&
                  offsetof(GTransf, m_hasShear) == 13 * sizeof(double) + 2 &&
                  sizeof(GTransf) == (gmath::detail::kTransfEnd + gmath::detail::kTransfAlign - 1) /
                                         gmath::detail::kTransfAlign * gmath::detail::kTransfAlign,
              "GTransf layout");

#endif
