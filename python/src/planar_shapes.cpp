#include "bindings.h"
#include "text.h"

namespace gmath_py {
namespace {

void BindMatrix2d(py::module_& m) {
  py::class_<GMatrix2d> matrix(m, "Matrix2d", "A 2x2 matrix (row vectors: p * m); its tests compare entries within the relative tolerance.");
  BindText(matrix, "GMatrix2d");
  matrix
      .def(py::init([](const py::object& rows) {
             GMatrix2d x{};
             ReadDoubles(rows, &x.m_matrix[0][0], 4, "Matrix2d");
             return x;
           }),
           py::arg("rows"))
      .def_property(
          "rows", [](const GMatrix2d& x) { return Array(&x.m_matrix[0][0], {2, 2}); },
          [](GMatrix2d& x, const py::object& rows) {
            ReadDoubles(rows, &x.m_matrix[0][0], 4, "Matrix2d");
          },
          "The entries as a new (2, 2) array.")
      .def("__array__", [](const GMatrix2d& x) { return Array(&x.m_matrix[0][0], {2, 2}); })
      .def("_fields", [](const GMatrix2d& x) {
        return py::make_tuple(py::make_tuple(py::make_tuple(x.m_matrix[0][0], x.m_matrix[0][1]),
                                             py::make_tuple(x.m_matrix[1][0], x.m_matrix[1][1])));
      })
      .def("__getitem__", [](const GMatrix2d& x, long i) { return x[Index(i, 2)]; })
      .def("transpose", &GMatrix2d::Transpose, "The transposed matrix (the inverse of a rotation).")
      .def("is_equal", [](const GMatrix2d& a, const GMatrix2d& b) { return a.IsEqual(b) != 0; },
           py::arg("other"), "Every entry within the relative tolerance of other's.")
      .def("is_null", [](const GMatrix2d& a) { return a.IsNull() != 0; }, "True when every entry is within the relative tolerance of 0.")
      .def("is_identity", [](const GMatrix2d& a) { return a.IsIdentity() != 0; }, "True when every entry is within the relative tolerance of the identity's.")
      .def("is_euclidean", [](const GMatrix2d& a) { return a.IsEuclidean() != 0; }, "True for a rotation or reflection, possibly scaled.")
      .def("determinant", [](const GMatrix2d& a) { return GetDeterminant(a); }, "The determinant: the signed area scale of the map.")
      .def("__mul__", [](const GMatrix2d& a, const GMatrix2d& b) { return a * b; },
           py::is_operator())
      .def("__imul__", [](GMatrix2d& a, const GMatrix2d& b) -> GMatrix2d& { return a *= b; },
           py::is_operator());
  m.def("build_matrix_2d",
        py::overload_cast<const GUnitVector2d&, const GUnitVector2d&, int>(&BuildMatrix2d),
        py::arg("a"), py::arg("b"), py::arg("placement"));
  m.def("build_matrix_2d", py::overload_cast<const GVector2d&, const GVector2d&, int>(&BuildMatrix2d),
        py::arg("a"), py::arg("b"), py::arg("placement"),
        "a and b as the rows (placement 0) or the columns (any other); nothing is normalized.");
  m.def("rotation_2d", py::overload_cast<double, double>(&Rotation2d), py::arg("cosine"),
        py::arg("sine"));
  m.def("rotation_2d", py::overload_cast<double>(&Rotation2d), py::arg("angle"),
        "The rotation matrix of angle (radians, counterclockwise), or of its cosine and sine.");
  m.def("reflection_2d", &Reflection2d, py::arg("u"),
        "The mirror in the line through the origin along u.");
  m.def("make_orthogonal", [](const GMatrix2d& in) {
    GMatrix2d out{};
    long err = 0;
    StartCall();
    MakeOrthogonal(in, out, &err);
    Check(err, "MakeOrthogonal");
    return out;
  }, py::arg("m"));
}

void BindTransf2d(py::module_& m) {
  py::class_<GTransf2d> transf(m, "Transf2d", "A similarity transform of the plane: p * matrix * scaling + translation, with flags "
                                "that say whether it turns, mirrors or shears.");
  BindText(transf, "GTransf2d");
  transf
      .def(py::init([](const GMatrix2d& matrix, const GVector2d& translation, double scaling,
                       int hasRotation, int hasReflection, int hasShear) {
             return GTransf2d{matrix, translation, scaling,
                              static_cast<unsigned char>(hasRotation),
                              static_cast<unsigned char>(hasReflection),
                              static_cast<unsigned char>(hasShear)};
           }),
           py::arg("matrix"), py::arg("translation"), py::arg("scaling"),
           py::arg("has_rotation") = 0, py::arg("has_reflection") = 0, py::arg("has_shear") = 0)
      .def_readwrite("matrix", &GTransf2d::m_matrix, "The linear part, applied before the scaling (row vectors).")
      .def_readwrite("translation", &GTransf2d::m_translation, "Added after the linear part and the scaling.")
      .def_readwrite("scaling", &GTransf2d::m_scaling, "The uniform scale applied after the matrix.")
      .def_readwrite("has_rotation", &GTransf2d::m_hasRotation, "Flag: the matrix may turn (1) or is known not to (0).")
      .def_readwrite("has_reflection", &GTransf2d::m_hasReflection, "Flag: the matrix mirrors (1); equality compares it.")
      .def_readwrite("has_shear", &GTransf2d::m_hasShear, "Flag: the matrix may shear, so it is not a similarity (1).")
      .def("_fields", [](const GTransf2d& t) {
        return py::make_tuple(t.m_matrix, t.m_translation, t.m_scaling, t.m_hasRotation,
                              t.m_hasReflection, t.m_hasShear);
      })
      .def("is_null", [](const GTransf2d& t) { return t.IsNull() != 0; }, "True when it equals (is_equal) the all-zero transform with every flag 0.")
      .def("is_identity", [](const GTransf2d& t) { return t.IsIdentity() != 0; }, "True when it equals (is_equal) the identity transform.")
      .def("is_equal", [](const GTransf2d& a, const GTransf2d& b) { return a.IsEqual(b) != 0; },
           py::arg("other"),
           "Scalings within the relative tolerance, the same reflection flag, translations within "
           "the distance tolerance and matrices by Matrix2d.is_equal.")
      .def("is_invertible", [](const GTransf2d& t) { return t.IsInvertible() != 0; }, "True when the scaling is at least DBL_EPSILON and the matrix is a scaled rotation or reflection.")
      .def("inverse", &GTransf2d::Inverse, "The inverse map q -> ((q - t) M^T) / s; a non-invertible transform reports it and goes on.")
      .def("rot_angle", [](const GTransf2d& t) {
        long err = 0;
        StartCall();
        double angle = GiveRotAngle(t, &err);
        Check(err, "GiveRotAngle");
        return angle;
      }, "The rotation angle in radians.")
      .def("__mul__", [](const GTransf2d& a, const GTransf2d& b) { return a * b; },
           py::is_operator())
      .def("__imul__", [](GTransf2d& a, const GTransf2d& b) -> GTransf2d& { return a *= b; },
           py::is_operator());
  m.def("build_transf_2d", [](const GMatrix2d& x, const GVector2d& t, double s, int r, int f,
                              int h) { return BuildTransf2d(x, t, s, r, f, h); },
        py::arg("matrix"), py::arg("translation"), py::arg("scaling"), py::arg("has_rotation"),
        py::arg("has_reflection"), py::arg("has_shear"),
        "A checked planar transform from its parts.");
  m.def("scale_transf_2d", py::overload_cast<double>(&ScaleTransf2d), py::arg("s"));
  m.def("scale_transf_2d", py::overload_cast<double, const GPosition2d&>(&ScaleTransf2d),
        py::arg("s"), py::arg("center"), "Scaling by s about the origin or center.");
  m.def("rotate_transf_2d", py::overload_cast<double, double>(&RotateTransf2d), py::arg("cosine"),
        py::arg("sine"));
  m.def("rotate_transf_2d", py::overload_cast<double>(&RotateTransf2d), py::arg("angle"));
  m.def("rotate_transf_2d", py::overload_cast<double, double, const GPosition2d&>(&RotateTransf2d),
        py::arg("cosine"), py::arg("sine"), py::arg("center"));
  m.def("rotate_transf_2d", py::overload_cast<double, const GPosition2d&>(&RotateTransf2d),
        py::arg("angle"), py::arg("center"),
        "Rotation by angle (or cosine and sine) about the origin or center.");
  m.def("reflect_transf_2d", py::overload_cast<const GUnitVector2d&>(&ReflectTransf2d),
        py::arg("u"));
  m.def("reflect_transf_2d",
        py::overload_cast<const GUnitVector2d&, const GPosition2d&>(&ReflectTransf2d),
        py::arg("u"), py::arg("center"),
        "The mirror in the line along u through the origin or center.");
  m.def("translate_transf_2d", &TranslateTransf2d, py::arg("v"), "The translation by v.");
  m.def("coordinate_transf_2d", &CoordinateTransf2d, py::arg("origin"), py::arg("x_axis"),
        py::arg("y_axis"),
        "From a frame's local coordinates to global ones: a rotation when the frame is "
        "right-handed, a reflection otherwise.");
  m.def("convert_g4x4_to_transf_2d", [](const G4x4& g) {
    GTransf2d t{};
    Check(ConvertG4x4ToGTransf2d(g, t), "ConvertG4x4ToGTransf2d: not a planar similarity");
    return t;
  }, py::arg("g"), "The planar similarity g holds; RejectedError when it holds none.");
}

void BindBox2d(py::module_& m) {
  py::class_<GBox2d> box(m, "Box2d", "An axis-aligned rectangle from low to high. Tests use the distance tolerance; "
                              "a box inverted by more than it is null.");
  BindText(box, "GBox2d");
  box.def(py::init([](const GPosition2d& low, const GPosition2d& high) {
            return GBox2d{low, high};
          }),
          py::arg("low"), py::arg("high"))
      .def_readwrite("low", &GBox2d::m_low, "The corner with the smallest coordinates.")
      .def_readwrite("high", &GBox2d::m_high, "The corner with the largest coordinates.")
      .def("_fields", [](const GBox2d& b) { return py::make_tuple(b.m_low, b.m_high); })
      .def("__getitem__", [](const GBox2d& b, long i) { return b[Index(i, 2)]; })
      .def("__len__", [](const GBox2d&) { return 2; })
      .def("is_null", [](const GBox2d& b) { return b.IsNull() != 0; }, "True when high is below low by more than the distance tolerance on some axis (the empty box).")
      .def("is_equal", [](const GBox2d& a, const GBox2d& b) { return a.IsEqual(b) != 0; },
           py::arg("other"), "The lows and the highs each within the distance tolerance.")
      .def("corners", [](const GBox2d& b) {
        GPosition2d corners[4];
        b.GiveCorners(corners);
        return Array(&corners[0].m_x, {4, 2});
      }, "The four corners as a (4, 2) array.")
      .def("__or__", [](const GBox2d& a, const GBox2d& b) { return a | b; }, py::is_operator())
      .def("__and__", [](const GBox2d& a, const GBox2d& b) { return a & b; }, py::is_operator())
      .def("__ior__", [](GBox2d& a, const GBox2d& b) -> GBox2d& { return a |= b; },
           py::is_operator())
      .def("__iand__", [](GBox2d& a, const GBox2d& b) -> GBox2d& { return a &= b; },
           py::is_operator())
      .def("__rshift__", [](const GBox2d& b, const GPosition2d& p) { return (b >> p) != 0; },
           py::is_operator())
      .def("__rshift__", [](const GBox2d& a, const GBox2d& b) { return (a >> b) != 0; },
           py::is_operator())
      .def("__lshift__", [](const GBox2d& a, const GBox2d& b) { return (a << b) != 0; },
           py::is_operator())
      .def("__contains__", [](const GBox2d& b, const GPosition2d& p) { return (b >> p) != 0; })
      .def("__contains__", [](const GBox2d& a, const GBox2d& b) { return (a >> b) != 0; })
      .def("__iadd__", [](GBox2d& b, const GVector2d& v) -> GBox2d& { return b += v; },
           py::is_operator())
      .def("__isub__", [](GBox2d& b, const GVector2d& v) -> GBox2d& { return b -= v; },
           py::is_operator())
      .def("__mul__", [](const GBox2d& b, double s) { return b * s; }, py::is_operator())
      .def("__rmul__", [](const GBox2d& b, double s) { return s * b; }, py::is_operator())
      .def("__truediv__", [](const GBox2d& b, double s) { return b / s; }, py::is_operator())
      .def("__imul__", [](GBox2d& b, double s) -> GBox2d& { return b *= s; }, py::is_operator())
      .def("__itruediv__", [](GBox2d& b, double s) -> GBox2d& { return b /= s; },
           py::is_operator())
      .def("__mul__", [](const GBox2d& b, const GMatrix2d& x) { return b * x; }, py::is_operator())
      .def("__rmul__", [](const GBox2d& b, const GMatrix2d& x) { return x * b; }, py::is_operator())
      .def("__mul__", [](const GBox2d& b, const GTransf2d& t) { return b * t; }, py::is_operator())
      .def("__imul__", [](GBox2d& b, const GMatrix2d& x) -> GBox2d& { return b *= x; },
           py::is_operator())
      .def("__imul__", [](GBox2d& b, const GTransf2d& t) -> GBox2d& { return b *= t; },
           py::is_operator());
  m.def("build_box_2d", [](double x, double y) { return BuildBox2d(x, y); }, py::arg("x"),
        py::arg("y"));
  m.def("build_box_2d", [](double lx, double ly, double hx, double hy) {
    return BuildBox2d(lx, ly, hx, hy);
  }, py::arg("low_x"), py::arg("low_y"), py::arg("high_x"), py::arg("high_y"));
  m.def("build_box_2d", py::overload_cast<const GPosition2d&, const GPosition2d&>(&BuildBox2d),
        py::arg("low"), py::arg("high"));
  m.def("build_box_2d", [](const GPosition2d& p) { return BuildBox2d(p, 0); }, py::arg("p"));
  m.def("build_box_2d", [](const py::object& points) {
    auto array = py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(points);
    if (!array || array.ndim() != 2 || array.shape(1) != 2)
      throw py::value_error("points must be an (n, 2) array");
    std::vector<GPosition2d> p(static_cast<std::size_t>(array.shape(0)));
    std::copy(array.data(), array.data() + array.size(), &p.data()->m_x);
    return BuildBox2d(static_cast<unsigned long>(p.size()), p.data());
  }, py::arg("points"), "The box of a point, of its corners, or of an (n, 2) array of points.");
}

}  // namespace

void BindPlanarShapes(py::module_& m) {
  BindMatrix2d(m);
  BindTransf2d(m);
  BindBox2d(m);
}

}  // namespace gmath_py
