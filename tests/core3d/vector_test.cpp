#include <cfloat>
#include <cmath>

#include "core3d/core3d_test.h"

namespace {

using namespace gmath::test;

class VectorTest : public GmathTest {};

constexpr const char* kDivide = "GVector: trying to divide by 0.0";

TEST_F(VectorTest, IndexOutOfRangeReportsAndStaysOnZ) {
  GPosition p = {1, 2, 3};
  GVector v = {4, 5, 6};
  GUnitVector u = {0, 0, 1};
  EXPECT_EQ(p[0] + p[1] + v[0] + v[1] + u[0] + u[1], 12.0);
  EXPECT_NO_MESSAGES();
  p[0xFFFFFFFFu] = 9;
  EXPECT_EQ(static_cast<const GPosition&>(p)[3], 9.0);
  EXPECT_MESSAGES("GPosition: index out of bounds", "GPosition: index out of bounds");
  v[3] = 7;
  u[5] = static_cast<const GUnitVector&>(u)[4] + v[2];
  EXPECT_TRUE(HasXyz(u, 0, 0, 8));
  EXPECT_MESSAGES("GVector: index is out of range", "GVector: index is out of range",
                  "GVector: index is out of range");
}

TEST_F(VectorTest, EqualityIsInclusiveAtTheDistanceTolerance) {
  const double tol = GetDistanceTolerance();
  ASSERT_GT(Above(tol) * Above(tol), tol * tol);
  EXPECT_EQ(GPosition({0, 0, 0}).IsEqual({0, tol, 0}), 1);
  EXPECT_EQ(GPosition({0, 0, 0}).IsEqual({0, Above(tol), 0}), 0);
  EXPECT_EQ(GVector({0, 0, 0}).IsEqual({0, 0, -tol}), 1);
  EXPECT_EQ(GVector({0, 0, 0}).IsEqual({-Above(tol), 0, 0}), 0);
  EXPECT_EQ(GPosition({1e30, 1e30, 1e30}).IsNull(), 1);
  EXPECT_EQ(GPosition({0, 0, 0}).IsNull(), 0);
  EXPECT_EQ(GPosition({1e30, 1e30, Below(1e30)}).IsNull(), 0);
  long err = 0;
  SetDistanceTolerance(1e-5, &err);
  EXPECT_EQ(GVector({0, 0, 0}).IsEqual({-Above(tol), 0, 0}), 1);
}

// Each coordinate within the bound is not enough: the squared length is
// tested too.
TEST_F(VectorTest, NullIsInclusivePerCoordinateAndInLength) {
  EXPECT_EQ(GVector({kBand, 0, 0}).IsNull(), 1);
  EXPECT_EQ(GVector({0, -kBand, 0}).IsNull(), 1);
  EXPECT_EQ(GVector({0, 0, Above(kBand)}).IsNull(), 0);
  EXPECT_EQ(GVector({kBand, kBand, 0}).IsNull(), 0);
  EXPECT_EQ(GVector({1e-3, 0, 0}).IsNull(1e-3), 1);
  EXPECT_EQ(GVector({0, 0, -Above(1e-3)}).IsNull(1e-3), 0);
  EXPECT_EQ(GVector({1e-3, 1e-3, 0}).IsNull(1e-3), 0);
  EXPECT_EQ(GVector({kNaN, 0, 0}).IsNull(1.0), 0);
}

// (1, y, 0) lies in the unit band, so it is its own unit vector and its
// cross (or dot) product with the x axis is exactly y.
TEST_F(VectorTest, ColinearAndOrthogonalAreStrict) {
  const double tol = GetRelativeTolerance();
  const GVector x = {3, 0, 0};
  EXPECT_EQ(x.IsColinear({1, tol, 0}), 0);
  EXPECT_EQ(x.IsColinear({-1, 0, Below(tol)}), 1);
  EXPECT_EQ(x.IsOrthogonal({tol, 1, 0}), 0);
  EXPECT_EQ(x.IsOrthogonal({-Below(tol), 1, 0}), 1);
  EXPECT_NO_MESSAGES();
  EXPECT_EQ(GVector({0, 0, 0}).IsColinear(x), 1);
  EXPECT_EQ(x.IsOrthogonal({0, 0, 0}), 1);
  EXPECT_MESSAGES("GUnitVector: tried to create a NULL unit vector",
                  "GUnitVector: tried to create a NULL unit vector");
}

TEST_F(VectorTest, DivisionGuardIsInclusiveAtEpsilon) {
  EXPECT_TRUE(HasXyz(GVector({DBL_EPSILON, 1, 0}) / -DBL_EPSILON, -1, -1 / DBL_EPSILON, 0));
  EXPECT_NO_MESSAGES();
  GVector v = {DBL_EPSILON, 0, -2};
  v /= Below(DBL_EPSILON);
  EXPECT_TRUE(HasXyz(v, 1e30, -1e30, -1e30));
  EXPECT_TRUE(HasXyz(GVector({1, 0, -2}) / 1e-17, 1e30, -1e30, -1e30));
  EXPECT_TRUE(HasXyz(GVector({5, 0, 0}) / kNaN, 1e30, -1e30, -1e30));
  EXPECT_MESSAGES(kDivide, kDivide, kDivide);
}

TEST_F(VectorTest, AngleIsUnsignedAndZeroForAnExactNull) {
  EXPECT_EQ(GiveAngle({1, 0, 0}, {-1, 0, 0}), kPi);
  EXPECT_EQ(GiveAngle({0, -2, 0}, {1, 0, 0}), kPi / 2);
  EXPECT_EQ(GiveAngle({kBand, 0, 0}, {0, 1, 0}), 0.0);
  EXPECT_EQ(GiveAngle({0, 1, 0}, {Above(kBand), 0, 0}), kPi / 2);
  EXPECT_TRUE(HasXyz(Interpolate(-1, {1, 2, 3}, {3, 6, 9}), -1, -2, -3));
  // (b - a)·t + a rounds differently from (1 - t)·a + t·b: 0.34 against
  // 0.33999999999999997 here.
  EXPECT_TRUE(HasXyz(Interpolate(0.1, {0.3, 0.1, 0}, {0.7, 0.7, 0}), 0.33999999999999997,
                     (0.7 - 0.1) * 0.1 + 0.1, 0));
}

// With a = x axis and b = (1, 0, z) the perpendicular part is exactly
// (0, 0, z): at the distance tolerance it still gives the direction, below
// it the perpendicular of a (the y axis) is taken.
TEST_F(VectorTest, ModifyOrthoVectorKeepsTheLengthAndFallsBackBelowTheTolerance) {
  const double tol = GetDistanceTolerance();
  const double length = std::sqrt(1 + tol * tol);
  const struct {
    GVector b, expected;
    double within;
  } cases[] = {{{1, 1, 0}, {0, std::sqrt(2.0), 0}, 0},
               {{1, 0, tol}, {0, 0, length}, 1e-15},
               {{1, 0, Below(tol)}, {0, length, 0}, 1e-15}};
  for (auto [b, expected, within] : cases) {
    ModifyOrthoVector({1, 0, 0}, b);
    EXPECT_TRUE(HasXyz(b, expected.m_x, expected.m_y, expected.m_z, within)) << expected.m_z;
  }
  GUnitVector u = {0, 0.6, 0.8};
  ModifyOrthoVector({0, 0, 5}, u);
  EXPECT_TRUE(HasXyz(u, 0, 1, 0));
  u = {1, 0, 0};
  ModifyOrthoVector({-1, 0, 0}, u);
  EXPECT_TRUE(HasXyz(u, 0, 1, 0));
}

}  // namespace
