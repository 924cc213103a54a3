#ifndef GMATH_PLANAR_PLANAR_OPS_H
#define GMATH_PLANAR_PLANAR_OPS_H

#include "core3d/common_ops.h"
#include "frame/report.h"
#include "gmath/planar/matrix2d.h"
#include "gmath/planar/transf2d.h"
#include "gmath/planar/vector2d.h"

// Arithmetic on anything with m_x and m_y. The operands are templates so
// that a unit vector or a position takes part without a conversion call.
namespace gmath::detail {

constexpr GMatrix2d kIdentityMatrix2d = {{{1.0, 0.0}, {0.0, 1.0}}};
constexpr GMatrix2d kZeroMatrix2d = {{{0.0, 0.0}, {0.0, 0.0}}};
constexpr GVector2d kZeroVector2d = {0.0, 0.0};

template <class A, class B>
double Dot2d(const A& a, const B& b) {
  return a.m_x * b.m_x + a.m_y * b.m_y;
}

template <class A, class B>
double Cross2d(const A& a, const B& b) {
  return a.m_x * b.m_y - a.m_y * b.m_x;
}

template <class A, class B>
double SquaredDistance2d(const A& from, const B& to) {
  const double dx = to.m_x - from.m_x;
  const double dy = to.m_y - from.m_y;
  return dx * dx + dy * dy;
}

template <class V>
GUnitVector2d UnitOf2d(const V& v) {
  return BuildUnitVector2d(v.m_x, v.m_y);
}

// The row vector v times m, unchecked.
template <class V>
V RowTimes2d(const V& v, const GMatrix2d& m) {
  const auto& e = m.m_matrix;
  return {v.m_x * e[0][0] + v.m_y * e[1][0], v.m_x * e[0][1] + v.m_y * e[1][1]};
}

// m times the column vector v, unchecked.
template <class V>
V ColumnTimes2d(const GMatrix2d& m, const V& v) {
  const auto& e = m.m_matrix;
  return {e[0][0] * v.m_x + e[0][1] * v.m_y, e[1][0] * v.m_x + e[1][1] * v.m_y};
}

// Coordinate i of v; an index above 1 reports the message and reads y, so
// nothing outside the structure is ever touched.
template <class V>
auto& CoordinateAt2d(V& v, unsigned int i, const char* message) {
  if (i > 1) Report(message);
  return i == 0 ? v.m_x : v.m_y;
}

// A transform of the given matrix, translation and scaling with the flags
// of a rotation (or of a reflection) and no shear.
inline GTransf2d MakeTransf2d(const GMatrix2d& m, const GVector2d& t, double s, bool rotation,
                              bool reflection) {
  return {m, t, s, Flag(rotation), Flag(reflection), 0};
}

}  // namespace gmath::detail

#endif
