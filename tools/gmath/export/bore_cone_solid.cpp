#include "export/depth_range.h"
#include "export/loft.h"
#include "export/ring.h"
#include "export/solids.h"

Solid SolidOf(const GBoreCone& cone, const GBox& extent) {
  const GBoreLine& bore = cone.m_boreLine;
  const GUnitVector& d = bore.m_direction;
  const DepthRange depths = DepthsInExtent(bore.m_point, d, bore.m_back, bore.m_front, extent);
  Solid solid;
  solid.clipped = depths.clipped;
  if (depths.empty) return solid;
  const Polygon ring = Ring(bore.m_point, d, bore.m_radius);
  const GPosition& eye = cone.m_eyePoint;
  solid.faces = LoftFaces(SeenOnPlane(ring, eye, d, bore.m_point, depths.back),
                          SeenOnPlane(ring, eye, d, bore.m_point, depths.front));
  return solid;
}
