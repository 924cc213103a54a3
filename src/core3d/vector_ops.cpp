#include "core3d/vector_ops.h"

#include <cmath>

#include "frame/constants.h"
#include "frame/report.h"

bool gmath::detail::CheckUnitLength(const GUnitVector& u) {
  const double s = Dot(u, u);
  if (std::abs(s - 1.0) <= kUnitBand) return true;
  Report(std::sqrt(s) < kUnitBand ? "GUnitVector: using a NULL unit vector"
                                  : "GUnitVector: vector is not a unit vector");
  return false;
}
