#ifndef GMATH_HOMOGENEOUS_BUILDERS_H
#define GMATH_HOMOGENEOUS_BUILDERS_H

/// \file
/// Builders of G4x4 matrices: translation, scaling, rotation, perspective and the conversion of a
/// similarity transform.

#include "gmath/core3d/vector.h"
#include "gmath/export.h"
#include "gmath/homogeneous/g4x4.h"

// ---------------------------------------------------------------------------
// G4x4 builders
//
// Each stores 0 in *err first and on success overwrites m (it does not
// compose with what m held); on failure it stores 2, reports its message
// and leaves m as it was. The messages end with a line feed. The rotation
// and reflection builders first run Gassert_valid on their axis or normal,
// whose messages do not change *err.
// ---------------------------------------------------------------------------

///@{
/// Rotation(cosine, sine, axis). Fails with "q4x4: rotation cosine and sine
/// invalid\n" when |cosine² + sine² - 1| > resnor.
GMATH_API void Rotate4x4(double cosine, double sine, const GUnitVector& axis, G4x4& m,
                         long* err);
GMATH_API void Rotate4x4(double angle, const GUnitVector& axis, G4x4& m, long* err);
///@}
///@{
/// The same rotations about the axis through point: q -> (q - point)·R + point.
GMATH_API void Rotate4x4(double cosine, double sine, const GUnitVector& axis,
                         const GPosition& point, G4x4& m, long* err);
GMATH_API void Rotate4x4(double angle, const GUnitVector& axis, const GPosition& point, G4x4& m,
                         long* err);
///@}
///@{
/// Reflection in the plane through the origin, or through point.
GMATH_API void Reflect4x4(const GUnitVector& normal, G4x4& m, long* err);
GMATH_API void Reflect4x4(const GUnitVector& normal, const GPosition& point, G4x4& m, long* err);
///@}
/// The translation by v: the identity with v in elements 12 to 14.
GMATH_API void Translate4x4(const GVector& v, G4x4& m, long* err);
/// From the frame's local coordinates to global ones: rows x, y made
/// perpendicular to x, z = x × y; translation origin. Fails with
/// "q4x4: new axis vectors are collinear\n" when the axes are collinear.
GMATH_API void Coordinate4x4(const GPosition& origin, const GUnitVector& xAxis,
                             const GUnitVector& yAxis, G4x4& m, long* err);
///@{
/// diag(s, s, s, 1) or diag(sx, sy, sz, 1), with +0.0 elsewhere; with a
/// point, that point stays fixed.
GMATH_API void Scale4x4(double s, G4x4& m, long* err);
GMATH_API void Scale4x4(double s, const GPosition& point, G4x4& m, long* err);
GMATH_API void Scale4x4(double sx, double sy, double sz, G4x4& m, long* err);
GMATH_API void Scale4x4(double sx, double sy, double sz, const GPosition& point, G4x4& m,
                        long* err);
///@}

#endif
