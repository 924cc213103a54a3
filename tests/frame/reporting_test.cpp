#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "gmath/gmath.h"
#include "support/gmath_test.h"
#include "textio/text_file.h"

namespace {

using ReportingTest = gmath::test::GmathTest;

void Report(const char* text) {
  std::string copy(text);
  invld(nullptr, copy.data(), 1);
}

TEST_F(ReportingTest, StreamGetsTheLineAndTheRegistryIsNotConsulted) {
  gmath::test::TextFile stream;
  std::string text = "to the stream";
  invld(stream.get(), text.data(), 1);
  EXPECT_EQ(stream.All(), "#~# to the stream\n");
  EXPECT_FALSE(RegistryKeyExists());
}

// The level is read at every message: a missing one is created and drops
// the message, levels below 2 (0xFFFFFFFF is -1) drop it, 2 and above
// append one line each. The observer sees every message; null is empty.
TEST_F(ReportingTest, LevelDecidesAtEachMessageWhetherTheLogGetsALine) {
  Report("missing");
  EXPECT_TRUE(GetRegistryValue("ValidateReleaseMath").has_value());
  for (std::uint32_t level : {0U, 1U, 0xFFFFFFFFU, 2U, 7U}) {
    PutRegistryValue("ValidateReleaseMath", level);
    Report(std::to_string(level).c_str());
  }
  invld(nullptr, nullptr, 1);
  EXPECT_EQ(LogText(), "#~# 2\n#~# 7\n#~# \n");
  EXPECT_MESSAGES("missing", "0", "1", "4294967295", "2", "7", "");
}

#ifndef _WIN32
// The stand-in keeps the level between messages while the value file's
// stamp stays the same. A file changed within the last two seconds is read
// at every message, so rewrites in place within one tick of its timestamps
// show, as do a rewrite of a settled file and a rename over it.
TEST_F(ReportingTest, KeptLevelFollowsEveryChangeOfItsValue) {
  PutRegistryValue("ValidateReleaseMath", 1);
  std::this_thread::sleep_for(std::chrono::milliseconds(3100));
  Report("read");
  Report("kept");
  PutRegistryValue("ValidateReleaseMath", 2);
  Report("rewritten");
  PutRegistryValue("ValidateReleaseMath", 1);
  Report("at once");
  const std::filesystem::path file = ScratchDirectory() / "registry" /
                                     "HKEY_LOCAL_MACHINE/SOFTWARE/Varnsholte/Kolm/Core/Debug" /
                                     "ValidateReleaseMath";
  std::ofstream(file.string() + ".new") << "3\n";
  std::filesystem::rename(file.string() + ".new", file);
  Report("renamed");
  EXPECT_EQ(LogText(), "#~# rewritten\n#~# renamed\n");
  EXPECT_MESSAGES("read", "kept", "rewritten", "at once", "renamed");
}
#endif

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

// The message goes to standard error instead; a caller is handed no file.
TEST_F(ReportingTest, UnopenableLog) {
  PutRegistryValue("ValidateReleaseMath", 5);
  std::filesystem::create_directory(WorkDirectory() / "math_assert_release.log");
  ::testing::internal::CaptureStderr();
  Report("to stderr");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "#~# to stderr\n");
  EXPECT_MESSAGES("to stderr");
  FILE* file = nullptr;
  EXPECT_EQ(MathDebugOutputFilePtr(&file, 1), 5);
  EXPECT_EQ(file, nullptr);
}

// Where permissions do not bite (root, Windows) the probe file gets written
// and there is nothing to check.
TEST_F(ReportingTest, ReadOnlyWorkingDirectorySendsMessagesToStandardError) {
  namespace fs = std::filesystem;
  PutRegistryValue("ValidateReleaseMath", 2);
  fs::permissions(WorkDirectory(), fs::perms::owner_write | fs::perms::group_write |
                                       fs::perms::others_write, fs::perm_options::remove);
  const bool writable = std::ofstream("probe").is_open();
  if (!writable) {
    ::testing::internal::CaptureStderr();
    Report("read-only");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "#~# read-only\n");
    EXPECT_MESSAGES("read-only");
    EXPECT_FALSE(fs::exists(WorkDirectory() / "math_assert_release.log"));
  }
  fs::permissions(WorkDirectory(), fs::perms::owner_write, fs::perm_options::add);
  if (writable) GTEST_SKIP() << "a read-only directory is still writable for this user";
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
  // Nowhere to hand the log: it is opened and closed again.
  EXPECT_EQ(MathDebugOutputFilePtr(nullptr, 1), 2);
  EXPECT_EQ(LogText(), "caller's own line\n");
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
  Gassert_debug(nullptr);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Gassert - checked\nGassert - \n");
  EXPECT_EQ(promptCalls, 0);
  EXPECT_EQ(SetAssertPrompt(nullptr), &Prompt);
  EXPECT_EQ(SetAssertPrompt(&Prompt), nullptr);
}

TEST_F(AssertDebugTest, LevelZeroOrMissingAsksAndIgnoreReturns) {
  Gassert_debug("missing level");
  PutRegistryValue("ValidateReleaseMath", 0);
  Gassert_debug("level zero");
  EXPECT_EQ(promptCalls, 2);
  EXPECT_EQ(promptMessage, "level zero");
  EXPECT_EQ(GetRegistryValue("ValidateReleaseMath"), 0U);
}

// An unshown box (0) counts as Abort.
TEST_F(AssertDebugTest, AbortEndsTheProcess) {
  for (int answer : {int{GASSERT_ABORT}, 0}) {
    promptAnswer = answer;
    EXPECT_DEATH(Gassert_debug("abort"), "") << answer;
  }
}

TEST_F(AssertDebugTest, RetryTrapsIntoTheDebugger) {
  promptAnswer = GASSERT_RETRY;
#ifdef _WIN32
  // With no debugger attached, the breakpoint exception ends the process
  // and its code becomes the exit code.
  const int breakpointException = static_cast<int>(0x80000003U);
  EXPECT_EXIT(Gassert_debug("retry"), ::testing::ExitedWithCode(breakpointException), "");
#else
  EXPECT_EXIT(Gassert_debug("retry"), ::testing::KilledBySignal(SIGTRAP), "");
#endif
}

}  // namespace
