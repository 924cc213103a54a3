#include "bindings.h"
#include "text.h"

namespace gmath_py {
void BindBox(py::module_& m) {
  py::class_<GBox> box(m, "Box",
                       "An axis-aligned box from low to high. Tests use the distance "
                       "tolerance; a box inverted by more than it is null.");
  BindText(box, "GBox");
  box.def(py::init([](const GPosition& low, const GPosition& high) { return GBox{low, high}; }),
          py::arg("low"), py::arg("high"), "The corners as given; build_box orders them.")
      .def_readwrite("low", &GBox::m_low, "The corner with the smallest coordinates.")
      .def_readwrite("high", &GBox::m_high, "The corner with the largest coordinates.")
      .def("_fields", [](const GBox& b) { return py::make_tuple(b.m_low, b.m_high); })
      .def("__getitem__", [](const GBox& b, long i) { return b[Index(i, 2)]; })
      .def("__len__", [](const GBox&) { return 2; })
      .def("is_null", [](const GBox& b) { return b.IsNull() != 0; }, "True when high is below low by more than the distance tolerance on some axis (the empty box).")
      .def("is_equal", [](const GBox& a, const GBox& b) { return a.IsEqual(b) != 0; },
           py::arg("other"), "The lows and the highs each within the distance tolerance.")
      .def("corners", [](const GBox& b) {
        GPosition corners[8];
        b.GiveCorners(corners);
        return Array(&corners[0].m_x, {8, 3});
      }, "The eight corners as an (8, 3) array.")
      .def("__or__", [](const GBox& a, const GBox& b) { return a | b; }, py::is_operator(),
           "The union.")
      .def("__and__", [](const GBox& a, const GBox& b) { return a & b; }, py::is_operator(),
           "The intersection.")
      .def("__ior__", [](GBox& a, const GBox& b) -> GBox& { return a |= b; }, py::is_operator())
      .def("__iand__", [](GBox& a, const GBox& b) -> GBox& { return a &= b; }, py::is_operator())
      .def("__rshift__", [](const GBox& b, const GPosition& p) { return (b >> p) != 0; },
           py::is_operator(), "box >> p: p is inside the box.")
      .def("__rshift__", [](const GBox& a, const GBox& b) { return (a >> b) != 0; },
           py::is_operator(), "a >> b: b is inside a.")
      .def("__lshift__", [](const GBox& a, const GBox& b) { return (a << b) != 0; },
           py::is_operator(), "a << b: a is inside b.")
      .def("__contains__", [](const GBox& b, const GPosition& p) { return (b >> p) != 0; })
      .def("__contains__", [](const GBox& a, const GBox& b) { return (a >> b) != 0; })
      .def("__iadd__", [](GBox& b, const GVector& v) -> GBox& { return b += v; },
           py::is_operator())
      .def("__isub__", [](GBox& b, const GVector& v) -> GBox& { return b -= v; },
           py::is_operator())
      .def("__mul__", [](const GBox& b, double s) { return b * s; }, py::is_operator())
      .def("__rmul__", [](const GBox& b, double s) { return s * b; }, py::is_operator())
      .def("__truediv__", [](const GBox& b, double s) { return b / s; }, py::is_operator())
      .def("__imul__", [](GBox& b, double s) -> GBox& { return b *= s; }, py::is_operator())
      .def("__itruediv__", [](GBox& b, double s) -> GBox& { return b /= s; }, py::is_operator())
      .def("__mul__", [](const GBox& b, const GMatrix& mat) { return b * mat; }, py::is_operator())
      .def("__rmul__", [](const GBox& b, const GMatrix& mat) { return mat * b; }, py::is_operator())
      .def("__mul__", [](const GBox& b, const GTransf& t) { return b * t; }, py::is_operator())
      .def("__rmul__", [](const GBox& b, const GTransf& t) { return t * b; }, py::is_operator())
      .def("__mul__", [](const GBox& b, const G4x4& g) { return b * g; }, py::is_operator())
      .def("__rmul__", [](const GBox& b, const G4x4& g) { return g * b; }, py::is_operator())
      .def("__imul__", [](GBox& b, const GMatrix& mat) -> GBox& { return b *= mat; },
           py::is_operator())
      .def("__imul__", [](GBox& b, const GTransf& t) -> GBox& { return b *= t; },
           py::is_operator())
      .def("__imul__", [](GBox& b, const G4x4& g) -> GBox& { return b *= g; }, py::is_operator())
      .def("clip_w_plane", [](GBox& b, double a, double bb, double c, double w) {
        return b.ClipWPlane(a, bb, c, w);
      }, py::arg("a"), py::arg("b"), py::arg("c"), py::arg("w"),
           "Clips the box in place to the half space a*x + b*y + c*z <= w; the library's code.")
      .def("to_2d", &GBox::Convert2d, "The (x, y) box.")
      .def_static("from_2d", [](const GBox2d& b2) {
        GBox b{};
        b.Convert3d(b2);
        return b;
      });
  m.def("build_box", py::overload_cast<const GPosition&>(&BuildBox), py::arg("p"));
  m.def("build_box",
        py::overload_cast<double, double, double, double, double, double>(&BuildBox),
        py::arg("low_x"), py::arg("low_y"), py::arg("low_z"), py::arg("high_x"),
        py::arg("high_y"), py::arg("high_z"));
  m.def("build_box", py::overload_cast<const GPosition&, const GPosition&>(&BuildBox),
        py::arg("low"), py::arg("high"));
  m.def("build_box", [](const py::object& points) {
    std::vector<GPosition> p = Points(points);
    return BuildBox(static_cast<unsigned long>(p.size()), p.data());
  }, py::arg("points"), "The box of a point, of its corners, or of an (n, 3) array of points.");
}

}  // namespace gmath_py
