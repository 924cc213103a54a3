#ifndef GMATH_CORE3D_MATRIX_OPS_H
#define GMATH_CORE3D_MATRIX_OPS_H

#include "gmath/core3d/matrix.h"

namespace gmath::detail {

constexpr GMatrix kIdentityMatrix = {{{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}}};
constexpr GMatrix kZeroMatrix = {{{0.0, 0.0, 0.0}, {0.0, 0.0, 0.0}, {0.0, 0.0, 0.0}}};

// The ortho-scale test on n x n doubles, row by row, with valid pointers and
// 1 <= n <= kMaxOrthoScaleOrder.
void OrthoScale(const double* matrix, int n, int* isOrthoScale, double* scale, long* err);

// Largest order the ortho-scale test accepts: its scratch storage grows with
// n², and a caller's mistaken n must not ask for gigabytes.
constexpr int kMaxOrthoScaleOrder = 1024;

}  // namespace gmath::detail

#endif
