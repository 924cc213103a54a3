#ifndef GMATH_TOOL_EXPORT_BOX_FACES_H
#define GMATH_TOOL_EXPORT_BOX_FACES_H

#include "export/geometry.h"

// The six faces of the box, outward for a box with low below high.
std::vector<Polygon> BoxFaces(const GBox& box);

// The box with each coordinate at or beyond ±1e30 (unbounded) replaced by
// the extent's on that side; clipped says whether any was.
GBox BoundedBox(const GBox& box, const GBox& extent, bool& clipped);

#endif
