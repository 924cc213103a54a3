#include "homogeneous/homogeneous_test.h"

namespace {

using namespace gmath::test;

class InverseTest : public GmathTest {
 protected:
  static constexpr const char* kSingular = "Can't find inverse since the g4x4 is singular";
};

// Entries of equal magnitude tie for the pivot. The expected bits are those
// of the elimination that takes the first largest entry scanning row by
// row; taking the last one, or scanning by column, rounds differently.
TEST_F(InverseTest, TiesGoToTheFirstEntryRowByRow) {
  const G4x4 g = {{1, 2, 0, -7, 5, -3, -7, 3, 7, 2, 5, -3, -5, 0, 7, -3}};
  const G4x4 expected = {{-0x1.7fffffffffffep-7, 0x1.caaaaaaaaaaa8p-5, 0x1.87fffffffffffp-4,
                          -0x1.9555555555558p-7, 0, -0x1.5555555555555p-2, 0, -0x1.5555555555555p-2,
                          -0x1.2000000000000p-4, 0x1.5555555555540p-9, 0x1.3000000000000p-4,
                          0x1.7aaaaaaaaaaaap-4, -0x1.2800000000000p-3, -0x1.6555555555555p-4,
                          0x1.bfffffffffffep-7, -0x1.8d55555555555p-4}};
  EXPECT_TRUE(HasElements(g.Inverse(), expected));
}

// A pivot below 1e-20 is reported and used: the result is huge but what the
// elimination gives.
TEST_F(InverseTest, TinyPivotIsReportedAndUsed) {
  G4x4 g = kIdentity4x4;
  g.m_matrix[10] = 1e-21;
  const G4x4 inverse = g.Inverse();
  EXPECT_MESSAGES(kSingular);
  EXPECT_DOUBLE_EQ(inverse.m_matrix[10], 1e21);
  EXPECT_EQ(inverse.m_matrix[0], 1);
}

// An exactly singular matrix has no pivot to divide by. Its steps without
// pivot are reported each, and give zero rows: a generalized inverse g with
// a·g·a = a, never infinities.
TEST_F(InverseTest, ExactlySingularGivesAGeneralizedInverse) {
  const G4x4 zero = {};
  EXPECT_TRUE(HasElements(zero.Inverse(), zero));
  EXPECT_MESSAGES(kSingular, kSingular, kSingular, kSingular);

  G4x4 flat = kIdentity4x4;
  flat.m_matrix[10] = 0;
  EXPECT_TRUE(HasElements(flat.Inverse(), flat));
  EXPECT_MESSAGES(kSingular);

  // Rows 2 and 3 combine rows 0 and 1; the pivots are powers of two, so the
  // elimination cancels them exactly.
  const G4x4 rank2 = {{8, 2, 0, 1, 0, 4, 2, 0, 8, 6, 2, 1, 8, -2, -2, 1}};
  const G4x4 general = rank2.Inverse();
  EXPECT_MESSAGES(kSingular, kSingular);
  for (double e : general.m_matrix) EXPECT_TRUE(std::isfinite(e));
  EXPECT_TRUE(HasElements(rank2 * general * rank2, rank2, 1e-12));
}

TEST_F(InverseTest, NotANumberStaysVisible) {
  G4x4 g = kIdentity4x4;
  g.m_matrix[0] = kNaN;
  const G4x4 inverse = g.Inverse();
  EXPECT_TRUE(std::isnan(inverse.m_matrix[0]));
  EXPECT_MESSAGES(kSingular);
  G4x4 all;
  for (double& e : all.m_matrix) e = kNaN;
  for (double e : all.Inverse().m_matrix) EXPECT_TRUE(std::isnan(e));
  EXPECT_MESSAGES(kSingular, kSingular, kSingular, kSingular);
}

}  // namespace
