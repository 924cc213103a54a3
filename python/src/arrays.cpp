#include <string>
#include <vector>

#include "bindings.h"

namespace gmath_py {

void ReadDoubles(const py::handle& values, double* out, std::size_t count, const char* what) {
  auto array = py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(values);
  if (!array || static_cast<std::size_t>(array.size()) != count)
    throw py::value_error(std::string(what) + " needs " + std::to_string(count) + " numbers");
  std::copy(array.data(), array.data() + count, out);
}

std::vector<GPosition> Points(const py::object& points) {
  auto array = py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(points);
  if (!array || array.ndim() != 2 || array.shape(1) != 3)
    throw py::value_error("points must be an (n, 3) array");
  std::vector<GPosition> out(static_cast<std::size_t>(array.shape(0)));
  std::copy(array.data(), array.data() + array.size(), &out.data()->m_x);
  return out;
}

py::array_t<double> Array(const double* values, std::initializer_list<py::ssize_t> shape) {
  py::array_t<double> array{std::vector<py::ssize_t>(shape)};
  std::copy(values, values + array.size(), array.mutable_data());
  return array;
}

}  // namespace gmath_py
