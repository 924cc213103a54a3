#include "export/loft.h"
#include "export/solids.h"

Solid SolidOf(const GRtPrism& prism, const GBox&) {
  if (prism.m_count < kFewestPoints || prism.m_points == nullptr) return {};
  Polygon bottom = OpenPolygon(prism.m_points, prism.m_count);
  Polygon top = bottom;
  for (std::size_t i = 0; i < bottom.size(); ++i) {
    top[i].m_z += prism.m_height;
    bottom[i] *= prism.m_transf;
    top[i] *= prism.m_transf;
  }
  Solid solid;
  solid.faces = LoftFaces(bottom, top);
  return solid;
}
