// The eigen-solver behind the ortho-scale test, seen directly: its
// eigenvectors and its ordering cannot be observed through the public
// interface.
#include "core3d/jacobi.h"

#include <cmath>
#include <vector>

#include "properties/property_test.h"

namespace {

using namespace gmath::test;
using gmath::detail::JacobiEigen;
using gmath::detail::kJacobiWithVectors;

struct Solution {
  std::vector<double> values;
  std::vector<double> vectors;
  long err = -1;
};

Solution Solve(int n, const std::vector<double>& a, int mode = kJacobiWithVectors) {
  Solution s;
  s.values.assign(static_cast<std::size_t>(n), -7.0);
  s.vectors.assign(static_cast<std::size_t>(n * n), -7.0);
  JacobiEigen(n, n, a.data(), mode, s.values.data(), s.vectors.data(), &s.err);
  return s;
}

// Equal eigenvalues put the later index first, and the eigenvector rows
// travel with them.
TEST(JacobiEigen, TiesMoveTheLaterIndexForward) {
  const Solution s = Solve(3, {1, 0, 0, 0, 1, 0, 0, 0, 1});
  EXPECT_EQ(s.err, 0);
  EXPECT_EQ(s.values, (std::vector<double>{1, 1, 1}));
  EXPECT_EQ(s.vectors, (std::vector<double>{0, 0, 1, 1, 0, 0, 0, 1, 0}));
}

TEST(JacobiEigen, DiagonalInputComesBackSortedWithPermutedAxes) {
  const Solution s = Solve(3, {2, 0, 0, 0, 5, 0, 0, 0, -1});
  EXPECT_EQ(s.values, (std::vector<double>{5, 2, -1}));
  EXPECT_EQ(s.vectors, (std::vector<double>{0, 1, 0, 1, 0, 0, 0, 0, 1}));
}

// Only the upper triangle is read, and the eigenvectors are written only
// when asked for.
TEST(JacobiEigen, ReadsTheUpperTriangleAndWritesVectorsOnlyInTheirMode) {
  const Solution full = Solve(2, {2, 1, 1, 2});
  const Solution upper = Solve(2, {2, 1, 99, 2}, 0);
  EXPECT_EQ(full.values, upper.values);
  EXPECT_EQ(upper.vectors, (std::vector<double>(4, -7.0)));
  EXPECT_NEAR(full.values[0], 3.0, 1e-15);
  EXPECT_NEAR(full.values[1], 1.0, 1e-15);
}

// Random symmetric matrices, on the local storage (n <= 8) and the heap:
// V·A·Vᵀ is diagonal with the eigenvalues on it, V is orthonormal, and the
// eigenvalues come out descending.
TEST(JacobiEigen, EigenvectorsDiagonaliseRandomSymmetricMatrices) {
  int draw = 0;
  ForSeeds("symmetric matrices", 40, [&draw](Random& random) {
    const int n = 1 + draw++ % 12;
    std::vector<double> a(static_cast<std::size_t>(n * n));
    for (int i = 0; i < n; ++i) {
      for (int j = i; j < n; ++j) a[i * n + j] = a[j * n + i] = random.Uniform(-10, 10);
    }
    const Solution s = Solve(n, a);
    ASSERT_EQ(s.err, 0);
    for (int i = 0; i + 1 < n; ++i) EXPECT_GE(s.values[i], s.values[i + 1]);
    for (int i = 0; i < n; ++i) {
      for (int j = 0; j < n; ++j) {
        double vav = 0.0;
        double vv = 0.0;
        for (int k = 0; k < n; ++k) {
          vv += s.vectors[i * n + k] * s.vectors[j * n + k];
          for (int l = 0; l < n; ++l)
            vav += s.vectors[i * n + k] * a[k * n + l] * s.vectors[j * n + l];
        }
        EXPECT_NEAR(vav, i == j ? s.values[i] : 0.0, 1e-11) << "(" << i << ", " << j << ")";
        EXPECT_NEAR(vv, i == j ? 1.0 : 0.0, 1e-13) << "(" << i << ", " << j << ")";
      }
    }
  });
}

}  // namespace
