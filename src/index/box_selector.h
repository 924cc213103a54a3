#ifndef GMATH_INDEX_BOX_SELECTOR_H
#define GMATH_INDEX_BOX_SELECTOR_H

#include "index/index_data.h"
#include "index/leaf_tests.h"

namespace gmath::detail {

// (q & box) not null. The test on the float bounds is the library's
// separating test rewritten as low_slot <= high_q + d and low_q - d <=
// high_slot, with the query's side rounded outward.
struct BoxSelector {
  GBox query;
  bool testsEverything;
  bool selectsNothing;
  float low[3];   // low_q - d, rounded down with room for the rounding of the sum
  float high[3];  // high_q + d, rounded up

  // Branch-free, so that the eight slots compare as two vectors.
  unsigned SlotMask(const IndexNode& node) const {
    unsigned mask = 0;
    for (unsigned s = 0; s < kNodeWidth; ++s) {
      const unsigned meets = (node.low[0][s] <= high[0]) & (low[0] <= node.high[0][s]) &
                             (node.low[1][s] <= high[1]) & (low[1] <= node.high[1][s]) &
                             (node.low[2][s] <= high[2]) & (low[2] <= node.high[2][s]);
      mask |= meets << s;
    }
    return mask;
  }
  bool Hits(const GBox& box) const { return LeafHit(query, box); }
};
BoxSelector SelectorFor(const GBox& query);

}  // namespace gmath::detail

#endif
