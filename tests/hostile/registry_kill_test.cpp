// A writer of the registry stand-in killed at random moments.
#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "gmath/gmath.h"
#include "hostile/hostile.h"
#include "support/gmath_test.h"

namespace {

namespace fs = std::filesystem;

constexpr int kWriters = 8;
constexpr const char* kUnreadable = "x\n";

fs::path KeyOf(const fs::path& root) {
  return root / "HKEY_LOCAL_MACHINE/SOFTWARE/Varnsholte/Kolm/Core/Debug";
}

fs::path WritingMark(const fs::path& root, const std::string& first) {
  return root / ("writing-" + first);
}

// Makes the value unreadable, so that the library writes it anew, then has
// it written, over and over; the numbers count up from the first one. The
// mark says that the writer got past its start.
TEST(HostileHelper, DISABLED_RegistryWriter) {
  const char* root = std::getenv("GMATH_HELPER_REGISTRY");
  const char* first = std::getenv("GMATH_HELPER_FIRST");
  ASSERT_TRUE(root != nullptr && first != nullptr);
  ASSERT_EQ(SetRegistryRoot(root), 1);
  const fs::path value = KeyOf(root) / "Level";
  const std::string unreadable = value.string() + ".unreadable-" + first;
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  for (int number = std::atoi(first); std::chrono::steady_clock::now() < end; ++number) {
    std::ofstream(unreadable) << kUnreadable;
    fs::rename(unreadable, value);
    std::string name = "Level";
    CheckDebugRegEntryCoreMath(name.data(), number);
    if (number == std::atoi(first)) std::ofstream{WritingMark(root, first)};
  }
}

// Kills whatever writer a failed check left running.
struct Writers {
  std::vector<pid_t> pids;
  ~Writers() {
    for (pid_t pid : pids) {
      if (pid > 0) {
        kill(pid, SIGKILL);
        gmath::test::WaitForHelper(pid);
      }
    }
  }
};

using RegistryKillTest = gmath::test::GmathTest;

// Ten digits from 1000000000 on: anything shorter is part of a number.
bool IsWholeNumber(const std::string& text) {
  static const std::regex number("[0-9]{10}\n");
  return std::regex_match(text, number) && std::stoll(text) >= 1000000000LL;
}

int CountTemporaries(const fs::path& key) {
  int count = 0;
  for (const auto& entry : fs::directory_iterator(key)) {
    count += entry.path().filename().string().rfind(".Level.", 0) == 0 ? 1 : 0;
  }
  return count;
}

// Writers of one value run at once and are killed one by one, each a
// random moment after it started writing: the value is then always the
// unreadable text a writer put there or one whole number. The temporary
// files of killed writers go with the next write once they are stale.
TEST_F(RegistryKillTest, KilledWritersLeaveTheOldValueOrTheNew) {
  const fs::path root = ScratchDirectory() / "registry";
  PutRegistryValue("Level", 0);
  std::vector<std::string> firsts;
  Writers writers;
  for (int w = 0; w < kWriters; ++w) {
    firsts.push_back(std::to_string(1000000000LL + 10000000LL * w));
    writers.pids.push_back(gmath::test::StartHelper(
        "HostileHelper.DISABLED_RegistryWriter",
        {"GMATH_HELPER_REGISTRY=" + root.string(), "GMATH_HELPER_FIRST=" + firsts.back()}));
    ASSERT_GT(writers.pids.back(), 0);
  }
  std::mt19937 random(gmath::test::BaseSeed() + 17);
  std::uniform_int_distribution<int> delay(0, 20000);
  const fs::path value = KeyOf(root) / "Level";
  for (int w = 0; w < kWriters; ++w) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!fs::exists(WritingMark(root, firsts[w])) &&
           std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
    kill(writers.pids[w], SIGKILL);
    const int status = gmath::test::WaitForHelper(writers.pids[w]);
    writers.pids[w] = -1;
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "writer " << w;
    const std::string text = ReadFile(value);
    EXPECT_TRUE(text == kUnreadable || IsWholeNumber(text)) << "writer " << w << ": " << text;
  }
  const fs::path key = KeyOf(root);
  EXPECT_LE(CountTemporaries(key), kWriters);
  for (const auto& entry : fs::directory_iterator(key)) {
    const auto stale = fs::file_time_type::clock::now() - std::chrono::minutes(2);
    fs::last_write_time(entry.path(), stale);
  }
  std::ofstream(value) << kUnreadable;
  std::string name = "Level";
  EXPECT_EQ(CheckDebugRegEntryCoreMath(name.data(), 7), 0);
  EXPECT_EQ(CountTemporaries(key), 0);
  EXPECT_EQ(GetRegistryValue("Level"), 7U);
}

}  // namespace
#endif
