#ifndef GMATH_PLANAR_H
#define GMATH_PLANAR_H

/// \file
/// The planar (2D) value types and their conversions to and from 3D, in one include.

// Planar values and their conversions to and from the spatial ones.
#include "gmath/planar/box2d.h"
#include "gmath/planar/convert.h"
#include "gmath/planar/matrix2d.h"
#include "gmath/planar/transf2d.h"
#include "gmath/planar/vector2d.h"

#endif
