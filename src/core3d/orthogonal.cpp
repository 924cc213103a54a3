#include <cfloat>
#include <cmath>

#include "core3d/matrix_ops.h"
#include "frame/constants.h"
#include "frame/report.h"
#include "gmath/core3d/matrix.h"

namespace {

constexpr int kMaxOrthoSteps = 6;

using gmath::detail::kOrthoSettle;

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

}  // namespace

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
  if (err != nullptr) *err = gmath::detail::kRejected;
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
  *err = gmath::detail::kRejected;
}
