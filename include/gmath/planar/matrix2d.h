#ifndef GMATH_PLANAR_MATRIX2D_H
#define GMATH_PLANAR_MATRIX2D_H

#include "gmath/export.h"

// 2x2 matrix stored row by row, acting on row vectors from the right.
typedef struct GMATH_API tagGMatrix2d {
  double m_matrix[2][2];
} GMatrix2d;

static_assert(sizeof(GMatrix2d) == 4 * sizeof(double), "GMatrix2d layout");

#endif
