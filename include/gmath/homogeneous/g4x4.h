#ifndef GMATH_HOMOGENEOUS_G4X4_H
#define GMATH_HOMOGENEOUS_G4X4_H

#include <cstddef>

#include "gmath/export.h"

// Homogeneous 4x4 matrix. Entry (r, c) is m_matrix[4r + c]; a position maps
// as the row (x, y, z, 1) times the matrix, divided by the fourth component:
// elements 0-2, 4-6, 8-10 are the linear block, 12-14 the translation and
// 3, 7, 11, 15 the perspective column.
typedef struct GMATH_API tagG4x4 {
  double m_matrix[16];
} G4x4;

static_assert(sizeof(G4x4) == 16 * sizeof(double), "G4x4 is sixteen doubles");

#endif
