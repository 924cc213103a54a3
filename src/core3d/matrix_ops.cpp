#include "core3d/matrix_ops.h"

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <memory>
#include <new>

#include "core3d/jacobi.h"
#include "frame/tolerance.h"

namespace {

// Orders up to this need no heap: MᵀM and its eigenvalues fit on the stack.
constexpr int kLocalOrder = 8;

// kOrder is the order when known at compile time (3 and 2, whose loops then
// unroll) and 0 for any other, as in the eigen-solver; the arithmetic is the
// same.
template <int kOrder>
int OrderOf(int n) {
  return kOrder > 0 ? kOrder : n;
}

// The upper triangle of MᵀM (all the eigen-solver reads).
template <int kOrder>
void UpperGram(const double* m, int order, double* gram) {
  const int n = OrderOf<kOrder>(order);
  for (int i = 0; i < n; ++i) {
    for (int j = i; j < n; ++j) {
      double sum = 0.0;
      for (int k = 0; k < n; ++k) sum += m[k * n + i] * m[k * n + j];
      gram[i * n + j] = sum;
    }
  }
}

// The scale test on the eigenvalues of MᵀM, descending. A value that is not
// strictly positive (NaN included) makes the matrix singular.
template <int kOrder>
void JudgeSingularValues(double* values, int order, double tol, int* isOrthoScale, double* scale) {
  const int n = OrderOf<kOrder>(order);
  double sum = 0.0;
  for (int i = 0; i < n; ++i) {
    if (!(values[i] > 0.0)) {
      *isOrthoScale = 0;
      return;
    }
    values[i] = std::sqrt(values[i]);
    sum += values[i];
  }
  const double mean = sum / n;
  *scale = mean;
  for (int i = 0; i < n; ++i) {
    if (std::abs(values[i] / mean - 1.0) > tol) {
      *isOrthoScale = 0;
      return;
    }
  }
}

template <int kOrder>
void OrthoScaleOf(const double* matrix, int n, int* isOrthoScale, double* scale, long* err) {
  *err = 0;
  *isOrthoScale = 1;
  *scale = DBL_MAX;
  const double tol = gmath::detail::RelativeTolerance();
  const std::size_t order = static_cast<std::size_t>(n);
  double local[kLocalOrder * kLocalOrder + kLocalOrder];
  std::unique_ptr<double[]> heap;
  double* gram = local;
  if (n > kLocalOrder) {
    heap.reset(new (std::nothrow) double[order * order + order]);
    if (heap == nullptr) {
      *err = 1;
      *isOrthoScale = 0;
      return;
    }
    gram = heap.get();
  }
  double* values = gram + order * order;
  UpperGram<kOrder>(matrix, n, gram);
  // Zeroed so that a solver that could not run leaves a singular verdict,
  // never uninitialised values.
  for (int i = 0; i < n; ++i) values[i] = 0.0;
  gmath::detail::JacobiEigen(n, n, gram, 0, values, nullptr, err);
  if (*err != 0) *isOrthoScale = 0;
  JudgeSingularValues<kOrder>(values, n, tol, isOrthoScale, scale);
}

}  // namespace

namespace gmath::detail {

void OrthoScale(const double* matrix, int n, int* isOrthoScale, double* scale, long* err) {
  switch (n) {
    case 2: return OrthoScaleOf<2>(matrix, n, isOrthoScale, scale, err);
    case 3: return OrthoScaleOf<3>(matrix, n, isOrthoScale, scale, err);
    default: return OrthoScaleOf<0>(matrix, n, isOrthoScale, scale, err);
  }
}

}  // namespace gmath::detail
