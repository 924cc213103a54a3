#include "gmath/batch.h"
#include "batch/strided.h"

using gmath::detail::IsUsable;
using gmath::detail::LoadAt;

void GBatchIsPtInClipVolume(const GClipVolume& volume, const GPosition* points,
                            std::size_t count, std::size_t stride, int* inside, long* err) {
  if (count == 0 || !IsUsable(count, points, stride, sizeof(GPosition))) return;
  if (inside == nullptr) {
    IsPtInClipVolume(volume, GPosition{}, nullptr, err);
    return;
  }
  if (err != nullptr) *err = 0;
  for (std::size_t i = 0; i < count; ++i) {
    IsPtInClipVolume(volume, LoadAt<GPosition>(points, stride, i), &inside[i], err);
  }
}

// Null plane arrays are the fence's own message, once: the single call
// reports it for the first point, and the rest answer as it did.
void GBatchIsPtInPtFence(const GPtFence& fence, GPosition* planePoints, GUnitVector* planeNormals,
                         const GPosition* points, std::size_t count, std::size_t stride,
                         int* inside, long* err) {
  if (count == 0 || !IsUsable(count, points, stride, sizeof(GPosition)) || !IsUsable(count, inside) ||
      !IsUsable(1, err)) {
    return;
  }
  *err = 0;
  const bool noPlanes = planePoints == nullptr || planeNormals == nullptr;
  for (std::size_t i = 0; i < count; ++i) {
    if (noPlanes && i > 0) {
      inside[i] = inside[0];
      continue;
    }
    IsPtInPtFence(fence, planePoints, planeNormals, LoadAt<GPosition>(points, stride, i),
                  &inside[i], err);
  }
}
