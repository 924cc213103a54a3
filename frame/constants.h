#ifndef GMATH_FRAME_CONSTANTS_H
#define GMATH_FRAME_CONSTANTS_H

#include <cfloat>

namespace gmath::detail {

// Largest valid coordinate, the unbounded depth, and the stand-in for an
// infinite result.
constexpr double kHuge = 1e30;
// Divisors below this in magnitude count as zero.
constexpr double kDivisionGuard = DBL_EPSILON;
// Half-width of the unit band of a unit vector and the exact-null bound.
constexpr double kUnitBand = 50.0 * DBL_EPSILON;
// A squared length in [kUnitBandLow, kUnitBandHigh] is unit: such a vector
// is kept as it is, so normalizing twice changes no bit.
constexpr double kUnitBandLow = 1.0 - kUnitBand;
constexpr double kUnitBandHigh = 1.0 + kUnitBand;
// Settling bound of the orthogonalization steps.
constexpr double kOrthoSettle = 1e-14;
// Below this the angle extraction treats a rotation as gimbal-locked.
constexpr double kGimbalThreshold = 1e-12;
// A pivot smaller than this makes a 4x4 matrix singular.
constexpr double kSingularPivot = 1e-20;
// 1/√3. Box containment grows the box by d/√3 on every axis: a point off a
// corner by that much on all three axes lies at distance d from it.
constexpr double kInverseSqrt3 = 0.5773502691896258;

}  // namespace gmath::detail

#endif
