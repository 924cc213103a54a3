#include "homogeneous/homogeneous_test.h"

namespace {

using namespace gmath::test;

class G4x4Test : public GmathTest {};

// Each matrix is divided by its element 15; one of 0 cannot be, and only
// equals another such matrix entry by entry.
TEST_F(G4x4Test, EqualityIsHomogeneous) {
  const G4x4 a = {{1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0, 10, 11, 12, 1}};
  G4x4 doubled = a;
  for (double& e : doubled.m_matrix) e *= 2;
  EXPECT_TRUE(a.IsEqual(doubled));
  doubled.m_matrix[14] += 2 * 2e-10;
  EXPECT_FALSE(a.IsEqual(doubled));
  G4x4 w0 = a;
  w0.m_matrix[15] = 0;
  G4x4 w0Too = w0;
  w0Too.m_matrix[15] = -0.0;
  EXPECT_TRUE(w0.IsEqual(w0Too));
  EXPECT_FALSE(w0.IsEqual(a));
  EXPECT_FALSE(a.IsEqual(w0));
  w0Too.m_matrix[0] += 1e-9;
  EXPECT_FALSE(w0.IsEqual(w0Too));
  EXPECT_TRUE(HasElements(Build4x4(nullptr), G4x4{}));
}

TEST_F(G4x4Test, ClassificationByTheBlockDeterminant) {
  auto block = [](const GMatrix& m, double w = 1) {
    G4x4 g = {};
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) g.m_matrix[4 * i + j] = m.m_matrix[i][j];
    }
    g.m_matrix[3] = g.m_matrix[12] = 5;  // neither counts
    g.m_matrix[15] = w;
    return g;
  };
  // |det3·m15| > resnor³ = 1e-30, strictly.
  EXPECT_TRUE(block(Diagonal(2e-10, 1e-10, 1e-10)).IsValid());
  EXPECT_FALSE(block(Diagonal(1e-10, 1e-10, 1e-10), 0.5).IsInvertible());
  EXPECT_FALSE(block(kIdentity, 0).IsValid());
  // The sign of det3 / |row 0|³; a row 0 shorter than resnor decides nothing.
  const std::pair<GMatrix, std::pair<int, int>> cases[] = {
      {kIdentity, {1, 0}},           {Diagonal(-1, 1, 1), {0, 1}}, {Diagonal(1, 1, 0), {1, 1}},
      {Diagonal(0, 1, 1), {0, 0}},   {Diagonal(1e-10, 1, -1), {0, 1}}};
  for (const auto& [m, expected] : cases) {
    EXPECT_EQ(block(m).HasRotation(), expected.first);
    EXPECT_EQ(block(m).HasReflection(), expected.second);
  }
}

// a * b applies b first, in the matrix-first form of the position product.
TEST_F(G4x4Test, ProductsApplyTheRightOperandFirst) {
  G4x4 scale = {};
  G4x4 shift = {};
  long err = 0;
  Scale4x4(2.0, scale, &err);
  Translate4x4({1, 0, 0}, shift, &err);
  EXPECT_TRUE(HasXyz((scale * shift) * GPosition{0, 0, 0}, 2, 0, 0));
  EXPECT_TRUE(HasXyz((shift * scale) * GPosition{0, 0, 0}, 1, 0, 0));
}

TEST_F(G4x4Test, ValidityReportsEachNonAffineElement) {
  G4x4 g = kIdentity4x4;
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
