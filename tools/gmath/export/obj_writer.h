#ifndef GMATH_TOOL_EXPORT_OBJ_WRITER_H
#define GMATH_TOOL_EXPORT_OBJ_WRITER_H

#include <cstdio>
#include <string>

#include "export/mesh.h"

// Wavefront OBJ: a comment naming the value, "v x y z" per vertex in %.17g
// (read back, each is the double written), "f" per face with 1-based
// indices, "l" per segment. False when a write failed.
bool WriteObj(FILE* out, const Mesh& mesh, const std::string& name);

#endif
