#ifndef GMATH_VOLUMES_PLANE_OPS_H
#define GMATH_VOLUMES_PLANE_OPS_H

#include "core3d/vector_ops.h"
#include "gmath/core3d/vector.h"

namespace gmath::detail {

// A plane n·X + d = 0 as its unit normal n and its foot point q = -d·n, the
// point nearest the origin once n has unit length.
struct PlaneForm {
  GUnitVector n;
  GPosition q;
};

inline PlaneForm PointAndNormal(const GUnitVector& n, double d) {
  return {n, {-d * n.m_x, -d * n.m_y, -d * n.m_z}};
}

// (x - q)·n: positive on the side the normal points to.
inline double SignedDistance(const PlaneForm& plane, const GPosition& x) {
  const GVector v = {x.m_x - plane.q.m_x, x.m_y - plane.q.m_y, x.m_z - plane.q.m_z};
  return Dot(v, plane.n);
}

}  // namespace gmath::detail

#endif
