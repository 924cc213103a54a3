#include "bindings.h"
#include "text.h"

namespace gmath_py {
namespace {

template <class T>
void BindXy(py::class_<T>& c) {
  c.def_readwrite("x", &T::m_x, "The x coordinate.")
      .def_readwrite("y", &T::m_y, "The y coordinate.")
      .def("__getitem__", [](const T& v, long i) { return v[Index(i, 2)]; })
      .def("__setitem__", [](T& v, long i, double value) { v[Index(i, 2)] = value; })
      .def("__len__", [](const T&) { return 2; })
      .def("_fields", [](const T& v) { return py::make_tuple(v.m_x, v.m_y); })
      .def("__mul__", [](const T& v, const GMatrix2d& x) { return v * x; }, py::is_operator())
      .def("__rmul__", [](const T& v, const GMatrix2d& x) { return x * v; }, py::is_operator())
      .def("__mul__", [](const T& v, const GTransf2d& t) { return v * t; }, py::is_operator())
      .def("__xor__", [](const T& v, const GTransf2d& t) { return v ^ t; }, py::is_operator(),
           "v ^ t: v moved by the inverse of t.")
      .def("__imul__", [](T& v, const GMatrix2d& x) -> T& { return v *= x; }, py::is_operator())
      .def("__imul__", [](T& v, const GTransf2d& t) -> T& { return v *= t; }, py::is_operator());
}

}  // namespace

void BindPlanarVectors(py::module_& m) {
  py::class_<GPosition2d> position(m, "Position2d", "A point in the plane (x, y); is_equal accepts points within the distance tolerance.");
  BindText(position, "GPosition2d");
  position.def(py::init([](double x, double y) { return GPosition2d{x, y}; }), py::arg("x") = 0.0,
               py::arg("y") = 0.0);
  BindXy(position);
  position.def("is_null", [](const GPosition2d& p) { return p.IsNull() != 0; },
                "True when the position equals (is_equal) (1e30, 1e30), the unset position.")
      .def("is_equal", [](const GPosition2d& p, const GPosition2d& q) { return p.IsEqual(q) != 0; },
           py::arg("other"), "True when the positions are within the distance tolerance.")
      .def("__add__", [](const GPosition2d& p, const GVector2d& v) { return p + v; },
           py::is_operator())
      .def("__radd__", [](const GPosition2d& p, const GVector2d& v) { return v + p; },
           py::is_operator())
      .def("__sub__", [](const GPosition2d& p, const GVector2d& v) { return p - v; },
           py::is_operator())
      .def("__iadd__", [](GPosition2d& p, const GVector2d& v) -> GPosition2d& { return p += v; },
           py::is_operator())
      .def("__isub__", [](GPosition2d& p, const GVector2d& v) -> GPosition2d& { return p -= v; },
           py::is_operator())
      .def("__mod__", [](const GPosition2d& p, const GVector2d& v) { return p % v; },
           py::is_operator(), "The dot product of p (as a vector) and v.")
      .def("__mul__", [](const GPosition2d& p, const G4x4& g) { return p * g; }, py::is_operator())
      .def("__rmul__", [](const GPosition2d& p, const G4x4& g) { return g * p; }, py::is_operator())
      .def("__imul__", [](GPosition2d& p, const G4x4& g) -> GPosition2d& { return p *= g; },
           py::is_operator());

  py::class_<GVector2d> vector(m, "Vector2d", "A displacement in the plane (x, y); * is the cross product, % the dot product.");
  BindText(vector, "GVector2d");
  vector.def(py::init([](double x, double y) { return GVector2d{x, y}; }), py::arg("x") = 0.0,
             py::arg("y") = 0.0);
  BindXy(vector);
  vector.def("is_null", [](const GVector2d& v) { return v.IsNull() != 0; },
              "True when both coordinates are within 50 DBL_EPSILON of 0, or tol when given.")
      .def("is_null", [](const GVector2d& v, double tol) { return v.IsNull(tol) != 0; },
           py::arg("tol"))
      .def("is_equal", [](const GVector2d& v, const GVector2d& w) { return v.IsEqual(w) != 0; },
           py::arg("other"), "True when the vectors differ by less than the distance tolerance.")
      .def("is_colinear", [](const GVector2d& v, const GVector2d& w) { return v.IsColinear(w) != 0; },
           py::arg("other"),
           "True when the directions are parallel or opposite within the relative tolerance.")
      .def("is_orthogonal",
           [](const GVector2d& v, const GVector2d& w) { return v.IsOrthogonal(w) != 0; },
           py::arg("other"), "True when the directions are perpendicular within the relative tolerance.")
      .def("length", &GVector2d::GetLength, "The Euclidean length.")
      .def("__iadd__", [](GVector2d& v, const GVector2d& w) -> GVector2d& { return v += w; },
           py::is_operator())
      .def("__isub__", [](GVector2d& v, const GVector2d& w) -> GVector2d& { return v -= w; },
           py::is_operator())
      .def("__imul__", [](GVector2d& v, double s) -> GVector2d& { return v *= s; },
           py::is_operator())
      .def("__itruediv__", [](GVector2d& v, double s) -> GVector2d& { return v /= s; },
           py::is_operator())
      .def("__truediv__", [](const GVector2d& v, double s) { return v / s; }, py::is_operator())
      .def("__mul__", [](const GVector2d& a, const GVector2d& b) { return a * b; },
           py::is_operator(), "The cross product a.x * b.y - a.y * b.x (C++ operator*).")
      .def("__mod__", [](const GVector2d& a, const GVector2d& b) { return a % b; },
           py::is_operator(), "The dot product (C++ operator%).")
      .def("__mod__", [](const GVector2d& v, const GPosition2d& p) { return v % p; },
           py::is_operator());

  py::class_<GUnitVector2d> unit(m, "UnitVector2d",
                                 "A direction in the plane; the constructor stores the fields "
                                 "as given, build_unit_vector_2d normalizes.");
  BindText(unit, "GUnitVector2d");
  unit.def(py::init([](double x, double y) { return GUnitVector2d{x, y}; }), py::arg("x") = 0.0,
           py::arg("y") = 0.0);
  BindXy(unit);
  unit.def("__iadd__", [](GUnitVector2d& u, const GVector2d& w) -> GUnitVector2d& { return u += w; },
           py::is_operator())
      .def("__isub__", [](GUnitVector2d& u, const GVector2d& w) -> GUnitVector2d& { return u -= w; },
           py::is_operator())
      .def("to_vector", [](const GUnitVector2d& u) { return static_cast<GVector2d>(u); }, "The same coordinates as a Vector2d.");
  vector.def(py::init([](const GUnitVector2d& u) { return static_cast<GVector2d>(u); }),
             py::arg("unit"));
  py::implicitly_convertible<GUnitVector2d, GVector2d>();

  m.def("interpolate",
        py::overload_cast<double, const GPosition2d&, const GPosition2d&>(&Interpolate),
        py::arg("t"), py::arg("a"), py::arg("b"));
  m.def("distance", &GDistance, py::arg("a"), py::arg("b"), "The distance between a and b.");
  m.def("give_angle", py::overload_cast<const GVector2d&, const GVector2d&>(&GiveAngle),
        py::arg("a"), py::arg("b"));
  m.def("build_unit_vector_2d", py::overload_cast<double, double>(&BuildUnitVector2d),
        py::arg("x"), py::arg("y"));
  m.def("build_unit_vector_2d", [](double x, double y, double tol) {
    long err = 0;
    StartCall();
    GUnitVector2d u = BuildUnitVector2d(x, y, tol, &err);
    Check(err, "BuildUnitVector2d");
    return u;
  }, py::arg("x"), py::arg("y"), py::arg("tol"));
  m.def("build_unit_vector_2d",
        py::overload_cast<const GPosition2d&, const GPosition2d&>(&BuildUnitVector2d),
        py::arg("start"), py::arg("end"), "(x, y) normalized, or the direction from start to end.");
  m.def("get_perp_vector_2d", &GetPerpVector2d, py::arg("u"), "u turned by a quarter turn.");
}

}  // namespace gmath_py
