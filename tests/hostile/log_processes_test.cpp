// Eight processes append long lines to one log at once.
#ifndef _WIN32
#include <sys/wait.h>

#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "gmath/gmath.h"
#include "hostile/hostile.h"
#include "support/gmath_test.h"

namespace {

constexpr int kWriters = 8;
constexpr int kLines = 60;
constexpr std::size_t kMaxLine = 4096;

// Lengths on both sides of the limit, so that some lines are cut and
// others, longer than a stdio buffer, are not.
std::string WriterMessage(int writer, int line) {
  const std::size_t length = 3000 + static_cast<std::size_t>((writer * 131 + line * 977) % 6000);
  std::string message = std::to_string(writer) + " " + std::to_string(line) + " ";
  message.resize(length, static_cast<char>('a' + (writer + line) % 26));
  return message;
}

std::string LoggedLine(const std::string& message) {
  if (message.size() + 5 <= kMaxLine) return "#~# " + message;
  return "#~# " + message.substr(0, kMaxLine - 17) + " [truncated]";
}

TEST(HostileHelper, DISABLED_LogWriter) {
  const char* root = std::getenv("GMATH_HELPER_REGISTRY");
  const char* writer = std::getenv("GMATH_HELPER_WRITER");
  ASSERT_TRUE(root != nullptr && writer != nullptr);
  ASSERT_EQ(SetRegistryRoot(root), 1);
  for (int line = 0; line < kLines; ++line) {
    std::string message = WriterMessage(std::atoi(writer), line);
    invld(nullptr, message.data(), 1);
  }
}

using LogProcessesTest = gmath::test::GmathTest;

TEST_F(LogProcessesTest, EveryLineOfEightProcessesArrivesWholeAndOnce) {
  PutRegistryValue("ValidateReleaseMath", 2);
  const std::string root = "GMATH_HELPER_REGISTRY=" + (ScratchDirectory() / "registry").string();
  std::vector<pid_t> helpers;
  for (int writer = 0; writer < kWriters; ++writer) {
    helpers.push_back(
        gmath::test::StartHelper("HostileHelper.DISABLED_LogWriter",
                                 {root, "GMATH_HELPER_WRITER=" + std::to_string(writer)}));
  }
  for (pid_t helper : helpers) {
    const int status = gmath::test::WaitForHelper(helper);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  }
  std::map<std::string, int> expected;
  for (int writer = 0; writer < kWriters; ++writer) {
    for (int line = 0; line < kLines; ++line) expected[LoggedLine(WriterMessage(writer, line))] = 0;
  }
  std::istringstream log(LogText());
  int torn = 0;
  for (std::string line; std::getline(log, line);) {
    const auto found = expected.find(line);
    if (found == expected.end()) {
      ++torn;
    } else {
      ++found->second;
    }
  }
  int notOnce = 0;
  for (const auto& entry : expected) notOnce += entry.second == 1 ? 0 : 1;
  EXPECT_EQ(torn, 0) << "lines that are no writer's whole line";
  EXPECT_EQ(notOnce, 0) << "lines missing or repeated";
}

}  // namespace
#endif
