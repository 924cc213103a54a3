#ifndef GMATH_TOOL_EXPORT_LOFT_H
#define GMATH_TOOL_EXPORT_LOFT_H

#include "export/geometry.h"

// The solid between two polygons of as many corners, corner i of one
// joined to corner i of the other: the bottom, the top and a quadrilateral
// side per edge, wound alike (BuildMesh turns them all outward). Polygons
// of one corner give the segment between them.
std::vector<Polygon> LoftFaces(const Polygon& bottom, const Polygon& top);

// The polygon moved by depth·direction.
Polygon Moved(const Polygon& polygon, double depth, const GUnitVector& direction);

// The polygon seen from the eye on the plane perpendicular to direction at
// depth from anchor: the ray from the eye through each corner meets it.
Polygon SeenOnPlane(const Polygon& polygon, const GPosition& eye, const GUnitVector& direction,
                    const GPosition& anchor, double depth);

#endif
