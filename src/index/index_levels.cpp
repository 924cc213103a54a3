#include <algorithm>
#include <cmath>
#include <limits>

#include "index/float_bounds.h"
#include "index/index_levels.h"

namespace gmath::detail {

namespace {

// 2^120: far inside float range, so that rounding outward never overflows.
constexpr double kBoundableLimit = 1.329227995784916e36;
constexpr float kInfinity = std::numeric_limits<float>::infinity();

bool Boundable(double low, double high) {
  return std::abs(low) <= kBoundableLimit && std::abs(high) <= kBoundableLimit && low <= high;
}

std::vector<IndexNode> EmptyNodes(std::size_t items) {
  IndexNode empty;
  std::fill(&empty.low[0][0], &empty.low[0][0] + 3 * kNodeWidth, kInfinity);
  std::fill(&empty.high[0][0], &empty.high[0][0] + 3 * kNodeWidth, -kInfinity);
  return std::vector<IndexNode>((items + kNodeWidth - 1) / kNodeWidth, empty);
}

std::vector<IndexNode> LeafLevel(const std::vector<GBox>& boxes, std::size_t count) {
  std::vector<IndexNode> nodes = EmptyNodes(count);
  for (std::size_t i = 0; i < count; ++i) {
    IndexNode& node = nodes[i / kNodeWidth];
    const std::size_t slot = i % kNodeWidth;
    const GBox& box = boxes[i];
    const double low[3] = {box.m_low.m_x, box.m_low.m_y, box.m_low.m_z};
    const double high[3] = {box.m_high.m_x, box.m_high.m_y, box.m_high.m_z};
    for (int axis = 0; axis < 3; ++axis) {
      node.low[axis][slot] = RoundedDown(low[axis]);
      node.high[axis][slot] = RoundedUp(high[axis]);
    }
  }
  return nodes;
}

bool Solid(const GBox& box) {
  return box.m_low.m_x < box.m_high.m_x && box.m_low.m_y < box.m_high.m_y &&
         box.m_low.m_z < box.m_high.m_z;
}

// Unused slots count as solid, so that a parent's bit needs only the used.
std::vector<std::uint8_t> LeafSolid(const std::vector<GBox>& boxes, std::size_t count) {
  std::vector<std::uint8_t> solid((count + kNodeWidth - 1) / kNodeWidth, 0xFF);
  for (std::size_t i = 0; i < count; ++i) {
    if (!Solid(boxes[i]))
      solid[i / kNodeWidth] &= static_cast<std::uint8_t>(~(1u << (i % kNodeWidth)));
  }
  return solid;
}

std::vector<std::uint8_t> ParentSolid(const std::vector<std::uint8_t>& children) {
  std::vector<std::uint8_t> solid((children.size() + kNodeWidth - 1) / kNodeWidth, 0xFF);
  for (std::size_t i = 0; i < children.size(); ++i) {
    if (children[i] != 0xFF)
      solid[i / kNodeWidth] &= static_cast<std::uint8_t>(~(1u << (i % kNodeWidth)));
  }
  return solid;
}

std::vector<IndexNode> ParentLevel(const std::vector<IndexNode>& children) {
  std::vector<IndexNode> nodes = EmptyNodes(children.size());
  for (std::size_t i = 0; i < children.size(); ++i) {
    IndexNode& node = nodes[i / kNodeWidth];
    const std::size_t slot = i % kNodeWidth;
    const IndexNode& child = children[i];
    for (int axis = 0; axis < 3; ++axis) {
      node.low[axis][slot] = *std::min_element(child.low[axis], child.low[axis] + kNodeWidth);
      node.high[axis][slot] = *std::max_element(child.high[axis], child.high[axis] + kNodeWidth);
    }
  }
  return nodes;
}

}  // namespace

bool BoundableBox(const GBox& box) {
  return Boundable(box.m_low.m_x, box.m_high.m_x) && Boundable(box.m_low.m_y, box.m_high.m_y) &&
         Boundable(box.m_low.m_z, box.m_high.m_z);
}

void BuildLevels(GBoxIndex& index) {
  index.levels.clear();
  if (index.treeCount == 0) return;
  const auto count = static_cast<std::size_t>(index.treeCount);
  index.levels.push_back(
      {index.treeCount, LeafLevel(index.boxes, count), LeafSolid(index.boxes, count)});
  while (index.levels.back().nodes.size() > 1) {
    const IndexLevel& below = index.levels.back();
    index.levels.push_back(
        {below.nodes.size(), ParentLevel(below.nodes), ParentSolid(below.solid)});
  }
}

}  // namespace gmath::detail
