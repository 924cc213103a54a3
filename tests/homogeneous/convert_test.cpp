#include <cstring>
#include <utility>
#include <vector>

#include "homogeneous/homogeneous_test.h"

namespace {

using namespace gmath::test;

class ConvertTest : public GmathTest {
 protected:
  static GTransf Garbage() {
    GTransf t;
    std::memset(&t, 0x5a, sizeof t);
    return t;
  }
  static ::testing::AssertionResult IsZeroTransf(const GTransf& t) {
    const GTransf zero = BuildTransf({}, {}, 0.0, 0, 0, 0);
    if (SameBits(t, zero)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "not the zero transform";
  }
};

// The flags play no part: the matrix is s·M, the translation, (0, 0, 0, 1).
TEST_F(ConvertTest, TransfToG4x4IsExact) {
  const GMatrix m = {{{0.1, 0.2, 0.3}, {0.4, 0.5, 0.6}, {0.7, 0.8, 0.9}}};
  G4x4 g;
  std::memset(&g, 0x5a, sizeof g);
  g = BuildTransf(m, {7, 8, 9}, 3.0, 0, 1, 1);
  EXPECT_TRUE(HasElements(g, {{3 * 0.1, 3 * 0.2, 3 * 0.3, 0, 3 * 0.4, 3 * 0.5, 3 * 0.6, 0, 3 * 0.7,
                               3 * 0.8, 3 * 0.9, 0, 7, 8, 9, 1}}));
}

TEST_F(ConvertTest, OtherMatricesGiveTheZeroTransform) {
  // Weight, perspective, stretch, flat, NaN, overflow: each off the identity.
  const std::vector<std::pair<int, double>> changes[] = {
      {{15, 2}}, {{3, 1e-6}},  {{10, 2}},
      {{10, 0}}, {{15, kNaN}}, {{0, 1e200}, {5, 1e200}, {10, 1e200}}};
  for (const auto& change : changes) {
    G4x4 g = kIdentity4x4;
    for (const auto& [k, value] : change) g.m_matrix[k] = value;
    GTransf t = Garbage();
    EXPECT_EQ(ConvertG4x4ToGTransf(g, t), 2) << "element " << change.front().first;
    EXPECT_TRUE(IsZeroTransf(t));
    t = Garbage();
    t = g;
    EXPECT_TRUE(IsZeroTransf(t));
  }
}

}  // namespace
