#include <cmath>
#include <limits>

#include "gmath/gmath.h"
#include "support/gmath_test.h"

namespace {

using ToleranceTest = gmath::test::GmathTest;

constexpr const char* kAboveFit = "SetDistanceTolerance: distance tolerance not smaller than resfit / 10";
constexpr const char* kBelowRelative = "SetDistanceTolerance: distance tolerance not larger than resnor * 1000";
constexpr const char* kRelativeTooLarge = "SetRelativeTolerance: relative tolerance not smaller than resabs / 1000";
constexpr const char* kFitTooSmall = "SetFitTolerance: fit tolerance not larger than resabs * 10";
const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST_F(ToleranceTest, DefaultsAreExact) {
  EXPECT_EQ(GetDistanceTolerance(), 1e-6);
  EXPECT_EQ(GetRelativeTolerance(), 1e-10);
  EXPECT_EQ(GetFitTolerance(), 1e-3);
  EXPECT_EQ(GetPosDblAlgn(), 1);
}

// 1e-10 * 1000.0 rounds to just above 1e-7, so 1e-7 itself is too small.
TEST_F(ToleranceTest, DistanceLowerBoundIsTheRoundedProductInclusive) {
  long err = 0;
  SetDistanceTolerance(1e-7, &err);
  EXPECT_EQ(err, 2);
  EXPECT_EQ(GetDistanceTolerance(), 1e-6);
  EXPECT_MESSAGES(kBelowRelative);

  SetDistanceTolerance(1e-10 * 1000.0, &err);
  EXPECT_EQ(err, 0);
  EXPECT_EQ(GetDistanceTolerance(), 1e-10 * 1000.0);

  SetDistanceTolerance(2e-7, &err);
  EXPECT_EQ(err, 0);
  EXPECT_EQ(GetDistanceTolerance(), 2e-7);
  EXPECT_NO_MESSAGES();
}

TEST_F(ToleranceTest, DistanceUpperBoundIsStrict) {
  long err = 0;
  SetDistanceTolerance(1e-4, &err);
  EXPECT_EQ(err, 2);
  EXPECT_EQ(GetDistanceTolerance(), 1e-6);
  EXPECT_MESSAGES(kAboveFit);

  SetDistanceTolerance(9.9e-5, &err);
  EXPECT_EQ(err, 0);
  EXPECT_EQ(GetDistanceTolerance(), 9.9e-5);
  EXPECT_NO_MESSAGES();
}

// NaN fails both bounds; the fit bound is tested first and alone reports.
TEST_F(ToleranceTest, NaNDistanceReportsOnlyTheFirstBound) {
  long err = 0;
  SetDistanceTolerance(kNaN, &err);
  EXPECT_EQ(err, 2);
  EXPECT_EQ(GetDistanceTolerance(), 1e-6);
  EXPECT_MESSAGES(kAboveFit);
}

TEST_F(ToleranceTest, RelativeBoundIsStrictAndHasNoLowerLimit) {
  long err = 0;
  SetRelativeTolerance(1e-9, &err);
  EXPECT_EQ(err, 2);
  EXPECT_EQ(GetRelativeTolerance(), 1e-10);
  EXPECT_MESSAGES(kRelativeTooLarge);

  for (double accepted : {9.9e-10, 0.0, -1.0}) {
    SetRelativeTolerance(accepted, &err);
    EXPECT_EQ(err, 0);
    EXPECT_EQ(GetRelativeTolerance(), accepted);
  }
  SetRelativeTolerance(kNaN, &err);
  EXPECT_EQ(err, 2);
  EXPECT_EQ(GetRelativeTolerance(), -1.0);
  EXPECT_MESSAGES(kRelativeTooLarge);
}

// 1e-6 * 10.0 rounds to just below 1e-5, so 1e-5 is accepted.
TEST_F(ToleranceTest, FitBoundIsTheRoundedProductExclusive) {
  long err = 0;
  SetFitTolerance(9e-6, &err);
  EXPECT_EQ(err, 2);
  EXPECT_EQ(GetFitTolerance(), 1e-3);
  EXPECT_MESSAGES(kFitTooSmall);

  SetFitTolerance(1e-6 * 10.0, &err);
  EXPECT_EQ(err, 2);
  EXPECT_MESSAGES(kFitTooSmall);

  SetFitTolerance(1e-5, &err);
  EXPECT_EQ(err, 0);
  EXPECT_EQ(GetFitTolerance(), 1e-5);
  EXPECT_NO_MESSAGES();
}

TEST_F(ToleranceTest, NaNFitIsRejectedAndLaterSettersStillWork) {
  long err = 0;
  SetFitTolerance(kNaN, &err);
  EXPECT_EQ(err, 2);
  EXPECT_EQ(GetFitTolerance(), 1e-3);
  EXPECT_MESSAGES(kFitTooSmall);

  SetDistanceTolerance(2e-6, &err);
  EXPECT_EQ(err, 0);
  EXPECT_EQ(GetDistanceTolerance(), 2e-6);
}

TEST_F(ToleranceTest, SuccessClearsAnEarlierCode) {
  long err = 2;
  SetDistanceTolerance(5e-6, &err);
  EXPECT_EQ(err, 0);
  err = 1;
  SetRelativeTolerance(1e-11, &err);
  EXPECT_EQ(err, 0);
  err = 2;
  SetFitTolerance(1e-2, &err);
  EXPECT_EQ(err, 0);
}

// Each setter checks against the values current at the call, so widening
// needs the fit tolerance raised first.
TEST_F(ToleranceTest, WideningNeedsTheRightOrder) {
  long err = 0;
  SetDistanceTolerance(1e-3, &err);
  EXPECT_EQ(err, 2);
  SetFitTolerance(2e-2, &err);
  EXPECT_EQ(err, 0);
  SetDistanceTolerance(1e-3, &err);
  EXPECT_EQ(err, 0);
  EXPECT_MESSAGES(kAboveFit);
}

}  // namespace
