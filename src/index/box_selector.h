#ifndef GMATH_INDEX_BOX_SELECTOR_H
#define GMATH_INDEX_BOX_SELECTOR_H

#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

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

// The bits of the lanes a vector compare set, slot `first` upward: one
// instruction where SSE2 is there to read the lanes' sign bits.
inline unsigned LaneBits(SlotBits meets, unsigned first) {
#ifdef __SSE2__
  return static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(__m128i(meets)))) << first;
#else
  unsigned mask = 0;
  for (unsigned s = 0; s < kLanes; ++s) mask |= static_cast<unsigned>(meets[s] & 1) << (first + s);
  return mask;
#endif
}

// (q & box) not null. The test on the float bounds is the library's
// separating test rewritten as low_slot <= high_q + d and low_q - d <=
// high_slot, with the query's side rounded outward.
//
// A box the float bounds show to overlap q with room to spare needs no
// test of its own: with fl <= L < next(fl) and prev(fh) < H <= fh, the
// float compares fl < sureHigh = down(high_q) and sureLow = up(low_q) < fh
// prove L < high_q and low_q < H exactly. With L < H (a solid box) and
// low_q < high_q, max(low) < min(high) holds before any rounding, and for a
// tolerance d >= 0 every step of the library's test then passes: neither
// box is null, max(low) < min(high) + d, and the cut is not null.
struct BoxSelector {
  GBox query;
  bool testsEverything;
  bool selectsNothing;
  bool mayBeSure;     // low_q < high_q on every axis, and d >= 0
  float low[3];       // low_q - d, rounded down with room for the rounding of the sum
  float high[3];      // high_q + d, rounded up
  float sureLow[3];   // low_q rounded up
  float sureHigh[3];  // high_q rounded down

  // The slots that may hold a hit, four per vector compare.
  unsigned SlotMask(const IndexNode& node) const {
    unsigned mask = 0;
    for (unsigned first = 0; first < kNodeWidth; first += kLanes) {
      mask |= LaneBits(
          (Slots(node.low[0] + first) <= high[0]) & (low[0] <= Slots(node.high[0] + first)) &
              (Slots(node.low[1] + first) <= high[1]) & (low[1] <= Slots(node.high[1] + first)) &
              (Slots(node.low[2] + first) <= high[2]) & (low[2] <= Slots(node.high[2] + first)),
          first);
    }
    return mask;
  }
  // The boxes of level 0 that surely overlap q.
  unsigned SureMask(const IndexNode& node, unsigned solid) const {
    if (!mayBeSure) return 0;
    unsigned mask = 0;
    for (unsigned first = 0; first < kNodeWidth; first += kLanes) {
      mask |= LaneBits((Slots(node.low[0] + first) < sureHigh[0]) &
                           (sureLow[0] < Slots(node.high[0] + first)) &
                           (Slots(node.low[1] + first) < sureHigh[1]) &
                           (sureLow[1] < Slots(node.high[1] + first)) &
                           (Slots(node.low[2] + first) < sureHigh[2]) &
                           (sureLow[2] < Slots(node.high[2] + first)),
                       first);
    }
    return mask & solid;
  }
  // The subtrees whose every box surely overlaps q: their bound lies
  // strictly inside (sureLow, sureHigh), so each box's fl and fh do too.
  unsigned InsideMask(const IndexNode& node, unsigned solid) const {
    if (!mayBeSure) return 0;
    unsigned mask = 0;
    for (unsigned first = 0; first < kNodeWidth; first += kLanes) {
      mask |= LaneBits((sureLow[0] < Slots(node.low[0] + first)) &
                           (Slots(node.high[0] + first) < sureHigh[0]) &
                           (sureLow[1] < Slots(node.low[1] + first)) &
                           (Slots(node.high[1] + first) < sureHigh[1]) &
                           (sureLow[2] < Slots(node.low[2] + first)) &
                           (Slots(node.high[2] + first) < sureHigh[2]),
                       first);
    }
    return mask & solid;
  }
  bool Hits(const GBox& box) const { return LeafHit(query, box); }
};
BoxSelector SelectorFor(const GBox& query);

}  // namespace gmath::detail

#endif
