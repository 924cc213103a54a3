#ifndef GMATH_INDEX_TRAVERSE_H
#define GMATH_INDEX_TRAVERSE_H

#include <algorithm>
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
bool TestEach(const GBoxIndex& index, std::size_t first, std::size_t end, const Selector& selector,
              Sink& sink) {
  for (std::size_t i = first; i < end; ++i) {
    if (selector.Hits(index.boxes[i]) && !sink(i)) return false;
  }
  return true;
}

// A walk waits on memory more than it computes: the nodes it will visit are
// fetched while it works on the ones before them.
inline void Prefetch(const IndexNode& node) {
  const char* bytes = reinterpret_cast<const char*>(&node);
  for (std::size_t line = 0; line < sizeof node; line += 64) __builtin_prefetch(bytes + line);
}

// Hands sink the boxes under slot item `item` of a node of level `level`
// without testing them: item 8j + s stands for boxes [item, item + 1) * 8^level.
template <class Sink>
bool TakeSubtree(const GBoxIndex& index, std::uint32_t level, std::size_t item, Sink& sink) {
  const unsigned shift = 3 * level;
  static_assert(1u << 3 == kNodeWidth, "a level multiplies the boxes by eight");
  const std::uint64_t first = static_cast<std::uint64_t>(item) << shift;
  const std::uint64_t end =
      std::min<std::uint64_t>(index.treeCount, (static_cast<std::uint64_t>(item) + 1) << shift);
  for (auto i = static_cast<std::size_t>(first); i < end; ++i) {
    if (!sink(i)) return false;
  }
  return true;
}

// Slots the selector shows to be hits whole are taken untested; of the
// others, nodes are searched further and boxes tested one by one.
template <class Selector, class Sink>
bool WalkTree(const GBoxIndex& index, const Selector& selector, Sink& sink) {
  if (index.levels.empty()) return true;
  NodeRef stack[kStackDepth];
  unsigned size = 0;
  stack[size++] = {static_cast<std::uint32_t>(index.levels.size() - 1), 0};
  while (size > 0) {
    const NodeRef ref = stack[--size];
    const IndexLevel& level = index.levels[ref.level];
    const IndexNode& node = level.nodes[ref.node];
    const unsigned mask = selector.SlotMask(node) & UsedSlots(level.count, ref.node);
    if (mask == 0) continue;
    const unsigned solid = level.solid[ref.node];
    const unsigned sure =
        mask & (ref.level == 0 ? selector.SureMask(node, solid) : selector.InsideMask(node, solid));
    const std::size_t first = ref.node * kNodeWidth;
    for (unsigned m = sure; m != 0; m &= m - 1) {
      const std::size_t item = first + static_cast<unsigned>(__builtin_ctz(m));
      if (!TakeSubtree(index, ref.level, item, sink)) return false;
    }
    for (unsigned m = mask & ~sure; m != 0; m &= m - 1) {
      const std::size_t child = first + static_cast<unsigned>(__builtin_ctz(m));
      if (ref.level > 0) {
        Prefetch(index.levels[ref.level - 1].nodes[child]);
        if (ref.level == 1) __builtin_prefetch(&index.ids[child * kNodeWidth]);
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
