#include "gmath/gmath.h"
#include "support/gmath_test.h"
#include "support/values.h"

namespace {

constexpr const char* kAboveFit =
    "SetDistanceTolerance: distance tolerance not smaller than resfit / 10";
constexpr const char* kBelowRelative =
    "SetDistanceTolerance: distance tolerance not larger than resnor * 1000";
constexpr const char* kRelativeTooLarge =
    "SetRelativeTolerance: relative tolerance not smaller than resabs / 1000";
constexpr const char* kFitTooSmall = "SetFitTolerance: fit tolerance not larger than resabs * 10";
using gmath::test::kNaN;

class ToleranceTest : public gmath::test::GmathTest {
 protected:
  using Setter = void (*)(double, long*);
  using Getter = double (*)();

  // Sets value, which must be accepted (rejection null) or be refused with
  // code 2 and exactly that message, the old value kept. The code starts at
  // 7: success must clear it.
  void Set(Setter set, Getter get, double value, const char* rejection) {
    const double before = get();
    long err = 7;
    set(value, &err);
    if (rejection == nullptr) {
      EXPECT_EQ(err, 0) << value;
      EXPECT_EQ(get(), value);
      EXPECT_NO_MESSAGES();
    } else {
      EXPECT_EQ(err, 2) << value;
      EXPECT_EQ(get(), before);
      EXPECT_MESSAGES(rejection);
    }
  }
  void Distance(double value, const char* rejection = nullptr) {
    Set(SetDistanceTolerance, GetDistanceTolerance, value, rejection);
  }
  void Relative(double value, const char* rejection = nullptr) {
    Set(SetRelativeTolerance, GetRelativeTolerance, value, rejection);
  }
  void Fit(double value, const char* rejection = nullptr) {
    Set(SetFitTolerance, GetFitTolerance, value, rejection);
  }
};

TEST_F(ToleranceTest, DefaultsAreExact) {
  EXPECT_EQ(GetDistanceTolerance(), 1e-6);
  EXPECT_EQ(GetRelativeTolerance(), 1e-10);
  EXPECT_EQ(GetFitTolerance(), 1e-3);
  EXPECT_EQ(GetPosDblAlgn(), 1);
}

// 1e-10 * 1000.0 rounds to just above 1e-7, so 1e-7 itself is too small;
// the bound is the rounded product, inclusive. The upper bound is strict.
// NaN fails both bounds: the fit bound is tested first and alone reports.
TEST_F(ToleranceTest, DistanceBounds) {
  Distance(1e-7, kBelowRelative);
  Distance(1e-10 * 1000.0);
  Distance(2e-7);
  Distance(1e-4, kAboveFit);
  Distance(9.9e-5);
  Distance(kNaN, kAboveFit);
}

TEST_F(ToleranceTest, RelativeBoundIsStrictAndHasNoLowerLimit) {
  Relative(1e-9, kRelativeTooLarge);
  Relative(9.9e-10);
  Relative(0.0);
  Relative(-1.0);
  Relative(kNaN, kRelativeTooLarge);
}

// 1e-6 * 10.0 rounds to just below 1e-5, so 1e-5 is accepted; NaN is
// rejected and leaves the other setters working.
TEST_F(ToleranceTest, FitBoundIsTheRoundedProductExclusive) {
  Fit(9e-6, kFitTooSmall);
  Fit(1e-6 * 10.0, kFitTooSmall);
  Fit(kNaN, kFitTooSmall);
  Fit(1e-5);
  Distance(5e-7);
}

// Each setter checks against the values current at the call, so widening
// needs the fit tolerance raised first.
TEST_F(ToleranceTest, WideningNeedsTheRightOrder) {
  Distance(1e-3, kAboveFit);
  Fit(2e-2);
  Distance(1e-3);
}

}  // namespace
