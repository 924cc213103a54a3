#include "bindings.h"
#include "text.h"

namespace gmath_py {

void BindTransf(py::module_& m) {
  py::class_<GTransf> transf(
      m, "Transf",
      "A similarity transform: p * matrix * scaling + translation, with its flags.");
  BindText(transf, "GTransf");
  transf
      .def(py::init([](const GMatrix& matrix, const GVector& translation, double scaling,
                       int hasRotation, int hasReflection, int hasShear) {
             return GTransf{matrix, translation, scaling,
                            static_cast<unsigned char>(hasRotation),
                            static_cast<unsigned char>(hasReflection),
                            static_cast<unsigned char>(hasShear)};
           }),
           py::arg("matrix"), py::arg("translation"), py::arg("scaling"),
           py::arg("has_rotation") = 0, py::arg("has_reflection") = 0, py::arg("has_shear") = 0,
           "The fields as given; build_transf and the *_transf functions compute them.")
      .def_readwrite("matrix", &GTransf::m_matrix, "The linear part, applied before the scaling (row vectors).")
      .def_readwrite("translation", &GTransf::m_translation, "Added after the linear part and the scaling.")
      .def_readwrite("scaling", &GTransf::m_scaling, "The uniform scale applied after the matrix.")
      .def_readwrite("has_rotation", &GTransf::m_hasRotation, "Flag: the matrix may turn (1) or is known not to (0).")
      .def_readwrite("has_reflection", &GTransf::m_hasReflection, "Flag: the matrix mirrors (1); equality compares it.")
      .def_readwrite("has_shear", &GTransf::m_hasShear, "Flag: the matrix may shear, so it is not a similarity (1).")
      .def("_fields", [](const GTransf& t) {
        return py::make_tuple(t.m_matrix, t.m_translation, t.m_scaling, t.m_hasRotation,
                              t.m_hasReflection, t.m_hasShear);
      })
      .def("is_null", [](const GTransf& t) { return t.IsNull() != 0; }, "True when it equals (is_equal) the all-zero transform with every flag 0.")
      .def("is_identity", [](const GTransf& t) { return t.IsIdentity() != 0; }, "True when it equals (is_equal) the identity transform.")
      .def("is_equal", [](const GTransf& a, const GTransf& b) { return a.IsEqual(b) != 0; },
           py::arg("other"), "True when the transforms agree within the tolerances.")
      .def("is_invertible", [](const GTransf& t) { return t.IsInvertible() != 0; }, "True when the scaling is at least DBL_EPSILON and the matrix is a scaled rotation or reflection.")
      .def("inverse", &GTransf::Inverse, "The inverse map q -> ((q - t) M^T) / s; a non-invertible transform reports it and goes on.")
      .def("__mul__", [](const GTransf& a, const GTransf& b) { return a * b; }, py::is_operator(),
           "a * b: a first, then b.")
      .def("__imul__", [](GTransf& a, const GTransf& b) -> GTransf& { return a *= b; },
           py::is_operator())
      .def("to_2d", &GTransf::Convert2d, "The transform of the xy plane.")
      .def_static("from_2d", [](const GTransf2d& t2) {
        GTransf t{};
        t.Convert3d(t2);
        return t;
      }, "The transform that acts as t2 in the xy plane and keeps z.")
      .def_static("from_g4x4", [](const G4x4& g) {
        GTransf t{};
        t = g;
        return t;
      }, py::arg("g"), "The transform of the homogeneous matrix g (Transf = G4x4 assignment).");

  m.def("build_transf", [](const GMatrix& mat, const GVector& t, double s, int hasRotation,
                           int hasReflection, int hasShear) {
    return BuildTransf(mat, t, s, hasRotation, hasReflection, hasShear);
  }, py::arg("matrix"), py::arg("translation"), py::arg("scaling"), py::arg("has_rotation"),
        py::arg("has_reflection"), py::arg("has_shear"), "A checked transform from its parts.");
  m.def("scale_transf", py::overload_cast<double>(&ScaleTransf), py::arg("s"));
  m.def("scale_transf", py::overload_cast<double, const GPosition&>(&ScaleTransf), py::arg("s"),
        py::arg("center"), "Scaling by s about center.");
  m.def("rotate_transf", py::overload_cast<double, double, const GUnitVector&>(&RotateTransf),
        py::arg("cosine"), py::arg("sine"), py::arg("axis"));
  m.def("rotate_transf", py::overload_cast<double, const GUnitVector&>(&RotateTransf),
        py::arg("angle"), py::arg("axis"));
  m.def("rotate_transf",
        py::overload_cast<double, double, const GUnitVector&, const GPosition&>(&RotateTransf),
        py::arg("cosine"), py::arg("sine"), py::arg("axis"), py::arg("center"));
  m.def("rotate_transf",
        py::overload_cast<double, const GUnitVector&, const GPosition&>(&RotateTransf),
        py::arg("angle"), py::arg("axis"), py::arg("center"),
        "Rotation about axis (through center when given).");
  m.def("reflect_transf", py::overload_cast<const GUnitVector&>(&ReflectTransf),
        py::arg("normal"));
  m.def("reflect_transf", py::overload_cast<const GUnitVector&, const GPosition&>(&ReflectTransf),
        py::arg("normal"), py::arg("center"), "Reflection in the plane of normal (through center).");
  m.def("translate_transf", &TranslateTransf, py::arg("v"), "Translation by v.");
  m.def("coordinate_transf",
        py::overload_cast<const GPosition&, const GUnitVector&, const GUnitVector&>(
            &CoordinateTransf),
        py::arg("origin"), py::arg("x_axis"), py::arg("y_axis"));
  m.def("coordinate_transf",
        py::overload_cast<const GPosition&, const GUnitVector&>(&CoordinateTransf),
        py::arg("origin"), py::arg("z_axis"), "From world coordinates to the given frame.");
  m.def("old_to_new_transf", [](const GPosition& oldOrigin, const GUnitVector& oldX,
                                const GUnitVector& oldY, const GPosition& newOrigin,
                                const GUnitVector& newX, const GUnitVector& newY) {
    GTransf result{};
    long err = 0;
    StartCall();
    OldToNewTransf(oldOrigin, oldX, oldY, newOrigin, newX, newY, result, &err);
    Check(err, "OldToNewTransf");
    return result;
  }, py::arg("old_origin"), py::arg("old_x"), py::arg("old_y"), py::arg("new_origin"),
        py::arg("new_x"), py::arg("new_y"), "The transform from the old frame to the new one.");
  m.def("transf_healer", [](const GTransf& in) {
    GTransf out{};
    int healed = 0;
    long err = 0;
    StartCall();
    GTransfHealer(in, out, &healed, &err);
    Check(err, "GTransfHealer");
    return py::make_tuple(out, healed != 0);
  }, py::arg("t"), "(repaired transform, whether it needed repair).");
  m.def("get_rot_angles", [](const GTransf& t) {
    double ax = 0.0;
    double ay = 0.0;
    double az = 0.0;
    GPosition origin{};
    GetRotAngles(t, &ax, &ay, &az, origin);
    return py::make_tuple(ax, ay, az, origin);
  }, py::arg("t"), "(angle_x, angle_y, angle_z, origin) of t, angles in radians.");
}

}  // namespace gmath_py
