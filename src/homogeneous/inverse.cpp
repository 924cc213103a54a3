#include <cmath>
#include <utility>

#include "frame/constants.h"
#include "frame/report.h"
#include "gmath/homogeneous/g4x4.h"

namespace {

constexpr int kOrder = 4;
constexpr int kWidth = 2 * kOrder;

// The augmented array [A | I] of Gauss-Jordan elimination, A in the row
// reading, with the pivot column chosen at each step.
struct Elimination {
  double a[kOrder][kWidth];
  int column[kOrder];
  bool pivoted[kOrder];
};

// The entry of largest magnitude in rows k..3, scanned row by row from
// column 0; a later entry wins only when strictly larger. NaN never wins, so
// a block of zeros and NaN answers 0.
double FindPivot(const Elimination& e, int k, int& row, int& col) {
  double best = 0.0;
  row = k;
  col = 0;
  for (int r = k; r < kOrder; ++r) {
    for (int c = 0; c < kOrder; ++c) {
      const double magnitude = std::abs(e.a[r][c]);
      if (magnitude > best) {
        best = magnitude;
        row = r;
        col = c;
      }
    }
  }
  return best;
}

// The other rows subtract a copy of the divided pivot row, which they
// cannot overwrite, so the compiler need not reload it.
void Eliminate(Elimination& e, int k, int row, int col) {
  if (row != k) std::swap(e.a[row], e.a[k]);
  double pivotRow[kWidth];
  const double pivot = e.a[k][col];
  for (int c = 0; c < kWidth; ++c) pivotRow[c] = e.a[k][c] = e.a[k][c] / pivot;
  for (int j = 0; j < kOrder; ++j) {
    if (j == k) continue;
    const double factor = e.a[j][col];
    for (int c = 0; c < kWidth; ++c) e.a[j][c] = e.a[j][c] - factor * pivotRow[c];
  }
}

int FirstFreeColumn(const Elimination& e) {
  int c = 0;
  while (c < kOrder - 1 && e.pivoted[c]) ++c;
  return c;
}

// 0 when the rows from k on are exhausted zeros, NaN when they hold NaN: an
// unknown entry must not come out as a clean zero.
double ExhaustedValue(const Elimination& e, int k) {
  double value = 0.0;
  for (int r = k; r < kOrder; ++r) {
    for (int c = 0; c < kOrder; ++c) value += e.a[r][c] * 0.0;
  }
  return value;
}

}  // namespace

// When the rows still to be pivoted are all zero (the pivot is exactly 0),
// there is nothing to divide by: each such step takes the lowest column not
// yet pivoted and its row of the result becomes zero. For a finite matrix
// the result g then satisfies a·g·a = a, and it is the inverse whenever one
// exists.
G4x4 G4x4::Inverse() const {
  // Every entry is written before it is read but the pivot marks, so only
  // they are cleared.
  Elimination e;
  for (bool& pivoted : e.pivoted) pivoted = false;
  for (int r = 0; r < kOrder; ++r) {
    for (int c = 0; c < kOrder; ++c) {
      e.a[r][c] = m_matrix[kOrder * r + c];
      e.a[r][kOrder + c] = r == c ? 1.0 : 0.0;
    }
  }
  for (int k = 0; k < kOrder; ++k) {
    int row = k;
    int col = 0;
    const double magnitude = FindPivot(e, k, row, col);
    if (magnitude < gmath::detail::kSingularPivot) {
      gmath::detail::Report("Can't find inverse since the g4x4 is singular");
    }
    if (magnitude == 0.0) {
      const double value = ExhaustedValue(e, k);
      col = FirstFreeColumn(e);
      for (int c = kOrder; c < kWidth; ++c) e.a[k][c] = value;
    } else {
      Eliminate(e, k, row, col);
    }
    e.column[k] = col;
    e.pivoted[col] = true;
  }
  G4x4 inverse;
  for (int k = 0; k < kOrder; ++k) {
    for (int c = 0; c < kOrder; ++c) inverse.m_matrix[kOrder * e.column[k] + c] = e.a[k][kOrder + c];
  }
  return inverse;
}
