#ifndef GMATH_INDEX_SINKS_H
#define GMATH_INDEX_SINKS_H

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>

#include "gmath/index.h"
#include "index/id_sort.h"

namespace gmath::detail {

template <class Item, class Less>
void SortKept(Item* items, std::uint64_t count, Less less) {
  std::sort(items, items + count, less);
}
inline void SortKept(std::uint64_t* ids, std::uint64_t count, std::less<std::uint64_t>) {
  SortIds(ids, static_cast<std::size_t>(count));
}

// Keeps the `capacity` smallest items in the caller's array and counts all:
// the array is filled first, then kept as a max-heap whose top is replaced
// by anything smaller, so no memory is needed whatever the total.
template <class Item, class Less>
class SmallestItems {
 public:
  // Positions, not counts, so that writing an item (an id is a 64-bit
  // integer, as a count is) does not make the compiler reload them.
  SmallestItems(Item* out, std::uint64_t capacity, Less less)
      : out_(out), next_(out), end_(out ? out + Addressable(capacity) : out), less_(less) {}

  void Add(const Item& item) {
    if (next_ != end_) {
      *next_++ = item;
      if (next_ == end_) std::make_heap(out_, end_, less_);
      return;
    }
    ++beyond_;
    if (out_ != end_ && less_(item, out_[0])) {
      std::pop_heap(out_, end_, less_);
      end_[-1] = item;
      std::push_heap(out_, end_, less_);
    }
  }

  // Sorts what was kept and returns the total.
  std::uint64_t Finish() {
    const auto kept = static_cast<std::uint64_t>(next_ - out_);
    SortKept(out_, kept, less_);
    return kept + beyond_;
  }

 private:
  // A capacity beyond the address space cannot be filled anyway.
  static std::size_t Addressable(std::uint64_t capacity) {
    return static_cast<std::size_t>(std::min<std::uint64_t>(capacity, PTRDIFF_MAX / sizeof(Item)));
  }

  Item* out_;
  Item* next_;
  Item* end_;
  Less less_;
  std::uint64_t beyond_ = 0;
};

// Nearest first; a NaN depth after every number; ties by id.
inline bool NearerHit(const GBoxIndexHit& a, const GBoxIndexHit& b) {
  const bool aNaN = a.m_depth != a.m_depth;
  const bool bNaN = b.m_depth != b.m_depth;
  if (aNaN != bNaN) return bNaN;
  if (!aNaN && a.m_depth != b.m_depth) return a.m_depth < b.m_depth;
  return a.m_id < b.m_id;
}

}  // namespace gmath::detail

#endif
