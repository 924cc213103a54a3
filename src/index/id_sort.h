#ifndef GMATH_INDEX_ID_SORT_H
#define GMATH_INDEX_ID_SORT_H

#include <cstddef>
#include <cstdint>

namespace gmath::detail {

// Sorts ids ascending in about linear time for ids spread over their range,
// as a query's hits are; falls back to std::sort when memory runs out.
void SortIds(std::uint64_t* ids, std::size_t count);

}  // namespace gmath::detail

#endif
