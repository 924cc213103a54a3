#ifndef GMATH_HOMOGENEOUS_G4X4_H
#define GMATH_HOMOGENEOUS_G4X4_H

/// \file
/// 4x4 homogeneous matrices: products, inverse, and the conversion to a similarity transform.

#include <cstddef>

#include "gmath/core3d/transf.h"
#include "gmath/export.h"

// ---------------------------------------------------------------------------
// Homogeneous 4x4 matrices
// ---------------------------------------------------------------------------

/// Entry (r, c) is m_matrix[4r + c]; a position maps as the row (x, y, z, 1)
/// times the matrix, divided by the fourth component: elements 0-2, 4-6, 8-10
/// are the linear block (laid out like a GMatrix), 12-14 the translation and
/// 3, 7, 11, 15 the perspective column, (0, 0, 0, 1) when affine. A product
/// a * b applies b first. The G4x4 of a transform holds m_scaling·m_matrix,
/// its translation and the column (0, 0, 0, 1); every builder makes its
/// matrix that way.
typedef struct GMATH_API tagG4x4 {
  double m_matrix[16];  ///< The sixteen entries, row by row.

  /// Equal as homogeneous matrices: each matrix divided by its element 15,
  /// elements 0 to 14 within resnor. Element 15 itself is not compared. An
  /// element 15 of exactly 0 cannot be divided out: such a matrix equals only
  /// another one with element 15 of 0, entry by entry as it stands.
  int IsEqual(const tagG4x4& other) const;
  ///@{
  /// |det3·m_matrix[15]| > resnor³, det3 the determinant of the linear block;
  /// a NaN answers 0. The two names are one test.
  int IsValid() const;
  int IsInvertible() const;
  ///@}
  ///@{
  /// The sign of det3 / L³ with L the length of row 0: >= 0 a rotation, <= 0
  /// a reflection (a singular block with a row 0 answers 1 to both); a row 0
  /// shorter than resnor answers 0 to both.
  int HasRotation() const;
  int HasReflection() const;
  ///@}
  /// Gauss-Jordan elimination with complete pivoting. A pivot below 1e-20
  /// reports "Can't find inverse since the g4x4 is singular" and is used; a
  /// pivot of exactly 0 (reported alike) gives a zero row, so a singular
  /// finite matrix gets a generalized inverse (a·g·a = a), never infinities.
  tagG4x4 Inverse() const;
  ///@{
  /// this = this * b: b first, then this (a transform is made into its G4x4).
  tagG4x4& operator*=(const tagG4x4& b);
  tagG4x4& operator*=(const GTransf& t);
  ///@}
  /// The exact image of t (its flags are not consulted).
  tagG4x4& operator=(const GTransf& t);
} G4x4;

/// The 16 values in storage order, unchecked.
GMATH_API G4x4 Build4x4(const double* values);

/// b first, then a: entry (r, c) = sum over k of b(r, k)·a(k, c).
GMATH_API G4x4 operator*(const G4x4& a, const G4x4& b);
///@{
/// The transform is made into its G4x4 first.
GMATH_API G4x4 operator*(const G4x4& a, const GTransf& t);
GMATH_API G4x4 operator*(const GTransf& t, const G4x4& b);
///@}

/// 0 and the similarity transform of g when g is affine and its block a
/// uniform scale times a rotation or reflection (re-orthogonalized, scale in
/// m_scaling); otherwise 2 and the all-zero transform. No message.
GMATH_API long ConvertG4x4ToGTransf(const G4x4& g, GTransf& t);

/// Reports each perspective element that is not 0 and an element 15 that is
/// not 1, within resnor: "G4x4: m_matrix[3] is not 0", ... "[7]", "[11]",
/// "G4x4: m_matrix[15] is not 1".
GMATH_API void Gassert_valid(const G4x4& g);

static_assert(gmath::detail::IsPlainValue<G4x4>() && offsetof(G4x4, m_matrix) == 0 &&
                  sizeof(G4x4) == 16 * sizeof(double),
              "G4x4 layout");

#endif
