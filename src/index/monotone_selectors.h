#ifndef GMATH_INDEX_MONOTONE_SELECTORS_H
#define GMATH_INDEX_MONOTONE_SELECTORS_H

#include "index/index_data.h"
#include "index/leaf_tests.h"

namespace gmath::detail {

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
  // A bound never settles this test for the boxes under it.
  unsigned SureMask(const IndexNode&, unsigned) const { return 0; }
  unsigned InsideMask(const IndexNode&, unsigned) const { return 0; }
  bool Hits(const GBox& box) const { return LeafHit(volume, box); }
};
MonotoneSelector<GClipVolume> SelectorFor(const GClipVolume& volume);
MonotoneSelector<GPtFence> SelectorFor(const GPtFence& fence);

}  // namespace gmath::detail

#endif
