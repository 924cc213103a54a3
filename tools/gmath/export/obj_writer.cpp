#include "export/obj_writer.h"

bool WriteObj(FILE* out, const Mesh& mesh, const std::string& name) {
  bool written = std::fprintf(out, "# gmath export: %s\n", name.c_str()) > 0;
  for (const GPosition& v : mesh.vertices) {
    written = written && std::fprintf(out, "v %.17g %.17g %.17g\n", v.m_x, v.m_y, v.m_z) > 0;
  }
  for (const auto& face : mesh.faces) {
    written = written && std::fputs(face.size() == 2 ? "l" : "f", out) >= 0;
    for (const std::size_t i : face) {
      written = written && std::fprintf(out, " %s", std::to_string(i + 1).c_str()) > 0;
    }
    written = written && std::fputc('\n', out) != EOF;
  }
  return written;
}
