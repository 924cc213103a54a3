#ifndef GMATH_TOOL_EXPORT_RING_H
#define GMATH_TOOL_EXPORT_RING_H

#include "export/geometry.h"

// The corners a circle is drawn with.
constexpr int kRingCorners = 32;

// The circle of radius about centre in the plane perpendicular to
// direction, counter-clockwise about it; a radius that is not positive
// gives the centre alone.
Polygon Ring(const GPosition& centre, const GUnitVector& direction, double radius);

#endif
