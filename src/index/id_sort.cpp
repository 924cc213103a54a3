#include "index/id_sort.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>

namespace gmath::detail {

namespace {

// Below this a comparison sort beats the passes of the radix sort.
constexpr std::size_t kFewIds = 64;
constexpr unsigned kDigitBits = 10;
constexpr std::size_t kDigits = std::size_t{1} << kDigitBits;

unsigned BitWidth(std::uint64_t x) {
  unsigned width = 0;
  for (; x != 0; x >>= 1) ++width;
  return width;
}

}  // namespace

// A least significant digit first radix sort of id - lowest, ten bits per
// pass and only as many passes as the span of the ids needs (two below
// 2^20): no comparison, so no mispredicted branch, which is what a
// comparison sort of a query's scattered ids spends most of its time on.
// Every pass's counts come from one first reading of the ids.
void SortIds(std::uint64_t* ids, std::size_t count) {
  if (count < kFewIds || count > UINT32_MAX) {
    std::sort(ids, ids + count);
    return;
  }
  const std::uint64_t lowest = *std::min_element(ids, ids + count);
  std::uint64_t span = 0;
  for (std::size_t i = 0; i < count; ++i) span |= ids[i] - lowest;
  const unsigned passes = (BitWidth(span) + kDigitBits - 1) / kDigitBits;
  std::unique_ptr<std::uint64_t[]> spare(new (std::nothrow) std::uint64_t[count]);
  std::unique_ptr<std::uint32_t[]> counts(new (std::nothrow) std::uint32_t[passes * kDigits]());
  if (!spare || !counts) {
    std::sort(ids, ids + count);
    return;
  }
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint64_t offset = ids[i] - lowest;
    for (unsigned pass = 0; pass < passes; ++pass) {
      ++counts[pass * kDigits + ((offset >> (kDigitBits * pass)) & (kDigits - 1))];
    }
  }
  std::uint64_t* from = ids;
  std::uint64_t* to = spare.get();
  for (unsigned pass = 0; pass < passes; ++pass) {
    std::uint32_t* starts = counts.get() + pass * kDigits;
    std::uint32_t start = 0;
    for (std::size_t digit = 0; digit < kDigits; ++digit) {
      const std::uint32_t size = starts[digit];
      starts[digit] = start;
      start += size;
    }
    const unsigned shift = kDigitBits * pass;
    for (std::size_t i = 0; i < count; ++i) {
      to[starts[((from[i] - lowest) >> shift) & (kDigits - 1)]++] = from[i];
    }
    std::swap(from, to);
  }
  if (from != ids) std::copy(from, from + count, ids);
}

}  // namespace gmath::detail
