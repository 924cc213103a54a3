#ifndef GMATH_INDEX_SINKS_H
#define GMATH_INDEX_SINKS_H

#include <algorithm>
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
  SmallestItems(Item* out, std::uint64_t capacity, Less less)
      : out_(out), capacity_(out ? capacity : 0), less_(less) {}

  void Add(const Item& item) {
    if (total_ < capacity_) {
      out_[total_++] = item;
      if (total_ == capacity_) std::make_heap(out_, out_ + capacity_, less_);
      return;
    }
    ++total_;
    if (capacity_ > 0 && less_(item, out_[0])) {
      std::pop_heap(out_, out_ + capacity_, less_);
      out_[capacity_ - 1] = item;
      std::push_heap(out_, out_ + capacity_, less_);
    }
  }

  // Sorts what was kept and returns the total.
  std::uint64_t Finish() {
    SortKept(out_, std::min(total_, capacity_), less_);
    return total_;
  }

 private:
  Item* out_;
  std::uint64_t capacity_;
  Less less_;
  std::uint64_t total_ = 0;
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
