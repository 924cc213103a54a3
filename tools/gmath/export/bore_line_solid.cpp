#include "export/depth_range.h"
#include "export/loft.h"
#include "export/ring.h"
#include "export/solids.h"

Solid SolidOf(const GBoreLine& bore, const GBox& extent) {
  const GUnitVector& d = bore.m_direction;
  const DepthRange depths = DepthsInExtent(bore.m_point, d, bore.m_back, bore.m_front, extent);
  Solid solid;
  solid.clipped = depths.clipped;
  if (depths.empty) return solid;
  const Polygon ring = Ring(bore.m_point, d, bore.m_radius);
  solid.faces = LoftFaces(Moved(ring, depths.back, d), Moved(ring, depths.front, d));
  return solid;
}
