// What may stand at the assertion log's name, and how much a line may hold.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "gmath/gmath.h"
#include "support/gmath_test.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "hostile/hostile.h"
#endif

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxLine = 4096;
constexpr const char* kLogName = "math_assert_release.log";

class LogFileTest : public gmath::test::GmathTest {
 protected:
  void SetUp() override {
    GmathTest::SetUp();
    PutRegistryValue("ValidateReleaseMath", 2);
  }
  static void Report(const std::string& text) {
    std::string copy(text);
    invld(nullptr, copy.data(), 1);
  }
  static bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
  }
};

// Lines up to the limit are written as they are; a longer one keeps what
// fits before the marker, never half a UTF-8 character.
TEST_F(LogFileTest, LongLinesAreCutToTheLimitWithAMarker) {
  const std::string fits(kMaxLine - 5, 'a');
  const std::string marker = " [truncated]\n";
  const struct {
    std::string message;
    std::string line;
  } cases[] = {
      {"", "#~# \n"},
      {fits, "#~# " + fits + "\n"},
      {fits + "b", "#~# " + std::string(4079, 'a') + marker},
      {std::string(200000, 'z'), "#~# " + std::string(4079, 'z') + marker},
      {std::string(4078, 'd') + "\xC3\xA9" + std::string(20, 'e'),
       "#~# " + std::string(4078, 'd') + marker},
  };
  std::string expected;
  for (const auto& c : cases) {
    Report(c.message);
    expected += c.line;
    EXPECT_LE(c.line.size(), kMaxLine);
    TakeMessages();
  }
  EXPECT_EQ(LogText(), expected);
}

#ifndef _WIN32
// Each thing at the log's name is left as it was: the line goes to standard
// error instead and a caller is handed no stream.
struct Planted {
  const char* what;
  void (*plant)(const fs::path& log, const fs::path& elsewhere);
};

void LinkToAFile(const fs::path& log, const fs::path& elsewhere) {
  std::ofstream(elsewhere) << "precious\n";
  fs::create_symlink(elsewhere, log);
}

void DanglingLink(const fs::path& log, const fs::path& elsewhere) {
  fs::create_symlink(elsewhere, log);
}

void SecondName(const fs::path& log, const fs::path& elsewhere) {
  std::ofstream(elsewhere) << "precious\n";
  fs::create_hard_link(elsewhere, log);
}

void Fifo(const fs::path& log, const fs::path&) { ASSERT_EQ(mkfifo(log.c_str(), 0644), 0); }

TEST_F(LogFileTest, LinksPipesAndSecondNamesAreRefusedWithoutWaiting) {
  const Planted planted[] = {{"link to a file", LinkToAFile},
                             {"dangling link", DanglingLink},
                             {"second name of a file", SecondName},
                             {"FIFO without a reader", Fifo}};
  const fs::path log = WorkDirectory() / kLogName;
  const fs::path elsewhere = ScratchDirectory() / "elsewhere";
  for (const Planted& p : planted) {
    SCOPED_TRACE(p.what);
    p.plant(log, elsewhere);
    const bool existed = fs::exists(elsewhere);
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(gmath::test::ReturnsUnaided(log, [&] { Report(p.what); }));
    EXPECT_TRUE(
        EndsWith(::testing::internal::GetCapturedStderr(), std::string("#~# ") + p.what + "\n"));
    EXPECT_MESSAGES(p.what);
    FILE* file = nullptr;
    EXPECT_TRUE(gmath::test::ReturnsUnaided(log, [&] { MathDebugOutputFilePtr(&file, 2); }));
    EXPECT_EQ(file, nullptr);
    EXPECT_EQ(fs::exists(elsewhere), existed);
    if (existed) {
      EXPECT_EQ(ReadFile(elsewhere), "precious\n");
    }
    fs::remove(log);
    fs::remove(elsewhere);
  }
}

// A reader on the other end does not make a pipe a log.
TEST_F(LogFileTest, FifoWithAReaderGetsNothing) {
  const fs::path log = WorkDirectory() / kLogName;
  ASSERT_EQ(mkfifo(log.c_str(), 0644), 0);
  const int reader = open(log.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  ::testing::internal::CaptureStderr();
  Report("not into the pipe");
  EXPECT_TRUE(EndsWith(::testing::internal::GetCapturedStderr(), "#~# not into the pipe\n"));
  EXPECT_MESSAGES("not into the pipe");
  char byte = 0;
  EXPECT_LE(read(reader, &byte, 1), 0);
  close(reader);
}

// Only a fresh process shows that the reason is given once, before the
// first line it sends to standard error.
TEST_F(LogFileTest, RefusalIsExplainedOncePerProcess) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        fs::create_symlink(ScratchDirectory() / "elsewhere", kLogName);
        ::testing::internal::CaptureStderr();
        Report("one");
        FILE* file = nullptr;
        MathDebugOutputFilePtr(&file, 1);
        Report("two");
        const bool once = ::testing::internal::GetCapturedStderr() ==
                          "gmath: refused the assertion log math_assert_release.log: a link\n"
                          "#~# one\n#~# two\n";
        std::exit(once && file == nullptr ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

// With the disk full nothing reaches the log: the line goes to standard
// error whole rather than being lost.
TEST_F(LogFileTest, FullDiskSendsTheLineToStandardError) {
  // Longer than the captured standard error, which the limit holds too.
  const std::string first(200, 'f');
  Report(first);
  const std::string before = LogText();
  {
    gmath::test::FileSizeLimit full(before.size());
    ::testing::internal::CaptureStderr();
    Report("disk full");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "#~# disk full\n");
  }
  EXPECT_EQ(LogText(), before);
  EXPECT_MESSAGES(first, "disk full");
}
#endif

}  // namespace
