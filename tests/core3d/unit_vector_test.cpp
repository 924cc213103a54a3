#include <cmath>

#include "core3d/core3d_test.h"

namespace {

using namespace gmath::test;

class UnitVectorTest : public GmathTest {};

constexpr const char* kNullUnit = "GUnitVector: tried to create a NULL unit vector";

// The factor 1/5 is applied by multiplication: 3/5 would be 0.6 exactly.
TEST_F(UnitVectorTest, NormalizesByTheReciprocal) {
  const GUnitVector u = BuildUnitVector(3, 4, 0);
  EXPECT_TRUE(HasXyz(u, 0.2 * 3, 0.8, 0));
  EXPECT_NE(u.m_x, 0.6);
  EXPECT_TRUE(HasXyz(BuildUnitVector(GPosition{1, 1, 1}, GPosition{1, 1, -3}), 0, 0, -1));
}

// (1 -+ 25 eps)² rounds exactly onto the band's ends 1 -+ 50 eps.
TEST_F(UnitVectorTest, TheUnitBandIsInclusiveAndKeepsTheBits) {
  for (double inside : {1 - 25 * kEps, 1 + 25 * kEps, 1 + 1e-15, -1.0}) {
    EXPECT_EQ(BuildUnitVector(0, 0, inside).m_z, inside);
  }
  for (double outside : {Below(1 - 25 * kEps), Above(1 + 25 * kEps)}) {
    const double y = BuildUnitVector(0, outside, 0).m_y;
    EXPECT_NE(y, outside);
    EXPECT_LE(std::abs(y * y - 1), kBand);
  }
}

TEST_F(UnitVectorTest, NullLengthIsInclusiveAndReportedOnce) {
  // An infinite length (a square past the doubles included) has no
  // reciprocal that gives a direction.
  for (double null : {0.0, 1e-15, kBand, kNaN, kInf, -1e200}) {
    EXPECT_TRUE(HasXyz(BuildUnitVector(null, 0, 0), 0, 0, 0)) << null;
    EXPECT_MESSAGES(kNullUnit);
  }
  EXPECT_TRUE(HasXyz(BuildUnitVector(0, -Above(kBand), 0), 0, -1, 0, kEps));
}

// A length up to the threshold is null with code 2 (0.5 of 0.5 too), a
// longer one in the band is kept as it is. A threshold below zero (or NaN)
// cannot make a direction of the zero vector: it would come out as NaN
// with code 0.
TEST_F(UnitVectorTest, CallersThresholdSetsTheCodeButNotTheBand) {
  const struct {
    double y, tol;
    long err;
    double keptY;
  } cases[] = {
      {1e-3, 1e-2, 2, 0}, {1e-3, 1e-4, 0, 1}, {0.5, 0.5, 2, 0}, {1 + 1e-15, 2.0, 0, 1 + 1e-15},
      {kInf, 0.5, 2, 0},  {0, -1.0, 2, 0},    {0, kNaN, 2, 0}};
  for (const auto& c : cases) {
    long err = 7;
    EXPECT_TRUE(HasXyz(BuildUnitVector(0, c.y, 0, c.tol, &err), 0, c.keptY, 0)) << c.y;
    EXPECT_EQ(err, c.err) << c.y << " at " << c.tol;
    EXPECT_EQ(TakeMessages(), std::vector<std::string>(c.err != 0 ? 1U : 0U, kNullUnit)) << c.y;
  }
}

// The unit vector is used as stored and IsEqual's operand as given: (2, 0, 0)
// is normalized on neither side.
TEST_F(UnitVectorTest, PredicatesUseTheStoredCoordinates) {
  const double resabs = GetDistanceTolerance();
  EXPECT_EQ(GUnitVector({Below(resabs), -Below(resabs), 0}).IsNull(), 1);
  EXPECT_EQ(GUnitVector({0, 0, -resabs}).IsNull(), 0);
  const double tol = GetRelativeTolerance();
  const GUnitVector x = {1, 0, 0};
  const GUnitVector stretched = {2, 0, 0};
  EXPECT_EQ(x.IsEqual({1, tol, 0}), 1);
  EXPECT_EQ(x.IsEqual({1, 0, Above(tol)}), 0);
  EXPECT_EQ(x.IsEqual({2, 0, 0}), 0);
  EXPECT_EQ(x.IsColinear({-1, 0.6 * tol, 0}), 1);
  EXPECT_EQ(stretched.IsColinear({1, 0.6 * tol, 0}), 0);
  EXPECT_EQ(x.IsColinear({1, tol, 0}), 0);
  EXPECT_EQ(x.IsOrthogonal({0.6 * tol, 1, 0}), 1);
  EXPECT_EQ(stretched.IsOrthogonal({0.6 * tol, 1, 0}), 0);
  EXPECT_EQ(x.IsOrthogonal({tol, 1, 0}), 0);
}

TEST_F(UnitVectorTest, SumAndDifferenceAreRenormalized) {
  GUnitVector u = {1, 0, 0};
  u += GVector{-1, 2, 0};
  EXPECT_TRUE(HasXyz(u, 0, 1, 0));
  u -= GVector{0, 1, 3};
  EXPECT_TRUE(HasXyz(u, 0, 0, -1));
  u -= GVector(u);
  EXPECT_TRUE(HasXyz(u, 0, 0, 0));
  EXPECT_MESSAGES(kNullUnit);
}

// The axis of the smallest coordinate, the lower index on a tie, minus its
// part along u.
TEST_F(UnitVectorTest, PerpendicularTakesTheAxisOfTheSmallestCoordinate) {
  EXPECT_TRUE(HasXyz(GetPerpVector({0, 0, 3}), 1, 0, 0));
  EXPECT_TRUE(HasXyz(GetPerpVector({1, 0, 0}), 0, 1, 0));
  EXPECT_TRUE(HasXyz(GetPerpVector({0.6, 0.8, 0}), 0, 0, 1));
  const double r = std::sqrt(30.0);
  EXPECT_TRUE(HasXyz(GetPerpVector(BuildUnitVector(1, 2, -1)), 5 / r, -2 / r, 1 / r, 4 * kEps));
  EXPECT_NO_MESSAGES();
  EXPECT_TRUE(HasXyz(GetPerpVector({0, 0, 0}), 1, 0, 0));
  EXPECT_MESSAGES(kNullUnit);
}

}  // namespace
