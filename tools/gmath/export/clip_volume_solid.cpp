
#include <algorithm>
#include <cmath>

#include "export/box_faces.h"
#include "export/convex_cut.h"
#include "export/solids.h"

namespace {

// Corners this close to a plane, against the extent's size, are on it.
constexpr double kRelativeTolerance = 1e-9;

double Size(const GBox& box) {
  return std::max({box.m_high.m_x - box.m_low.m_x, box.m_high.m_y - box.m_low.m_y,
                   box.m_high.m_z - box.m_low.m_z});
}

}  // namespace

Solid SolidOf(const GClipVolume& volume, const GBox& extent) {
  std::vector<CutFace> faces;
  for (Polygon& face : BoxFaces(extent)) faces.push_back({std::move(face), -1});
  const double tolerance = kRelativeTolerance * Size(extent);
  const int count = std::min<int>(volume.m_count, 6);
  for (int i = 0; i < count && !faces.empty(); ++i) {
    const double* plane = volume.m_planes[i];
    const double length =
        std::sqrt(plane[0] * plane[0] + plane[1] * plane[1] + plane[2] * plane[2]);
    if (length == 0.0) {
      if (!(plane[3] >= 0.0)) faces.clear();
      continue;
    }
    const HalfSpace half{Point(plane[0] / length, plane[1] / length, plane[2] / length),
                         plane[3] / length};
    faces = CutByHalfSpace(faces, half, i, tolerance);
  }
  Solid solid;
  for (CutFace& face : faces) {
    solid.clipped = solid.clipped || face.source < 0;
    solid.faces.push_back(std::move(face.corners));
  }
  return solid;
}
