#include "export/box_faces.h"
#include "export/solids.h"

Solid SolidOf(const GBox& box, const GBox& extent) {
  Solid solid;
  solid.faces = BoxFaces(BoundedBox(box, extent, solid.clipped));
  return solid;
}
