#include "export/mesh.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace {

using Key = std::tuple<double, double, double>;

std::vector<std::size_t> Indices(const Polygon& face, std::map<Key, std::size_t>& index,
                                 std::vector<GPosition>& vertices) {
  std::vector<std::size_t> indices;
  for (const GPosition& p : face) {
    const auto found = index.emplace(Key(p.m_x, p.m_y, p.m_z), vertices.size());
    if (found.second) vertices.push_back(p);
    const std::size_t i = found.first->second;
    if (indices.empty() || indices.back() != i) indices.push_back(i);
  }
  while (indices.size() > 1 && indices.back() == indices.front()) indices.pop_back();
  return indices;
}

// Six times the signed volume, about the first corner so that far-off
// solids keep their digits; and the largest extent, to judge it by.
double SignedVolume6(const std::vector<Polygon>& faces, double& size) {
  const auto first =
      std::find_if(faces.begin(), faces.end(), [](const Polygon& face) { return !face.empty(); });
  const GPosition origin = first == faces.end() ? Point(0.0, 0.0, 0.0) : first->front();
  double volume = 0.0;
  size = 0.0;
  for (const Polygon& face : faces) {
    for (std::size_t i = 1; i + 1 < face.size(); ++i) {
      const GPosition a = Minus(face[0], origin);
      const GPosition b = Minus(face[i], origin);
      const GPosition c = Minus(face[i + 1], origin);
      volume += Dot(a, Cross(b, c));
      size = std::max({size, std::abs(b.m_x), std::abs(b.m_y), std::abs(b.m_z)});
    }
  }
  return volume;
}

bool FacesInward(const std::vector<Polygon>& faces) {
  double size = 0.0;
  const double volume = SignedVolume6(faces, size);
  if (std::abs(volume) > 1e-12 * size * size * size) return volume < 0.0;
  double up = 0.0;
  for (const Polygon& face : faces) up += AreaNormal(face).m_z;
  return up < 0.0;
}

}  // namespace

Mesh BuildMesh(const std::vector<Polygon>& faces) {
  Mesh mesh;
  std::map<Key, std::size_t> index;
  for (const Polygon& face : faces) {
    std::vector<std::size_t> indices = Indices(face, index, mesh.vertices);
    if (indices.size() >= 3 || (face.size() == 2 && indices.size() == 2)) {
      mesh.faces.push_back(std::move(indices));
    }
  }
  if (FacesInward(faces)) {
    for (auto& face : mesh.faces) std::reverse(face.begin(), face.end());
  }
  return mesh;
}
