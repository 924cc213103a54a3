#ifndef GMATH_TOOL_EXPORT_SVG_WRITER_H
#define GMATH_TOOL_EXPORT_SVG_WRITER_H

#include <cstdio>
#include <string>

#include "export/mesh.h"

// A top view as SVG: x to the right, y up (the file's y is -y), one
// <polygon> per face and one <polyline> per segment, the lowest drawn
// first, half-transparent so that the faces below show through; the
// viewBox holds the drawing with a margin of a twentieth of its larger
// side. Coordinates carry nine digits, enough for any screen and few
// enough that a last-bit difference of another platform's sine does not
// show. False when a write failed.
bool WriteSvg(FILE* out, const Mesh& mesh, const std::string& name);

#endif
