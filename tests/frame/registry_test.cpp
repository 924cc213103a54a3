#include <fstream>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

#include "gmath/gmath.h"
#include "support/gmath_test.h"

namespace {

using RegistryTest = gmath::test::GmathTest;

int ReadOrCreate(const char* name, int defaultValue) {
  std::string copy(name);
  return CheckDebugRegEntryCoreMath(copy.data(), defaultValue);
}

// The call that creates a value answers 0, in a new key or an existing one;
// later calls answer the stored number as signed 32 bits.
TEST_F(RegistryTest, ReadOrCreateWritesTheDefaultButAnswersZeroFirst) {
  EXPECT_FALSE(RegistryKeyExists());
  EXPECT_EQ(ReadOrCreate("X", 5), 0);
  EXPECT_TRUE(RegistryKeyExists());
  EXPECT_EQ(GetRegistryValue("X"), 5U);
  EXPECT_EQ(ReadOrCreate("X", 7), 5);
  EXPECT_EQ(GetRegistryValue("X"), 5U);
  EXPECT_EQ(ReadOrCreate("Y", -3), 0);
  EXPECT_EQ(ReadOrCreate("Y", 9), -3);
  PutRegistryValue("Level", 0xFFFFFFFFU);
  EXPECT_EQ(ReadOrCreate("Level", 0), -1);
}

// Without the key: the default answers, and nothing is created. With it,
// only the low-order byte is compared with 1.
TEST_F(RegistryTest, YesNoAnswersLookAtTheLowByte) {
  EXPECT_EQ(CheckRegistryForGeom3dBoundary(), 1);
  EXPECT_EQ(CheckRegistryBoundarySelfXO(), 0);
  EXPECT_EQ(CheckRegistryValidateCoreMath(), 0);
  EXPECT_FALSE(RegistryKeyExists());
  for (std::uint32_t value : {1U, 257U, 0U, 2U, 256U}) {
    PutRegistryValue("SkipCheckGeom3dBoundaries", value);
    PutRegistryValue("ValidateBndSelfInterXO", value);
    PutRegistryValue("ValidateMathEnabled", value);
    ResetRegistryValidationMathFlag();
    const int one = (value & 0xFFU) == 1 ? 1 : 0;
    EXPECT_EQ(CheckRegistryForGeom3dBoundary(), 1 - one) << value;
    EXPECT_EQ(CheckRegistryBoundarySelfXO(), one) << value;
    EXPECT_EQ(CheckRegistryValidateCoreMath(), one) << value;
  }
}

TEST_F(RegistryTest, ValidateMathAnswerIsCachedUntilReset) {
  PutRegistryValue("ValidateMathEnabled", 0);
  EXPECT_EQ(CheckRegistryValidateCoreMath(), 0);
  PutRegistryValue("ValidateMathEnabled", 1);
  EXPECT_EQ(CheckRegistryValidateCoreMath(), 0);
  ResetRegistryValidationMathFlag();
  EXPECT_EQ(CheckRegistryValidateCoreMath(), 1);
  PutRegistryValue("ValidateMathEnabled", 0);
  EXPECT_EQ(CheckRegistryValidateCoreMath(), 1);
}

#ifdef _WIN32
// The real registry holds values of any type and size: the type is not
// looked at, up to four bytes are the low-order bytes of the number, and a
// longer value reads like a missing one.
TEST_F(RegistryTest, ValuesOfAnyTypeUpToFourBytesAreRead) {
  const unsigned char lowByteOne[] = {1, 1};
  gmath::test::PutTestRegistryBytes("ValidateBndSelfInterXO", REG_BINARY, lowByteOne,
                                    sizeof lowByteOne);
  EXPECT_EQ(CheckRegistryBoundarySelfXO(), 1);
  const unsigned char twoBytes[] = {0x34, 0x12};
  gmath::test::PutTestRegistryBytes("Level", REG_BINARY, twoBytes, sizeof twoBytes);
  EXPECT_EQ(ReadOrCreate("Level", 0), 0x1234);
}

TEST_F(RegistryTest, ValuesLongerThanFourBytesCountAsMissing) {
  const std::uint64_t one = 1;
  for (const char* name : {"SkipCheckGeom3dBoundaries", "ValidateBndSelfInterXO", "Level"}) {
    gmath::test::PutTestRegistryBytes(name, REG_QWORD, &one, sizeof one);
  }
  EXPECT_EQ(CheckRegistryForGeom3dBoundary(), 1);
  EXPECT_EQ(CheckRegistryBoundarySelfXO(), 0);
  EXPECT_EQ(ReadOrCreate("Level", 4), 0);
  EXPECT_EQ(GetRegistryValue("Level"), 4U);
  EXPECT_EQ(ReadOrCreate("Level", 8), 4);
}
#else
// The stand-in keeps values as decimal text; anything that is not a number
// fitting in 32 bits reads like a value that could not be queried.
class RegistryTextTest : public RegistryTest {
 protected:
  void PutText(const char* name, const std::string& text) {
    PutRegistryValue("Other", 0);
    std::ofstream(KeyDirectory() / name) << text;
  }
  std::filesystem::path KeyDirectory() const {
    return ScratchDirectory() / "registry/HKEY_LOCAL_MACHINE/SOFTWARE/Varnsholte/Kolm/Core/Debug";
  }
};

TEST_F(RegistryTextTest, TextThatIsNotA32BitNumberCountsAsMissing) {
  for (const char* text : {"4294967296", "-2147483649", "abc", "", "1 2", "12abc"}) {
    PutText("Level", text);
    EXPECT_EQ(ReadOrCreate("Level", 4), 0) << '"' << text << '"';
    EXPECT_EQ(ReadOrCreate("Level", 8), 4) << '"' << text << '"';
    PutText("Flag", text);
    EXPECT_EQ(CheckRegistryBoundarySelfXO(), 0) << '"' << text << '"';
    EXPECT_EQ(CheckRegistryForGeom3dBoundary(), 1) << '"' << text << '"';
  }
}

TEST_F(RegistryTextTest, NumbersMayBeSignedOrUnsignedWithATrailingNewline) {
  PutText("A", "4294967295\n");
  EXPECT_EQ(ReadOrCreate("A", 0), -1);
  PutText("B", "-2147483648");
  EXPECT_EQ(ReadOrCreate("B", 0), -2147483647 - 1);
  PutText("ValidateBndSelfInterXO", "  257\r\n");
  EXPECT_EQ(CheckRegistryBoundarySelfXO(), 1);
}

TEST_F(RegistryTextTest, UnwritableRootBehavesLikeAKeyWithoutRights) {
  const auto blocker = ScratchDirectory() / "plain-file";
  std::ofstream(blocker) << "not a directory";
  ASSERT_EQ(SetRegistryRoot((blocker / "registry").string().c_str()), 1);
  EXPECT_EQ(ReadOrCreate("X", 5), 0);
  EXPECT_EQ(ReadOrCreate("X", 5), 0);
  EXPECT_EQ(CheckRegistryForGeom3dBoundary(), 1);
  EXPECT_EQ(CheckRegistryBoundarySelfXO(), 0);
  EXPECT_EQ(CheckRegistryValidateCoreMath(), 0);
  std::string text = "not logged";
  invld(nullptr, text.data(), 1);
  EXPECT_MESSAGES("not logged");
  EXPECT_FALSE(std::filesystem::exists(WorkDirectory() / "math_assert_release.log"));
}

TEST_F(RegistryTextTest, ValueNamesCannotLeaveTheKeyNorRootsOverflowIt) {
  EXPECT_EQ(ReadOrCreate("../escaped", 5), 0);
  EXPECT_EQ(ReadOrCreate("../escaped", 5), 0);
  EXPECT_FALSE(std::filesystem::exists(KeyDirectory().parent_path() / "escaped"));
  EXPECT_EQ(CheckDebugRegEntryCoreMath(nullptr, 5), 0);
  EXPECT_EQ(SetRegistryRoot(""), 0);
  EXPECT_EQ(SetRegistryRoot(std::string(5000, 'a').c_str()), 0);
}
#endif

}  // namespace
