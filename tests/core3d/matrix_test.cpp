#include <cfloat>

#include "core3d/core3d_test.h"

namespace {

using namespace gmath::test;

class MatrixTest : public GmathTest {};

constexpr const char* kBadAngle = "GMatrix: abs(cosine or sine of angle) > 1.0";

TEST_F(MatrixTest, PlacementChoosesRowsOrColumnsAndRowsAreBounded) {
  EXPECT_TRUE(HasRows(BuildMatrix(GUnitVector{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, 0), kIdentity));
  const GMatrix m = BuildMatrix(GVector{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, -1);
  EXPECT_TRUE(HasRows(m, {{{1, 4, 7}, {2, 5, 8}, {3, 6, 9}}}));
  EXPECT_TRUE(HasXyz(m[1], 2, 5, 8));
  EXPECT_NO_MESSAGES();
  EXPECT_TRUE(HasXyz(m[3], 3, 6, 9));
  EXPECT_MESSAGES("GMatrix: index out of range");
}

TEST_F(MatrixTest, EqualityIsPerEntryInclusiveAndLetsNaNPass) {
  const double tol = GetRelativeTolerance();
  GMatrix m = kIdentity;
  m.m_matrix[1][2] = tol;
  EXPECT_EQ(m.IsIdentity(), 1);
  m.m_matrix[2][0] = -Above(tol);
  EXPECT_EQ(m.IsIdentity(), 0);
  m.m_matrix[2][0] = kNaN;
  EXPECT_EQ(m.IsIdentity(), 1);
  EXPECT_EQ(GMatrix({{{tol, -tol, tol}, {tol, tol, -tol}, {tol, tol, tol}}}).IsNull(), 1);
  EXPECT_EQ(Diagonal(0, Above(tol), 0).IsNull(), 0);
}

// The six products are summed in one fixed order: the exact determinant of
// this matrix is -6, and that order loses the 1 of 2^53 + 1.
TEST_F(MatrixTest, DeterminantKeepsItsOrderOfSummation) {
  const double big = 9007199254740992.0;
  EXPECT_EQ(GetDeterminant({{{0, 3, 3}, {-1, big, 1}, {-1, big, -1}}}), -7.0);
  EXPECT_EQ(GetDeterminant(Reflection({0, 1, 0})), -1.0);
}

// Row vectors: A·B applies A first, so the product does not commute.
TEST_F(MatrixTest, ProductAppliesTheLeftFactorFirst) {
  const GMatrix a = {{{1, 2, 0}, {0, 1, 0}, {0, 0, 1}}};
  const GMatrix b = {{{1, 0, 0}, {3, 1, 0}, {0, 0, 1}}};
  EXPECT_TRUE(HasRows(a * b, {{{7, 2, 0}, {3, 1, 0}, {0, 0, 1}}}));
  EXPECT_TRUE(HasRows(TimesAssigned(b, a), {{{1, 2, 0}, {3, 7, 0}, {0, 0, 1}}}));
}

// The bound is exactly 1, and nothing checks c² + s² = 1.
TEST_F(MatrixTest, RotationTurnsXTowardsYAndReportsBadArguments) {
  const GUnitVector z = {0, 0, 1};
  EXPECT_TRUE(HasRows(Rotation(0.0, 1.0, z), {{{0, 1, 0}, {-1, 0, 0}, {0, 0, 1}}}));
  EXPECT_TRUE(HasRows(Rotation(kPi / 2, z), {{{0, 1, 0}, {-1, 0, 0}, {0, 0, 1}}}, 1e-16));
  EXPECT_TRUE(HasRows(Rotation(-1.0, 0.0, {1, 0, 0}), Diagonal(1, -1, -1)));
  EXPECT_NO_MESSAGES();
  EXPECT_TRUE(HasRows(Rotation(2.0, 0.0, z), Diagonal(2, 2, 1)));
  Rotation(0.0, -Above(1.0), z);
  EXPECT_MESSAGES(kBadAngle, kBadAngle);
}

TEST_F(MatrixTest, ReflectionUsesTheNormalAsGiven) {
  EXPECT_TRUE(HasRows(Reflection({0, 0, 2}), Diagonal(1, 1, -7)));
  EXPECT_TRUE(
      HasRows(Reflection(BuildUnitVector(1, 1, 0)), {{{0, -1, 0}, {-1, 0, 0}, {0, 0, 1}}}, 1e-15));
}

// s·I has the exact scale s, and the tolerance is set to s - 1 itself.
TEST_F(MatrixTest, EuclideanScaleBoundIsInclusive) {
  const double s = 1 + 1024 * DBL_EPSILON;
  long err = 0;
  SetRelativeTolerance(s - 1, &err);
  ASSERT_EQ(err, 0);
  GMatrix m = Diagonal(s, -s, s);
  int isOrthoScale = 0;
  double scale = 0;
  CheckOrthoScale(&m.m_matrix[0][0], 3, &isOrthoScale, &scale, &err);
  ASSERT_EQ(scale, s);
  EXPECT_EQ(m.IsEuclidean(), 1);
  EXPECT_EQ(Diagonal(Above(s), Above(s), Above(s)).IsEuclidean(), 0);
}

}  // namespace
