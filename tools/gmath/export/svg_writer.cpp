#include "export/svg_writer.h"

#include <algorithm>
#include <numeric>

namespace {

// The picture's larger side on screen, in pixels.
constexpr double kPixels = 480.0;

struct View {
  double left;
  double top;
  double width;
  double height;
};

View Fitted(const Mesh& mesh) {
  double left = mesh.vertices.front().m_x;
  double right = left;
  double top = 0.0 - mesh.vertices.front().m_y;
  double bottom = top;
  for (const GPosition& v : mesh.vertices) {
    left = std::min(left, v.m_x);
    right = std::max(right, v.m_x);
    top = std::min(top, 0.0 - v.m_y);
    bottom = std::max(bottom, 0.0 - v.m_y);
  }
  const double side = std::max(right - left, bottom - top);
  const double margin = side > 0.0 ? side / 20.0 : 1.0;
  return {left - margin, top - margin, right - left + 2 * margin, bottom - top + 2 * margin};
}

double MeanHeight(const Mesh& mesh, const std::vector<std::size_t>& face) {
  double sum = 0.0;
  for (const std::size_t i : face) sum += mesh.vertices[i].m_z;
  return sum / static_cast<double>(face.size());
}

bool WriteFace(FILE* out, const Mesh& mesh, const std::vector<std::size_t>& face) {
  bool written = std::fprintf(out, "<%s points=\"", face.size() == 2 ? "polyline" : "polygon") > 0;
  for (std::size_t k = 0; k < face.size(); ++k) {
    const GPosition& v = mesh.vertices[face[k]];
    written =
        written && std::fprintf(out, "%s%.9g,%.9g", k == 0 ? "" : " ", v.m_x, 0.0 - v.m_y) > 0;
  }
  return written && std::fputs("\"/>\n", out) >= 0;
}

}  // namespace

bool WriteSvg(FILE* out, const Mesh& mesh, const std::string& name) {
  if (mesh.vertices.empty()) return false;
  const View view = Fitted(mesh);
  const double scale = kPixels / std::max(view.width, view.height);
  bool written =
      std::fprintf(out,
                   "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%.0f\" height=\"%.0f\" "
                   "viewBox=\"%.9g %.9g %.9g %.9g\">\n"
                   "<title>gmath export: %s, top view (x right, y up)</title>\n"
                   "<g fill=\"#4f8fd6\" fill-opacity=\"0.2\" stroke=\"#1d3f66\" "
                   "stroke-width=\"%.9g\" stroke-linejoin=\"round\">\n",
                   view.width * scale, view.height * scale, view.left, view.top, view.width,
                   view.height, name.c_str(), 1.5 / scale) > 0;
  std::vector<std::size_t> order(mesh.faces.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return MeanHeight(mesh, mesh.faces[a]) < MeanHeight(mesh, mesh.faces[b]);
  });
  for (const std::size_t i : order) written = written && WriteFace(out, mesh, mesh.faces[i]);
  return written && std::fputs("</g>\n</svg>\n", out) >= 0;
}
