#include "export/depth_range.h"
#include "export/loft.h"
#include "export/solids.h"

Solid SolidOf(const GPtFrustum& frustum, const GBox& extent) {
  const GPtFence& fence = frustum.m_fence;
  if (fence.m_count < kFewestPoints || fence.m_points == nullptr) return {};
  const GUnitVector& d = fence.m_direction;
  const GPosition& anchor = fence.m_points[0];
  const DepthRange depths = DepthsInExtent(anchor, d, fence.m_back, fence.m_front, extent);
  Solid solid;
  solid.clipped = depths.clipped;
  if (depths.empty) return solid;
  const Polygon base = OpenPolygon(fence.m_points, fence.m_count);
  const GPosition& eye = frustum.m_eyePoint;
  solid.faces = LoftFaces(SeenOnPlane(base, eye, d, anchor, depths.back),
                          SeenOnPlane(base, eye, d, anchor, depths.front));
  return solid;
}
