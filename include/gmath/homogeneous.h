#ifndef GMATH_HOMOGENEOUS_H
#define GMATH_HOMOGENEOUS_H

// Homogeneous 4x4 matrices, their builders and their exchange with
// transforms.
#include "gmath/homogeneous/builders.h"
#include "gmath/homogeneous/g4x4.h"

#endif
