#include "bindings.h"
#include "text.h"

namespace gmath_py {
namespace {

template <class Build>
G4x4 Built(const char* what, Build build) {
  G4x4 g{};
  long err = 0;
  StartCall();
  build(g, &err);
  Check(err, what);
  return g;
}

}  // namespace

void BindG4x4(py::module_& m) {
  py::class_<G4x4> g4x4(m, "G4x4",
                        "A homogeneous 4x4 matrix (row vectors, translation in row 3, perspective in "
                        "column 3); converts from and to a (4, 4) numpy array. Its tests compare "
                        "within the relative tolerance after dividing by element 15.");
  BindText(g4x4, "G4x4");
  g4x4.def(py::init([](const py::object& values) {
             G4x4 g{};
             ReadDoubles(values, g.m_matrix, 16, "G4x4");
             return g;
           }),
           py::arg("values"), "From a (4, 4) array-like (or 16 numbers) in storage order.")
      .def_property(
          "matrix", [](const G4x4& g) { return Array(g.m_matrix, {4, 4}); },
          [](G4x4& g, const py::object& values) { ReadDoubles(values, g.m_matrix, 16, "G4x4"); },
          "The entries as a new (4, 4) array.")
      .def("__array__", [](const G4x4& g) { return Array(g.m_matrix, {4, 4}); })
      .def("_fields", [](const G4x4& g) {
        py::tuple values(16);
        for (std::size_t i = 0; i < 16; ++i) values[i] = g.m_matrix[i];
        return py::make_tuple(values);
      })
      .def("is_equal", [](const G4x4& a, const G4x4& b) { return a.IsEqual(b) != 0; },
           py::arg("other"),
           "Entries 0 to 14 within the relative tolerance once each matrix is divided by its "
           "element 15.")
      .def("is_valid", [](const G4x4& g) { return g.IsValid() != 0; }, "True when the linear block times element 15 has a determinant above the relative tolerance cubed (same test as is_invertible).")
      .def("is_invertible", [](const G4x4& g) { return g.IsInvertible() != 0; }, "True when the linear block times element 15 has a determinant above the relative tolerance cubed.")
      .def("has_rotation", [](const G4x4& g) { return g.HasRotation() != 0; }, "True when the linear block keeps handedness (determinant >= 0).")
      .def("has_reflection", [](const G4x4& g) { return g.HasReflection() != 0; }, "True when the linear block mirrors (determinant <= 0).")
      .def("inverse", &G4x4::Inverse, "The inverse; a singular matrix reports it and gets a generalized inverse, never infinities.")
      .def("__mul__", [](const G4x4& a, const G4x4& b) { return a * b; }, py::is_operator())
      .def("__mul__", [](const G4x4& a, const GTransf& t) { return a * t; }, py::is_operator())
      .def("__rmul__", [](const G4x4& b, const GTransf& t) { return t * b; }, py::is_operator())
      .def("__imul__", [](G4x4& a, const G4x4& b) -> G4x4& { return a *= b; }, py::is_operator())
      .def("__imul__", [](G4x4& a, const GTransf& t) -> G4x4& { return a *= t; },
           py::is_operator())
      .def_static("from_transf", [](const GTransf& t) {
        G4x4 g{};
        g = t;
        return g;
      }, py::arg("t"), "The homogeneous matrix of t (G4x4 = Transf assignment).");

  m.def("build_4x4", [](const py::object& values) {
    double v[16];
    ReadDoubles(values, v, 16, "Build4x4");
    return Build4x4(v);
  }, py::arg("values"), "The 16 values in storage order.");
  m.def("convert_g4x4_to_transf", [](const G4x4& g) {
    GTransf t{};
    Check(ConvertG4x4ToGTransf(g, t), "ConvertG4x4ToGTransf: not a similarity");
    return t;
  }, py::arg("g"), "The similarity transform of g; RejectedError when g is not one.");
  m.def("rotate_4x4", [](double c, double s, const GUnitVector& axis) {
    return Built("Rotate4x4", [&](G4x4& g, long* err) { Rotate4x4(c, s, axis, g, err); });
  }, py::arg("cosine"), py::arg("sine"), py::arg("axis"));
  m.def("rotate_4x4", [](double angle, const GUnitVector& axis) {
    return Built("Rotate4x4", [&](G4x4& g, long* err) { Rotate4x4(angle, axis, g, err); });
  }, py::arg("angle"), py::arg("axis"));
  m.def("rotate_4x4", [](double c, double s, const GUnitVector& axis, const GPosition& p) {
    return Built("Rotate4x4", [&](G4x4& g, long* err) { Rotate4x4(c, s, axis, p, g, err); });
  }, py::arg("cosine"), py::arg("sine"), py::arg("axis"), py::arg("point"));
  m.def("rotate_4x4", [](double angle, const GUnitVector& axis, const GPosition& p) {
    return Built("Rotate4x4", [&](G4x4& g, long* err) { Rotate4x4(angle,
                                                               axis, p, g, err); });
  }, py::arg("angle"), py::arg("axis"), py::arg("point"),
        "Rotation about axis (through point); RejectedError for a bad axis.");
  m.def("reflect_4x4", [](const GUnitVector& n) {
    return Built("Reflect4x4", [&](G4x4& g, long* err) { Reflect4x4(n, g, err); });
  }, py::arg("normal"));
  m.def("reflect_4x4", [](const GUnitVector& n, const GPosition& p) {
    return Built("Reflect4x4", [&](G4x4& g, long* err) { Reflect4x4(n, p, g, err); });
  }, py::arg("normal"), py::arg("point"), "Reflection in the plane of normal (through point).");
  m.def("translate_4x4", [](const GVector& v) {
    return Built("Translate4x4", [&](G4x4& g, long* err) { Translate4x4(v, g, err); });
  }, py::arg("v"), "Translation by v.");
  m.def("coordinate_4x4", [](const GPosition& o, const GUnitVector& x, const GUnitVector& y) {
    return Built("Coordinate4x4", [&](G4x4& g, long* err) { Coordinate4x4(o, x, y, g, err); });
  }, py::arg("origin"), py::arg("x_axis"), py::arg("y_axis"), "From world to the given frame.");
  m.def("scale_4x4", [](double s) { return Built("Scale4x4", [&](G4x4& g, long* err) { Scale4x4(s, g, err); }); },
        py::arg("s"));
  m.def("scale_4x4", [](double s, const GPosition& p) {
    return Built("Scale4x4", [&](G4x4& g, long* err) { Scale4x4(s, p, g, err); });
  }, py::arg("s"), py::arg("point"));
  m.def("scale_4x4", [](double sx, double sy, double sz) {
    return Built("Scale4x4", [&](G4x4& g, long* err) { Scale4x4(sx, sy, sz, g, err); });
  }, py::arg("sx"), py::arg("sy"), py::arg("sz"));
  m.def("scale_4x4", [](double sx, double sy, double sz, const GPosition& p) {
    return Built("Scale4x4", [&](G4x4& g, long* err) { Scale4x4(sx, sy, sz, p, g, err); });
  }, py::arg("sx"), py::arg("sy"), py::arg("sz"), py::arg("point"),
        "Scaling (per axis when three factors are given) about point.");
}

}  // namespace gmath_py
