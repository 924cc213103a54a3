#include "homogeneous/homogeneous_test.h"

namespace {

using namespace gmath::test;

class ProductsTest : public GmathTest {
 protected:
  static constexpr const char* kPositionWeight =
      "GPosition: in multiplying G4x4, trying to divide by 0.0";
  static constexpr const char* kVectorWeight =
      "GVector: multiplying by G4x4, trying to divide by 0.0";
};

// Positions are translated, vectors are not, unit vectors ignore the
// scaling (even a negative one) and report shear.
TEST_F(ProductsTest, TransformsMoveEachKindItsOwnWay) {
  const GTransf t = ScaleTransf(2.0, {1, 1, 1});
  EXPECT_TRUE(HasXyz(TimesAssigned(GPosition{1, 0, 0}, t), 1, -1, -1));
  EXPECT_TRUE(HasXyz(TimesAssigned(GVector{1, 0, 0}, t), 2, 0, 0));
  EXPECT_TRUE(HasXyz(TimesAssigned(GUnitVector{1, 0, 0}, ScaleTransf(-1.0)), 1, 0, 0));
  const GMatrix m = {{{1, 2, 3}, {-4, 5, 6}, {7, -8, 9}}};
  EXPECT_TRUE(HasXyz(TimesAssigned(GPosition{0.5, -1.5, 2}, m), 20.5, -22.5, 10.5));
  const GUnitVector column = m * BuildUnitVector(1, 2, 2);
  const GUnitVector row = BuildUnitVector(1, 2, 2) * m.Transpose();
  EXPECT_TRUE(HasXyz(column, row.m_x, row.m_y, row.m_z));
  EXPECT_NO_MESSAGES();
  const GTransf shear = BuildTransf({{{1, 1, 0}, {0, 1, 0}, {0, 0, 1}}}, {5, 5, 5}, 3.0, 1, 0, 1);
  const double r = 1 / std::sqrt(2.0);
  EXPECT_TRUE(HasXyz(GUnitVector{1, 0, 0} * shear, r, r, 0, 1e-16));
  EXPECT_MESSAGES("GUnitVector: multiplying by trans, trans has Shear");
}

// The matrix-last form reads translation (3, 7, 11) and perspective (12,
// 13, 14) where the matrix-first form reads the others; vectors drop the
// translation but keep element 15 in the weight.
TEST_F(ProductsTest, MatrixFirstAndMatrixLastForms) {
  G4x4 g = kIdentity4x4;
  g.m_matrix[12] = 5;
  g.m_matrix[3] = 7;
  g.m_matrix[15] = 2;
  const GVector v = {2, 4, 6};
  const GPosition p = {2, 4, 6};
  EXPECT_TRUE(HasXyz(g * v, 0.125, 0.25, 0.375));
  EXPECT_TRUE(HasXyz(v * g, 1 / 6.0, 1 / 3.0, 0.5, 1e-16));
  EXPECT_TRUE(HasXyz(g * p, 7 / 16.0, 0.25, 0.375));
  EXPECT_TRUE(HasXyz(p * g, 0.75, 1 / 3.0, 0.5, 1e-16));
  const GUnitVector u = BuildUnitVector(1, -2, 2);
  const GUnitVector first = g * u;
  const GUnitVector last = u * g;
  EXPECT_TRUE(HasXyz(first, 1 / 3.0, -2 / 3.0, 2 / 3.0, kBand));
  EXPECT_TRUE(HasXyz(last, 1 / 3.0, -2 / 3.0, 2 / 3.0, kBand));
}

// A weight below DBL_EPSILON in magnitude, of either sign, multiplies by
// 1e30; DBL_EPSILON itself divides.
TEST_F(ProductsTest, NearZeroWeightFallsBackTo1e30WhateverItsSign) {
  G4x4 g = kIdentity4x4;
  for (double w : {0.0, 1e-17, -1e-17, -0.0}) {
    g.m_matrix[15] = w;
    EXPECT_TRUE(HasXyz(g * GPosition{1, -2, 0}, 1e30, -2e30, 0));
    EXPECT_MESSAGES(kPositionWeight);
    EXPECT_TRUE(HasXyz(GVector{1, -2, 0} * g, 1e30, -2e30, 0));
    EXPECT_TRUE(HasXyz(GUnitVector{0, -1, 0} * g, 0, -1, 0, kBand));
    EXPECT_MESSAGES(kVectorWeight, kVectorWeight);
  }
  g.m_matrix[15] = -kEps;
  EXPECT_TRUE(HasXyz(g * GPosition{1, 0, 0}, 1 / -kEps, 0, 0));
  EXPECT_NO_MESSAGES();
  // The weight depends on the position: x = 1 cancels element 15 here.
  g = kIdentity4x4;
  g.m_matrix[3] = -1;
  EXPECT_TRUE(HasXyz(TimesAssigned(GPosition{1, 3, 0}, g), 1e30, 3 * 1e30, 0));
  EXPECT_MESSAGES(kPositionWeight);
}

}  // namespace
