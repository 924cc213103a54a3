#ifndef GMATH_CORE3D_PRODUCTS_H
#define GMATH_CORE3D_PRODUCTS_H

/// \file
/// Positions, vectors and unit vectors moved by matrices, transforms and G4x4 matrices.

#include "gmath/core3d/matrix.h"
#include "gmath/core3d/transf.h"
#include "gmath/core3d/vector.h"
#include "gmath/export.h"
#include "gmath/homogeneous/g4x4.h"

// ---------------------------------------------------------------------------
// Moving positions, vectors and unit vectors
//
// Positions are translated by transforms, vectors are not, unit vectors are
// renormalized after every product and ignore a transform's scaling.
// operator^ applies the inverse of a transform (GTransf::Inverse, with its
// messages).
//
// With a G4x4 g there are two forms. Matrix-first, G * p (and p *= G): the
// row (x, y, z, 1) times g, which moves a position exactly as the transform
// g was made from. Matrix-last, p * G: g times the column (x, y, z, 1).
// Vectors drop the translation terms but keep g[15] in the weight w. The
// result is divided by w; when |w| < DBL_EPSILON the product reports
// "GPosition: in multiplying G4x4, trying to divide by 0.0" (positions) or
// "GVector: multiplying by G4x4, trying to divide by 0.0" (vectors and unit
// vectors) and multiplies by 1e30 instead, whatever the sign of w.
// ---------------------------------------------------------------------------

/// The position carried back by the inverse of t: p ^ t moves p * t back to p.
GMATH_API GPosition operator^(const GPosition& p, const GTransf& t);
///@{
/// The position moved by g, matrix-first (g * p) or matrix-last (p * g), divided by its weight.
GMATH_API GPosition operator*(const G4x4& g, const GPosition& p);
GMATH_API GPosition operator*(const GPosition& p, const G4x4& g);
///@}

/// (v·M)·s: no translation.
GMATH_API GVector operator*(const GVector& v, const GTransf& t);
/// The vector turned and scaled back by the inverse of t, without translation.
GMATH_API GVector operator^(const GVector& v, const GTransf& t);
///@{
/// The vector moved by g without its translation terms, matrix-first (g * v) or
/// matrix-last (v * g), divided by its weight.
GMATH_API GVector operator*(const G4x4& g, const GVector& v);
GMATH_API GVector operator*(const GVector& v, const G4x4& g);
///@}

///@{
/// u·M and M·u, renormalized.
GMATH_API GUnitVector operator*(const GUnitVector& u, const GMatrix& m);
GMATH_API GUnitVector operator*(const GMatrix& m, const GUnitVector& u);
///@}
///@{
/// u·m_matrix renormalized: the scaling (even a negative one) and the
/// translation play no part. A shearing transform reports "GUnitVector:
/// multiplying by trans, trans has Shear" and is applied all the same.
GMATH_API GUnitVector operator*(const GUnitVector& u, const GTransf& t);
///@}
/// The direction turned back by the inverse of t's matrix, renormalized.
GMATH_API GUnitVector operator^(const GUnitVector& u, const GTransf& t);
///@{
/// The direction moved by g as a vector (matrix-last u * g, matrix-first g * u), renormalized.
GMATH_API GUnitVector operator*(const GUnitVector& u, const G4x4& g);
GMATH_API GUnitVector operator*(const G4x4& g, const GUnitVector& u);
///@}

#endif
