#ifndef GMATH_TOOL_EXPORT_CONVEX_CUT_H
#define GMATH_TOOL_EXPORT_CONVEX_CUT_H

#include <vector>

#include "export/geometry.h"

// The half-space normal·x + offset >= 0, normal of unit length.
struct HalfSpace {
  GPosition normal;
  double offset;
};

// A face of a convex solid and where it came from: the index of the
// half-space that made it, or -1 for a face of the solid the cuts began with.
struct CutFace {
  Polygon corners;
  int source;
};

// The convex solid (faces outward) cut by the half-space: every face cut to
// it, and a new face where the plane crossed the solid. A corner within
// tolerance of the plane counts as on it, and a face lying on the plane
// keeps its place as that plane's face. An edge is cut at a point computed
// from its two ends in one fixed order, so that both faces holding it get
// the same corner bit for bit.
std::vector<CutFace> CutByHalfSpace(const std::vector<CutFace>& solid, const HalfSpace& half,
                                    int source, double tolerance);

#endif
