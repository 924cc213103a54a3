#ifndef GMATH_CORE3D_REPAIR_H
#define GMATH_CORE3D_REPAIR_H

/// \file
/// Repair and decomposition of transforms: healing a nearly orthogonal transform and reading its
/// rotation angles.

#include "gmath/core3d/transf.h"
#include "gmath/core3d/vector.h"
#include "gmath/export.h"

// ---------------------------------------------------------------------------
// Transform repair and decomposition
// ---------------------------------------------------------------------------

/// The rigid transform that carries the old frame onto the new one: the point
/// with local coordinates q in the old frame goes to the point with the same
/// local coordinates in the new frame. A frame is an origin and its x and y
/// axes; z is their normalized cross product. Each axis must be of unit
/// squared length within 50 DBL_EPSILON ("GUnitVector: using a NULL unit
/// vector", "GUnitVector: vector is not a unit vector") and the axes of each
/// frame orthogonal ("Vectors are not orthogonal"); the first failure stores
/// 2 in *err and leaves result untouched.
GMATH_API void OldToNewTransf(const GPosition& oldOrigin, const GUnitVector& oldX,
                              const GUnitVector& oldY, const GPosition& newOrigin,
                              const GUnitVector& newX, const GUnitVector& newY, GTransf& result,
                              long* err);

/// Pulls the matrix of in back onto the orthogonal group (MakeOrthogonalIt)
/// and sets the flags from the sign of the repaired determinant: *healed 1.
/// A matrix that cannot be repaired (the steps do not settle, or settle on a
/// singular matrix) gives out = in, *healed 0 and code 0. The translation and
/// scaling are kept. in and out may be the same object.
GMATH_API void GTransfHealer(const GTransf& in, GTransf& out, int* healed, long* err);

/// Angles about x, y and z, in radians, whose rotations Rx·Ry·Rz (x applied
/// first) reproduce the matrix of t, the triple with the smaller sum of
/// magnitudes; zeros when t has no rotation flag. origin receives the
/// translation. Always returns 0.
GMATH_API long GetRotAngles(const GTransf& t, double* angleX, double* angleY, double* angleZ,
                            GPosition& origin);

#endif
