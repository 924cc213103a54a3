#include <cfloat>
#include <cmath>
#include <cstddef>
#include <memory>
#include <new>

#include "core3d/common_ops.h"
#include "core3d/jacobi.h"
#include "core3d/matrix_ops.h"
#include "frame/constants.h"
#include "frame/tolerance.h"
#include "gmath/core3d/matrix.h"

namespace {

// Orders up to this need no heap: MᵀM and its eigenvalues fit on the stack.
constexpr int kLocalOrder = 8;
constexpr int kMaxOrthoSteps = 6;

using gmath::detail::kOrthoSettle;

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

// Within kOrthoSettle of the identity; written as "fails when greater" so
// that NaN entries count as settled.
bool IsNearIdentity(const GMatrix& p) {
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      const double deviation = i == j ? p.m_matrix[i][j] - 1.0 : p.m_matrix[i][j];
      if (std::abs(deviation) > kOrthoSettle) return false;
    }
  }
  return true;
}

bool AreSettled(const GMatrix& a, const GMatrix& b) {
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      if (std::abs(a.m_matrix[i][j] - b.m_matrix[i][j]) > kOrthoSettle) return false;
    }
  }
  return true;
}

bool IsFinite(const GMatrix& m) {
  for (const auto& row : m.m_matrix) {
    for (double entry : row) {
      if (!std::isfinite(entry)) return false;
    }
  }
  return true;
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

bool IsUnitOrthoScale(const double* matrix, int n) {
  int isOrthoScale = 0;
  double scale = 0.0;
  long err = 0;
  OrthoScale(matrix, n, &isOrthoScale, &scale, &err);
  return isOrthoScale == 1 && std::abs(scale - 1.0) <= gmath::detail::RelativeTolerance();
}

}  // namespace gmath::detail

void CheckOrthogonal(const GMatrix& m, double* diagonalDeviation, double* offDiagonalDeviation) {
  const GMatrix p = m * m.Transpose();
  double diagonal = 0.0;
  double offDiagonal = 0.0;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      double& largest = i == j ? diagonal : offDiagonal;
      const double deviation = std::abs(i == j ? p.m_matrix[i][j] - 1.0 : p.m_matrix[i][j]);
      if (deviation > largest) largest = deviation;
    }
  }
  *diagonalDeviation = diagonal;
  *offDiagonalDeviation = offDiagonal;
}

void CheckOrthoScale(double* matrix, int n, int* isOrthoScale, double* scale, long* err) {
  if (matrix != nullptr && isOrthoScale != nullptr && scale != nullptr && err != nullptr &&
      n >= 1 && n <= gmath::detail::kMaxOrthoScaleOrder) {
    gmath::detail::OrthoScale(matrix, n, isOrthoScale, scale, err);
    return;
  }
  if (err != nullptr) *err = 2;
  if (isOrthoScale != nullptr) *isOrthoScale = 0;
  if (scale != nullptr) *scale = DBL_MAX;
}

// out = in + in·(I - inᵀin)/2. The argument is copied first, so that in and
// out may be the same matrix.
void MakeOrthogonal(const GMatrix& in, GMatrix& out, long* err) {
  *err = 0;
  const GMatrix source = in;
  const GMatrix p = source.Transpose() * source;
  if (IsNearIdentity(p)) {
    out = source;
    return;
  }
  GMatrix q;
  for (int i = 0; i < 3; ++i) {
    q.m_matrix[i][i] = (1.0 - p.m_matrix[i][i]) * 0.5;
    for (int j = 0; j < i; ++j) {
      q.m_matrix[i][j] = p.m_matrix[i][j] * -0.5;
      q.m_matrix[j][i] = q.m_matrix[i][j];
    }
  }
  out = source * q;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) out.m_matrix[i][j] += source.m_matrix[i][j];
  }
}

// A step that overflows has diverged: its NaN entries would pass the settle
// test, so a non-finite step ends the iteration as a failure.
void MakeOrthogonalIt(const GMatrix& in, GMatrix& out, long* err) {
  *err = 0;
  const GMatrix original = in;
  GMatrix current = original;
  for (int count = 0; count < kMaxOrthoSteps; ++count) {
    MakeOrthogonal(current, out, err);
    if (*err != 0) return;
    if (!IsFinite(out)) break;
    if (AreSettled(out, current)) return;
    current = out;
  }
  out = original;
  *err = 2;
}
