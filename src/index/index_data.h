#ifndef GMATH_INDEX_INDEX_DATA_H
#define GMATH_INDEX_INDEX_DATA_H

#include <cstdint>
#include <vector>

#include "gmath/index.h"

namespace gmath::detail {

constexpr unsigned kNodeWidth = 8;

// The bounds of up to eight children, axis by axis so that one query
// compares all eight at once. Floats halve the memory a query walks; they
// are rounded outward, so a node never bounds less than its children.
// Unused slots hold the empty interval (+inf, -inf).
struct alignas(32) IndexNode {
  float low[3][kNodeWidth];
  float high[3][kNodeWidth];
};

// Level 0 bounds the boxes one slot each; every level above bounds eight
// nodes of the level below it per node. Children are implicit: slot s of
// node j stands for item 8j + s of the level below (for level 0, the box).
// Bit s of solid[j] is set when every box under slot s of node j has low
// below high on every axis: the condition for answering a slot's boxes
// from the float bounds alone (BoxSelector::SureMask).
struct IndexLevel {
  std::uint64_t count;  // items (boxes or nodes) this level bounds
  std::vector<IndexNode> nodes;
  std::vector<std::uint8_t> solid;
};

}  // namespace gmath::detail

struct tagGBoxIndex {
  // The tree's boxes in tree order, then the loose ones, which no bound
  // can stand for and which every query tests.
  std::vector<GBox> boxes;
  std::vector<std::uint64_t> ids;
  std::uint64_t treeCount = 0;
  std::vector<gmath::detail::IndexLevel> levels;  // levels.back() is the root's
};

#endif
