#ifndef GMATH_CORE3D_COMMON_OPS_H
#define GMATH_CORE3D_COMMON_OPS_H

#include <cmath>

#include "frame/constants.h"

// Rules that the spatial values and their planar counterparts share. Each
// type keeps its own messages; only the arithmetic lives here.
namespace gmath::detail {

// A coordinate divided by almost zero: an unbounded value of its sign, with
// zero (and NaN) counted as negative.
inline double Unbounded(double coordinate) { return coordinate > 0.0 ? kHuge : -kHuge; }

// 1e30 itself is valid; NaN and infinities are not.
inline bool IsValidCoordinate(double c) { return !std::isnan(c) && !(std::abs(c) > kHuge); }

inline unsigned char Flag(bool set) { return set ? 1 : 0; }

// The flags of a followed by b (GTransf or GTransf2d): rotation with
// rotation and reflection with reflection give a rotation, a mixed pair a
// reflection, a transform with neither flag makes the result carry neither,
// and shear spreads.
template <class T>
void ComposeFlags(const T& a, const T& b, T& result) {
  const bool aRotation = a.m_hasRotation != 0;
  const bool bRotation = b.m_hasRotation != 0;
  const bool aReflection = a.m_hasReflection != 0;
  const bool bReflection = b.m_hasReflection != 0;
  result.m_hasRotation = Flag((aRotation && bRotation) || (aReflection && bReflection));
  result.m_hasReflection = Flag((aReflection && bRotation) || (aRotation && bReflection));
  result.m_hasShear = Flag(a.m_hasShear != 0 || b.m_hasShear != 0);
}

// A rotation or reflection: the n x n matrix (row by row) is ortho-scaled
// with a scale within resnor of 1.
bool IsUnitOrthoScale(const double* matrix, int n);

}  // namespace gmath::detail

#endif
