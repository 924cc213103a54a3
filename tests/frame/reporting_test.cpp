#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "gmath/gmath.h"
#include "support/gmath_test.h"

namespace {

using ReportingTest = gmath::test::GmathTest;

void Report(const char* text) {
  std::string copy(text);
  invld(nullptr, copy.data(), 1);
}

std::string StreamText(FILE* stream) {
  std::rewind(stream);
  std::string text;
  for (int c = std::fgetc(stream); c != EOF; c = std::fgetc(stream)) text.push_back(static_cast<char>(c));
  return text;
}

TEST_F(ReportingTest, StreamGetsTheLineAndTheRegistryIsNotConsulted) {
  FILE* stream = std::tmpfile();
  ASSERT_NE(stream, nullptr);
  std::string text = "to the stream";
  invld(stream, text.data(), 1);
  EXPECT_EQ(StreamText(stream), "#~# to the stream\n");
  std::fclose(stream);
  EXPECT_FALSE(RegistryKeyExists());
  EXPECT_NO_MESSAGES();
}

TEST_F(ReportingTest, LevelTwoAndAboveAppendOneLinePerMessage) {
  PutRegistryValue("ValidateReleaseMath", 2);
  Report("first");
  Report("second");
  EXPECT_EQ(LogText(), "#~# first\n#~# second\n");
  PutRegistryValue("ValidateReleaseMath", 7);
  Report("third");
  EXPECT_EQ(LogText(), "#~# first\n#~# second\n#~# third\n");
  EXPECT_MESSAGES("first", "second", "third");
}

// The level is signed: 0xFFFFFFFF is -1 and keeps the log closed.
TEST_F(ReportingTest, LevelsBelowTwoDropTheMessageButTheObserverSeesIt) {
  for (std::uint32_t level : {0U, 1U, 0xFFFFFFFFU}) {
    PutRegistryValue("ValidateReleaseMath", level);
    Report("dropped");
  }
  EXPECT_FALSE(std::filesystem::exists(WorkDirectory() / "math_assert_release.log"));
  EXPECT_MESSAGES("dropped", "dropped", "dropped");
}

TEST_F(ReportingTest, ALevelChangeTakesEffectAtTheNextMessage) {
  PutRegistryValue("ValidateReleaseMath", 1);
  Report("before");
  PutRegistryValue("ValidateReleaseMath", 2);
  Report("after");
  EXPECT_EQ(LogText(), "#~# after\n");
}

TEST_F(ReportingTest, MissingLevelDropsTheFirstMessageAndCreatesTheValue) {
  Report("first");
  EXPECT_FALSE(std::filesystem::exists(WorkDirectory() / "math_assert_release.log"));
  EXPECT_TRUE(GetRegistryValue("ValidateReleaseMath").has_value());
}

// Only a fresh process shows the priming: its first message creates the
// level with 0, so a missing level never turns the log on by itself.
TEST_F(ReportingTest, FirstMessageOfAProcessCreatesTheLevelWithZero) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        Report("one");
        Report("two");
        const bool logged = std::filesystem::exists(WorkDirectory() / "math_assert_release.log");
        std::exit(!logged && GetRegistryValue("ValidateReleaseMath") == 0U ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(ReportingTest, UnopenableLogFallsBackToStandardError) {
  PutRegistryValue("ValidateReleaseMath", 2);
  std::filesystem::create_directory(WorkDirectory() / "math_assert_release.log");
  ::testing::internal::CaptureStderr();
  Report("to stderr");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "#~# to stderr\n");
}

TEST_F(ReportingTest, NullMessageIsReportedAsEmpty) {
  PutRegistryValue("ValidateReleaseMath", 2);
  invld(nullptr, nullptr, 1);
  EXPECT_EQ(LogText(), "#~# \n");
  EXPECT_MESSAGES("");
}

TEST_F(ReportingTest, OutputFileIsHandedOutOnlyAtOrAboveTheCallersLevel) {
  PutRegistryValue("ValidateReleaseMath", 2);
  FILE* file = nullptr;
  EXPECT_EQ(MathDebugOutputFilePtr(&file, 3), 2);
  EXPECT_EQ(file, nullptr);

  EXPECT_EQ(MathDebugOutputFilePtr(&file, 2), 2);
  ASSERT_NE(file, nullptr);
  std::fputs("caller's own line\n", file);
  FILE* const owned = file;
  EXPECT_EQ(MathDebugOutputFilePtr(&file, 1), 2);
  EXPECT_EQ(file, owned);
  std::fclose(owned);
  EXPECT_EQ(LogText(), "caller's own line\n");
}

TEST_F(ReportingTest, OutputFileIsNotHandedOutWhenTheLogCannotOpen) {
  PutRegistryValue("ValidateReleaseMath", 5);
  std::filesystem::create_directory(WorkDirectory() / "math_assert_release.log");
  FILE* file = nullptr;
  EXPECT_EQ(MathDebugOutputFilePtr(&file, 1), 5);
  EXPECT_EQ(file, nullptr);
}

int promptCalls = 0;
int promptAnswer = GASSERT_IGNORE;
std::string promptMessage;
int Prompt(const char* message) {
  ++promptCalls;
  promptMessage = message;
  return promptAnswer;
}

class AssertDebugTest : public ReportingTest {
 protected:
  void SetUp() override {
    ReportingTest::SetUp();
    promptCalls = 0;
    promptAnswer = GASSERT_IGNORE;
    promptMessage.clear();
    SetAssertPrompt(&Prompt);
  }
};

TEST_F(AssertDebugTest, NonZeroLevelOnlyPrints) {
  PutRegistryValue("ValidateReleaseMath", 1);
  ::testing::internal::CaptureStdout();
  Gassert_debug("checked");
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Gassert - checked\n");
  EXPECT_EQ(promptCalls, 0);
}

TEST_F(AssertDebugTest, LevelZeroOrMissingAsksAndIgnoreReturns) {
  Gassert_debug("missing level");
  PutRegistryValue("ValidateReleaseMath", 0);
  Gassert_debug("level zero");
  EXPECT_EQ(promptCalls, 2);
  EXPECT_EQ(promptMessage, "level zero");
  EXPECT_EQ(GetRegistryValue("ValidateReleaseMath"), 0U);
}

TEST_F(AssertDebugTest, AbortEndsTheProcess) {
  promptAnswer = GASSERT_ABORT;
  EXPECT_DEATH(Gassert_debug("abort"), "");
}

TEST_F(AssertDebugTest, AnUnshownBoxCountsAsAbort) {
  promptAnswer = 0;
  EXPECT_DEATH(Gassert_debug("no box"), "");
}

#ifdef _WIN32
// With no debugger attached, the breakpoint exception ends the process and
// its code becomes the exit code.
TEST_F(AssertDebugTest, RetryTrapsIntoTheDebugger) {
  constexpr int kBreakpointException = static_cast<int>(0x80000003U);
  promptAnswer = GASSERT_RETRY;
  EXPECT_EXIT(Gassert_debug("retry"), ::testing::ExitedWithCode(kBreakpointException), "");
}
#else
TEST_F(AssertDebugTest, RetryTrapsIntoTheDebugger) {
  promptAnswer = GASSERT_RETRY;
  EXPECT_EXIT(Gassert_debug("retry"), ::testing::KilledBySignal(SIGTRAP), "");
}
#endif

TEST_F(AssertDebugTest, PromptCanBeReplacedAndRestored) {
  EXPECT_EQ(SetAssertPrompt(nullptr), &Prompt);
  EXPECT_EQ(SetAssertPrompt(&Prompt), nullptr);
}

}  // namespace
