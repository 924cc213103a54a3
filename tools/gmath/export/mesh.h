#ifndef GMATH_TOOL_EXPORT_MESH_H
#define GMATH_TOOL_EXPORT_MESH_H

#include <cstddef>
#include <vector>

#include "export/geometry.h"

// Corners shared between faces, each face a list of 0-based indices into
// vertices: two make a segment, three or more a face whose corners turn
// counter-clockwise seen from outside.
struct Mesh {
  std::vector<GPosition> vertices;
  std::vector<std::vector<std::size_t>> faces;
};

// Welds equal corners (bit for bit: the builders compute a shared corner
// once), in the order they first appear; drops a corner that repeats its
// neighbour and a face left with fewer than three corners (a segment
// stays); then turns every face over when the solid's signed volume is
// negative, or, for a flat one, when its faces' summed normal points down,
// so that a top view sees their outsides.
Mesh BuildMesh(const std::vector<Polygon>& faces);

#endif
