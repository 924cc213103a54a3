#ifndef GMATH_TOOL_EXPORT_DEPTH_RANGE_H
#define GMATH_TOOL_EXPORT_DEPTH_RANGE_H

#include "gmath/gmath.h"

// The depths of a bore line, fence or frustum to draw: an unbounded end
// (front at or above 1e30, back at or below -1e30) is cut where the line
// point + t·direction leaves the extent. empty when that line misses the
// extent, or runs beside it.
struct DepthRange {
  double back;
  double front;
  bool clipped;
  bool empty;
};

DepthRange DepthsInExtent(const GPosition& point, const GUnitVector& direction, double back,
                          double front, const GBox& extent);

#endif
