#include "export_command.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "dispatch.h"
#include "export/mesh.h"
#include "export/obj_writer.h"
#include "export/solids.h"
#include "export/svg_writer.h"

namespace {

const GBox kDefaultExtent = {{-10.0, -10.0, -10.0}, {10.0, 10.0, 10.0}};

enum class Format { kObj, kSvg };

struct Job {
  Format format;
  GBox extent;
  std::string output;  // empty: standard output
};

std::string Lowercase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string Extension(const std::string& path) {
  const std::size_t dot = path.rfind('.');
  const std::size_t slash = path.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  return Lowercase(path.substr(dot + 1));
}

// Empty when the format is known; otherwise why not.
std::string FormatOf(const Options& options, Format& format) {
  const std::string name = options.format.empty() ? Extension(options.output) : options.format;
  if (name == "obj" || name == "svg") {
    format = name == "obj" ? Format::kObj : Format::kSvg;
    return "";
  }
  if (!options.format.empty()) return "unknown format '" + options.format + "' (known: obj, svg)";
  if (options.output.empty()) return "export needs --format obj|svg or an --output FILE.obj|.svg";
  return "cannot tell the format from '" + options.output + "': give --format obj|svg";
}

bool ParseNumber(const std::string& word, double& value) {
  char* end = nullptr;
  value = std::strtod(word.c_str(), &end);
  return !word.empty() && *end == '\0' && std::isfinite(value) && std::abs(value) < 1e30;
}

std::string ExtentOf(const Options& options, GBox& extent) {
  extent = kDefaultExtent;
  if (options.extent.empty()) return "";
  double v[6];
  for (std::size_t i = 0; i < 6; ++i) {
    if (!ParseNumber(options.extent[i], v[i])) {
      return "--extent: '" + options.extent[i] + "' is not a finite number below 1e30";
    }
  }
  if (!(v[0] < v[3] && v[1] < v[4] && v[2] < v[5])) {
    return "--extent: each low (XLO YLO ZLO) must be below its high (XHI YHI ZHI)";
  }
  extent = {{v[0], v[1], v[2]}, {v[3], v[4], v[5]}};
  return "";
}

std::string ExtentText(const GBox& box) {
  char text[200];
  std::snprintf(text, sizeof text, "%.17g %.17g %.17g %.17g %.17g %.17g", box.m_low.m_x,
                box.m_low.m_y, box.m_low.m_z, box.m_high.m_x, box.m_high.m_y, box.m_high.m_z);
  return text;
}

bool IsFinite(const Solid& solid) {
  for (const Polygon& face : solid.faces) {
    for (const GPosition& p : face) {
      if (!std::isfinite(p.m_x) || !std::isfinite(p.m_y) || !std::isfinite(p.m_z)) return false;
    }
  }
  return true;
}

bool Write(FILE* out, const Mesh& mesh, const std::string& type, Format format) {
  return format == Format::kObj ? WriteObj(out, mesh, type) : WriteSvg(out, mesh, type);
}

int WriteMesh(const Mesh& mesh, const std::string& type, const Job& job, const Streams& io) {
  if (job.output.empty()) {
    if (Write(io.out, mesh, type, job.format)) return kDone;
    return Fail(io.err, "cannot write to standard output");
  }
  FILE* file = std::fopen(job.output.c_str(), "wb");
  if (file == nullptr) return Fail(io.err, job.output + ": cannot open: " + std::strerror(errno));
  const bool written = Write(file, mesh, type, job.format);
  if (std::fclose(file) != 0 || !written) return Fail(io.err, job.output + ": cannot write");
  return kDone;
}

template <class T>
int ExportValue(const T& value, const std::string& type, const Job& job, const Streams& io) {
  const Solid solid = SolidOf(value, job.extent);
  if (!IsFinite(solid)) return Fail(io.err, "the " + type + " has a corner that is not finite");
  const Mesh mesh = BuildMesh(solid.faces);
  if (mesh.faces.empty()) {
    const std::string where = solid.clipped ? " within " + ExtentText(job.extent) : "";
    Say(io.err, "nothing of the " + type + " to draw" + where);
    return kRefused;
  }
  if (solid.clipped) {
    Say(io.err, "the " + type + " reaches beyond the extent; drawn within " +
                    ExtentText(job.extent) + " (--extent sets it)");
  }
  return WriteMesh(mesh, type, job, io);
}

}  // namespace

int Export(const std::vector<std::string>& operands, const Options& options, const Streams& io) {
  Job job{Format::kObj, kDefaultExtent, options.output};
  std::string error = FormatOf(options, job.format);
  if (error.empty()) error = ExtentOf(options, job.extent);
  if (!error.empty()) return Fail(io.err, error);
  const std::string& type = operands[0];
  const std::string path = operands.size() > 1 ? operands[1] : "-";
  const auto use = [&](const auto& value) { return ExportValue(value, type, job, io); };
  if (type == "clipvolume") return WithValue<GClipVolume>(type, path, io, use);
  const std::string known = std::string(kTypeNames) + ", clipvolume";
  const auto visit = [&](auto tag) {
    return WithValue<typename decltype(tag)::Type>(type, path, io, use);
  };
  return OnAnyType(type, io.err, visit, known.c_str());
}
