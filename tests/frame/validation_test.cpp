#include <set>

#include "gmath/gmath.h"
#include "support/gmath_test.h"

namespace {

using ValidationTest = gmath::test::GmathTest;

const std::set<int> kCodesWithSlots = {3,  4,  12, 14, 15,  16,  23,  24,  25,  27,
                                       29, 30, 31, 32, 33,  40,  50,  103, 104, 105,
                                       112, 115, 116, 125, 127, 140, 145, 150, 151};

TEST_F(ValidationTest, SwitchStartsAtOneAndStoresAnyValue) {
  EXPECT_EQ(GetValidate(), 1);
  SetValidate(-7);
  EXPECT_EQ(GetValidate(), -7);
}

TEST_F(ValidationTest, EachCodeWithARowHasItsOwnFlag) {
  for (int code : kCodesWithSlots) {
    InitAllValidationFlags();
    SetValidationFlag(static_cast<unsigned char>(code));
    for (int other = 0; other < 256; ++other) {
      EXPECT_EQ(CheckValidationFlag(static_cast<unsigned char>(other)), other == code ? 1 : 0)
          << "set " << code << ", checked " << other;
    }
    ResetValidationFlag(static_cast<unsigned char>(code));
    EXPECT_EQ(CheckValidationFlag(static_cast<unsigned char>(code)), 0);
  }
}

TEST_F(ValidationTest, CodesWithoutARowShareOneFlag) {
  SetValidationFlag(200);
  for (int code = 0; code < 256; ++code) {
    const int expected = kCodesWithSlots.count(code) != 0 ? 0 : 1;
    EXPECT_EQ(CheckValidationFlag(static_cast<unsigned char>(code)), expected) << code;
  }
  ResetValidationFlag(0);
  EXPECT_EQ(CheckValidationFlag(152), 0);
  SetValidationFlag(255);
  SetValidationFlag(3);
  InitAllValidationFlags();
  EXPECT_EQ(CheckValidationFlag(1), 0);
  EXPECT_EQ(CheckValidationFlag(3), 0);
}

}  // namespace
