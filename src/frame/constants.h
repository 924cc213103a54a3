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

// The narrow unit band of the planar builder with a caller's tolerance: a
// squared length within one DBL_EPSILON of 1 is kept as it is.
constexpr double kNarrowBandLow = 1.0 - DBL_EPSILON;
constexpr double kNarrowBandHigh = 1.0 + DBL_EPSILON;
// Angles, as the doubles nearest to the multiples of pi.
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kPi = 3.141592653589793;
constexpr double kThreeHalfPi = 4.71238898038469;
constexpr double kTwoPi = 6.283185307179586;
// 1/sqrt(2): a planar box contains what lies within d/sqrt(2) of it.
constexpr double kInvSqrt2 = 0.7071067811865475;

}  // namespace gmath::detail

#endif
