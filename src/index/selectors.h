#ifndef GMATH_INDEX_SELECTORS_H
#define GMATH_INDEX_SELECTORS_H

#include "index/index_data.h"
#include "index/leaf_tests.h"

namespace gmath::detail {

// A selector answers two questions: may a slot's subtree hold a box the
// volume selects (SlotMask, one bit per slot; it may say yes wrongly but
// never no wrongly), and does the volume select this box (Hits, the
// library's own test). testsEverything turns the pruning off for volumes
// whose numbers a bound cannot be trusted with: every box is then tested.

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

// bore && box, which a bound cannot answer for directly (it is not
// monotone in the box): the bound is tested in world units against the
// bore stretch, with slack for every rounding the library's test makes.
struct BoreSelector {
  GBoreLine bore;
  bool testsEverything;
  double point[3];
  double direction[3];
  double grow;
  double nearest;
  double farthest;

  unsigned SlotMask(const IndexNode& node) const;
  bool Hits(const GBox& box) const { return LeafHit(bore, box); }
};
BoreSelector SelectorFor(const GBoreLine& bore);

// Separating tests monotone in the box: a bound that fails means every box
// inside fails, so the library's own test answers for the bound.
template <class Volume>
struct MonotoneSelector {
  Volume volume;
  bool testsEverything;

  unsigned SlotMask(const IndexNode& node) const {
    unsigned mask = 0;
    for (unsigned s = 0; s < kNodeWidth; ++s) {
      if (!(node.low[0][s] <= node.high[0][s])) continue;
      const GBox bound = {{node.low[0][s], node.low[1][s], node.low[2][s]},
                          {node.high[0][s], node.high[1][s], node.high[2][s]}};
      if (LeafHit(volume, bound)) mask |= 1u << s;
    }
    return mask;
  }
  bool Hits(const GBox& box) const { return LeafHit(volume, box); }
};
MonotoneSelector<GClipVolume> SelectorFor(const GClipVolume& volume);
MonotoneSelector<GPtFence> SelectorFor(const GPtFence& fence);

}  // namespace gmath::detail

#endif
