#include "gmath/batch.h"
#include "batch/strided.h"

// The ranges have no vector path: each one is the single call.
namespace {

template <class Volume, class Range>
void Ranges(const Volume* volumes, std::size_t count, std::size_t stride, GBox* ranges,
            std::size_t rangeStride, Range range) {
  if (!gmath::detail::AreUsable(volumes, count, stride, ranges, rangeStride)) return;
  gmath::detail::MapEach(volumes, count, stride, ranges, rangeStride, range);
}

}  // namespace

void GBatchRange(const GBoreCone* volumes, std::size_t count, std::size_t stride, GBox* ranges,
                 std::size_t rangeStride) {
  Ranges(volumes, count, stride, ranges, rangeStride, BoreConeRange);
}

void GBatchRange(const GPtFrustum* volumes, std::size_t count, std::size_t stride, GBox* ranges,
                 std::size_t rangeStride) {
  Ranges(volumes, count, stride, ranges, rangeStride, PtFrustumRange);
}

void GBatchRange(const GRtPrism* volumes, std::size_t count, std::size_t stride, GBox* ranges,
                 std::size_t rangeStride) {
  Ranges(volumes, count, stride, ranges, rangeStride, RtPrismRange);
}

void GBatchRange(const GBoreLine* volumes, std::size_t count, std::size_t stride, GBox* ranges,
                 std::size_t rangeStride) {
  Ranges(volumes, count, stride, ranges, rangeStride, BoreLineRange);
}

void GBatchRange(const GClipVolume* volumes, std::size_t count, std::size_t stride, GBox* ranges,
                 std::size_t rangeStride) {
  Ranges(volumes, count, stride, ranges, rangeStride, ClipVolumeRange);
}

void GBatchRange(const GPtFence* volumes, std::size_t count, std::size_t stride, GBox* ranges,
                 std::size_t rangeStride) {
  Ranges(volumes, count, stride, ranges, rangeStride, PtFenceRange);
}
