#include <cfloat>

#include "core3d/core3d_test.h"

namespace {

using namespace gmath::test;

class TransfTest : public GmathTest {};

TEST_F(TransfTest, BuildersKeepTheirPointAndSetTheirFlags) {
  const GPosition c = {1, -2, 3};
  const GPosition away = {2, 0, 3};
  const GTransf scale = ScaleTransf(2.0, c);
  EXPECT_TRUE(HasXyz(Apply(scale, c), 1, -2, 3));
  EXPECT_TRUE(HasXyz(Apply(scale, away), 3, 2, 3));
  const GUnitVector z = {0, 0, 1};
  for (const GTransf& r : {RotateTransf(0.0, 1.0, z, c), RotateTransf(kPi / 2, z, c)}) {
    EXPECT_TRUE(HasXyz(Apply(r, c), 1, -2, 3, 1e-15));
    EXPECT_TRUE(HasXyz(Apply(r, away), -1, -1, 3, 1e-15));
    EXPECT_TRUE(HasFlags(r, 1, 0, 0));
  }
  const GTransf mirror = ReflectTransf({1, 0, 0}, c);
  EXPECT_TRUE(HasXyz(Apply(mirror, c), 1, -2, 3));
  EXPECT_TRUE(HasXyz(Apply(mirror, away), 0, 0, 3));
  EXPECT_TRUE(HasFlags(mirror, 0, 1, 0));
  EXPECT_TRUE(HasFlags(ReflectTransf(z), 0, 1, 0));
  EXPECT_TRUE(HasXyz(Apply(TranslateTransf({4, 5, 6}), c), 5, 3, 9));
  for (const GTransf& t : {scale, ScaleTransf(-1), RotateTransf(0.5, z), TranslateTransf({})}) {
    EXPECT_TRUE(HasFlags(t, 1, 0, 0));
  }
  EXPECT_TRUE(HasFlags(BuildTransf(kIdentity, {}, 1, 257, 256, -1), 1, 0, 255));
}

TEST_F(TransfTest, FrameFromTwoAxesIsRightHanded) {
  const GTransf frame = CoordinateTransf({1, 2, 3}, {0, 1, 0}, BuildUnitVector(-1, 1, 0));
  EXPECT_TRUE(HasRows(frame.m_matrix, {{{0, 1, 0}, {-1, 0, 0}, {0, 0, 1}}}, 1e-16));
  EXPECT_TRUE(HasXyz(frame.m_translation, 1, 2, 3));
  EXPECT_TRUE(HasFlags(frame, 1, 0, 0));
  EXPECT_NO_MESSAGES();
  const GTransf flat = CoordinateTransf({}, {1, 0, 0}, {-1, 0, 0});
  EXPECT_TRUE(HasRows(flat.m_matrix, {{{1, 0, 0}, {0, 0, 0}, {0, 0, 0}}}));
  EXPECT_MESSAGES("GUnitVector: tried to create a NULL unit vector",
                  "GUnitVector: tried to create a NULL unit vector");
}

// Only a z axis within DBL_EPSILON of +z keeps the global frame; 1 - eps,
// kept bit for bit by the unit band, already takes the other branch.
TEST_F(TransfTest, FrameFromAZAxis) {
  const GTransf up = CoordinateTransf({1, 2, 3}, {0, 0, 1});
  EXPECT_TRUE(HasRows(up.m_matrix, kIdentity));
  EXPECT_TRUE(HasXyz(up.m_translation, 1, 2, 3));
  EXPECT_TRUE(HasRows(CoordinateTransf({}, {0, 0, 1 - DBL_EPSILON / 2}).m_matrix, kIdentity));
  const double tilted = 1 - DBL_EPSILON;
  EXPECT_TRUE(HasRows(CoordinateTransf({}, {0, 0, tilted}).m_matrix, Diagonal(1, tilted, tilted)));
  EXPECT_TRUE(HasRows(CoordinateTransf({}, {0, 0, -1}).m_matrix, Diagonal(1, -1, -1)));
  EXPECT_TRUE(
      HasRows(CoordinateTransf({}, {1, 0, 0}).m_matrix, {{{0, 1, 0}, {0, 0, 1}, {1, 0, 0}}}));
}

TEST_F(TransfTest, EqualityComparesTheReflectionFlagOnly) {
  const GTransf zero = BuildTransf({}, {}, 0, 1, 0, 1);
  EXPECT_EQ(zero.IsNull(), 1);
  EXPECT_EQ(BuildTransf({}, {}, 0, 0, 1, 0).IsNull(), 0);
  EXPECT_EQ(BuildTransf(kIdentity, {}, 1, 0, 0, 1).IsIdentity(), 1);
  const double resnor = GetRelativeTolerance();
  const double resabs = GetDistanceTolerance();
  EXPECT_EQ(zero.IsEqual(BuildTransf({}, {0, 0, resabs}, resnor, 0, 0, 0)), 1);
  EXPECT_EQ(zero.IsEqual(BuildTransf({}, {}, Above(resnor), 0, 0, 0)), 0);
  EXPECT_EQ(zero.IsEqual(BuildTransf({}, {Above(resabs), 0, 0}, 0, 0, 0, 0)), 0);
  EXPECT_EQ(zero.IsEqual(BuildTransf(Diagonal(0, Above(resnor), 0), {}, 0, 0, 0, 0)), 0);
  EXPECT_EQ(zero.IsEqual(BuildTransf({}, {}, kNaN, 0, 0, 0)), 0);
}

TEST_F(TransfTest, InverseReportsAndFallsBack) {
  EXPECT_EQ(ScaleTransf(-DBL_EPSILON).IsInvertible(), 1);
  EXPECT_EQ(ScaleTransf(Below(DBL_EPSILON)).IsInvertible(), 0);
  const GTransf sheared = BuildTransf(Diagonal(1, 2, 1), {1, 2, 3}, 1, 1, 0, 1);
  EXPECT_EQ(sheared.IsInvertible(), 0);
  const GTransf inverse = sheared.Inverse();
  EXPECT_MESSAGES("GTransf: not invertible");
  EXPECT_TRUE(HasRows(inverse.m_matrix, Diagonal(1, 2, 1)));
  EXPECT_TRUE(HasXyz(inverse.m_translation, -1, -4, -3));
  EXPECT_TRUE(HasFlags(inverse, 1, 0, 1));
  const GTransf collapsed = BuildTransf(kIdentity, {}, 0.0, 0, 1, 0).Inverse();
  EXPECT_MESSAGES("GTransf: not invertible", "GTransf: m_scaling is 0.0");
  EXPECT_EQ(collapsed.m_scaling, 1e30);
  EXPECT_TRUE(HasFlags(collapsed, 0, 1, 0));
  EXPECT_TRUE(HasXyz(GPosition{1, 0, 0} ^ ScaleTransf(0.0), 1e30, 0, 0));
  EXPECT_MESSAGES("GTransf: not invertible", "GTransf: m_scaling is 0.0");
}

// R rotation, F reflection, N neither, B both; shear spreads from either.
TEST_F(TransfTest, CompositionFlagsForEveryPair) {
  const int kinds[4][2] = {{1, 0}, {0, 1}, {0, 0}, {1, 1}};
  const int product[4][4] = {{0, 1, 2, 3}, {1, 0, 2, 3}, {2, 2, 2, 2}, {3, 3, 2, 3}};
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      for (int shear = 0; shear < 4; ++shear) {
        const GTransf a = BuildTransf(kIdentity, {}, 1, kinds[i][0], kinds[i][1], shear & 1);
        const GTransf b = BuildTransf(kIdentity, {}, 1, kinds[j][0], kinds[j][1], shear >> 1);
        const int* k = kinds[product[i][j]];
        EXPECT_TRUE(HasFlags(a * b, k[0], k[1], shear != 0 ? 1 : 0)) << i << j << shear;
      }
    }
  }
  // Any nonzero byte counts as set.
  EXPECT_TRUE(HasFlags(BuildTransf(kIdentity, {}, 1, 2, 0, 0) * ReflectTransf({0, 0, 1}), 0, 1, 0));
}

}  // namespace
