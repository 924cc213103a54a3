#include "export/box_faces.h"
#include "export/solids.h"

namespace {

template <class Move>
Solid MovedUnitCube(const Move& move) {
  Solid solid;
  solid.faces = BoxFaces(GBox{Point(0.0, 0.0, 0.0), Point(1.0, 1.0, 1.0)});
  for (Polygon& face : solid.faces) {
    for (GPosition& corner : face) corner *= move;
  }
  return solid;
}

}  // namespace

Solid SolidOf(const GMatrix& matrix, const GBox&) { return MovedUnitCube(matrix); }
Solid SolidOf(const GTransf& transf, const GBox&) { return MovedUnitCube(transf); }
Solid SolidOf(const G4x4& g, const GBox&) { return MovedUnitCube(g); }
