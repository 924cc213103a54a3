// A writer of the registry stand-in killed at random moments.
#ifndef _WIN32
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <string>
#include <thread>

#include "gmath/gmath.h"
#include "hostile/hostile.h"
#include "support/gmath_test.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRounds = 12;
constexpr const char* kUnreadable = "x\n";

fs::path KeyOf(const fs::path& root) {
  return root / "HKEY_LOCAL_MACHINE/SOFTWARE/Varnsholte/Kolm/Core/Debug";
}

// Makes the value unreadable, so that the library writes it anew, then
// has it written; the numbers count up from the first one.
TEST(HostileHelper, DISABLED_RegistryWriter) {
  const char* root = std::getenv("GMATH_HELPER_REGISTRY");
  const char* first = std::getenv("GMATH_HELPER_FIRST");
  ASSERT_TRUE(root != nullptr && first != nullptr);
  ASSERT_EQ(SetRegistryRoot(root), 1);
  const fs::path value = KeyOf(root) / "Level";
  for (int number = std::atoi(first);; ++number) {
    std::ofstream(value.string() + ".unreadable") << kUnreadable;
    fs::rename(value.string() + ".unreadable", value);
    std::string name = "Level";
    CheckDebugRegEntryCoreMath(name.data(), number);
  }
}

using RegistryKillTest = gmath::test::GmathTest;

// Ten digits from 1000000000 on: anything shorter is part of a number.
bool IsWholeNumber(const std::string& text, long long atLeast) {
  static const std::regex number("[0-9]{10}\n");
  return std::regex_match(text, number) && std::stoll(text) >= atLeast;
}

int CountTemporaries(const fs::path& key) {
  int count = 0;
  for (const auto& entry : fs::directory_iterator(key)) {
    count += entry.path().filename().string().rfind(".Level.", 0) == 0 ? 1 : 0;
  }
  return count;
}

// Each round starts a writer, waits for its first value and kills it a
// random moment later: the value is then the unreadable text the writer
// put there or one whole number. The temporary files of killed writers
// go with the next write once they are stale.
TEST_F(RegistryKillTest, KilledWriterLeavesTheOldValueOrTheNew) {
  const fs::path root = ScratchDirectory() / "registry";
  PutRegistryValue("Level", 0);
  const fs::path value = KeyOf(root) / "Level";
  std::mt19937 random(gmath::test::BaseSeed() + 17);
  std::uniform_int_distribution<int> delay(0, 20000);
  for (int round = 0; round < kRounds; ++round) {
    const long long first = 1000000000LL + 10000000LL * round;
    const pid_t writer = gmath::test::StartHelper(
        "HostileHelper.DISABLED_RegistryWriter",
        {"GMATH_HELPER_REGISTRY=" + root.string(), "GMATH_HELPER_FIRST=" + std::to_string(first)});
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!IsWholeNumber(ReadFile(value), first) && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
    kill(writer, SIGKILL);
    const int status = gmath::test::WaitForHelper(writer);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "round " << round;
    const std::string text = ReadFile(value);
    EXPECT_TRUE(text == kUnreadable || IsWholeNumber(text, first)) << "round " << round << ": " << text;
  }
  const fs::path key = KeyOf(root);
  EXPECT_LE(CountTemporaries(key), kRounds);
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
