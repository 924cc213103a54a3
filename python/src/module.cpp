#include "bindings.h"

PYBIND11_MODULE(_gmath, m) {
  m.doc() = "Bindings of the gmath library; import the gmath package instead.";
  gmath_py::BindErrors(m);
  gmath_py::BindTolerances(m);
  gmath_py::BindVectors(m);
  gmath_py::BindMatrix(m);
  gmath_py::BindTransf(m);
  gmath_py::BindG4x4(m);
  gmath_py::BindBox(m);
  gmath_py::BindLines(m);
  gmath_py::BindClipVolume(m);
  gmath_py::BindPointVolumes(m);
  gmath_py::BindPlanarVectors(m);
  gmath_py::BindPlanarShapes(m);
  gmath_py::BindBatch(m);
  gmath_py::BindBoxIndex(m);
}
