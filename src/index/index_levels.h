#ifndef GMATH_INDEX_INDEX_LEVELS_H
#define GMATH_INDEX_INDEX_LEVELS_H

#include "index/index_data.h"

namespace gmath::detail {

// Whether a subtree bound may stand for the box: every coordinate finite
// and within the range a float holds with room to spare, low <= high.
bool BoundableBox(const GBox& box);

// Fills index.levels from the tree boxes already in order; allocation
// failures throw std::bad_alloc.
void BuildLevels(GBoxIndex& index);

}  // namespace gmath::detail

#endif
