#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>
#include <stdexcept>

#include "frame/report.h"
#include "index/index_levels.h"

using gmath::detail::BoundableBox;
using gmath::detail::kNodeWidth;

namespace {

struct Item {
  double centre[3];
  std::size_t input;  // position in the caller's array
};

Item ItemOf(const GBox& box, std::size_t input) {
  return {{0.5 * box.m_low.m_x + 0.5 * box.m_high.m_x, 0.5 * box.m_low.m_y + 0.5 * box.m_high.m_y,
           0.5 * box.m_low.m_z + 0.5 * box.m_high.m_z},
          input};
}

int WidestAxis(const Item* begin, const Item* end) {
  double low[3], high[3];
  std::fill(low, low + 3, std::numeric_limits<double>::infinity());
  std::fill(high, high + 3, -std::numeric_limits<double>::infinity());
  for (const Item* item = begin; item != end; ++item) {
    for (int axis = 0; axis < 3; ++axis) {
      low[axis] = std::min(low[axis], item->centre[axis]);
      high[axis] = std::max(high[axis], item->centre[axis]);
    }
  }
  const double extent[3] = {high[0] - low[0], high[1] - low[1], high[2] - low[2]};
  return static_cast<int>(std::max_element(extent, extent + 3) - extent);
}

// Orders [begin, end) so that every run of `subtree` items from begin is
// one subtree: the range is halved along its widest axis of centres at a
// multiple of `subtree`, until it fits one, which is split the same way
// into subtrees eight times smaller. Only the last run of the whole array
// may be short, so children stay implicit (8j + s). Each level costs a
// linear selection: O(n log n) in all.
void Split(Item* begin, Item* end, std::uint64_t subtree) {
  const auto count = static_cast<std::uint64_t>(end - begin);
  if (count <= kNodeWidth) return;
  if (count <= subtree) {
    Split(begin, end, subtree / kNodeWidth);
    return;
  }
  const std::uint64_t runs = (count + subtree - 1) / subtree;
  Item* middle = begin + (runs / 2) * subtree;
  const int axis = WidestAxis(begin, end);
  std::nth_element(begin, middle, end,
                   [axis](const Item& a, const Item& b) { return a.centre[axis] < b.centre[axis]; });
  Split(begin, middle, subtree);
  Split(middle, end, subtree);
}

std::uint64_t RootSubtree(std::uint64_t count) {
  std::uint64_t subtree = kNodeWidth;
  while (subtree < count && subtree <= std::numeric_limits<std::uint64_t>::max() / kNodeWidth / kNodeWidth) {
    subtree *= kNodeWidth;
  }
  return subtree / kNodeWidth;
}

// Top-down, as a packing R-tree is built: halving at the median of the
// widest axis keeps nodes square and tight whatever the mix of sizes,
// which ordering along a space-filling curve does not. Boxes no bound can
// stand for keep their input order after the tree's.
void Arrange(const GBox* boxes, const std::uint64_t* ids, std::size_t count, GBoxIndex& index) {
  std::vector<Item> tree;
  std::vector<std::size_t> loose;
  tree.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    if (BoundableBox(boxes[i])) {
      tree.push_back(ItemOf(boxes[i], i));
    } else {
      loose.push_back(i);
    }
  }
  Split(tree.data(), tree.data() + tree.size(), RootSubtree(tree.size()));
  index.treeCount = tree.size();
  index.boxes.reserve(count);
  index.ids.reserve(count);
  const auto keep = [&](std::size_t i) {
    index.boxes.push_back(boxes[i]);
    index.ids.push_back(ids ? ids[i] : i);
  };
  for (const Item& item : tree) keep(item.input);
  for (const std::size_t i : loose) keep(i);
}

}  // namespace

long BuildBoxIndex(const GBox* boxes, const std::uint64_t* ids, std::uint64_t count,
                   GBoxIndex** index) {
  if (!index) return kBoxIndexBadArgument;
  *index = nullptr;
  if (!boxes && count > 0) {
    gmath::detail::Report("GBoxIndex: NULL pointer");
    return kBoxIndexBadArgument;
  }
  if (count > std::numeric_limits<std::size_t>::max() / sizeof(GBox)) return kBoxIndexNoMemory;
  try {
    GBoxIndex* built = new GBoxIndex;
    try {
      Arrange(boxes, ids, static_cast<std::size_t>(count), *built);
      gmath::detail::BuildLevels(*built);
    } catch (...) {
      delete built;
      throw;
    }
    *index = built;
    return kBoxIndexOk;
  } catch (const std::bad_alloc&) {
    return kBoxIndexNoMemory;
  } catch (const std::length_error&) {
    return kBoxIndexNoMemory;
  }
}

void FreeBoxIndex(GBoxIndex* index) { delete index; }

std::uint64_t BoxIndexCount(const GBoxIndex* index) { return index ? index->boxes.size() : 0; }
