#ifndef GMATH_TESTS_PLANAR_PLANAR_TEST_H
#define GMATH_TESTS_PLANAR_PLANAR_TEST_H

#include <cmath>

#include "core3d/core3d_test.h"
#include "gmath/gmath.h"

namespace gmath::test {

inline constexpr GMatrix2d kIdentity2d = {{{1, 0}, {0, 1}}};

// Both coordinates, within tol (0: exactly).
template <class V>
::testing::AssertionResult HasXy(const V& v, double x, double y, double tol = 0.0) {
  if (std::abs(v.m_x - x) <= tol && std::abs(v.m_y - y) <= tol) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "(" << v.m_x << ", " << v.m_y << ")";
}

inline ::testing::AssertionResult HasRows2d(const GMatrix2d& m, const GMatrix2d& expected,
                                            double tol = 0.0) {
  for (int i = 0; i < 2; ++i) {
    for (int j = 0; j < 2; ++j) {
      if (!(std::abs(m.m_matrix[i][j] - expected.m_matrix[i][j]) <= tol)) {
        return ::testing::AssertionFailure() << "entry " << i << j << " is " << m.m_matrix[i][j];
      }
    }
  }
  return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult HasBox(const GBox2d& b, double lowX, double lowY, double highX,
                                         double highY, double tol = 0.0) {
  if (HasXy(b.m_low, lowX, lowY, tol) && HasXy(b.m_high, highX, highY, tol)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "(" << b.m_low.m_x << ", " << b.m_low.m_y << ")-("
                                       << b.m_high.m_x << ", " << b.m_high.m_y << ")";
}

}  // namespace gmath::test

#endif
