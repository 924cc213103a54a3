#include "support/gmath_test.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "gmath/gmath.h"

namespace gmath::test {
namespace {

std::filesystem::path MakeScratchDirectory() {
  std::random_device entropy;
  std::mt19937_64 generator(entropy());
  const auto base = std::filesystem::temp_directory_path();
  for (;;) {
    auto candidate = base / ("gmath-test-" + std::to_string(generator()));
    if (std::filesystem::create_directory(candidate)) return candidate;
  }
}

}  // namespace

// Each setter checks against the others, so the order matters and is
// repeated.
void RestoreDefaults() {
  long err = 0;
  for (int round = 0; round < 3; ++round) {
    SetFitTolerance(1.0, &err);
    SetRelativeTolerance(1e-10, &err);
    SetDistanceTolerance(1e-6, &err);
    SetFitTolerance(1e-3, &err);
  }
  SetValidate(1);
  InitAllValidationFlags();
  ResetRegistryValidationMathFlag();
  SetAssertPrompt(nullptr);
}

unsigned BaseSeed() {
  static const unsigned base = [] {
    const char* text = std::getenv("GMATH_TEST_SEED");
    return text == nullptr ? 0u : static_cast<unsigned>(std::strtoul(text, nullptr, 10));
  }();
  return base;
}

void GmathTest::SetUp() {
  SetMessageObserver(nullptr, nullptr);
  RestoreDefaults();
  scratch_ = MakeScratchDirectory();
  work_ = scratch_ / "work";
  std::filesystem::create_directory(work_);
  previousWork_ = std::filesystem::current_path();
  std::filesystem::current_path(work_);
  ResetTestRegistry(scratch_);
  SetMessageObserver(&GmathTest::Record, this);
}

void GmathTest::TearDown() {
  SetMessageObserver(nullptr, nullptr);
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{}) << "reported, never checked";
  RestoreDefaults();
  ReleaseTestRegistry();
  std::filesystem::current_path(previousWork_);
  std::error_code ignored;
  std::filesystem::remove_all(scratch_, ignored);
}

void GmathTest::Record(const char* message, void* context) {
  static_cast<GmathTest*>(context)->messages_.emplace_back(message);
}

std::vector<std::string> GmathTest::TakeMessages() {
  std::vector<std::string> taken;
  taken.swap(messages_);
  return taken;
}

// In text mode, like the library writes its files: a line of a Windows log
// ends in "\r\n" and reads as "\n".
std::string GmathTest::ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void GmathTest::PutRegistryValue(const char* name, std::uint32_t value) {
  PutTestRegistryValue(name, value);
}

std::optional<std::uint32_t> GmathTest::GetRegistryValue(const char* name) const {
  return GetTestRegistryValue(name);
}

bool GmathTest::RegistryKeyExists() const { return TestRegistryKeyExists(); }

}  // namespace gmath::test
