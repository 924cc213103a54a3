#include <cfloat>
#include <cmath>
#include <ostream>
#include <vector>

#include "core3d/core3d_test.h"

namespace {

using namespace gmath::test;

struct OrthoScale {
  int isOrthoScale;
  double scale;
  long err;
  bool operator==(const OrthoScale& o) const {
    return isOrthoScale == o.isOrthoScale && scale == o.scale && err == o.err;
  }
};
std::ostream& operator<<(std::ostream& out, const OrthoScale& r) {
  return out << "{" << r.isOrthoScale << ", " << r.scale << ", " << r.err << "}";
}

class OrthoScaleTest : public GmathTest {
 protected:
  static OrthoScale Check(double* entries, int n) {
    OrthoScale r = {7, -1.0, 7};
    CheckOrthoScale(entries, n, &r.isOrthoScale, &r.scale, &r.err);
    return r;
  }
  static OrthoScale Check(GMatrix m) { return Check(&m.m_matrix[0][0], 3); }
};

TEST_F(OrthoScaleTest, UniformScaleIsFoundAndSingularValuesAreChecked) {
  EXPECT_EQ(Check(Diagonal(2, -2, 2)), (OrthoScale{1, 2.0, 0}));
  EXPECT_EQ(Check(Diagonal(1, 1, 0)), (OrthoScale{0, DBL_MAX, 0}));
  EXPECT_EQ(Check(Diagonal(1, kNaN, 1)), (OrthoScale{0, DBL_MAX, 0}));
  EXPECT_EQ(Check(Diagonal(1, 1.1, 1)), (OrthoScale{0, (1.1 + 1.0 + 1.0) / 3, 0}));
}

// A diagonal input is solved without a rotation and its values are summed
// largest first: 2^53 + 1 + 1 stays 2^53, any other order reaches 2^53 + 2.
TEST_F(OrthoScaleTest, SingularValuesAreSummedInDescendingOrder) {
  const double big = 9007199254740992.0;
  EXPECT_EQ(Check(Diagonal(1, 1, big)).scale, big / 3);
  EXPECT_EQ(Check(Diagonal(1, -big, 1)).scale, big / 3);
}

// Rows a, b, a + b: rounding may leave a tiny eigenvalue of either sign,
// never one close to the others.
TEST_F(OrthoScaleTest, SingularMatricesAreNeverOrthoScaled) {
  for (unsigned seed = 1; seed <= 50; ++seed) {
    Random random(seed);
    const GVector a = random.Vector(1);
    const GVector b = random.Vector(1);
    const GVector c = {a.m_x + b.m_x, a.m_y + b.m_y, a.m_z + b.m_z};
    EXPECT_EQ(Check(BuildMatrix(a, b, c, 0)).isOrthoScale, 0);
  }
}

// U·diag(s)·V with U, V orthogonal has the singular values s: the
// eigenvalues of MᵀM show in their mean.
TEST_F(OrthoScaleTest, RandomMatricesWithKnownSingularValues) {
  for (unsigned seed = 1; seed <= 100; ++seed) {
    Random random(seed);
    const double s[3] = {random.Uniform(0.1, 10), random.Uniform(0.1, 10), random.Uniform(0.1, 10)};
    const GMatrix u = random.Orthogonal();
    const OrthoScale r = Check(u * Diagonal(s[0], s[1], s[2]) * random.Orthogonal());
    const double mean = (s[0] + s[1] + s[2]) / 3;
    EXPECT_NEAR(r.scale, mean, 1e-12 * mean);
    EXPECT_EQ(r.isOrthoScale, 0);
    const OrthoScale similar = Check(u * Diagonal(s[0], s[0], s[0]));
    EXPECT_EQ(similar.isOrthoScale, 1);
    EXPECT_NEAR(similar.scale, s[0], 1e-14 * s[0]);
  }
}

// In order 2, (s1 + s2)² = trace(MᵀM) + 2·|det M|. Nearly singular draws
// are skipped: there the square root magnifies the eigenvalue's rounding.
TEST_F(OrthoScaleTest, OrderTwoReproducesTraceAndDeterminant) {
  for (unsigned seed = 1; seed <= 100; ++seed) {
    Random random(seed);
    double m[4];
    for (double& entry : m) entry = random.Uniform(-3, 3);
    const double trace = m[0] * m[0] + m[1] * m[1] + m[2] * m[2] + m[3] * m[3];
    const double det = std::abs(m[0] * m[3] - m[1] * m[2]);
    if (det < 0.1) continue;
    const double sum = 2 * Check(m, 2).scale;
    EXPECT_NEAR(sum * sum, trace + 2 * det, 1e-13 * trace);
  }
}

// Orders other than 2 and 3 work up to 1024, on the heap above 8.
TEST_F(OrthoScaleTest, OtherOrdersWorkAndBadArgumentsAreRejected) {
  double one[1] = {-3};
  EXPECT_EQ(Check(one, 1).scale, 3.0);
  std::vector<double> nine(81, 0.0);
  for (int i = 0; i < 9; ++i) nine[static_cast<std::size_t>(i * 10)] = i % 2 == 0 ? 2.0 : -2.0;
  EXPECT_EQ(Check(nine.data(), 9), (OrthoScale{1, 2.0, 0}));
  for (int n : {0, -2147483647 - 1, 1025})
    EXPECT_EQ(Check(one, n), (OrthoScale{0, DBL_MAX, 2})) << n;
  EXPECT_EQ(Check(nullptr, 3), (OrthoScale{0, DBL_MAX, 2}));
  CheckOrthoScale(one, 1, nullptr, nullptr, nullptr);
}

class OrthogonalizeTest : public GmathTest {
 protected:
  static GMatrix Perturbed(GMatrix m, Random& random, double size) {
    for (auto& row : m.m_matrix) {
      for (double& entry : row) entry += random.Uniform(-size, size);
    }
    return m;
  }
};

TEST_F(OrthogonalizeTest, CheckOrthogonalMeasuresBothDeviations) {
  double diagonal = -1;
  double offDiagonal = -1;
  CheckOrthogonal({{{1, 0, 0}, {-0.5, 1, 0}, {0, 0, 1}}}, &diagonal, &offDiagonal);
  EXPECT_EQ(diagonal, 0.25);
  EXPECT_EQ(offDiagonal, 0.5);
}

// One step leaves orthonormal input alone and squares a small error; the
// iteration settles near the orthogonal matrix. In and out may be one matrix.
TEST_F(OrthogonalizeTest, StepAndIteration) {
  long err = 7;
  GMatrix out;
  const GMatrix permutation = {{{0, 1, 0}, {0, 0, -1}, {1, 0, 0}}};
  MakeOrthogonal(permutation, out, &err);
  EXPECT_TRUE(HasRows(out, permutation));
  EXPECT_EQ(err, 0);
  MakeOrthogonal(Diagonal(3, 3, 3), out, &err);
  EXPECT_TRUE(HasRows(out, Diagonal(-9, -9, -9)));
  for (unsigned seed = 1; seed <= 20; ++seed) {
    Random random(seed);
    const GMatrix orthogonal = random.Orthogonal();
    GMatrix near = Perturbed(orthogonal, random, 1e-6);
    MakeOrthogonal(near, out, &err);
    EXPECT_LT(OrthoDeviation(out), 1e-10);
    GMatrix same = near;
    MakeOrthogonal(same, same, &err);
    EXPECT_TRUE(HasRows(same, out));
    err = 7;
    MakeOrthogonalIt(near, out, &err);
    EXPECT_EQ(err, 0);
    EXPECT_LT(OrthoDeviation(out), 1e-14);
    EXPECT_TRUE(HasRows(out, orthogonal, 1e-5));
    MakeOrthogonalIt(near, near, &err);
    EXPECT_TRUE(HasRows(near, out));
  }
}

// 1.2·I settles on the sixth step; 1.3·I would on the seventh, which is not
// taken: the argument comes back with code 2, also when it is the output.
TEST_F(OrthogonalizeTest, IterationStopsAfterSixSteps) {
  GMatrix out;
  long err = 7;
  MakeOrthogonalIt(Diagonal(1.2, 1.2, 1.2), out, &err);
  EXPECT_EQ(err, 0);
  EXPECT_TRUE(HasRows(out, kIdentity));
  for (double s : {1.3, 3.0}) {
    GMatrix same = Diagonal(s, s, s);
    MakeOrthogonalIt(same, same, &err);
    EXPECT_EQ(err, 2) << s;
    EXPECT_TRUE(HasRows(same, Diagonal(s, s, s))) << s;
  }
}

// Diverging steps overflow into NaN, which the entry-wise settle test
// would let through; that must still be a failure.
TEST_F(OrthogonalizeTest, OverflowIsAFailureNotASettlement) {
  GMatrix out;
  long err = 7;
  MakeOrthogonalIt(Diagonal(1e10, 1e10, 1e10), out, &err);
  EXPECT_EQ(err, 2);
  EXPECT_TRUE(HasRows(out, Diagonal(1e10, 1e10, 1e10)));
  MakeOrthogonalIt(Diagonal(1, kNaN, 1), out, &err);
  EXPECT_EQ(err, 2);
  EXPECT_TRUE(std::isnan(out.m_matrix[1][1]));
}

}  // namespace
