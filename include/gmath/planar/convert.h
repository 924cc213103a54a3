#ifndef GMATH_PLANAR_CONVERT_H
#define GMATH_PLANAR_CONVERT_H

/// \file
/// Conversions between planar and spatial values.

#include "gmath/export.h"
#include "gmath/homogeneous/g4x4.h"
#include "gmath/planar/transf2d.h"

// The planar values of the 3D types are their Convert2d and Convert3d
// members (core3d headers). This is the checked way from a homogeneous
// matrix to a planar transform.

/// 0 and the planar similarity in t when g is exactly one: element 15 is 1,
/// elements 3, 7, 11 (perspective), 2, 6, 8, 9 (z coupled with x and y) and
/// 14 (z translation) are 0 — compared exactly, element 10 is not looked at —
/// and the upper-left 2x2 block is a uniform scale times a rotation or
/// reflection. Otherwise 2, and t is left as it was.
GMATH_API long ConvertG4x4ToGTransf2d(const G4x4& g, GTransf2d& t);

#endif
