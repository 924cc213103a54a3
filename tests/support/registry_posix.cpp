// The registry stand-in of the tests: a fresh root per test.
#include <fstream>

#include "gmath/gmath.h"
#include "support/gmath_test.h"

namespace gmath::test {
namespace {

std::filesystem::path root;

std::filesystem::path KeyDirectory() {
  return root / "HKEY_LOCAL_MACHINE/SOFTWARE/Varnsholte/Kolm/Core/Debug";
}

}  // namespace

void ResetTestRegistry(const std::filesystem::path& scratch) {
  root = scratch / "registry";
  ASSERT_EQ(SetRegistryRoot(root.string().c_str()), 1);
}

void ReleaseTestRegistry() { SetRegistryRoot(nullptr); }

void PutTestRegistryValue(const char* name, std::uint32_t value) {
  std::filesystem::create_directories(KeyDirectory());
  std::ofstream(KeyDirectory() / name) << value << '\n';
}

std::optional<std::uint32_t> GetTestRegistryValue(const char* name) {
  std::ifstream in(KeyDirectory() / name);
  long long value = 0;
  if (!(in >> value)) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

bool TestRegistryKeyExists() { return std::filesystem::is_directory(KeyDirectory()); }

}  // namespace gmath::test
