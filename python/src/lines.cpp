#include "bindings.h"
#include "text.h"

namespace gmath_py {

void BindLines(py::module_& m) {
  py::class_<GBoreLine> line(
      m, "BoreLine",
      "A bore: the points within radius of the line point + t * direction, back <= t <= front.\n"
      "overlaps(box) and the containment tests widen the bore by the distance tolerance.");
  BindText(line, "GBoreLine");
  line.def(py::init([](const GPosition& point, const GUnitVector& direction, double front,
                       double back, double radius) {
             return GBoreLine{point, direction, front, back, radius};
           }),
           py::arg("point"), py::arg("direction"), py::arg("front"), py::arg("back"),
           py::arg("radius"), "The fields as given; build_bore_line checks them.")
      .def_readwrite("point", &GBoreLine::m_point, "The reference point P on the axis; depths are measured from it.")
      .def_readwrite("direction", &GBoreLine::m_direction, "The unit direction D of the axis.")
      .def_readwrite("front", &GBoreLine::m_front, "The far depth along D from P; 1e30 or more is unbounded.")
      .def_readwrite("back", &GBoreLine::m_back, "The near depth along D from P; -1e30 or less is unbounded.")
      .def_readwrite("radius", &GBoreLine::m_radius, "How far from the axis a point may lie and still be in the bore.")
      .def("_fields", [](const GBoreLine& b) {
        return py::make_tuple(b.m_point, b.m_direction, b.m_front, b.m_back, b.m_radius);
      })
      .def("evaluate", py::overload_cast<const GPosition&>(&GBoreLine::Evaluate, py::const_),
           py::arg("x"), "The parameter t of the foot of x on the line.")
      .def("evaluate", py::overload_cast<double>(&GBoreLine::Evaluate, py::const_), py::arg("t"),
           "The position point + t * direction.")
      .def("make_infinite", &GBoreLine::MakeInfinite, "Unbounds front and back in place.")
      .def("is_infinite", [](const GBoreLine& b) { return b.IsInfinite() != 0; }, "True when either end is unbounded (front >= 1e30, back <= -1e30 or NaN).")
      .def("is_null", [](const GBoreLine& b) { return b.IsNull() != 0; }, "True when it equals (is_equal) the null bore line: unbounded along x through the origin, radius the distance tolerance.")
      .def("is_equal", [](const GBoreLine& a, const GBoreLine& b) { return a.IsEqual(b) != 0; },
           py::arg("other"),
           "Points and directions equal within the tolerances, depths and radius each closer "
           "than the distance tolerance (two unbounded ends are equal).")
      .def("overlaps", [](const GBoreLine& b, const GBox& box) { return (b && box) != 0; },
           py::arg("box"), "C++ bore && box: the bore may meet the box.")
      .def("contains", [](const GBoreLine& b, const GPosition& x) { return (b >> x) != 0; },
           py::arg("x"), "C++ bore >> x: x is inside the bore.")
      .def("contains", [](const GBoreLine& b, double t) { return (b >> t) != 0; }, py::arg("t"),
           "C++ bore >> t: t is within [back, front].")
      .def("__rshift__", [](const GBoreLine& b, const GPosition& x) { return (b >> x) != 0; },
           py::is_operator())
      .def("__rshift__", [](const GBoreLine& b, double t) { return (b >> t) != 0; },
           py::is_operator())
      .def("__contains__", [](const GBoreLine& b, const GPosition& x) { return (b >> x) != 0; })
      .def("clip_w_plane", &GBoreLine::ClipWPlane, py::arg("a"), py::arg("b"), py::arg("c"),
           py::arg("d"), "Clips in place to a*x + b*y + c*z <= d; the library's code.")
      .def("__add__", [](const GBoreLine& b, const GVector& v) { return b + v; }, py::is_operator())
      .def("__sub__", [](const GBoreLine& b, const GVector& v) { return b - v; }, py::is_operator())
      .def("__iadd__", [](GBoreLine& b, const GVector& v) -> GBoreLine& { return b += v; },
           py::is_operator())
      .def("__isub__", [](GBoreLine& b, const GVector& v) -> GBoreLine& { return b -= v; },
           py::is_operator())
      .def("__mul__", [](const GBoreLine& b, const GMatrix& x) { return b * x; }, py::is_operator())
      .def("__rmul__", [](const GBoreLine& b, const GMatrix& x) { return x * b; }, py::is_operator())
      .def("__mul__", [](const GBoreLine& b, const GTransf& t) { return b * t; }, py::is_operator())
      .def("__mul__", [](const GBoreLine& b, const G4x4& g) { return b * g; }, py::is_operator())
      .def("__rmul__", [](const GBoreLine& b, const G4x4& g) { return g * b; }, py::is_operator())
      .def("__mul__", [](const GBoreLine& b, double s) { return b * s; }, py::is_operator())
      .def("__truediv__", [](const GBoreLine& b, double s) { return b / s; }, py::is_operator())
      .def("__imul__", [](GBoreLine& b, const GMatrix& x) -> GBoreLine& { return b *= x; },
           py::is_operator())
      .def("__imul__", [](GBoreLine& b, const GTransf& t) -> GBoreLine& { return b *= t; },
           py::is_operator())
      .def("__imul__", [](GBoreLine& b, const G4x4& g) -> GBoreLine& { return b *= g; },
           py::is_operator())
      .def("__imul__", [](GBoreLine& b, double s) -> GBoreLine& { return b *= s; },
           py::is_operator())
      .def("__itruediv__", [](GBoreLine& b, double s) -> GBoreLine& { return b /= s; },
           py::is_operator())
      .def("__and__", [](const GBoreLine& b, const GBox& box) { return b & box; },
           py::is_operator(), "The part of the bore inside the box (null when it misses).")
      .def("range", &BoreLineRange, "The bounding box.");
  m.def("build_bore_line",
        py::overload_cast<const GPosition&, const GUnitVector&>(&BuildBoreLine),
        py::arg("point"), py::arg("direction"));
  m.def("build_bore_line",
        py::overload_cast<const GPosition&, const GUnitVector&, double, double, double>(
            &BuildBoreLine),
        py::arg("point"), py::arg("direction"), py::arg("front"), py::arg("back"),
        py::arg("radius"), "A bore line (infinite, of radius 0, when only point and direction).");

  py::class_<GBoreCone> cone(m, "BoreCone",
                             "A bore line seen from an eye point: the cone from the eye "
                             "through the bore's circle about its axis at its point, cut at the "
                             "bore's front and back depths (the eye lies outside them).");
  BindText(cone, "GBoreCone");
  cone.def(py::init([](const GBoreLine& bore, const GPosition& eye) { return GBoreCone{bore, eye}; }),
           py::arg("bore_line"), py::arg("eye_point"))
      .def_readwrite("bore_line", &GBoreCone::m_boreLine, "The bore line whose circle the cone passes through.")
      .def_readwrite("eye_point", &GBoreCone::m_eyePoint, "The apex of the cone, outside the slab between the depths.")
      .def("_fields", [](const GBoreCone& c) { return py::make_tuple(c.m_boreLine, c.m_eyePoint); })
      .def("__imul__", [](GBoreCone& c, const GTransf& t) -> GBoreCone& { return c *= t; },
           py::is_operator())
      .def("__imul__", [](GBoreCone& c, const G4x4& g) -> GBoreCone& { return c *= g; },
           py::is_operator())
      .def("range", &BoreConeRange, "The bounding box.");
  m.def("build_bore_cone", [](const GBoreLine& bore, const GPosition& eye) {
    GBoreCone c{};
    long err = 0;
    StartCall();
    BuildBoreCone(bore, eye, c, &err);
    Check(err, "BuildBoreCone");
    return c;
  }, py::arg("bore_line"), py::arg("eye_point"), "A checked bore cone.");
}

}  // namespace gmath_py
