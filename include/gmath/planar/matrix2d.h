#ifndef GMATH_PLANAR_MATRIX2D_H
#define GMATH_PLANAR_MATRIX2D_H

/// \file
/// 2x2 matrices.

#include <cstddef>

#include "gmath/export.h"
#include "gmath/planar/vector2d.h"

// ---------------------------------------------------------------------------
// Planar matrices
// ---------------------------------------------------------------------------

/// Four doubles, row by row. Matrices act on row vectors from the right
/// (v·M), so row i is the image of axis i and A·B applies A first.
typedef struct GMATH_API tagGMatrix2d {
  double m_matrix[2][2];  ///< Entry [i][j] is row i, column j.

  /// A copy of row i; any index other than 0 and 1 reports
  /// "GMatrix2d: index out of range" and gives row 1.
  GVector2d operator[](unsigned int i) const;
  /// Every entry within resnor of m's, tested row by row; a NaN difference
  /// is not within.
  int IsEqual(const tagGMatrix2d& m) const;
  ///@{
  /// IsEqual to the zero matrix and to the identity: every entry within
  /// resnor (a NaN entry answers 0).
  int IsNull() const;
  int IsIdentity() const;
  ///@}
  /// A rotation or reflection: ortho-scaled (CheckOrthoScale, order 2) with a
  /// scale within resnor of 1.
  int IsEuclidean() const;
  /// Rows and columns swapped: the inverse of an orthogonal matrix.
  tagGMatrix2d Transpose() const;
  /// this = this·b.
  tagGMatrix2d& operator*=(const tagGMatrix2d& b);
} GMatrix2d;

///@{
/// placement 0: a and b are the rows; any other placement: the columns.
/// Nothing is tested or normalized.
GMATH_API GMatrix2d BuildMatrix2d(const GUnitVector2d& a, const GUnitVector2d& b, int placement);
GMATH_API GMatrix2d BuildMatrix2d(const GVector2d& a, const GVector2d& b, int placement);
///@}

/// The signed area factor of the map: negative for a reflection, 0 for a singular matrix.
GMATH_API double GetDeterminant(const GMatrix2d& m);
/// The product a·b, which applies a first and then b to a row vector.
GMATH_API GMatrix2d operator*(const GMatrix2d& a, const GMatrix2d& b);

///@{
/// Counter-clockwise rotation with rows (c, s) and (-s, c), each renormalized,
/// so (c, s) need not have unit length. |c| or |s| above 1 reports
/// "GMatrix2d: abs(cosine or sine of angle) > 1.0" first.
GMATH_API GMatrix2d Rotation2d(double c, double s);
GMATH_API GMatrix2d Rotation2d(double angle);
///@}
/// Mirror in the line through the origin along u: I - 2 p pᵀ with p the unit
/// normal of u.
GMATH_API GMatrix2d Reflection2d(const GUnitVector2d& u);

/// One Newton-Schulz step towards the nearest orthogonal matrix:
/// out = in·(3I - inᵀin)/2, or in itself when inᵀin is within 1e-14 of I.
/// *err is always 0. in and out may be the same object.
GMATH_API void MakeOrthogonal(const GMatrix2d& in, GMatrix2d& out, long* err);

/// The GVector2d validity check on row 0, then row 1.
GMATH_API void Gassert_valid(const GMatrix2d& m);

///@{
/// Products with matrices. v·M = (x m00 + y m10, x m01 + y m11); M·v =
/// (m00 x + m01 y, m10 x + m11 y). The vector products check their result
/// with Gassert_valid; the unit-vector products renormalize it.
GMATH_API GPosition2d operator*(const GPosition2d& p, const GMatrix2d& m);
GMATH_API GPosition2d operator*(const GMatrix2d& m, const GPosition2d& p);
GMATH_API GVector2d operator*(const GVector2d& v, const GMatrix2d& m);
GMATH_API GVector2d operator*(const GMatrix2d& m, const GVector2d& v);
GMATH_API GUnitVector2d operator*(const GUnitVector2d& u, const GMatrix2d& m);
GMATH_API GUnitVector2d operator*(const GMatrix2d& m, const GUnitVector2d& u);
///@}

static_assert(gmath::detail::IsPlainValue<GMatrix2d>() && offsetof(GMatrix2d, m_matrix) == 0 &&
                  sizeof(GMatrix2d) == 4 * sizeof(double),
              "GMatrix2d layout");

#endif
