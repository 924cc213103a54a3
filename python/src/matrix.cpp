#include "bindings.h"
#include "text.h"

namespace gmath_py {

void BindMatrix(py::module_& m) {
  py::class_<GMatrix> matrix(m, "Matrix",
                             "A 3x3 matrix; rows are the images of the axes (row vectors: p * m). Its "
                             "tests compare entries within the relative tolerance.");
  BindText(matrix, "GMatrix");
  matrix
      .def(py::init([](const py::object& rows) {
             GMatrix mat{};
             ReadDoubles(rows, &mat.m_matrix[0][0], 9, "Matrix");
             return mat;
           }),
           py::arg("rows"), "From a 3x3 array-like, row by row.")
      .def_property(
          "rows", [](const GMatrix& mat) { return Array(&mat.m_matrix[0][0], {3, 3}); },
          [](GMatrix& mat, const py::object& rows) {
            ReadDoubles(rows, &mat.m_matrix[0][0], 9, "Matrix");
          },
          "The entries as a new (3, 3) array.")
      .def("__array__", [](const GMatrix& mat) { return Array(&mat.m_matrix[0][0], {3, 3}); })
      .def("_fields", [](const GMatrix& mat) {
        py::tuple rows(3);
        for (std::size_t i = 0; i < 3; ++i)
          rows[i] = py::make_tuple(mat.m_matrix[i][0], mat.m_matrix[i][1], mat.m_matrix[i][2]);
        return py::make_tuple(rows);
      })
      .def("__getitem__", [](const GMatrix& mat, long i) { return mat[Index(i, 3)]; },
           "Row i as a Vector.")
      .def("transpose", &GMatrix::Transpose, "The transposed matrix (the inverse of a rotation).")
      .def("is_equal", [](const GMatrix& a, const GMatrix& b) { return a.IsEqual(b) != 0; },
           py::arg("other"), "True when every entry agrees within the relative tolerance.")
      .def("is_null", [](const GMatrix& a) { return a.IsNull() != 0; }, "True when every entry is within the relative tolerance of 0.")
      .def("is_identity", [](const GMatrix& a) { return a.IsIdentity() != 0; }, "True when every entry is within the relative tolerance of the identity's.")
      .def("is_euclidean", [](const GMatrix& a) { return a.IsEuclidean() != 0; },
           "True for a rotation or reflection, possibly scaled.")
      .def("determinant", [](const GMatrix& a) { return GetDeterminant(a); }, "The determinant: the signed volume scale of the map.")
      .def("__mul__", [](const GMatrix& a, const GMatrix& b) { return a * b; }, py::is_operator())
      .def("__imul__", [](GMatrix& a, const GMatrix& b) -> GMatrix& { return a *= b; },
           py::is_operator());

  m.def("build_matrix",
        py::overload_cast<const GUnitVector&, const GUnitVector&, const GUnitVector&, int>(
            &BuildMatrix),
        py::arg("a"), py::arg("b"), py::arg("c"), py::arg("placement"),
        "The matrix with a, b, c as rows (placement 0) or columns (placement 1).");
  m.def("build_matrix",
        py::overload_cast<const GVector&, const GVector&, const GVector&, int>(&BuildMatrix),
        py::arg("a"), py::arg("b"), py::arg("c"), py::arg("placement"));
  m.def("rotation", py::overload_cast<double, double, const GUnitVector&>(&Rotation),
        py::arg("cosine"), py::arg("sine"), py::arg("axis"), "The rotation about axis.");
  m.def("rotation", py::overload_cast<double, const GUnitVector&>(&Rotation), py::arg("angle"),
        py::arg("axis"), "The rotation by angle (radians) about axis.");
  m.def("reflection", &Reflection, py::arg("normal"), "The reflection in the plane of normal.");
  m.def(
      "check_orthogonal",
      [](const GMatrix& mat) {
        double diagonal = 0.0;
        double offDiagonal = 0.0;
        CheckOrthogonal(mat, &diagonal, &offDiagonal);
        return py::make_tuple(diagonal, offDiagonal);
      },
      py::arg("m"), "(diagonal, off-diagonal) deviation of m * m^T from the identity.");
  m.def(
      "check_ortho_scale",
      [](const py::object& values) {
        auto array = py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(values);
        if (!array || array.ndim() != 2 || array.shape(0) != array.shape(1))
          throw py::value_error("check_ortho_scale needs a square matrix");
        int isOrthoScale = 0;
        double scale = 0.0;
        long err = 0;
        StartCall();
        CheckOrthoScale(const_cast<double*>(array.data()), static_cast<int>(array.shape(0)),
                        &isOrthoScale, &scale, &err);
        Check(err, "CheckOrthoScale");
        return py::make_tuple(isOrthoScale != 0, scale);
      },
      py::arg("matrix"),
      "(is_ortho_scale, scale) of an n x n matrix: a scaled orthogonal matrix, and its scale.");
  m.def(
      "make_orthogonal",
      [](const GMatrix& in) {
        GMatrix out{};
        long err = 0;
        StartCall();
        MakeOrthogonal(in, out, &err);
        Check(err, "MakeOrthogonal");
        return out;
      },
      py::arg("m"), "The orthogonal matrix nearest to m; RejectedError when there is none.");
  m.def(
      "make_orthogonal_it",
      [](const GMatrix& in) {
        GMatrix out{};
        long err = 0;
        StartCall();
        MakeOrthogonalIt(in, out, &err);
        Check(err, "MakeOrthogonalIt");
        return out;
      },
      py::arg("m"), "make_orthogonal by iteration.");
}

}  // namespace gmath_py
