#ifndef GMATH_INDEX_BOX_SELECTOR_H
#define GMATH_INDEX_BOX_SELECTOR_H

#include <cstring>

#include "index/index_data.h"
#include "index/leaf_tests.h"

namespace gmath::detail {

// Four slots at a time: SSE2 width, which every target has.
constexpr unsigned kLanes = 4;
typedef float SlotValues __attribute__((vector_size(4 * kLanes)));
typedef int SlotBits __attribute__((vector_size(4 * kLanes)));

inline SlotValues Slots(const float* values) {
  SlotValues v;
  std::memcpy(&v, values, sizeof v);
  return v;
}

// (q & box) not null. The test on the float bounds is the library's
// separating test rewritten as low_slot <= high_q + d and low_q - d <=
// high_slot, with the query's side rounded outward.
struct BoxSelector {
  GBox query;
  bool testsEverything;
  bool selectsNothing;
  float low[3];   // low_q - d, rounded down with room for the rounding of the sum
  float high[3];  // high_q + d, rounded up

  // Four slots per vector compare.
  unsigned SlotMask(const IndexNode& node) const {
    unsigned mask = 0;
    for (unsigned first = 0; first < kNodeWidth; first += kLanes) {
      const SlotBits meets =
          (Slots(node.low[0] + first) <= high[0]) & (low[0] <= Slots(node.high[0] + first)) &
          (Slots(node.low[1] + first) <= high[1]) & (low[1] <= Slots(node.high[1] + first)) &
          (Slots(node.low[2] + first) <= high[2]) & (low[2] <= Slots(node.high[2] + first));
      for (unsigned s = 0; s < kLanes; ++s) {
        mask |= static_cast<unsigned>(meets[s] & 1) << (first + s);
      }
    }
    return mask;
  }
  bool Hits(const GBox& box) const { return LeafHit(query, box); }
};
BoxSelector SelectorFor(const GBox& query);

}  // namespace gmath::detail

#endif
