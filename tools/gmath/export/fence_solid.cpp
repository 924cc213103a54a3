#include "export/depth_range.h"
#include "export/loft.h"
#include "export/solids.h"

Solid SolidOf(const GPtFence& fence, const GBox& extent) {
  if (fence.m_count < kFewestPoints || fence.m_points == nullptr) return {};
  const GUnitVector& d = fence.m_direction;
  const DepthRange depths =
      DepthsInExtent(fence.m_points[0], d, fence.m_back, fence.m_front, extent);
  Solid solid;
  solid.clipped = depths.clipped;
  if (depths.empty) return solid;
  const Polygon base = OpenPolygon(fence.m_points, fence.m_count);
  solid.faces = LoftFaces(Moved(base, depths.back, d), Moved(base, depths.front, d));
  return solid;
}
