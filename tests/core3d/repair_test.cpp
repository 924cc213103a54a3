#include <array>

#include "core3d/core3d_test.h"
#include "core3d/vector_ops.h"

namespace {

using namespace gmath::test;

constexpr GUnitVector kX = {1, 0, 0};
constexpr GUnitVector kY = {0, 1, 0};
constexpr GUnitVector kZ = {0, 0, 1};

class RepairTest : public GmathTest {
 protected:
  static GMatrix Rxyz(double x, double y, double z) {
    return Rotation(x, kX) * Rotation(y, kY) * Rotation(z, kZ);
  }
  // The other triple of the same rotation, each angle in (-pi, pi].
  static double OtherMagnitude(double x, double y, double z) {
    const auto flip = [](double a) { return a > 0 ? a - kPi : a + kPi; };
    const double other[3] = {flip(x), (y >= 0 ? kPi : -kPi) - y, flip(z)};
    return std::abs(other[0]) + std::abs(other[1]) + std::abs(other[2]);
  }
  static GTransf Unfinished() { return BuildTransf(Diagonal(7, 7, 7), {7, 7, 7}, 7, 7, 7, 7); }
  // The three angles of t, with code 0 and the translation as the origin.
  static std::array<double, 3> Angles(const GTransf& t) {
    std::array<double, 3> a = {9, 9, 9};
    GPosition origin;
    EXPECT_EQ(GetRotAngles(t, &a[0], &a[1], &a[2], origin), 0);
    const GVector& u = t.m_translation;
    EXPECT_TRUE(HasXyz(origin, u.m_x, u.m_y, u.m_z));
    return a;
  }
};

// Local coordinates (2, -3, 5) in the old frame land on the same local
// coordinates in the new frame.
TEST_F(RepairTest, OldToNewCarriesTheOldFrameOntoTheNew) {
  const auto at = [](const GPosition& o, const GVector& x, const GVector& y) {
    const GVector z = gmath::detail::Cross(x, y);
    return GPosition{o.m_x + 2 * x.m_x - 3 * y.m_x + 5 * z.m_x,
                     o.m_y + 2 * x.m_y - 3 * y.m_y + 5 * z.m_y,
                     o.m_z + 2 * x.m_z - 3 * y.m_z + 5 * z.m_z};
  };
  for (unsigned seed : {1u, 2u, 3u, 4u}) {
    Random random(seed);
    const GPosition oldOrigin = {random.Uniform(-9, 9), random.Uniform(-9, 9), 1};
    const GPosition newOrigin = {random.Uniform(-9, 9), 2, random.Uniform(-9, 9)};
    GUnitVector axes[4];  // old x, old y, new x, new y
    for (GUnitVector& axis : axes) axis = random.Direction();
    ModifyOrthoVector(axes[0], axes[1]);
    ModifyOrthoVector(axes[2], axes[3]);
    GTransf t = Unfinished();
    long err = -1;
    OldToNewTransf(oldOrigin, axes[0], axes[1], newOrigin, axes[2], axes[3], t, &err);
    ASSERT_EQ(err, 0);
    EXPECT_TRUE(HasFlags(t, 1, 0, 0));
    EXPECT_EQ(t.m_scaling, 1.0);
    const GPosition expected = at(newOrigin, axes[2], axes[3]);
    const GPosition image = Apply(t, at(oldOrigin, axes[0], axes[1]));
    EXPECT_TRUE(HasXyz(image, expected.m_x, expected.m_y, expected.m_z, 1e-12));
  }
}

// Every axis passes the unit test before any pair is tested for
// orthogonality; the first failure ends the call with result untouched.
TEST_F(RepairTest, OldToNewRejectsBadFramesAndLeavesResultAlone) {
  const GTransf before = Unfinished();
  struct Case {
    GUnitVector oldX, oldY, newX, newY;
    const char* message;
  };
  const Case cases[] = {
      {{2, 0, 0}, kY, kX, kY, "GUnitVector: vector is not a unit vector"},
      {{0, 0, 0}, kY, kX, kY, "GUnitVector: using a NULL unit vector"},
      {kX, {0.6, 0.8, 0}, kX, kY, "Vectors are not orthogonal"},
      {kX, kY, kX, {0.6, 0.8, 0}, "Vectors are not orthogonal"},
      {kX, {0.6, 0.8, 0}, kX, {0, 0, 1 + 1e-13}, "GUnitVector: vector is not a unit vector"},
      {kX, kY, kX, {0, 0, 1e-14}, "GUnitVector: using a NULL unit vector"},
  };
  for (const Case& c : cases) {
    long err = -1;
    GTransf t = before;
    OldToNewTransf({}, c.oldX, c.oldY, {1, 1, 1}, c.newX, c.newY, t, &err);
    EXPECT_EQ(err, 2) << c.message;
    EXPECT_TRUE(SameBits(t, before)) << c.message;
    EXPECT_MESSAGES(c.message);
  }
}

TEST_F(RepairTest, HealerRepairsADriftedRotationInPlace) {
  Random random(11);
  GMatrix m = Rxyz(0.4, -1.1, 2.0);
  for (auto& row : m.m_matrix) {
    for (double& e : row) e += random.Uniform(-1e-9, 1e-9);
  }
  GTransf t = BuildTransf(m, {1, 2, 3}, 2.5, 0, 1, 1);
  int healed = -1;
  long err = -1;
  GTransfHealer(t, t, &healed, &err);
  EXPECT_EQ(healed, 1);
  EXPECT_EQ(err, 0);
  EXPECT_LT(OrthoDeviation(t.m_matrix), 1e-15);
  EXPECT_TRUE(HasRows(t.m_matrix, m, 2e-9));
  EXPECT_TRUE(HasFlags(t, 1, 0, 0));
  EXPECT_TRUE(HasXyz(t.m_translation, 1, 2, 3));
  EXPECT_EQ(t.m_scaling, 2.5);

  const GTransf mirror = BuildTransf(Reflection(kY), {}, 1, 1, 0, 1);
  GTransf out = Unfinished();
  GTransfHealer(mirror, out, &healed, &err);
  EXPECT_EQ(healed, 1);
  EXPECT_TRUE(HasRows(out.m_matrix, Reflection(kY)));
  EXPECT_TRUE(HasFlags(out, 0, 1, 0));
}

// 3·I never settles; a singular matrix settles at once on itself. Neither is
// a repair: out is in, with code 0.
TEST_F(RepairTest, HealerHandsBackWhatItCannotRepair) {
  for (const GMatrix& m : {Diagonal(3, 3, 3), Diagonal(1, 1, 0), Diagonal(0, 0, 0)}) {
    const GTransf in = BuildTransf(m, {1, 2, 3}, 4, 0, 0, 1);
    GTransf out = Unfinished();
    int healed = -1;
    long err = -1;
    GTransfHealer(in, out, &healed, &err);
    EXPECT_EQ(healed, 0);
    EXPECT_EQ(err, 0);
    EXPECT_TRUE(SameBits(out, in));
  }
}

TEST_F(RepairTest, RotAnglesReproduceTheRotationWithTheSmallerTriple) {
  for (unsigned seed : {21u, 22u, 23u, 24u, 25u, 26u, 27u, 28u}) {
    Random random(seed);
    const double x = random.Uniform(-kPi, kPi);
    const double y = random.Uniform(-kPi / 2, kPi / 2);
    const double z = random.Uniform(-kPi, kPi);
    const GTransf t = BuildTransf(Rxyz(x, y, z), {1, 2, 3}, 5, 1, 0, 0);
    const auto a = Angles(t);
    EXPECT_TRUE(HasRows(Rxyz(a[0], a[1], a[2]), t.m_matrix, 1e-14));
    const double magnitude = std::abs(a[0]) + std::abs(a[1]) + std::abs(a[2]);
    const double smaller =
        std::min(std::abs(x) + std::abs(y) + std::abs(z), OtherMagnitude(x, y, z));
    EXPECT_NEAR(magnitude, smaller, 1e-12);
  }
}

// Rx(3pi/4)·Rz(3pi/4): both triples, (3pi/4, 0, 3pi/4) and (-pi/4, pi,
// -pi/4), have the magnitude 3pi/2, and the second wins the tie.
TEST_F(RepairTest, RotAnglesTieGoesToTheSecondTriple) {
  const double r = std::sqrt(0.5);
  const GMatrix m = {{{-r, r, -0.0}, {0.5, 0.5, r}, {0.5, 0.5, -r}}};
  const double first = 2 * std::abs(std::atan2(r, -r));
  const double second = 2 * std::abs(std::atan2(-r, r)) + kPi;
  if (first != second) GTEST_SKIP() << "this atan2 rounds the two sums apart";
  const auto a = Angles(BuildTransf(m, {}, 1, 1, 0, 0));
  EXPECT_EQ(a[0], std::atan2(-r, r));
  EXPECT_EQ(a[1], kPi);
  EXPECT_EQ(a[2], std::atan2(-r, r));
}

// At y = +-pi/2 the x and z turns share an axis: z is 0 and x takes the
// whole turn, with the sign the matrix asks for.
TEST_F(RepairTest, RotAnglesInGimbalLock) {
  for (double sine : {1.0, -1.0}) {
    const GMatrix y = Rotation(0.0, sine, kY);
    const GTransf t = BuildTransf(Rotation(0.7, kX) * y * Rotation(0.2, kZ), {}, 1, 1, 0, 0);
    const auto a = Angles(t);
    EXPECT_NEAR(a[0], sine > 0 ? 0.5 : 0.9, 1e-15);
    EXPECT_EQ(a[1], sine * gmath::test::kPi / 2);
    EXPECT_EQ(a[2], 0.0);
    EXPECT_TRUE(HasRows(Rxyz(a[0], a[1], a[2]), t.m_matrix, 1e-15));
  }
  // Within 1e-12 of the lock the sign of S alone picks the branch.
  const GMatrix nearLock = {{{0, 0, -(1 - 1e-13)}, {0, 1, 0}, {1, 0, 0}}};
  EXPECT_EQ(Angles(BuildTransf(nearLock, {}, 1, 1, 0, 0)),
            (std::array<double, 3>{0, gmath::test::kPi / 2, 0}));
}

TEST_F(RepairTest, RotAnglesOfAReflectionAreZero) {
  const GTransf mirror = ReflectTransf(kX, {2, 0, 0});
  ASSERT_TRUE(HasXyz(mirror.m_translation, 4, 0, 0));
  EXPECT_EQ(Angles(mirror), (std::array<double, 3>{0, 0, 0}));
}

}  // namespace
