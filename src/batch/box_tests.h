#ifndef GMATH_BATCH_BOX_TESTS_H
#define GMATH_BATCH_BOX_TESTS_H

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "gmath/core3d/box.h"
#include "batch/prepared.h"
#include "batch/strided.h"

// The two forms of every box test: a flag per box, and the indices of the
// hits. A test is a vector kernel (or none) and the single call; the
// kernel's deferred lanes are answered by the single call in index order.
namespace gmath::detail {

// Boxes a kernel flags before the single call mends its deferred lanes:
// small enough to stay in the first-level cache.
constexpr std::size_t kBlock = 512;

template <class Test>
void FlagBlock(const Test& test, const GBox* boxes, std::size_t first, std::size_t n,
               std::size_t stride, std::uint8_t* flags) {
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(boxes) + first * stride;
  if (test.HasKernel()) {
    if (!test.Kernel(bytes, n, stride, flags)) return;
    for (std::size_t i = 0; i < n; ++i) {
      if (flags[i] == kDefer) flags[i] = test.Single(LoadAt<GBox>(bytes, stride, i)) != 0;
    }
    return;
  }
  for (std::size_t i = 0; i < n; ++i) flags[i] = test.Single(LoadAt<GBox>(bytes, stride, i)) != 0;
}

template <class Test>
void Flags(const Test& test, const GBox* boxes, std::size_t count, std::size_t stride,
           std::uint8_t* flags) {
  for (std::size_t first = 0; first < count; first += kBlock) {
    FlagBlock(test, boxes, first, std::min(kBlock, count - first), stride, flags + first);
  }
}

template <class Test>
std::size_t Hits(const Test& test, const GBox* boxes, std::size_t count, std::size_t stride,
                 std::size_t* hits) {
  std::uint8_t flags[kBlock];
  std::size_t found = 0;
  for (std::size_t first = 0; first < count; first += kBlock) {
    const std::size_t n = std::min(kBlock, count - first);
    FlagBlock(test, boxes, first, n, stride, flags);
    // Written at every index, kept where the flag counts it: no branch.
    for (std::size_t i = 0; i < n; ++i) {
      hits[found] = first + i;
      found += flags[i];
    }
  }
  return found;
}

// The argument checks both forms share.
inline bool AreUsable(const GBox* boxes, std::size_t count, std::size_t stride,
                      const void* results) {
  return IsUsable(count, boxes, stride, sizeof(GBox)) && IsUsable(count, results);
}

}  // namespace gmath::detail

#endif
