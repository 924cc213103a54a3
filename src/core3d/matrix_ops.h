#ifndef GMATH_CORE3D_MATRIX_OPS_H
#define GMATH_CORE3D_MATRIX_OPS_H

#include "gmath/core3d/matrix.h"

namespace gmath::detail {

constexpr GMatrix kIdentityMatrix = {{{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}}};
constexpr GMatrix kZeroMatrix = {{{0.0, 0.0, 0.0}, {0.0, 0.0, 0.0}, {0.0, 0.0, 0.0}}};

// a·b, entry (i, j) summed over k in order: the body of the exported
// product, inline for the compositions that run in hot loops.
inline GMatrix Product(const GMatrix& a, const GMatrix& b) {
  const auto& x = a.m_matrix;
  const auto& y = b.m_matrix;
  GMatrix product;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      product.m_matrix[i][j] = x[i][0] * y[0][j] + x[i][1] * y[1][j] + x[i][2] * y[2][j];
    }
  }
  return product;
}

// The ortho-scale test on n x n doubles, row by row, with valid pointers and
// 1 <= n <= kMaxOrthoScaleOrder.
void OrthoScale(const double* matrix, int n, int* isOrthoScale, double* scale, long* err);

// Largest order the ortho-scale test accepts: its scratch storage grows with
// n², and a caller's mistaken n must not ask for gigabytes.
constexpr int kMaxOrthoScaleOrder = 1024;

}  // namespace gmath::detail

#endif
