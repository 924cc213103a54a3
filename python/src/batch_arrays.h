#ifndef GMATH_PYTHON_BATCH_ARRAYS_H
#define GMATH_PYTHON_BATCH_ARRAYS_H

#include <cstddef>
#include <functional>

#include "bindings.h"

namespace gmath_py {

// The rows of a float64 array as the library's elements. A C-contiguous
// float64 array is read in place (read-only ones too); anything else is
// converted once into a new array that this holds. Never written.
template <class T>
struct Rows {
  py::array_t<double, py::array::c_style | py::array::forcecast> array;
  std::size_t count = 0;

  const T* data() const { return reinterpret_cast<const T*>(array.data()); }
};

// Boxes as an (n, 6) array, [xlo, ylo, zlo, xhi, yhi, zhi], or (n, 2, 3).
Rows<GBox> BoxRows(const py::handle& boxes);
// Positions or vectors as an (n, 3) array.
template <class T>
Rows<T> PointRows(const py::handle& points, const char* what);

// A new float64 array of the input's shape.
py::array_t<double> SameShape(const py::array& like);

// The rows a slice covers: the GIL is taken back between slices to check
// for signals and hand over messages.
constexpr std::size_t kSliceRows = std::size_t{1} << 16;

// Runs work(begin, end) over the rows [0, count) in slices, without the GIL,
// on up to `threads` threads each taking a contiguous run of slices, so
// that every row is done by the very call one thread would make. Messages
// reach Python in row order; Ctrl-C (or any pending signal) stops the work
// between slices and raises.
void RunSliced(std::size_t count, int threads,
               const std::function<void(std::size_t, std::size_t)>& work);

// threads must be at least 1.
int CheckedThreads(int threads);

}  // namespace gmath_py

#endif
