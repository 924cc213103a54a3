#ifndef GMATH_INDEX_BORE_SELECTOR_H
#define GMATH_INDEX_BORE_SELECTOR_H

#include "index/index_data.h"
#include "index/leaf_tests.h"

namespace gmath::detail {

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
  // A bound never settles this test for the boxes under it.
  unsigned SureMask(const IndexNode&, unsigned) const { return 0; }
  unsigned InsideMask(const IndexNode&, unsigned) const { return 0; }
  bool Hits(const GBox& box) const { return LeafHit(bore, box); }
};
BoreSelector SelectorFor(const GBoreLine& bore);

}  // namespace gmath::detail

#endif
