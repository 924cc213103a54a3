#ifndef GMATH_FRAME_TOLERANCE_H
#define GMATH_FRAME_TOLERANCE_H

#include <atomic>

// The tolerances as the library reads them inside its hot paths: one
// relaxed load each, where the exported getters would cost a call.
namespace gmath::detail {

extern std::atomic<double> distanceTolerance;
extern std::atomic<double> relativeTolerance;
extern std::atomic<double> fitTolerance;

inline double DistanceTolerance() { return distanceTolerance.load(std::memory_order_relaxed); }
inline double RelativeTolerance() { return relativeTolerance.load(std::memory_order_relaxed); }
inline double FitTolerance() { return fitTolerance.load(std::memory_order_relaxed); }

}  // namespace gmath::detail

#endif
