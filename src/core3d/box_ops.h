#ifndef GMATH_CORE3D_BOX_OPS_H
#define GMATH_CORE3D_BOX_OPS_H

#include <cstddef>
#include <utility>

#include "frame/constants.h"
#include "gmath/core3d/box.h"

namespace gmath::detail {

constexpr std::size_t kCornerCount = 8;

constexpr GBox kNullBox = {{kHuge, kHuge, kHuge}, {-kHuge, -kHuge, -kHuge}};
constexpr GBox kInfiniteBox = {{-kHuge, -kHuge, -kHuge}, {kHuge, kHuge, kHuge}};

// The eight corners in corner order: the low face counter-clockwise seen
// from +z, then the high face.
inline void Corners(const GBox& box, GPosition* corners) {
  const GPosition& l = box.m_low;
  const GPosition& h = box.m_high;
  corners[0] = {l.m_x, l.m_y, l.m_z};
  corners[1] = {h.m_x, l.m_y, l.m_z};
  corners[2] = {h.m_x, h.m_y, l.m_z};
  corners[3] = {l.m_x, h.m_y, l.m_z};
  corners[4] = {l.m_x, l.m_y, h.m_z};
  corners[5] = {h.m_x, l.m_y, h.m_z};
  corners[6] = {h.m_x, h.m_y, h.m_z};
  corners[7] = {l.m_x, h.m_y, h.m_z};
}

// Per axis, the coordinate of `positive` where n's component is positive,
// of `other` where it is not (NaN included).
template <class N>
GPosition CornerBySign(const GPosition& positive, const GPosition& other, const N& n) {
  return {n.m_x > 0.0 ? positive.m_x : other.m_x, n.m_y > 0.0 ? positive.m_y : other.m_y,
          n.m_z > 0.0 ? positive.m_z : other.m_z};
}

// The box corner farthest along n.
template <class N>
GPosition FarCorner(const GBox& box, const N& n) {
  return CornerBySign(box.m_high, box.m_low, n);
}

// The box corner farthest against n; on an axis where n's component is
// zero or NaN it is the high coordinate, as FarCorner takes the low one.
template <class N>
GPosition NearCorner(const GBox& box, const N& n) {
  return CornerBySign(box.m_low, box.m_high, n);
}

// Boxes that meet across a gap smaller than d keep the gap, low below high.
inline void Order(double& low, double& high) {
  if (high < low) std::swap(low, high);
}

inline void Widen(double c, double& low, double& high) {
  if (c < low) {
    low = c;
  } else if (c > high) {
    high = c;
  }
}

// The bounding box of count >= 1 points, grown from the first one.
inline GBox Bound(std::size_t count, const GPosition* points) {
  GBox box = {points[0], points[0]};
  for (std::size_t i = 1; i < count; ++i) {
    Widen(points[i].m_x, box.m_low.m_x, box.m_high.m_x);
    Widen(points[i].m_y, box.m_low.m_y, box.m_high.m_y);
    Widen(points[i].m_z, box.m_low.m_z, box.m_high.m_z);
  }
  return box;
}

template <class Map>
GBox MapCorners(const GBox& box, Map map) {
  GPosition corners[kCornerCount];
  Corners(box, corners);
  for (GPosition& corner : corners) corner = map(corner);
  return Bound(kCornerCount, corners);
}

}  // namespace gmath::detail

#endif
