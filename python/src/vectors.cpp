#include "bindings.h"
#include "text.h"

namespace gmath_py {
namespace {

template <class T>
void BindXyz(py::class_<T>& c) {
  c.def_readwrite("x", &T::m_x, "The x coordinate.")
      .def_readwrite("y", &T::m_y, "The y coordinate.")
      .def_readwrite("z", &T::m_z, "The z coordinate.")
      .def("__getitem__", [](const T& v, long i) { return v[Index(i, 3)]; })
      .def("__setitem__", [](T& v, long i, double value) { v[Index(i, 3)] = value; })
      .def("__len__", [](const T&) { return 3; })
      .def("_fields", [](const T& v) { return py::make_tuple(v.m_x, v.m_y, v.m_z); })
      .def("is_null", [](const T& v) { return v.IsNull() != 0; },
           "True when every coordinate is within the distance tolerance of 0.")
      .def("__imul__", [](T& v, const GMatrix& m) -> T& { return v *= m; }, py::is_operator())
      .def("__imul__", [](T& v, const GTransf& t) -> T& { return v *= t; }, py::is_operator())
      .def("__imul__", [](T& v, const G4x4& g) -> T& { return v *= g; }, py::is_operator());
}

template <class T>
void BindProducts(py::class_<T>& c) {
  c.def("__mul__", [](const T& v, const G4x4& g) { return v * g; }, py::is_operator())
      .def("__rmul__", [](const T& v, const G4x4& g) { return g * v; }, py::is_operator())
      .def("__xor__", [](const T& v, const GTransf& t) { return v ^ t; }, py::is_operator(),
           "v ^ t: v moved by the inverse of t.");
}

}  // namespace

void BindVectors(py::module_& m) {
  py::class_<GPosition> position(m, "Position", "A point in space (x, y, z). Transforms move it; is_equal accepts points within the "
                                "distance tolerance of each other.");
  BindText(position, "GPosition");
  position.def(py::init([](double x, double y, double z) { return GPosition{x, y, z}; }),
               py::arg("x") = 0.0, py::arg("y") = 0.0, py::arg("z") = 0.0);
  BindXyz(position);
  BindProducts(position);
  position
      .def("is_equal", [](const GPosition& p, const GPosition& q) { return p.IsEqual(q) != 0; },
           py::arg("other"), "True when the positions agree within the distance tolerance.")
      .def("to_2d", &GPosition::Convert2d, "The (x, y) position; z is dropped.")
      .def_static("from_2d", [](const GPosition2d& q) {
        GPosition p{};
        p.Convert3d(q);
        return p;
      }, "The position (x, y, 0).");

  py::class_<GVector> vector(m, "Vector", "A displacement (x, y, z): transforms turn and scale it but do not translate it. "
                            "is_equal uses the distance tolerance, is_colinear and is_orthogonal the relative one.");
  BindText(vector, "GVector");
  vector.def(py::init([](double x, double y, double z) { return GVector{x, y, z}; }),
             py::arg("x") = 0.0, py::arg("y") = 0.0, py::arg("z") = 0.0);
  BindXyz(vector);
  BindProducts(vector);
  vector
      .def("is_null", [](const GVector& v, double tol) { return v.IsNull(tol) != 0; },
           py::arg("tol"), "True when every coordinate is within tol of 0.")
      .def("is_equal", [](const GVector& v, const GVector& w) { return v.IsEqual(w) != 0; },
           py::arg("other"), "True when the vectors agree within the distance tolerance.")
      .def("is_colinear", [](const GVector& v, const GVector& w) { return v.IsColinear(w) != 0; },
           py::arg("other"), "True when the vectors are parallel within the relative tolerance.")
      .def("is_orthogonal",
           [](const GVector& v, const GVector& w) { return v.IsOrthogonal(w) != 0; },
           py::arg("other"), "True when the vectors are perpendicular within the relative tolerance.")
      .def("__truediv__", [](const GVector& v, double s) { return v / s; }, py::is_operator(),
           "Guarded division: a divisor within the relative tolerance of 0 is reported.")
      .def("__itruediv__", [](GVector& v, double s) -> GVector& { return v /= s; },
           py::is_operator())
      .def("__mul__", [](const GVector& v, const GTransf& t) { return v * t; }, py::is_operator())
      .def("to_2d", &GVector::Convert2d, "The (x, y) vector; z is dropped.")
      .def_static("from_2d", [](const GVector2d& w) {
        GVector v{};
        v.Convert3d(w);
        return v;
      }, "The vector (x, y, 0).");

  py::class_<GUnitVector> unit(m, "UnitVector",
                               "A direction (x, y, z) of length 1. The constructor stores the "
                               "fields as given; build_unit_vector normalizes.");
  BindText(unit, "GUnitVector");
  unit.def(py::init([](double x, double y, double z) { return GUnitVector{x, y, z}; }),
           py::arg("x") = 0.0, py::arg("y") = 0.0, py::arg("z") = 0.0);
  BindXyz(unit);
  BindProducts(unit);
  unit.def("is_equal", [](const GUnitVector& u, const GVector& w) { return u.IsEqual(w) != 0; },
           py::arg("other"), "True when the directions agree within the distance tolerance.")
      .def("is_colinear",
           [](const GUnitVector& u, const GVector& w) { return u.IsColinear(w) != 0; },
           py::arg("other"), "True when the directions are parallel within the relative tolerance.")
      .def("is_orthogonal",
           [](const GUnitVector& u, const GVector& w) { return u.IsOrthogonal(w) != 0; },
           py::arg("other"), "True when the directions are perpendicular within the relative tolerance.")
      .def("__iadd__", [](GUnitVector& u, const GVector& w) -> GUnitVector& { return u += w; },
           py::is_operator(), "Adds w and renormalizes.")
      .def("__isub__", [](GUnitVector& u, const GVector& w) -> GUnitVector& { return u -= w; },
           py::is_operator(), "Subtracts w and renormalizes.")
      .def("__mul__", [](const GUnitVector& u, const GMatrix& mat) { return u * mat; },
           py::is_operator())
      .def("__rmul__", [](const GUnitVector& u, const GMatrix& mat) { return mat * u; },
           py::is_operator())
      .def("__mul__", [](const GUnitVector& u, const GTransf& t) { return u * t; },
           py::is_operator())
      .def("to_vector", [](const GUnitVector& u) { return static_cast<GVector>(u); },
           "The same coordinates as a Vector.")
      .def("to_2d", &GUnitVector::Convert2d, "The (x, y) direction, renormalized.")
      .def_static("from_2d", [](const GUnitVector2d& w) {
        GUnitVector u{};
        u.Convert3d(w);
        return u;
      }, "The direction (x, y, 0).");
  vector.def(py::init([](const GUnitVector& u) { return static_cast<GVector>(u); }),
             py::arg("unit"));
  py::implicitly_convertible<GUnitVector, GVector>();

  m.def("interpolate", py::overload_cast<double, const GPosition&, const GPosition&>(&Interpolate),
        py::arg("t"), py::arg("a"), py::arg("b"), "The position a + t * (b - a).");
  m.def("give_angle", py::overload_cast<const GVector&, const GVector&>(&GiveAngle), py::arg("a"),
        py::arg("b"), "The angle between a and b in radians, in [0, pi].");
  m.def(
      "modify_ortho_vector",
      [](const GVector& a, GVector b) {
        ModifyOrthoVector(a, b);
        return b;
      },
      py::arg("a"), py::arg("b"), "b made orthogonal to a.");
  m.def(
      "modify_ortho_vector",
      [](const GVector& a, GUnitVector u) {
        ModifyOrthoVector(a, u);
        return u;
      },
      py::arg("a"), py::arg("b"), "b made orthogonal to a and renormalized.");
  m.def(
      "build_unit_vector",
      [](double x, double y, double z) { return BuildUnitVector(x, y, z); }, py::arg("x"),
      py::arg("y"), py::arg("z"), "(x, y, z) normalized; a null vector is reported.");
  m.def(
      "build_unit_vector",
      [](double x, double y, double z, double tol) {
        long err = 0;
        StartCall();
        GUnitVector u = BuildUnitVector(x, y, z, tol, &err);
        Check(err, "BuildUnitVector");
        return u;
      },
      py::arg("x"), py::arg("y"), py::arg("z"), py::arg("tol"),
      "(x, y, z) normalized; RejectedError when its length is within tol of 0.");
  m.def(
      "build_unit_vector",
      [](const GPosition& from, const GPosition& to) { return BuildUnitVector(from, to); },
      py::arg("start"), py::arg("end"), "The direction from start to end.");
  m.def("get_perp_vector", &GetPerpVector, py::arg("u"), "A direction perpendicular to u.");
}

}  // namespace gmath_py
