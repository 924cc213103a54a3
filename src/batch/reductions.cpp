#include "core3d/box_ops.h"
#include "gmath/batch.h"
#include "batch/strided.h"

namespace {

// The left fold of combine over the boxes, from the first; `none` for no
// boxes.
template <class Combine>
GBox Fold(const GBox* boxes, std::size_t count, std::size_t stride, const GBox& none,
          Combine combine) {
  if (count == 0) return none;
  if (!gmath::detail::IsUsable(count, boxes, stride, sizeof(GBox))) return none;
  GBox result = gmath::detail::LoadAt<GBox>(boxes, stride, 0);
  for (std::size_t i = 1; i < count; ++i) {
    result = combine(result, gmath::detail::LoadAt<GBox>(boxes, stride, i));
  }
  return result;
}

}  // namespace

GBox GBatchUnion(const GBox* boxes, std::size_t count, std::size_t stride) {
  return Fold(boxes, count, stride, gmath::detail::kNullBox,
              [](const GBox& a, const GBox& b) { return a | b; });
}

GBox GBatchIntersection(const GBox* boxes, std::size_t count, std::size_t stride) {
  return Fold(boxes, count, stride, gmath::detail::kInfiniteBox,
              [](const GBox& a, const GBox& b) { return a & b; });
}
