#ifndef GMATH_HOMOGENEOUS_G4X4_OPS_H
#define GMATH_HOMOGENEOUS_G4X4_OPS_H

#include <cmath>

#include "gmath/core3d/matrix.h"
#include "gmath/core3d/transf.h"
#include "gmath/homogeneous/g4x4.h"

namespace gmath::detail {

// The exact image of a transform: block m_scaling·m_matrix, its translation,
// perspective column (0, 0, 0, 1). The flags play no part.
inline G4x4 FromTransf(const GTransf& t) {
  const double s = t.m_scaling;
  const auto& m = t.m_matrix.m_matrix;
  const GVector& v = t.m_translation;
  return {{s * m[0][0], s * m[0][1], s * m[0][2], 0.0,
           s * m[1][0], s * m[1][1], s * m[1][2], 0.0,
           s * m[2][0], s * m[2][1], s * m[2][2], 0.0,
           v.m_x,       v.m_y,       v.m_z,       1.0}};
}

inline GMatrix LinearBlock(const G4x4& g) {
  const double* e = g.m_matrix;
  return {{{e[0], e[1], e[2]}, {e[4], e[5], e[6]}, {e[8], e[9], e[10]}}};
}

// True unless |value| <= tol, so that NaN exceeds every tolerance.
inline bool Exceeds(double value, double tol) { return !(std::abs(value) <= tol); }

}  // namespace gmath::detail

#endif
