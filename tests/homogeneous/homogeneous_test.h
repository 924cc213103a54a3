#ifndef GMATH_TESTS_HOMOGENEOUS_HOMOGENEOUS_TEST_H
#define GMATH_TESTS_HOMOGENEOUS_HOMOGENEOUS_TEST_H

#include <cmath>

#include "core3d/core3d_test.h"

namespace gmath::test {

inline constexpr G4x4 kIdentity4x4 = {{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}};

// The sixteen elements, within tol (0: exactly; -0 equals 0).
inline ::testing::AssertionResult HasElements(const G4x4& g, const G4x4& expected,
                                              double tol = 0.0) {
  for (int k = 0; k < 16; ++k) {
    if (!(std::abs(g.m_matrix[k] - expected.m_matrix[k]) <= tol)) {
      return ::testing::AssertionFailure()
             << "element " << k << " is " << g.m_matrix[k] << ", not " << expected.m_matrix[k];
    }
  }
  return ::testing::AssertionSuccess();
}

// Entries in [-1, 1] with 4 added on the diagonal: far from singular.
inline G4x4 RandomWellConditioned(Random& random) {
  G4x4 g;
  for (int k = 0; k < 16; ++k) g.m_matrix[k] = random.Uniform(-1, 1) + (k % 5 == 0 ? 4 : 0);
  return g;
}

}  // namespace gmath::test

#endif
