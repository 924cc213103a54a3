#ifndef GMATH_INDEX_TRAVERSE_H
#define GMATH_INDEX_TRAVERSE_H

#include <cstddef>
#include <cstdint>

#include "index/index_data.h"

namespace gmath::detail {

// Eight slots per node, at most 22 levels for 2^64 boxes: a full stack
// never holds more than 8 entries per level.
constexpr unsigned kStackDepth = 8 * 24;

// Positions are size_t: an index in memory cannot hold more.
struct NodeRef {
  std::uint32_t level;
  std::size_t node;
};

inline unsigned UsedSlots(std::uint64_t items, std::size_t node) {
  const std::uint64_t first = static_cast<std::uint64_t>(node) * kNodeWidth;
  const std::uint64_t left = items - first;
  return left >= kNodeWidth ? (1u << kNodeWidth) - 1 : (1u << left) - 1;
}

// Hands sink(i) the position i of every box the selector selects; sink
// returns false to stop. Returns false when stopped.
template <class Selector, class Sink>
bool TestEach(const GBoxIndex& index, std::size_t first, std::size_t end,
              const Selector& selector, Sink& sink) {
  for (std::size_t i = first; i < end; ++i) {
    if (selector.Hits(index.boxes[i]) && !sink(i)) return false;
  }
  return true;
}

template <class Selector, class Sink>
bool WalkTree(const GBoxIndex& index, const Selector& selector, Sink& sink) {
  if (index.levels.empty()) return true;
  NodeRef stack[kStackDepth];
  unsigned size = 0;
  stack[size++] = {static_cast<std::uint32_t>(index.levels.size() - 1), 0};
  while (size > 0) {
    const NodeRef ref = stack[--size];
    const IndexLevel& level = index.levels[ref.level];
    unsigned mask = selector.SlotMask(level.nodes[ref.node]) & UsedSlots(level.count, ref.node);
    for (; mask != 0; mask &= mask - 1) {
      const std::size_t child = ref.node * kNodeWidth + static_cast<unsigned>(__builtin_ctz(mask));
      if (ref.level > 0) {
        stack[size++] = {ref.level - 1, child};
      } else if (selector.Hits(index.boxes[child]) && !sink(child)) {
        return false;
      }
    }
  }
  return true;
}

// The tree where the selector can prune, every box where it cannot, then
// the loose boxes, which no bound stands for.
template <class Selector, class Sink>
void Select(const GBoxIndex& index, const Selector& selector, Sink& sink) {
  const auto treeCount = static_cast<std::size_t>(index.treeCount);
  const bool goOn = selector.testsEverything ? TestEach(index, 0, treeCount, selector, sink)
                                             : WalkTree(index, selector, sink);
  if (goOn) TestEach(index, treeCount, index.boxes.size(), selector, sink);
}

}  // namespace gmath::detail

#endif
