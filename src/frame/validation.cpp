#include <array>
#include <atomic>

#include "gmath/frame.h"

namespace {

constexpr int kFlagSlots = 64;

// Codes with a slot of their own; every other code shares slot 0.
constexpr std::array<unsigned char, 256> BuildSlotTable() {
  constexpr unsigned char kCodes[] = {3,  4,  12, 14, 15,  16,  23,  24,  25,  27,
                                      29, 30, 31, 32, 33,  40,  50,  103, 104, 105,
                                      112, 115, 116, 125, 127, 140, 145, 150, 151};
  std::array<unsigned char, 256> table{};
  unsigned char slot = 1;
  for (unsigned char code : kCodes) table[code] = slot++;
  return table;
}

constexpr std::array<unsigned char, 256> kSlotOfCode = BuildSlotTable();

std::atomic<int> validateSwitch{1};
std::atomic<unsigned char> validationFlags[kFlagSlots];

std::atomic<unsigned char>& FlagOf(unsigned char code) { return validationFlags[kSlotOfCode[code]]; }

}  // namespace

int GetValidate() { return validateSwitch.load(std::memory_order_relaxed); }
void SetValidate(int value) { validateSwitch.store(value, std::memory_order_relaxed); }

int CheckValidationFlag(unsigned char code) {
  return FlagOf(code).load(std::memory_order_relaxed);
}

void SetValidationFlag(unsigned char code) { FlagOf(code).store(1, std::memory_order_relaxed); }
void ResetValidationFlag(unsigned char code) { FlagOf(code).store(0, std::memory_order_relaxed); }

void InitAllValidationFlags() {
  for (auto& flag : validationFlags) flag.store(0, std::memory_order_relaxed);
}
