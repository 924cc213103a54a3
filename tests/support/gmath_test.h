#ifndef GMATH_TESTS_SUPPORT_GMATH_TEST_H
#define GMATH_TESTS_SUPPORT_GMATH_TEST_H

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace gmath::test {

// Every test runs in a fresh temporary working directory (where the
// assertion log lands), against a fresh registry, with the process-wide
// tolerances and switches at their defaults, and with every message that
// the library reports without a stream recorded in order. A test checks
// every message it causes: one still unchecked at its end fails it.
class GmathTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The messages recorded since the last call, oldest first; clears them.
  std::vector<std::string> TakeMessages();

  const std::filesystem::path& WorkDirectory() const { return work_; }
  const std::filesystem::path& ScratchDirectory() const { return scratch_; }
  static std::string ReadFile(const std::filesystem::path& path);
  std::string LogText() const { return ReadFile(work_ / "math_assert_release.log"); }

  // Stores a 32-bit value under the debug key, creating the key.
  void PutRegistryValue(const char* name, std::uint32_t value);
  std::optional<std::uint32_t> GetRegistryValue(const char* name) const;
  bool RegistryKeyExists() const;

 private:
  static void Record(const char* message, void* context);

  std::filesystem::path scratch_;
  std::filesystem::path work_;
  std::filesystem::path previousWork_;
  std::vector<std::string> messages_;
};

// Brings the tolerances, the validation switch and flags, the cached
// registry answer and the assertion prompt back to their defaults, as each
// test starts, whatever a call changed.
void RestoreDefaults();

// Where the draws of a randomised test start: GMATH_TEST_SEED, read once,
// or 0. A test adds its own seed to it; another value tries other draws.
unsigned BaseSeed();

// Platform part of the fixture (tests/support/registry_*.cpp).
void ResetTestRegistry(const std::filesystem::path& scratch);
void ReleaseTestRegistry();
void PutTestRegistryValue(const char* name, std::uint32_t value);
std::optional<std::uint32_t> GetTestRegistryValue(const char* name);
bool TestRegistryKeyExists();
#ifdef _WIN32
// Stores a value of any registry type and size under the debug key.
void PutTestRegistryBytes(const char* name, unsigned long type, const void* data,
                          unsigned long size);
#endif

}  // namespace gmath::test

// Exactly these messages, in this order, since the last check.
#define EXPECT_MESSAGES(...) EXPECT_EQ(TakeMessages(), (std::vector<std::string>{__VA_ARGS__}))
#define EXPECT_NO_MESSAGES() EXPECT_EQ(TakeMessages(), std::vector<std::string>{})

#endif
