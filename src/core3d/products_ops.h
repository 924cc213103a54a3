#ifndef GMATH_CORE3D_PRODUCTS_OPS_H
#define GMATH_CORE3D_PRODUCTS_OPS_H

#include <cmath>

#include "core3d/vector_ops.h"
#include "frame/constants.h"
#include "frame/report.h"
#include "gmath/core3d/matrix.h"
#include "gmath/core3d/transf.h"
#include "gmath/homogeneous/g4x4.h"

// The moving products as inline templates, shared by the exported operators
// and by the boxes, which move eight corners per call.
namespace gmath::detail {

constexpr const char* kPositionWeightMessage =
    "GPosition: in multiplying G4x4, trying to divide by 0.0";
constexpr const char* kVectorWeightMessage = "GVector: multiplying by G4x4, trying to divide by 0.0";

template <class P>
P AsPosition(const GVector& v) {
  return {v.m_x, v.m_y, v.m_z};
}

template <class V>
GVector ColumnTimes(const GMatrix& m, const V& v) {
  const auto& e = m.m_matrix;
  return {e[0][0] * v.m_x + e[0][1] * v.m_y + e[0][2] * v.m_z,
          e[1][0] * v.m_x + e[1][1] * v.m_y + e[1][2] * v.m_z,
          e[2][0] * v.m_x + e[2][1] * v.m_y + e[2][2] * v.m_z};
}

template <class V>
GVector LinearPart(const V& v, const GTransf& t) {
  return Scaled(RowTimes(v, t.m_matrix), t.m_scaling);
}

template <class P>
P Transformed(const P& p, const GTransf& t) {
  const GVector v = LinearPart(p, t);
  return {v.m_x + t.m_translation.m_x, v.m_y + t.m_translation.m_y,
          v.m_z + t.m_translation.m_z};
}

// Which element of g multiplies input coordinate `in` (0 x, 1 y, 2 z, 3 the
// homogeneous 1) for output `out` (0 x', 1 y', 2 z', 3 w): the row (x, y, z,
// 1) times g in the matrix-first form, g times the column in the other.
template <bool kMatrixFirst>
constexpr int Element(int in, int out) {
  return kMatrixFirst ? 4 * in + out : 4 * out + in;
}

template <bool kMatrixFirst, bool kTranslate>
double Numerator(const double* g, const double* c, int out) {
  const double linear = g[Element<kMatrixFirst>(0, out)] * c[0] +
                        g[Element<kMatrixFirst>(1, out)] * c[1] +
                        g[Element<kMatrixFirst>(2, out)] * c[2];
  if constexpr (kTranslate) return linear + g[Element<kMatrixFirst>(3, out)];
  return linear;
}

// The homogeneous product divided by its weight w. A weight below
// DBL_EPSILON in magnitude is reported and replaced by the factor 1e30,
// whatever its sign, so the result stays finite for finite input.
template <bool kMatrixFirst, bool kTranslate, class R, class V>
R Homogeneous(const G4x4& g, const V& v) {
  const double* e = g.m_matrix;
  const double c[3] = {v.m_x, v.m_y, v.m_z};
  const double w = Numerator<kMatrixFirst, false>(e, c, 3) + e[15];
  double f = kHuge;
  if (std::abs(w) < kDivisionGuard) {
    Report(kTranslate ? kPositionWeightMessage : kVectorWeightMessage);
  } else {
    f = 1.0 / w;
  }
  return {Numerator<kMatrixFirst, kTranslate>(e, c, 0) * f,
          Numerator<kMatrixFirst, kTranslate>(e, c, 1) * f,
          Numerator<kMatrixFirst, kTranslate>(e, c, 2) * f};
}

}  // namespace gmath::detail

#endif
