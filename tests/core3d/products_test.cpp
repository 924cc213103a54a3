#include "homogeneous/homogeneous_test.h"

namespace {

using namespace gmath::test;

class ProductsTest : public GmathTest {
 protected:
  static constexpr const char* kPositionWeight =
      "GPosition: in multiplying G4x4, trying to divide by 0.0";
  static constexpr const char* kVectorWeight =
      "GVector: multiplying by G4x4, trying to divide by 0.0";

  static G4x4 Transposed(const G4x4& g) {
    G4x4 t;
    for (int r = 0; r < 4; ++r) {
      for (int c = 0; c < 4; ++c) t.m_matrix[4 * c + r] = g.m_matrix[4 * r + c];
    }
    return t;
  }
};

TEST_F(ProductsTest, TransformsMovePositionsAndVectorsDifferently) {
  const GTransf t = ScaleTransf(2.0, {1, 1, 1});
  GPosition p = {1, 0, 0};
  p *= t;
  EXPECT_TRUE(HasXyz(p, 1, -1, -1));
  GVector v = {1, 0, 0};
  EXPECT_TRUE(HasXyz(v * t, 2, 0, 0));
  v *= t;
  EXPECT_TRUE(HasXyz(v, 2, 0, 0));
  GUnitVector u = {1, 0, 0};
  EXPECT_TRUE(HasXyz(u * ScaleTransf(-1.0), 1, 0, 0));
  u *= ScaleTransf(-1.0);
  EXPECT_TRUE(HasXyz(u, 1, 0, 0));
  EXPECT_NO_MESSAGES();
}

TEST_F(ProductsTest, MatrixProductsOfPositionsAndVectorsAgree) {
  const GMatrix m = {{{1, 2, 3}, {-4, 5, 6}, {7, -8, 9}}};
  GPosition p = {0.5, -1.5, 2};
  GVector v = {0.5, -1.5, 2};
  p *= m;
  v *= m;
  EXPECT_TRUE(HasXyz(p, v.m_x, v.m_y, v.m_z));
  EXPECT_TRUE(HasXyz(v, 20.5, -22.5, 10.5));
  // M·u is u·Mᵀ; both come back renormalized.
  const GUnitVector u = BuildUnitVector(1, 2, 2);
  const GUnitVector column = m * u;
  const GUnitVector row = u * m.Transpose();
  EXPECT_TRUE(HasXyz(column, row.m_x, row.m_y, row.m_z));
  EXPECT_NEAR(column.m_x * column.m_x + column.m_y * column.m_y + column.m_z * column.m_z, 1,
              kBand);
  GUnitVector turned = u;
  turned *= m;
  const GUnitVector product = u * m;
  EXPECT_TRUE(HasXyz(turned, product.m_x, product.m_y, product.m_z));
  EXPECT_NO_MESSAGES();
  EXPECT_TRUE(HasXyz(u * GMatrix{}, 0, 0, 0));
  EXPECT_MESSAGES("GUnitVector: tried to create a NULL unit vector");
}

TEST_F(ProductsTest, ShearIsReportedAndAppliedAllTheSame) {
  const GMatrix shear = {{{1, 1, 0}, {0, 1, 0}, {0, 0, 1}}};
  const GTransf t = BuildTransf(shear, {5, 5, 5}, 3.0, 1, 0, 1);
  EXPECT_TRUE(HasXyz(GUnitVector{1, 0, 0} * t, 1 / std::sqrt(2.0), 1 / std::sqrt(2.0), 0, 1e-16));
  EXPECT_MESSAGES("GUnitVector: multiplying by trans, trans has Shear");
}

TEST_F(ProductsTest, InverseProductsUndoTheTransform) {
  for (unsigned seed = 1; seed <= 20; ++seed) {
    Random random(seed);
    const GTransf t = RandomSimilarity(random);
    const GPosition p = {random.Uniform(-10, 10), random.Uniform(-10, 10), 3};
    GPosition moved = p;
    moved *= t;
    EXPECT_TRUE(HasXyz(moved ^ t, p.m_x, p.m_y, p.m_z, 1e-12));
    const GVector v = random.Vector(10);
    EXPECT_TRUE(HasXyz((v * t) ^ t, v.m_x, v.m_y, v.m_z, 1e-12));
    const GUnitVector u = random.Direction();
    EXPECT_TRUE(HasXyz((u * t) ^ t, u.m_x, u.m_y, u.m_z, 1e-15));
  }
  EXPECT_NO_MESSAGES();
  const GTransf collapsed = ScaleTransf(0.0);
  EXPECT_TRUE(HasXyz(GPosition{1, 0, 0} ^ collapsed, 1e30, 0, 0));
  EXPECT_MESSAGES("GTransf: not invertible", "GTransf: m_scaling is 0.0");
}

// The G4x4 of a transform moves a position like the transform itself.
TEST_F(ProductsTest, G4x4MovesPositionsLikeItsTransform) {
  for (unsigned seed = 1; seed <= 20; ++seed) {
    Random random(seed);
    const GTransf t = RandomSimilarity(random);
    G4x4 g = {};
    g = t;
    for (int i = 0; i < 10; ++i) {
      const GVector where = random.Vector(100);
      const GPosition p = {where.m_x, where.m_y, where.m_z};
      GPosition byTransf = p;
      byTransf *= t;
      EXPECT_TRUE(HasXyz(g * p, byTransf.m_x, byTransf.m_y, byTransf.m_z, 1e-10));
      GPosition byG4x4 = p;
      byG4x4 *= g;
      EXPECT_TRUE(HasXyz(byG4x4, byTransf.m_x, byTransf.m_y, byTransf.m_z, 1e-10));
      const GVector v = where * t;
      EXPECT_TRUE(HasXyz(g * where, v.m_x, v.m_y, v.m_z, 1e-10));
    }
  }
  EXPECT_NO_MESSAGES();
}

// The matrix-last form reads the layout transposed: exactly the
// matrix-first form of the transpose.
TEST_F(ProductsTest, MatrixLastIsMatrixFirstOfTheTranspose) {
  Random random(3);
  const G4x4 g = RandomWellConditioned(random);
  const G4x4 t = Transposed(g);
  const GPosition p = {0.25, -3, 7};
  const GPosition last = p * g;
  const GPosition first = t * p;
  EXPECT_TRUE(HasXyz(last, first.m_x, first.m_y, first.m_z));
  const GVector v = {0.25, -3, 7};
  const GVector vLast = v * g;
  const GVector vFirst = t * v;
  EXPECT_TRUE(HasXyz(vLast, vFirst.m_x, vFirst.m_y, vFirst.m_z));
  const GUnitVector u = BuildUnitVector(1, -2, 2);
  const GUnitVector uLast = u * g;
  const GUnitVector uFirst = t * u;
  EXPECT_TRUE(HasXyz(uLast, uFirst.m_x, uFirst.m_y, uFirst.m_z));
  EXPECT_NEAR(uLast.m_x * uLast.m_x + uLast.m_y * uLast.m_y + uLast.m_z * uLast.m_z, 1, kBand);
  EXPECT_NO_MESSAGES();
}

// Vectors drop the translation terms but keep element 15 in the weight; the
// two forms read translation and perspective from opposite places.
TEST_F(ProductsTest, VectorsIgnoreTranslationButNotTheWeight) {
  G4x4 g = kIdentity4x4;
  g.m_matrix[12] = 5;
  g.m_matrix[3] = 7;
  g.m_matrix[15] = 2;
  const GVector v = {2, 4, 6};
  EXPECT_TRUE(HasXyz(g * v, 0.125, 0.25, 0.375));
  EXPECT_TRUE(HasXyz(v * g, 1 / 6.0, 1 / 3.0, 0.5, 1e-16));
  const GPosition p = {2, 4, 6};
  EXPECT_TRUE(HasXyz(g * p, 7 / 16.0, 0.25, 0.375));
  EXPECT_TRUE(HasXyz(p * g, 0.75, 1 / 3.0, 0.5, 1e-16));
  GVector assigned = v;
  assigned *= g;
  EXPECT_TRUE(HasXyz(assigned, 0.125, 0.25, 0.375));
  GUnitVector u = {0, 0, 1};
  u *= g;
  EXPECT_TRUE(HasXyz(u, 0, 0, 1));
  EXPECT_NO_MESSAGES();
}

// A weight below DBL_EPSILON in magnitude, of either sign, multiplies by
// 1e30; DBL_EPSILON itself divides.
TEST_F(ProductsTest, NearZeroWeightFallsBackTo1e30WhateverItsSign) {
  G4x4 g = kIdentity4x4;
  for (double w : {0.0, 1e-17, -1e-17, -0.0}) {
    g.m_matrix[15] = w;
    const GPosition p = g * GPosition{1, -2, 0};
    EXPECT_TRUE(HasXyz(p, 1e30, -2e30, 0));
    EXPECT_MESSAGES(kPositionWeight);
    EXPECT_TRUE(HasXyz(GVector{1, -2, 0} * g, 1e30, -2e30, 0));
    EXPECT_MESSAGES(kVectorWeight);
    EXPECT_TRUE(HasXyz(GUnitVector{0, -1, 0} * g, 0, -1, 0, kBand));
    EXPECT_MESSAGES(kVectorWeight);
  }
  g.m_matrix[15] = -kEps;
  EXPECT_TRUE(HasXyz(g * GPosition{1, 0, 0}, 1 / -kEps, 0, 0));
  // The weight comes from the position: here x = 1 cancels element 15.
  g = kIdentity4x4;
  g.m_matrix[3] = -1;
  GPosition p = {1, 3, 0};
  p *= g;
  EXPECT_TRUE(HasXyz(p, 1e30, 3 * 1e30, 0));
  EXPECT_TRUE(HasXyz(GPosition{1, 3, 0} * g, 0, 3, 0));
  EXPECT_MESSAGES(kPositionWeight);
}

}  // namespace
