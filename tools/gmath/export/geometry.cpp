#include "export/geometry.h"

GPosition AreaNormal(const Polygon& polygon) {
  GPosition normal = Point(0.0, 0.0, 0.0);
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const GPosition& a = polygon[i];
    const GPosition& b = polygon[(i + 1) % polygon.size()];
    normal =
        Plus(normal, Point((a.m_y - b.m_y) * (a.m_z + b.m_z), (a.m_z - b.m_z) * (a.m_x + b.m_x),
                           (a.m_x - b.m_x) * (a.m_y + b.m_y)));
  }
  return Times(0.5, normal);
}

Polygon OpenPolygon(const GPosition* points, std::size_t count) {
  return count < 2 ? Polygon() : Polygon(points, points + count - 1);
}
