#include "index/id_sort.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>

namespace gmath::detail {

namespace {

// Below this a comparison sort beats the passes over the buckets.
constexpr std::size_t kFewIds = 64;
// Longer buckets are sorted on their own before the final insertion sort.
constexpr std::uint32_t kShortBucket = 32;

unsigned BitWidth(std::uint64_t x) {
  unsigned width = 0;
  for (; x != 0; x >>= 1) ++width;
  return width;
}

void InsertionSort(std::uint64_t* begin, std::uint64_t* end) {
  for (std::uint64_t* i = begin + (begin != end); i < end; ++i) {
    const std::uint64_t id = *i;
    std::uint64_t* j = i;
    for (; j != begin && j[-1] > id; --j) *j = j[-1];
    *j = id;
  }
}

}  // namespace

// About one bucket per id, chosen by the leading bits of id - lowest: a
// counting pass, a scattering pass into a copy, long buckets sorted, then one
// insertion sort of the whole, in which no id moves past its bucket's start.
void SortIds(std::uint64_t* ids, std::size_t count) {
  if (count < kFewIds || count > UINT32_MAX) {
    std::sort(ids, ids + count);
    return;
  }
  const auto range = std::minmax_element(ids, ids + count);
  const std::uint64_t lowest = *range.first;
  const std::uint64_t span = *range.second - lowest;
  const unsigned bucketBits = BitWidth(count);
  const unsigned spanBits = BitWidth(span);
  const unsigned shift = spanBits > bucketBits ? spanBits - bucketBits : 0;
  const auto buckets = static_cast<std::size_t>(span >> shift) + 1;
  std::unique_ptr<std::uint64_t[]> sorted(new (std::nothrow) std::uint64_t[count]);
  std::unique_ptr<std::uint32_t[]> ends(new (std::nothrow) std::uint32_t[buckets + 1]());
  if (!sorted || !ends) {
    std::sort(ids, ids + count);
    return;
  }
  const auto bucket = [&](std::uint64_t id) {
    return static_cast<std::size_t>((id - lowest) >> shift);
  };
  for (std::size_t i = 0; i < count; ++i) ++ends[bucket(ids[i]) + 1];
  for (std::size_t b = 1; b <= buckets; ++b) ends[b] += ends[b - 1];
  for (std::size_t i = 0; i < count; ++i) sorted[ends[bucket(ids[i])]++] = ids[i];
  std::uint32_t start = 0;
  for (std::size_t b = 0; b < buckets; ++b) {
    if (ends[b] - start > kShortBucket) std::sort(sorted.get() + start, sorted.get() + ends[b]);
    start = ends[b];
  }
  InsertionSort(sorted.get(), sorted.get() + count);
  std::copy(sorted.get(), sorted.get() + count, ids);
}

}  // namespace gmath::detail
