#include "planar/planar_test.h"

namespace {

using namespace gmath::test;

using Vector2dTest = GmathTest;
using V = GVector2d;

constexpr const char* kNullUnit = "GUnitVector2d: tried to create a NULL unit vector";

bool Kept(const GUnitVector2d& u, double x, double y) { return u.m_x == x && u.m_y == y; }

// Squared lengths 1 + k·eps for x = 1 and y = sqrt(k·eps): the wide band
// of the two-argument builder ends at 1 + 50 eps, the narrow band of the
// four-argument one at 1 + eps; 1 - eps is the narrow band's other end.
TEST_F(Vector2dTest, UnitBandsKeepTheirInsideBitForBit) {
  long err = -1;
  for (double k : {1.0, 49.0, 50.0}) {
    const double y = std::sqrt(k * kEps);
    EXPECT_TRUE(Kept(BuildUnitVector2d(1, y), 1, y)) << k;
  }
  const double y51 = std::sqrt(51 * kEps);
  EXPECT_FALSE(Kept(BuildUnitVector2d(1, y51), 1, y51));

  EXPECT_TRUE(Kept(BuildUnitVector2d(1, std::sqrt(kEps), 0.5, &err), 1, std::sqrt(kEps)));
  const double y2 = std::sqrt(2 * kEps);
  EXPECT_FALSE(Kept(BuildUnitVector2d(1, y2, 0.5, &err), 1, y2));
  EXPECT_TRUE(Kept(BuildUnitVector2d(Below(1), 0, 0.5, &err), Below(1), 0));
  EXPECT_FALSE(Kept(BuildUnitVector2d(Below(Below(1)), 0, 0.5, &err), Below(Below(1)), 0));
  EXPECT_TRUE(Kept(BuildUnitVector2d(1 + 1e-15, 0), 1 + 1e-15, 0));
  EXPECT_TRUE(Kept(BuildUnitVector2d(1 + 1e-15, 0, 0.5, &err), 1, 0));
  EXPECT_EQ(err, 0);
  // Times the reciprocal length, not divided by it: 3·(1/5) is one ulp above 0.6.
  EXPECT_TRUE(HasXy(BuildUnitVector2d(3, 4), 3 * 0.2, 4 * 0.2));
  EXPECT_TRUE(HasXy(BuildUnitVector2d({1, 1}, {4, -3}), 3 * 0.2, -4 * 0.2));
}

// The two-argument form is null at a length <= 50 eps; the caller's
// threshold is strict: a length equal to it is a direction.
TEST_F(Vector2dTest, NullUnitVectors) {
  EXPECT_TRUE(HasXy(BuildUnitVector2d(0, 0), 0, 0));
  EXPECT_TRUE(HasXy(BuildUnitVector2d(kBand, 0), 0, 0));
  EXPECT_TRUE(HasXy(BuildUnitVector2d(kNaN, 0), 0, 0));
  EXPECT_TRUE(HasXy(BuildUnitVector2d(0, -kInf), 0, 0));  // no NaN from inf / inf
  EXPECT_MESSAGES(kNullUnit, kNullUnit, kNullUnit, kNullUnit);
  EXPECT_TRUE(HasXy(BuildUnitVector2d(Above(kBand), 0), 1, 0));
  EXPECT_NO_MESSAGES();

  // A zero length is never a direction, whatever the threshold.
  const struct {
    double x, y, tol;
    long err;
  } cases[] = {{1e-3, 0, 1e-3, 0}, {1e-3, 0, Above(1e-3), 2},
               {1e-3, 0, 1e-2, 2}, {1e200, 1e200, 1e-2, 2},
               {0, 0, 0.0, 2},     {0, 0, -1.0, 2}};
  for (const auto& c : cases) {
    long err = -1;
    const bool null = c.err != 0;
    EXPECT_TRUE(HasXy(BuildUnitVector2d(c.x, c.y, c.tol, &err), null ? 0 : 1, 0)) << c.x;
    EXPECT_EQ(err, c.err) << c.x << " at " << c.tol;
    EXPECT_EQ(TakeMessages(), std::vector<std::string>(null ? 1U : 0U, kNullUnit)) << c.x;
  }
}

TEST_F(Vector2dTest, NullAndEqualityBoundaries) {
  EXPECT_EQ((GVector2d{kBand, -kBand}).IsNull(), 0);  // squared length 2 (50 eps)²
  EXPECT_EQ((GVector2d{kBand, 0}).IsNull(), 1);
  EXPECT_EQ((GVector2d{Above(kBand), 0}).IsNull(), 0);
  EXPECT_EQ((GVector2d{0, 0.5}).IsNull(0.5), 1);
  EXPECT_EQ((GVector2d{0.25, 0.25}).IsNull(0.5), 1);
  EXPECT_EQ((GVector2d{0.5, 0.5}).IsNull(0.5), 0);
  EXPECT_EQ((GVector2d{kNaN, 0}).IsNull(1), 0);

  const double d = GetDistanceTolerance();
  EXPECT_EQ((GPosition2d{0, 0}).IsEqual({d, 0}), 1);
  EXPECT_EQ((GPosition2d{0, 0}).IsEqual({Above(d), 0}), 0);
  EXPECT_EQ((GVector2d{0, 0}).IsEqual({0, d}), 1);
  EXPECT_EQ((GVector2d{0, 0}).IsEqual({0, Above(d)}), 0);
  EXPECT_EQ((GPosition2d{0, 0}).IsNull(), 0);
  EXPECT_EQ((GPosition2d{1e30, 1e30}).IsNull(), 1);
}

// With resnor set to the very cross (dot) product the strict test fails,
// with the next double above it passes.
TEST_F(Vector2dTest, ColinearAndOrthogonalAreStrict) {
  long err = -1;
  const GVector2d x = {2, 0};
  const GVector2d tilted = {1, 1e-12};
  SetRelativeTolerance(1e-12, &err);
  ASSERT_EQ(err, 0);
  EXPECT_EQ(x.IsColinear(tilted), 0);
  EXPECT_EQ(x.IsOrthogonal(GVector2d{1e-12, -1}), 0);
  SetRelativeTolerance(Above(1e-12), &err);
  EXPECT_EQ(x.IsColinear(tilted), 1);
  EXPECT_EQ(x.IsColinear(GVector2d{-1, -1e-12}), 1);
  EXPECT_EQ(x.IsOrthogonal(GVector2d{1e-12, -1}), 1);
  EXPECT_NO_MESSAGES();
  EXPECT_EQ((GVector2d{0, 0}).IsColinear(x), 1);
  EXPECT_EQ((GVector2d{0, 0}).IsOrthogonal(x), 1);
  EXPECT_MESSAGES(kNullUnit, kNullUnit);
}

// Any divisor below eps (or NaN) gives +-1e30 by the sign of each
// coordinate alone, zero counting as negative.
TEST_F(Vector2dTest, GuardedDivision) {
  EXPECT_TRUE(HasXy(GVector2d{1, -2} / kEps, 1 / kEps, -2 / kEps));
  EXPECT_NO_MESSAGES();
  GVector2d v = {1, 0};
  v /= 1e-17;
  EXPECT_TRUE(HasXy(v, 1e30, -1e30));
  EXPECT_TRUE(HasXy(GVector2d{-1, 2} / -Below(kEps), -1e30, 1e30));
  EXPECT_TRUE(HasXy(GVector2d{1, 1} / kNaN, 1e30, 1e30));
  EXPECT_MESSAGES("GVector2d: trying to divide by 0.0", "GVector2d: trying to divide by 0.0",
                  "GVector2d: trying to divide by 0.0");
  EXPECT_EQ((GVector2d{2, 3}) % (GVector2d{4, 5}), 23);
  EXPECT_EQ((GVector2d{2, 3}) * (GVector2d{4, 5}), -2);
  GUnitVector2d u = {1, 0};
  u += {-1, 1};
  EXPECT_TRUE(HasXy(u, 0, 1));
  u -= {0, 1};
  EXPECT_MESSAGES(kNullUnit);
}

TEST_F(Vector2dTest, SignedAngleAndPerpendicular) {
  EXPECT_EQ(GiveAngle(V{1, 0}, V{0, 1}), kPi / 2);
  EXPECT_EQ(GiveAngle(V{0, 1}, V{1, 0}), -kPi / 2);
  EXPECT_EQ(GiveAngle(V{1, 0}, V{-1, 0}), kPi);
  // The cross product comes out -0.0 here; the angle stays in (-pi, pi].
  EXPECT_EQ(GiveAngle(V{-1, 0}, V{1, 0}), kPi);
  EXPECT_EQ(GiveAngle(V{0, 0}, V{1, 0}), 0);
  EXPECT_EQ(GiveAngle(V{1, 0}, V{kBand, 0}), 0);
  EXPECT_TRUE(HasXy(GetPerpVector2d({1, 0}), 0, 1));
  EXPECT_TRUE(HasXy(GetPerpVector2d({0.6, 0.8}), -0.8, 0.6));
}

TEST_F(Vector2dTest, IndexOutOfRangeReadsY) {
  GPosition2d p = {1, 2};
  p[2] = 5;
  EXPECT_EQ(p.m_y, 5);
  EXPECT_MESSAGES("GPosition2d: index out of bounds");
  EXPECT_EQ((GVector2d{3, 4})[2], 4);
  EXPECT_EQ((GUnitVector2d{0.6, 0.8})[3], 0.8);
  EXPECT_MESSAGES("GVector2d: index is out of range", "GVector2d: index is out of range");
}

// Matrix-first: the row (x, y, 0, 1) times G, translation in 12 and 13;
// matrix-last reads the transpose. A weight below eps scales by 1e30.
TEST_F(Vector2dTest, HomogeneousProducts) {
  G4x4 g = {{2, 0, 9, 0, 0, 3, 9, 0, 9, 9, 9, 9, 5, 7, 9, 1}};
  EXPECT_TRUE(HasXy(g * GPosition2d{1, 1}, 7, 10));
  EXPECT_TRUE(HasXy(TimesAssigned(GPosition2d{1, 1}, g), 7, 10));
  g.m_matrix[15] = 2;
  EXPECT_TRUE(HasXy(g * GPosition2d{1, 1}, 3.5, 5));
  const G4x4 last = {{2, 0, 9, 4, 0, 3, 9, 6, 9, 9, 9, 9, 1, 1, 9, 2}};
  EXPECT_TRUE(HasXy(GPosition2d{1, 1} * last, 1.5, 2.25));
  EXPECT_NO_MESSAGES();

  const G4x4 flat = {{1, 0, 0, 1, 0, 1, 0, -1, 0, 0, 1, 0, 0, 0, 0, 0}};
  EXPECT_TRUE(HasXy(flat * GPosition2d{2, 2}, 2e30, 2e30));
  EXPECT_TRUE(HasXy(flat * GPosition2d{0.5, Above(0.5)}, 0.5 * 1e30, Above(0.5) * 1e30));
  EXPECT_MESSAGES("GPosition2d: in multiplying G4x4, trying to divide by 0.0",
                  "GPosition2d: in multiplying G4x4, trying to divide by 0.0");
  EXPECT_TRUE(HasXy(flat * GPosition2d{1, 1 - kEps}, 1 / kEps, (1 - kEps) / kEps));
}

// The squared length, not the length, is held against resabs.
TEST_F(Vector2dTest, Validity) {
  Gassert_valid(GPosition2d{1e30, -1e30});
  Gassert_valid(GUnitVector2d{1.0000001, 0});
  Gassert_valid(GVector2d{0, 0});
  EXPECT_NO_MESSAGES();
  Gassert_valid(GPosition2d{Above(1e30), 0});
  Gassert_valid(GVector2d{0, kNaN});
  Gassert_valid(GUnitVector2d{kInf, kNaN});
  Gassert_valid(GUnitVector2d{1.000001, 0});
  Gassert_valid(GUnitVector2d{0, 0});
  EXPECT_MESSAGES("GPosition2d does not have valid coordinates",
                  "GVector2d does not have valid coordinates",
                  "GUnitVector2d does not have valid coordinates",
                  "GUnitVector2d does not have valid coordinates",
                  "GUnitVector2d does not have valid coordinates");
}

}  // namespace
