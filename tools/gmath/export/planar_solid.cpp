#include "export/box_faces.h"
#include "export/solids.h"

namespace {

Polygon AtZeroHeight(const std::vector<GPosition2d>& corners) {
  Polygon face;
  for (const GPosition2d& p : corners) face.push_back(Point(p.m_x, p.m_y, 0.0));
  return face;
}

template <class Move>
Solid MovedUnitSquare(const Move& move) {
  std::vector<GPosition2d> corners = {{0.0, 0.0}, {1.0, 0.0}, {1.0, 1.0}, {0.0, 1.0}};
  for (GPosition2d& corner : corners) corner *= move;
  Solid solid;
  solid.faces = {AtZeroHeight(corners)};
  return solid;
}

}  // namespace

Solid SolidOf(const GBox2d& box, const GBox& extent) {
  const GBox asBox{Point(box.m_low.m_x, box.m_low.m_y, 0.0),
                   Point(box.m_high.m_x, box.m_high.m_y, 0.0)};
  Solid solid;
  const GBox bounded = BoundedBox(asBox, extent, solid.clipped);
  const GPosition& l = bounded.m_low;
  const GPosition& h = bounded.m_high;
  solid.faces = {AtZeroHeight({{l.m_x, l.m_y}, {h.m_x, l.m_y}, {h.m_x, h.m_y}, {l.m_x, h.m_y}})};
  return solid;
}

Solid SolidOf(const GMatrix2d& matrix, const GBox&) { return MovedUnitSquare(matrix); }
Solid SolidOf(const GTransf2d& transf, const GBox&) { return MovedUnitSquare(transf); }
