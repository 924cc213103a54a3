// The tests run against the real registry: the debug key is removed before
// and after each test so that every test starts without it.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "support/gmath_test.h"

namespace gmath::test {
namespace {

constexpr const char* kKeyPath = "SOFTWARE\\Varnsholte\\Kolm\\Core\\Debug";

void DeleteDebugKey() { RegDeleteTreeA(HKEY_LOCAL_MACHINE, kKeyPath); }

}  // namespace

void ResetTestRegistry(const std::filesystem::path&) { DeleteDebugKey(); }

void ReleaseTestRegistry() { DeleteDebugKey(); }

void PutTestRegistryValue(const char* name, std::uint32_t value) {
  const DWORD data = value;
  PutTestRegistryBytes(name, REG_DWORD, &data, sizeof data);
}

void PutTestRegistryBytes(const char* name, unsigned long type, const void* data,
                          unsigned long size) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

std::optional<std::uint32_t> GetTestRegistryValue(const char* name) {
  DWORD data = 0;
  DWORD size = sizeof data;
  if (RegGetValueA(HKEY_LOCAL_MACHINE, kKeyPath, name, RRF_RT_REG_DWORD, nullptr, &data, &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return data;
}

bool TestRegistryKeyExists() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKeyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(key);
  return true;
}

}  // namespace gmath::test
