#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>
#include <stdexcept>

#include "frame/report.h"
#include "index/index_data.h"

using gmath::detail::BoundableBox;

namespace {

constexpr double kMortonCells = 2097151.0;  // 2^21 - 1 per axis, 63 bits in all

struct MortonItem {
  std::uint64_t code;
  std::uint64_t input;  // position in the caller's array: ties keep input order
};

// Spreads the low 21 bits of v to every third bit.
std::uint64_t Spread(std::uint64_t v) {
  v &= 0x1fffff;
  v = (v | v << 32) & 0x1f00000000ffffULL;
  v = (v | v << 16) & 0x1f0000ff0000ffULL;
  v = (v | v << 8) & 0x100f00f00f00f00fULL;
  v = (v | v << 4) & 0x10c30c30c30c30c3ULL;
  v = (v | v << 2) & 0x1249249249249249ULL;
  return v;
}

struct CentreGrid {
  double origin[3];
  double scale[3];

  std::uint64_t Cell(const GBox& box, int axis) const {
    const double low[3] = {box.m_low.m_x, box.m_low.m_y, box.m_low.m_z};
    const double high[3] = {box.m_high.m_x, box.m_high.m_y, box.m_high.m_z};
    const double centre = 0.5 * low[axis] + 0.5 * high[axis];
    const double cell = (centre - origin[axis]) * scale[axis];
    return static_cast<std::uint64_t>(std::clamp(cell, 0.0, kMortonCells));
  }
  std::uint64_t Code(const GBox& box) const {
    return Spread(Cell(box, 0)) | Spread(Cell(box, 1)) << 1 | Spread(Cell(box, 2)) << 2;
  }
};

CentreGrid GridOver(const GBox* boxes, const std::vector<MortonItem>& items) {
  double low[3], high[3];
  std::fill(low, low + 3, std::numeric_limits<double>::infinity());
  std::fill(high, high + 3, -std::numeric_limits<double>::infinity());
  for (const MortonItem& item : items) {
    const GBox& box = boxes[item.input];
    const double centre[3] = {0.5 * box.m_low.m_x + 0.5 * box.m_high.m_x,
                              0.5 * box.m_low.m_y + 0.5 * box.m_high.m_y,
                              0.5 * box.m_low.m_z + 0.5 * box.m_high.m_z};
    for (int axis = 0; axis < 3; ++axis) {
      low[axis] = std::min(low[axis], centre[axis]);
      high[axis] = std::max(high[axis], centre[axis]);
    }
  }
  CentreGrid grid{};
  for (int axis = 0; axis < 3; ++axis) {
    grid.origin[axis] = low[axis];
    const double extent = high[axis] - low[axis];
    grid.scale[axis] = extent > 0.0 ? kMortonCells / extent : 0.0;
  }
  return grid;
}

// The boundable boxes sorted along the Morton curve of their centres: a
// sort, then linear passes, is O(n log n) and needs no tuning, and boxes
// close on the curve are close in space, so eight neighbours make a tight
// node. The rest keep their input order after them.
void Arrange(const GBox* boxes, const std::uint64_t* ids, std::uint64_t count, GBoxIndex& index) {
  std::vector<MortonItem> tree;
  std::vector<std::uint64_t> loose;
  for (std::uint64_t i = 0; i < count; ++i) {
    if (BoundableBox(boxes[i])) {
      tree.push_back({0, i});
    } else {
      loose.push_back(i);
    }
  }
  const CentreGrid grid = GridOver(boxes, tree);
  for (MortonItem& item : tree) item.code = grid.Code(boxes[item.input]);
  std::sort(tree.begin(), tree.end(), [](const MortonItem& a, const MortonItem& b) {
    return a.code != b.code ? a.code < b.code : a.input < b.input;
  });
  index.treeCount = tree.size();
  index.boxes.reserve(count);
  index.ids.reserve(count);
  const auto keep = [&](std::uint64_t i) {
    index.boxes.push_back(boxes[i]);
    index.ids.push_back(ids ? ids[i] : i);
  };
  for (const MortonItem& item : tree) keep(item.input);
  for (const std::uint64_t i : loose) keep(i);
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
      Arrange(boxes, ids, count, *built);
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
