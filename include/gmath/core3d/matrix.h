#ifndef GMATH_CORE3D_MATRIX_H
#define GMATH_CORE3D_MATRIX_H

/// \file
/// 3x3 matrices: products, inverse, orthogonality and scale checks, orthogonalization.

#include <cstddef>

#include "gmath/core3d/vector.h"
#include "gmath/export.h"

// ---------------------------------------------------------------------------
// Matrices and orthogonalization
// ---------------------------------------------------------------------------

/// Nine doubles, row by row. Matrices act on row vectors from the right
/// (v·M), so row i is the image of axis i and A·B applies A first.
typedef struct GMATH_API tagGMatrix {
  double m_matrix[3][3];  ///< Entry [i][j] is row i, column j.

  /// A copy of row i; any index other than 0, 1, 2 reports
  /// "GMatrix: index out of range" and gives row 2.
  GVector operator[](unsigned int i) const;
  /// Rows and columns swapped: the inverse of an orthogonal matrix.
  tagGMatrix Transpose() const;
  /// Every entry within resnor of other's (absolute, per entry; a NaN
  /// difference counts as within).
  int IsEqual(const tagGMatrix& other) const;
  ///@{
  /// IsEqual to the zero matrix and to the identity: every entry within
  /// resnor, so a matrix holding NaN answers 1 to both.
  int IsNull() const;
  int IsIdentity() const;
  ///@}
  /// A rotation or reflection: ortho-scaled (CheckOrthoScale) with a scale
  /// within resnor of 1.
  int IsEuclidean() const;
  /// this = this·b.
  tagGMatrix& operator*=(const tagGMatrix& b);
} GMatrix;

///@{
/// placement 0: a, b, c are the rows; any other placement: the columns.
/// Nothing is tested or normalized.
GMATH_API GMatrix BuildMatrix(const GUnitVector& a, const GUnitVector& b, const GUnitVector& c,
                              int placement);
GMATH_API GMatrix BuildMatrix(const GVector& a, const GVector& b, const GVector& c, int placement);
///@}

/// The signed volume factor of the map: negative for a reflection, 0 for a singular matrix.
GMATH_API double GetDeterminant(const GMatrix& m);
/// The product a·b, which applies a first and then b to a row vector.
GMATH_API GMatrix operator*(const GMatrix& a, const GMatrix& b);

///@{
/// Right-handed rotation about an axis through the origin. |cosine| or |sine|
/// above 1 reports "GMatrix: abs(cosine or sine of angle) > 1.0"; the matrix
/// is built from the given numbers all the same.
GMATH_API GMatrix Rotation(double cosine, double sine, const GUnitVector& axis);
GMATH_API GMatrix Rotation(double angle, const GUnitVector& axis);
///@}
/// I - 2 n nᵀ, with the normal used as given.
GMATH_API GMatrix Reflection(const GUnitVector& normal);

/// How far m·mᵀ is from the identity: the largest |diagonal - 1| and the
/// largest |off-diagonal entry|. No tolerance is applied.
GMATH_API void CheckOrthogonal(const GMatrix& m, double* diagonalDeviation,
                               double* offDiagonalDeviation);

/// Whether the n x n matrix (row by row) is a uniform scale times an
/// orthogonal matrix: all singular values agree with their mean to resnor.
/// *scale is that mean, or DBL_MAX when a singular value is zero. The
/// library uses n = 2 and 3; 1 <= n <= 1024 are accepted (work storage on the
/// heap above n = 8, code 1 when it cannot be had). Other orders and null
/// pointers give code 2, *isOrthoScale 0 and *scale DBL_MAX.
GMATH_API void CheckOrthoScale(double* matrix, int n, int* isOrthoScale, double* scale, long* err);

/// One Newton-Schulz step towards the nearest orthogonal matrix:
/// out = in·(3I - inᵀin)/2, or in itself when inᵀin is within 1e-14 of I.
/// *err is always 0. in and out may be the same object.
GMATH_API void MakeOrthogonal(const GMatrix& in, GMatrix& out, long* err);
/// Steps until two successive results agree within 1e-14 per entry, at most
/// six; otherwise out = in and *err = 2. in and out may be the same object.
GMATH_API void MakeOrthogonalIt(const GMatrix& in, GMatrix& out, long* err);

/// The GVector validity check on each row, reporting once per invalid row.
GMATH_API void Gassert_valid(const GMatrix& m);
/// The same; *valid is 1 when every row is valid, else 0.
GMATH_API void Gassert_valid(const GMatrix& m, int* valid);

static_assert(gmath::detail::IsPlainValue<GMatrix>() && offsetof(GMatrix, m_matrix) == 0 &&
                  sizeof(GMatrix) == 9 * sizeof(double),
              "GMatrix layout");

#endif
