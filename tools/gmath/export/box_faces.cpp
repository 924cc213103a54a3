#include "export/box_faces.h"

namespace {

constexpr double kUnbounded = 1e30;

double Bounded(double value, double low, double high, bool& clipped) {
  if (value >= kUnbounded || value <= -kUnbounded) clipped = true;
  if (value >= kUnbounded) return high;
  if (value <= -kUnbounded) return low;
  return value;
}

GPosition BoundedPoint(const GPosition& p, const GBox& extent, bool& clipped) {
  const GPosition& l = extent.m_low;
  const GPosition& h = extent.m_high;
  return Point(Bounded(p.m_x, l.m_x, h.m_x, clipped), Bounded(p.m_y, l.m_y, h.m_y, clipped),
               Bounded(p.m_z, l.m_z, h.m_z, clipped));
}

}  // namespace

std::vector<Polygon> BoxFaces(const GBox& box) {
  const GPosition& l = box.m_low;
  const GPosition& h = box.m_high;
  const auto c = [&](bool x, bool y, bool z) {
    return Point(x ? h.m_x : l.m_x, y ? h.m_y : l.m_y, z ? h.m_z : l.m_z);
  };
  return {
      {c(0, 0, 0), c(0, 1, 0), c(1, 1, 0), c(1, 0, 0)},  // -z
      {c(0, 0, 1), c(1, 0, 1), c(1, 1, 1), c(0, 1, 1)},  // +z
      {c(0, 0, 0), c(1, 0, 0), c(1, 0, 1), c(0, 0, 1)},  // -y
      {c(0, 1, 0), c(0, 1, 1), c(1, 1, 1), c(1, 1, 0)},  // +y
      {c(0, 0, 0), c(0, 0, 1), c(0, 1, 1), c(0, 1, 0)},  // -x
      {c(1, 0, 0), c(1, 1, 0), c(1, 1, 1), c(1, 0, 1)},  // +x
  };
}

GBox BoundedBox(const GBox& box, const GBox& extent, bool& clipped) {
  return GBox{BoundedPoint(box.m_low, extent, clipped), BoundedPoint(box.m_high, extent, clipped)};
}
