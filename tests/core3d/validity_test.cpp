#include <cfloat>

#include "core3d/core3d_test.h"

namespace {

using namespace gmath::test;

constexpr const char* kBadVector = "GVector has an invalid coordinate";
constexpr const char* kNotUnit = "GUnitVector: vector is not a unit vector";
constexpr const char* kNullUnit = "GUnitVector: using a NULL unit vector";
constexpr const char* kNotEuclidean = "GTransf is not Euclidean";
constexpr const char* kBadScale = "GTransf has an invalid scale";
constexpr const char* kShear = "GTransf has Shear";
constexpr const char* kReflectionButRotation =
    "GTransf: m_hasReflection is set, but it is a rotation";
constexpr const char* kRotationButReflection =
    "GTransf: m_hasRotation is set, but it is a reflection";

class ValidityTest : public GmathTest {};

// 1e30 itself is valid; the first bad coordinate ends the check.
TEST_F(ValidityTest, CoordinatesUpToTheHugeValueAreValid) {
  Gassert_valid(GPosition{1e30, -1e30, 0});
  int valid = 0;
  Gassert_valid(GVector{0, 1e30, -1e30}, &valid);
  EXPECT_EQ(valid, 1);
  EXPECT_NO_MESSAGES();
  for (double bad : {Above(1e30), -kInf, kNaN}) {
    Gassert_valid(GPosition{0, 0, bad});
    Gassert_valid(GVector{bad, kNaN, bad}, &valid);
    EXPECT_EQ(valid, 0);
    Gassert_valid(GUnitVector{0, bad, 0});
    EXPECT_MESSAGES("GPosition has an invalid coordinate", kBadVector,
                    "GUnitVector has an invalid coordinate")
        << bad;
  }
}

// (1 + 25 eps)² is exactly 1 + 50 eps, the edge of the unit band.
TEST_F(ValidityTest, UnitLengthBandIsInclusiveAndNullIsStrict) {
  Gassert_valid(GUnitVector{0, 1 + 25 * DBL_EPSILON, 0});
  Gassert_valid(GUnitVector{0.6, 0, -0.8});
  EXPECT_NO_MESSAGES();
  for (double x : {1 + 26 * DBL_EPSILON, 2.0, kBand}) Gassert_valid(GUnitVector{x, 0, 0});
  EXPECT_MESSAGES(kNotUnit, kNotUnit, kNotUnit);
  Gassert_valid(GUnitVector{0, 0, 0});
  Gassert_valid(GUnitVector{Below(kBand), 0, 0});
  EXPECT_MESSAGES(kNullUnit, kNullUnit);
}

TEST_F(ValidityTest, MatrixReportsEachBadRowAndCombinesTheVerdict) {
  GMatrix m = kIdentity;
  m.m_matrix[0][1] = kNaN;
  int valid = 1;
  Gassert_valid(m, &valid);
  EXPECT_EQ(valid, 0);
  EXPECT_MESSAGES(kBadVector);
  m.m_matrix[2][2] = -kInf;
  Gassert_valid(m);
  EXPECT_MESSAGES(kBadVector, kBadVector);
  Gassert_valid(kIdentity, &valid);
  EXPECT_EQ(valid, 1);
}

// Every check runs and reports, in a fixed order; "neither flag" ends it.
TEST_F(ValidityTest, TransformChecksRunInOrder) {
  int valid = 0;
  Gassert_valid(RotateTransf(0.3, BuildUnitVector(1, 2, 3), {1, 2, 3}), &valid);
  EXPECT_EQ(valid, 1);
  Gassert_valid(ScaleTransf(GetDistanceTolerance()));
  EXPECT_NO_MESSAGES();
  GTransf t = BuildTransf(Diagonal(2, 2, 2), {kNaN, 0, 0}, 0.0, 0, 1, 1);
  t.m_matrix.m_matrix[1][0] = kInf;
  Gassert_valid(t, &valid);
  EXPECT_EQ(valid, 0);
  EXPECT_MESSAGES(kBadVector, kBadVector, kNotEuclidean, kBadScale, kShear);
  Gassert_valid(BuildTransf(Diagonal(2, 2, 2), {}, 1, 0, 1, 1));
  EXPECT_MESSAGES(kNotEuclidean, kShear, kReflectionButRotation);
  Gassert_valid(BuildTransf(Diagonal(-2, 2, 2), {}, 1, 0, 0, 0));
  EXPECT_MESSAGES(kNotEuclidean, "GTransf: neither m_hasRotation or m_hasReflection is set");
  for (double bad : {Below(GetDistanceTolerance()), -1.0, kNaN, kInf}) {
    Gassert_valid(ScaleTransf(bad));
    EXPECT_MESSAGES(kBadScale) << bad;
  }
}

// Both flags set: held to both; a zero determinant draws neither. A
// sub-check that passes after an earlier failure leaves the verdict at 0.
TEST_F(ValidityTest, FlagsAreCheckedAgainstTheDeterminantSign) {
  int valid = 1;
  Gassert_valid(BuildTransf(Reflection({1, 0, 0}), {}, 1, 1, 1, 0), &valid);
  EXPECT_EQ(valid, 0);
  EXPECT_MESSAGES(kRotationButReflection);
  Gassert_valid(BuildTransf(kIdentity, {}, 1, 1, 1, 0));
  EXPECT_MESSAGES(kReflectionButRotation);
  Gassert_valid(BuildTransf(Diagonal(1, 1, 0), {}, 1, 1, 1, 0));
  EXPECT_MESSAGES(kNotEuclidean);
  GTransf t = RotateTransf(0.5, {0, 0, 1});
  t.m_translation.m_z = kNaN;
  Gassert_valid(t, &valid);
  EXPECT_EQ(valid, 0);
  EXPECT_MESSAGES(kBadVector);
}

}  // namespace
