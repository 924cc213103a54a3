#ifndef GMATH_CORE3D_H
#define GMATH_CORE3D_H

/// \file
/// The 3D value types and their operations, in one include.

// The 3D value types: positions, vectors and unit vectors, matrices and
// their orthogonalization, similarity transforms, boxes, the products that
// move them, and the repair and decomposition of transforms.
#include "gmath/core3d/box.h"
#include "gmath/core3d/matrix.h"
#include "gmath/core3d/products.h"
#include "gmath/core3d/repair.h"
#include "gmath/core3d/transf.h"
#include "gmath/core3d/vector.h"

#endif
