#include <cstdint>
#include <cstring>

#include <atomic>

#include "frame/platform.h"
#include "gmath/frame.h"

using gmath::detail::DebugKey;

namespace {

std::atomic<int> validateMathRead{0};
std::atomic<int> validateMathAnswer{0};

// True when the value could be read and its low-order byte is 1; the
// registry type is not looked at.
bool IsSetToOne(const char* name) {
  DebugKey key{};
  if (!gmath::detail::OpenDebugKeyForQuery(key)) return false;
  unsigned char bytes[4] = {0, 0, 0, 0};
  const bool read = gmath::detail::QueryDebugValue(key, name, bytes);
  gmath::detail::CloseDebugKey(key);
  return read && bytes[0] == 1;
}

int StoreDefault(DebugKey& key, const char* name, int defaultValue) {
  std::uint32_t value = 0;
  std::memcpy(&value, &defaultValue, sizeof value);
  gmath::detail::SetDebugValue(key, name, value);
  gmath::detail::CloseDebugKey(key);
  return 0;
}

}  // namespace

int CheckRegistryForGeom3dBoundary() {
  return IsSetToOne("SkipCheckGeom3dBoundaries") ? 0 : 1;
}

int CheckRegistryBoundarySelfXO() { return IsSetToOne("ValidateBndSelfInterXO") ? 1 : 0; }

int CheckRegistryValidateCoreMath() {
  if (validateMathRead.load(std::memory_order_relaxed) == 0) {
    validateMathRead.store(1, std::memory_order_relaxed);
    validateMathAnswer.store(IsSetToOne("ValidateMathEnabled") ? 1 : 0, std::memory_order_relaxed);
  }
  return validateMathAnswer.load(std::memory_order_relaxed);
}

void ResetRegistryValidationMathFlag() { validateMathRead.store(0, std::memory_order_relaxed); }

// The default is written but never returned: the call that creates a value
// answers 0, later calls answer what is stored.
int CheckDebugRegEntryCoreMath(char* name, int defaultValue) {
  const char* valueName = name != nullptr ? name : "";
  DebugKey key{};
  bool created = false;
  if (!gmath::detail::CreateDebugKey(key, created)) return 0;
  if (created) return StoreDefault(key, valueName, defaultValue);
  unsigned char bytes[4] = {0, 0, 0, 0};
  if (!gmath::detail::QueryDebugValue(key, valueName, bytes)) {
    return StoreDefault(key, valueName, defaultValue);
  }
  gmath::detail::CloseDebugKey(key);
  std::int32_t value = 0;
  std::uint32_t raw = std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8U |
                      std::uint32_t{bytes[2]} << 16U | std::uint32_t{bytes[3]} << 24U;
  std::memcpy(&value, &raw, sizeof value);
  return value;
}
