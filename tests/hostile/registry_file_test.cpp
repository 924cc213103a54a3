// What may stand in the registry stand-in's key directory, and a full disk.
#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "gmath/gmath.h"
#include "hostile/hostile.h"
#include "support/gmath_test.h"

namespace {

namespace fs = std::filesystem;

class RegistryFileTest : public gmath::test::GmathTest {
 protected:
  void SetUp() override {
    GmathTest::SetUp();
    PutRegistryValue("Other", 0);
  }
  fs::path Key() const {
    return ScratchDirectory() / "registry/HKEY_LOCAL_MACHINE/SOFTWARE/Varnsholte/Kolm/Core/Debug";
  }
  fs::path Victim() const {
    const fs::path victim = ScratchDirectory() / "victim";
    if (!fs::exists(victim)) std::ofstream(victim) << "precious\n";
    return victim;
  }
  static int ReadOrCreate(const char* name, int defaultValue) {
    std::string copy(name);
    return CheckDebugRegEntryCoreMath(copy.data(), defaultValue);
  }
  static void Age(const fs::path& path, int seconds) {
    timespec times[2];
    clock_gettime(CLOCK_REALTIME, &times[0]);
    times[0].tv_sec -= seconds;
    times[1] = times[0];
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
  }
};

// A pipe or anything else that is not a regular file reads like a value
// that cannot be queried, without waiting for a writer; the default
// replaces it. A link is followed to what it names.
TEST_F(RegistryFileTest, PipesReadAsMissingWithoutWaiting) {
  ASSERT_EQ(mkfifo((Key() / "Level").c_str(), 0644), 0);
  ASSERT_EQ(mkfifo((ScratchDirectory() / "fifo").c_str(), 0644), 0);
  fs::create_symlink(ScratchDirectory() / "fifo", Key() / "ValidateBndSelfInterXO");
  int answer = -1;
  EXPECT_TRUE(
      gmath::test::ReturnsUnaided(Key() / "Level", [&] { answer = ReadOrCreate("Level", 7); }));
  EXPECT_EQ(answer, 0);
  EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(Key() / "Level")));
  EXPECT_EQ(GetRegistryValue("Level"), 7U);
  EXPECT_TRUE(gmath::test::ReturnsUnaided(ScratchDirectory() / "fifo",
                                          [&] { answer = CheckRegistryBoundarySelfXO(); }));
  EXPECT_EQ(answer, 0);
}

// A link at the value's name is replaced, never written through; so is one
// at any name a temporary file could take. The old naming is planted too,
// in a fresh process whose count of temporary files starts at 0.
TEST_F(RegistryFileTest, PlantedLinksAreReplacedNotFollowed) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        fs::create_symlink(Victim(), Key() / "Level");
        for (int count = 0; count < 64; ++count) {
          const std::string name =
              ".Level." + std::to_string(getpid()) + "." + std::to_string(count) + ".tmp";
          fs::create_symlink(Victim(), Key() / name);
        }
        const bool created = ReadOrCreate("Level", 5) == 0 && ReadOrCreate("Level", 6) == 5;
        const bool replaced = fs::is_regular_file(fs::symlink_status(Key() / "Level"));
        std::exit(created && replaced && ReadFile(Victim()) == "precious\n" ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

// Temporary files of the value written that are older than a minute are
// left by killed writers and removed; younger ones may be another writer's,
// and those of other values or of another shape are not the writer's.
TEST_F(RegistryFileTest, StaleTemporaryFilesOfTheValueAreRemoved) {
  const struct {
    const char* name;
    int age;
    bool link;
    bool kept;
  } temporaries[] = {
      {".Level.tmp.AAAAAA", 120, false, false}, {".Level.tmp.BBBBBB", 120, true, false},
      {".Level.tmp.CCCCCC", 0, false, true},    {".Other.tmp.DDDDDD", 120, false, true},
      {".Level.tmp.toolong", 120, false, true},
  };
  for (const auto& t : temporaries) {
    if (t.link) {
      fs::create_symlink(Victim(), Key() / t.name);
    } else {
      std::ofstream(Key() / t.name) << "1\n";
    }
    Age(Key() / t.name, t.age);
  }
  EXPECT_EQ(ReadOrCreate("Level", 5), 0);
  for (const auto& t : temporaries) {
    EXPECT_EQ(fs::exists(fs::symlink_status(Key() / t.name)), t.kept) << t.name;
  }
  EXPECT_EQ(ReadFile(Victim()), "precious\n");
  EXPECT_EQ(GetRegistryValue("Level"), 5U);
}

// A write that cannot be completed keeps the old file and leaves nothing.
TEST_F(RegistryFileTest, FullDiskKeepsTheOldFile) {
  std::ofstream(Key() / "Level") << "not a number\n";
  {
    gmath::test::FileSizeLimit full(0);
    EXPECT_EQ(ReadOrCreate("Level", 5), 0);
  }
  EXPECT_EQ(ReadFile(Key() / "Level"), "not a number\n");
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(Key())) ++entries;
  EXPECT_EQ(entries, 2);
}

}  // namespace
#endif
