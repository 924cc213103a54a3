#include <string>

#include "bindings.h"
#include "text.h"

namespace gmath_py {
namespace {

GClipVolume FromPlanes(const py::object& planes, std::size_t count) {
  if (count > 6) throw py::value_error("a clip volume has at most 6 planes");
  GClipVolume v{};
  ReadDoubles(planes, &v.m_planes[0][0], 4 * count, "ClipVolume planes");
  v.m_count = static_cast<std::uint8_t>(count);
  return v;
}

}  // namespace

void BindClipVolume(py::module_& m) {
  py::class_<GClipVolume> clip(
      m, "ClipVolume",
      "The intersection of up to six half spaces: plane row (a, b, c, d) holds the points with\n"
      "a*x + b*y + c*z + d >= 0.\n"
      "overlaps(box) answers True unless one plane has the whole box more than the distance\n"
      "tolerance outside (a conservative test); contains(box) asks every corner to be inside\n"
      "within that tolerance. Tolerances are read at each call (see gmath.tolerances).\n"
      "v + w and v - w move it by a Vector; v * m, v * t and v * s map it by a Matrix, a\n"
      "Transf or a scale; box in v (v >> box) is contains(box).");
  BindText(clip, "GClipVolume");
  clip.def(py::init([](const py::object& planes) {
             return FromPlanes(planes, static_cast<std::size_t>(py::len(planes)));
           }),
           py::arg("planes"), "From an (n, 4) array-like of plane rows, n <= 6, as given.")
      .def(py::init([](const py::object& planes, std::size_t count) {
             GClipVolume v = FromPlanes(planes, 6);
             if (count > 6) throw py::value_error("a clip volume has at most 6 planes");
             v.m_count = static_cast<std::uint8_t>(count);
             return v;
           }),
           py::arg("planes"), py::arg("count"), "All six rows and the count of those in use.")
      .def_property_readonly(
          "planes",
          [](const GClipVolume& v) {
            return Array(&v.m_planes[0][0], {static_cast<py::ssize_t>(v.m_count), 4});
          },
          "The planes in use as a new (count, 4) array.")
      .def_property_readonly("count", [](const GClipVolume& v) { return v.m_count; },
                             "How many plane rows are in use (above 6 counts as 6).")
      .def("_fields", [](const GClipVolume& v) {
        py::tuple rows(6);
        for (std::size_t i = 0; i < 6; ++i)
          rows[i] = py::make_tuple(v.m_planes[i][0], v.m_planes[i][1], v.m_planes[i][2],
                                   v.m_planes[i][3]);
        return py::make_tuple(rows, v.m_count);
      })
      .def("overlaps", [](const GClipVolume& v, const GBox& b) { return (v && b) != 0; },
           py::arg("box"), "C++ volume && box: the box may meet the volume.")
      .def("contains", [](const GClipVolume& v, const GBox& b) { return (v >> b) != 0; },
           py::arg("box"), "C++ volume >> box: the box is inside the volume.")
      .def("__rshift__", [](const GClipVolume& v, const GBox& b) { return (v >> b) != 0; },
           py::is_operator())
      .def("__contains__", [](const GClipVolume& v, const GBox& b) { return (v >> b) != 0; })
      .def("contains_point", [](const GClipVolume& v, const GPosition& p) {
        int inside = 0;
        long err = 0;
        StartCall();
        IsPtInClipVolume(v, p, &inside, &err);
        Check(err, "IsPtInClipVolume");
        return inside != 0;
      }, py::arg("point"), "The point is inside the volume (IsPtInClipVolume).")
      .def("range", &ClipVolumeRange, "The bounding box.")
      .def("__add__", [](const GClipVolume& v, const GVector& w) { return v + w; },
           py::is_operator())
      .def("__sub__", [](const GClipVolume& v, const GVector& w) { return v - w; },
           py::is_operator())
      .def("__iadd__", [](GClipVolume& v, const GVector& w) -> GClipVolume& { return v += w; },
           py::is_operator())
      .def("__isub__", [](GClipVolume& v, const GVector& w) -> GClipVolume& { return v -= w; },
           py::is_operator())
      .def("__mul__", [](const GClipVolume& v, const GMatrix& x) { return v * x; },
           py::is_operator())
      .def("__rmul__", [](const GClipVolume& v, const GMatrix& x) { return x * v; },
           py::is_operator())
      .def("__mul__", [](const GClipVolume& v, const GTransf& t) { return v * t; },
           py::is_operator())
      .def("__mul__", [](const GClipVolume& v, double s) { return v * s; }, py::is_operator())
      .def("__truediv__", [](const GClipVolume& v, double s) { return v / s; }, py::is_operator())
      .def("__imul__", [](GClipVolume& v, const GMatrix& x) -> GClipVolume& { return v *= x; },
           py::is_operator())
      .def("__imul__", [](GClipVolume& v, const GTransf& t) -> GClipVolume& { return v *= t; },
           py::is_operator())
      .def("__imul__", [](GClipVolume& v, double s) -> GClipVolume& { return v *= s; },
           py::is_operator())
      .def("__itruediv__", [](GClipVolume& v, double s) -> GClipVolume& { return v /= s; },
           py::is_operator())
      .def_static("from_box", [](GBox box) {
        GClipVolume v{};
        Check(ConvertGBoxToGClipVolume(&box, &v), "ConvertGBoxToGClipVolume");
        return v;
      }, py::arg("box"), "The six planes of the box.");
  m.def("build_clip_volume", [](const py::object& points, const py::object& normals) {
    std::vector<GPosition> p = Points(points);
    std::vector<GPosition> n = Points(normals);
    if (n.size() != p.size()) throw py::value_error("one normal per point");
    std::vector<GUnitVector> u(n.size());
    for (std::size_t i = 0; i < n.size(); ++i) u[i] = GUnitVector{n[i].m_x, n[i].m_y, n[i].m_z};
    return BuildClipVolume(static_cast<unsigned>(p.size()), p.data(), u.data());
  }, py::arg("points"), py::arg("normals"),
        "From (n, 3) plane points and inward normals (at most 6 are used).");
  m.def("build_clip_volume", [](const py::object& coefficients) {
    auto array =
        py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(coefficients);
    if (!array || array.ndim() != 2 || array.shape(1) != 4)
      throw py::value_error("coefficients must be an (n, 4) array");
    return BuildClipVolume(static_cast<unsigned>(array.shape(0)), array.data());
  }, py::arg("coefficients"), "From (n, 4) plane coefficients, normalized.");
  m.def("_baseline_call", [](const GClipVolume&, const GBox&) { return false; },
        "An empty call with overlaps' arguments: the benchmark's baseline.");
}

}  // namespace gmath_py
