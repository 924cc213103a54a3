#ifndef GMATH_CORE3D_VECTOR_OPS_H
#define GMATH_CORE3D_VECTOR_OPS_H

#include "frame/report.h"
#include "gmath/core3d/matrix.h"
#include "gmath/core3d/vector.h"

// Arithmetic on anything with m_x, m_y, m_z. The operands are templates so
// that a unit vector takes part without its exported conversion call.
namespace gmath::detail {

template <class A, class B>
double Dot(const A& a, const B& b) {
  return a.m_x * b.m_x + a.m_y * b.m_y + a.m_z * b.m_z;
}

template <class A, class B>
GVector Cross(const A& a, const B& b) {
  return {a.m_y * b.m_z - a.m_z * b.m_y, a.m_z * b.m_x - a.m_x * b.m_z,
          a.m_x * b.m_y - a.m_y * b.m_x};
}

template <class A, class B>
double SquaredDistance(const A& from, const B& to) {
  const double dx = to.m_x - from.m_x;
  const double dy = to.m_y - from.m_y;
  const double dz = to.m_z - from.m_z;
  return dx * dx + dy * dy + dz * dz;
}

// Position and vector arithmetic without the exported operators, so that it
// stays inline: Difference gives the vector a - b, Plus and Minus move a
// position by a vector, Along by t times a direction.
template <class A, class B>
GVector Difference(const A& a, const B& b) {
  return {a.m_x - b.m_x, a.m_y - b.m_y, a.m_z - b.m_z};
}

template <class V>
GPosition Plus(const GPosition& p, const V& v) {
  return {p.m_x + v.m_x, p.m_y + v.m_y, p.m_z + v.m_z};
}

template <class V>
GPosition Minus(const GPosition& p, const V& v) {
  return {p.m_x - v.m_x, p.m_y - v.m_y, p.m_z - v.m_z};
}

template <class D>
GPosition Along(const GPosition& p, double t, const D& d) {
  return {p.m_x + t * d.m_x, p.m_y + t * d.m_y, p.m_z + t * d.m_z};
}

template <class V>
GVector ToVector(const V& v) {
  return {v.m_x, v.m_y, v.m_z};
}

template <class V>
GVector Scaled(const V& v, double factor) {
  return {v.m_x * factor, v.m_y * factor, v.m_z * factor};
}

template <class V>
GUnitVector UnitOf(const V& v) {
  return BuildUnitVector(v.m_x, v.m_y, v.m_z);
}

template <class V>
GVector RowTimes(const V& v, const GMatrix& m) {
  const auto& e = m.m_matrix;
  return {v.m_x * e[0][0] + v.m_y * e[1][0] + v.m_z * e[2][0],
          v.m_x * e[0][1] + v.m_y * e[1][1] + v.m_z * e[2][1],
          v.m_x * e[0][2] + v.m_y * e[1][2] + v.m_z * e[2][2]};
}

// GVector and GUnitVector report the same message for a bad index.
inline constexpr const char* kVectorIndexMessage = "GVector: index is out of range";

// Coordinate i of v; an index above 2 reports the message and reads z, so
// nothing outside the structure is ever touched.
template <class V>
auto& CoordinateAt(V& v, unsigned int i, const char* message) {
  if (i > 2) Report(message);
  return i == 0 ? v.m_x : i == 1 ? v.m_y : v.m_z;
}

// Squared length within 50 DBL_EPSILON of 1; otherwise reports
// "GUnitVector: using a NULL unit vector" (length below 50 DBL_EPSILON) or
// "GUnitVector: vector is not a unit vector" and answers false.
bool CheckUnitLength(const GUnitVector& u);

}  // namespace gmath::detail

#endif
