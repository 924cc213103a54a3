#include "planar/planar_test.h"

namespace {

using namespace gmath::test;

using Matrix2dTest = GmathTest;

constexpr const char* kInvalidVector = "GVector2d does not have valid coordinates";

TEST_F(Matrix2dTest, BuildersAndAccess) {
  const GMatrix2d rows = BuildMatrix2d(GVector2d{1, 2}, GVector2d{3, 4}, 0);
  EXPECT_TRUE(HasRows(rows, {{{1, 2}, {3, 4}}}));
  EXPECT_TRUE(
      HasRows(BuildMatrix2d(GUnitVector2d{1, 2}, GUnitVector2d{3, 4}, -5), {{{1, 3}, {2, 4}}}));
  EXPECT_TRUE(HasRows(rows.Transpose(), {{{1, 3}, {2, 4}}}));
  EXPECT_EQ(GetDeterminant(rows), -2);
  EXPECT_TRUE(HasRows(rows * GMatrix2d{{{0, 1}, {1, 0}}}, {{{2, 1}, {4, 3}}}));
  EXPECT_TRUE(HasXy(rows[0], 1, 2));
  EXPECT_NO_MESSAGES();
  EXPECT_TRUE(HasXy(rows[2], 3, 4));
  EXPECT_MESSAGES("GMatrix2d: index out of range");
}

// Rows (c, s) and (-s, c), each renormalized: a counter-clockwise turn of
// row vectors.
TEST_F(Matrix2dTest, RotationAndReflection) {
  const GMatrix2d quarter = Rotation2d(0.0, 1.0);
  EXPECT_TRUE(HasXy(GPosition2d{1, 0} * quarter, 0, 1));
  EXPECT_TRUE(HasRows(Rotation2d(kPi / 2), quarter, 1e-16));
  EXPECT_NEAR(GetDeterminant(Rotation2d(0.7)), 1, 1e-15);
  EXPECT_NO_MESSAGES();
  EXPECT_TRUE(HasRows(Rotation2d(2.0, 0.0), kIdentity2d));
  EXPECT_MESSAGES("GMatrix2d: abs(cosine or sine of angle) > 1.0");
  EXPECT_TRUE(HasRows(Rotation2d(0.0, 0.0), {{{0, 0}, {0, 0}}}));
  EXPECT_MESSAGES("GUnitVector2d: tried to create a NULL unit vector",
                  "GUnitVector2d: tried to create a NULL unit vector");

  EXPECT_TRUE(HasRows(Reflection2d({1, 0}), {{{1, 0}, {0, -1}}}));
  const GMatrix2d diagonal = Reflection2d(BuildUnitVector2d(1, 1));
  EXPECT_TRUE(HasRows(diagonal, {{{0, 1}, {1, 0}}}, 1e-15));
  EXPECT_NEAR(GetDeterminant(diagonal), -1, 1e-15);
  // The mirror line's direction is normalized before use.
  EXPECT_TRUE(HasRows(Reflection2d({0, 3}), {{{-1, 0}, {0, 1}}}));
}

// Each entry within resnor, inclusive; a NaN difference is not within.
TEST_F(Matrix2dTest, EqualityIsPerEntryAndInclusive) {
  const double r = GetRelativeTolerance();
  EXPECT_EQ((GMatrix2d{{{1, 0}, {0, 0}}}).IsEqual({{{1, 0}, {0, r}}}), 1);
  EXPECT_EQ((GMatrix2d{{{1, 0}, {0, 0}}}).IsEqual({{{1, 0}, {0, Above(r)}}}), 0);
  EXPECT_EQ((GMatrix2d{{{0, 0}, {r, 0}}}).IsNull(), 1);
  EXPECT_EQ((GMatrix2d{{{0, Above(r)}, {0, 0}}}).IsNull(), 0);
  EXPECT_EQ((GMatrix2d{{{1, 0}, {0, 1 + 2 * r}}}).IsIdentity(), 0);
  EXPECT_EQ((GMatrix2d{{{kNaN, 0}, {0, 1}}}).IsIdentity(), 0);
}

TEST_F(Matrix2dTest, EuclideanIsAUnitOrthoScale) {
  EXPECT_EQ(Rotation2d(0.3).IsEuclidean(), 1);
  EXPECT_EQ(Reflection2d(BuildUnitVector2d(2, 1)).IsEuclidean(), 1);
  EXPECT_EQ((GMatrix2d{{{2, 0}, {0, 2}}}).IsEuclidean(), 0);
  EXPECT_EQ((GMatrix2d{{{1, 0}, {0, 0}}}).IsEuclidean(), 0);
  EXPECT_EQ((GMatrix2d{{{1, 1}, {0, 1}}}).IsEuclidean(), 0);
}

TEST_F(Matrix2dTest, OrthogonalizationStep) {
  long err = -1;
  GMatrix2d out = {{{9, 9}, {9, 9}}};
  MakeOrthogonal(kIdentity2d, out, &err);
  EXPECT_TRUE(HasRows(out, kIdentity2d));
  EXPECT_EQ(err, 0);
  const double f = 1.01 * (3 - 1.01 * 1.01) / 2;
  MakeOrthogonal({{{1.01, 0}, {0, 1.01}}}, out, &err);
  EXPECT_TRUE(HasRows(out, {{{f, 0}, {0, f}}}, 1e-15));
  EXPECT_NEAR(f, 0.9998495, 1e-12);
  // in and out may be one matrix; repeated steps settle on the rotation.
  const GMatrix2d turn = Rotation2d(0.4);
  GMatrix2d m = {{{turn.m_matrix[0][0] + 1e-6, turn.m_matrix[0][1]},
                  {turn.m_matrix[1][0], turn.m_matrix[1][1] - 2e-6}}};
  for (int i = 0; i < 4; ++i) MakeOrthogonal(m, m, &err);
  EXPECT_TRUE(HasRows(m, turn, 2e-6));
  EXPECT_NEAR(GetDeterminant(m), 1, 1e-15);
  EXPECT_EQ(err, 0);
}

// v·M uses the rows, M·v the columns. Vector products check their result,
// unit-vector products renormalize it.
TEST_F(Matrix2dTest, ProductsOfPlanarValues) {
  const GMatrix2d m = {{{1, 2}, {3, 4}}};
  EXPECT_TRUE(HasXy(GPosition2d{1, 1} * m, 4, 6));
  EXPECT_TRUE(HasXy(m * GPosition2d{1, 1}, 3, 7));
  EXPECT_TRUE(HasXy(GVector2d{1, 1} * m, 4, 6));
  EXPECT_TRUE(HasXy(m * GVector2d{1, 1}, 3, 7));
  EXPECT_TRUE(HasXy(TimesAssigned(GPosition2d{1, 0}, m), 1, 2));
  EXPECT_TRUE(HasXy(TimesAssigned(GVector2d{0, 1}, m), 3, 4));
  EXPECT_TRUE(HasXy(TimesAssigned(GUnitVector2d{0, 1}, m), 3 * 0.2, 4 * 0.2));
  EXPECT_TRUE(HasXy(m * GUnitVector2d{0, 1}, 2 * (1 / std::sqrt(20.0)), 4 * (1 / std::sqrt(20.0))));
  EXPECT_NO_MESSAGES();

  const GMatrix2d twice = {{{2, 0}, {0, 2}}};
  EXPECT_TRUE(HasXy(GVector2d{1e30, 0} * twice, 2e30, 0));
  EXPECT_TRUE(std::isnan((twice * GVector2d{0, kNaN}).m_y));
  EXPECT_MESSAGES(kInvalidVector, kInvalidVector);
  EXPECT_TRUE(HasXy(GUnitVector2d{1e30, 0} * twice, 2e30 * (1 / 2e30), 0));
  EXPECT_TRUE(HasXy(GPosition2d{1e30, 0} * twice, 2e30, 0));
  EXPECT_MESSAGES(kInvalidVector);
}

}  // namespace
