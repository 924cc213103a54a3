#include "homogeneous/homogeneous_test.h"

namespace {

using namespace gmath::test;

class G4x4Test : public GmathTest {};

TEST_F(G4x4Test, BuildKeepsStorageOrderAndANullArrayGivesZeros) {
  double values[16];
  for (int k = 0; k < 16; ++k) values[k] = k + 0.5;
  const G4x4 g = Build4x4(values);
  for (int k = 0; k < 16; ++k) EXPECT_EQ(g.m_matrix[k], k + 0.5);
  EXPECT_TRUE(HasElements(Build4x4(nullptr), G4x4{}));
}

TEST_F(G4x4Test, EqualityIsHomogeneous) {
  G4x4 a = {{1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0, 10, 11, 12, 1}};
  G4x4 doubled = a;
  for (double& e : doubled.m_matrix) e *= 2;
  EXPECT_TRUE(a.IsEqual(doubled));
  EXPECT_TRUE(doubled.IsEqual(a));
  G4x4 off = doubled;
  off.m_matrix[14] += 2 * 2e-10;  // 2e-10 once normalized, beyond resnor
  EXPECT_FALSE(a.IsEqual(off));
  off.m_matrix[14] = doubled.m_matrix[14] + 2 * 0.5e-10;
  EXPECT_TRUE(a.IsEqual(off));
  EXPECT_NO_MESSAGES();
}

// Element 15 of 0 cannot be divided out: only two such matrices can be
// equal, and then entry by entry.
TEST_F(G4x4Test, EqualityWithAZeroElement15) {
  G4x4 a = {{1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0, 10, 11, 12, 0}};
  G4x4 b = a;
  EXPECT_TRUE(a.IsEqual(b));
  b.m_matrix[15] = -0.0;
  EXPECT_TRUE(a.IsEqual(b));
  b.m_matrix[0] += 1e-9;
  EXPECT_FALSE(a.IsEqual(b));
  G4x4 w1 = a;
  w1.m_matrix[15] = 1;
  EXPECT_FALSE(a.IsEqual(w1));
  EXPECT_FALSE(w1.IsEqual(a));
  EXPECT_NO_MESSAGES();
}

TEST_F(G4x4Test, ValidityWeighsTheBlockByElement15) {
  G4x4 g = kIdentity4x4;
  EXPECT_TRUE(g.IsValid());
  g.m_matrix[15] = 0;
  EXPECT_FALSE(g.IsValid());
  EXPECT_FALSE(g.IsInvertible());
  // det3·m15 against resnor³ = 1e-30, strictly; translation and perspective
  // play no part.
  G4x4 small = {{2e-10, 0, 0, 5, 0, 1e-10, 0, 5, 0, 0, 1e-10, 5, 9, 9, 9, 1}};
  EXPECT_TRUE(small.IsValid());
  small.m_matrix[0] = 0.5e-10;
  EXPECT_FALSE(small.IsInvertible());
}

TEST_F(G4x4Test, RotationAndReflectionFollowTheDeterminantOverRowZero) {
  auto block = [](GMatrix m) {
    G4x4 g = kIdentity4x4;
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) g.m_matrix[4 * i + j] = m.m_matrix[i][j];
    }
    return g;
  };
  const G4x4 identity = kIdentity4x4;
  EXPECT_TRUE(identity.HasRotation());
  EXPECT_FALSE(identity.HasReflection());
  const G4x4 mirror = block(Diagonal(-1, 1, 1));
  EXPECT_FALSE(mirror.HasRotation());
  EXPECT_TRUE(mirror.HasReflection());
  const G4x4 flat = block(Diagonal(1, 1, 0));
  EXPECT_TRUE(flat.HasRotation());
  EXPECT_TRUE(flat.HasReflection());
  const G4x4 noRow0 = block(Diagonal(0, 1, 1));
  EXPECT_FALSE(noRow0.HasRotation());
  EXPECT_FALSE(noRow0.HasReflection());
  // A row 0 just at resnor is long enough; the scale does not matter.
  const G4x4 tiny = block(Diagonal(1e-10, 1, -1));
  EXPECT_FALSE(tiny.HasRotation());
  EXPECT_TRUE(tiny.HasReflection());
}

// a * b applies b first, in the matrix-first form of the position product,
// and the transform operands go through their exact G4x4.
TEST_F(G4x4Test, ProductsApplyTheRightOperandFirst) {
  G4x4 scale = {};
  G4x4 shift = {};
  long err = 0;
  Scale4x4(2.0, scale, &err);
  Translate4x4({1, 0, 0}, shift, &err);
  const GPosition origin = {0, 0, 0};
  EXPECT_TRUE(HasXyz((scale * shift) * origin, 2, 0, 0));
  EXPECT_TRUE(HasXyz((shift * scale) * origin, 1, 0, 0));
  EXPECT_TRUE(HasXyz(scale * (shift * origin), 2, 0, 0));

  Random random(11);
  const GTransf t = RandomSimilarity(random);
  G4x4 g = kIdentity4x4;
  g.m_matrix[3] = 0.01;
  G4x4 tg = {};
  tg = t;
  EXPECT_TRUE(HasElements(g * t, g * tg));
  EXPECT_TRUE(HasElements(t * g, tg * g));
  G4x4 assigned = g;
  assigned *= t;
  EXPECT_TRUE(HasElements(assigned, g * tg));
  assigned = g;
  assigned *= tg;
  EXPECT_TRUE(HasElements(assigned, g * tg));
  for (int i = 0; i < 20; ++i) {
    const G4x4 a = RandomWellConditioned(random);
    const G4x4 b = RandomWellConditioned(random);
    const GPosition p = {random.Uniform(-1, 1), random.Uniform(-1, 1), random.Uniform(-1, 1)};
    const GPosition once = (a * b) * p;
    const GPosition twice = a * (b * p);
    EXPECT_TRUE(HasXyz(once, twice.m_x, twice.m_y, twice.m_z, 1e-12));
  }
  EXPECT_NO_MESSAGES();
}

TEST_F(G4x4Test, ValidityReportsEachNonAffineElement) {
  G4x4 g = kIdentity4x4;
  Gassert_valid(g);
  g.m_matrix[12] = 1e30;
  g.m_matrix[3] = 1e-10;
  g.m_matrix[15] = 1 + 0.5e-10;
  Gassert_valid(g);
  EXPECT_NO_MESSAGES();
  g.m_matrix[3] = 0.5;
  g.m_matrix[15] = 2;
  Gassert_valid(g);
  EXPECT_MESSAGES("G4x4: m_matrix[3] is not 0", "G4x4: m_matrix[15] is not 1");
  g = kIdentity4x4;
  g.m_matrix[7] = -1;
  g.m_matrix[11] = kNaN;
  Gassert_valid(g);
  EXPECT_MESSAGES("G4x4: m_matrix[7] is not 0", "G4x4: m_matrix[11] is not 0");
}

}  // namespace
