#ifndef GMATH_HOMOGENEOUS_H
#define GMATH_HOMOGENEOUS_H

/// \file
/// The 4x4 homogeneous matrices and their builders, in one include.

// Homogeneous 4x4 matrices, their builders and their exchange with
// transforms.
#include "gmath/homogeneous/builders.h"
#include "gmath/homogeneous/g4x4.h"

#endif
