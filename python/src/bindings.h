#ifndef GMATH_PYTHON_BINDINGS_H
#define GMATH_PYTHON_BINDINGS_H

#include <pybind11/numpy.h>
#include <pybind11/operators.h>
#include <pybind11/pybind11.h>

#include <shared_mutex>
#include <string>
#include <vector>

#include "gmath/gmath.h"

namespace gmath_py {

namespace py = pybind11;

void BindErrors(py::module_& m);
void BindTolerances(py::module_& m);
void BindVectors(py::module_& m);
void BindMatrix(py::module_& m);
void BindTransf(py::module_& m);
void BindG4x4(py::module_& m);
void BindBox(py::module_& m);
void BindLines(py::module_& m);
void BindClipVolume(py::module_& m);
void BindPointVolumes(py::module_& m);
void BindPlanarVectors(py::module_& m);
void BindPlanarShapes(py::module_& m);
void BindBatch(py::module_& m);
void BindBoxIndex(py::module_& m);

// A library call reports its message before it returns its code: the
// message is collected from here on so that the exception can carry it.
void StartCall();
// Raises the gmath exception of a non-zero code, with the last message the
// call reported (or what failed, when it reported none).
void Check(long code, const char* what);
// Raises the gmath exception of a non-zero code with the given message.
[[noreturn]] void Raise(long code, const std::string& message);

// While it lives, the messages reported on this thread are kept in order in
// *messages instead of reaching Python: a call running without the GIL, or
// on a helper thread, hands them over later with Deliver.
class MessageDiversion {
 public:
  explicit MessageDiversion(std::vector<std::string>* messages);
  ~MessageDiversion();
  MessageDiversion(const MessageDiversion&) = delete;
  MessageDiversion& operator=(const MessageDiversion&) = delete;

 private:
  std::vector<std::string>* previous_;
};
// Sends the kept messages to Python as if just reported, and empties the
// list (the GIL held).
void Deliver(std::vector<std::string>& messages);

// Held shared by a call that runs in slices or off the GIL, and exclusive
// by Python's tolerance setters, so that such a call sees one set of
// tolerances from start to end, as a single library call does. Taken with
// the GIL released.
std::shared_mutex& ToleranceLock();

// ToleranceLock held shared for an array call on this thread, taken
// without the GIL. A setter called on this thread meanwhile (from a
// message or signal handler the call runs between its slices) raises
// instead of waiting for the call that waits for it.
class SharedTolerances {
 public:
  SharedTolerances();
  ~SharedTolerances();
  SharedTolerances(const SharedTolerances&) = delete;
  SharedTolerances& operator=(const SharedTolerances&) = delete;

 private:
  std::shared_lock<std::shared_mutex> lock_;
};

// Exactly `count` doubles from a sequence or array (a numpy array of any
// shape holding count values): the fields of a value, row by row.
void ReadDoubles(const py::handle& values, double* out, std::size_t count, const char* what);
// The rows of an (n, 3) array-like as positions.
std::vector<GPosition> Points(const py::object& points);
py::array_t<double> Array(const double* values, std::initializer_list<py::ssize_t> shape);

// Text dump (print functions) and text load (read functions).
template <class T>
std::string ToText(const T& value);
template <class T>
T FromText(const std::string& text, T value);
std::string TextOfFile(FILE* file, long err, const char* what);
FILE* FileOfText(const std::string& text);
void FinishRead(FILE* file, long err, const char* what);

template <class T>
std::string ToText(const T& value) {
  FILE* file = std::tmpfile();
  long err = 0;
  GPrint_to_File(file, value, &err);
  return TextOfFile(file, err, "GPrint_to_File");
}

template <class T>
T FromText(const std::string& text, T value) {
  FILE* file = FileOfText(text);
  long err = 0;
  StartCall();
  GRead_from_File(file, value, &err);
  FinishRead(file, err, "GRead_from_File");
  return value;
}

// The operator[] of the library's values, with Python's IndexError.
inline unsigned Index(long i, unsigned size) {
  if (i < 0) i += size;
  if (i < 0 || i >= static_cast<long>(size)) throw py::index_error("index out of range");
  return static_cast<unsigned>(i);
}

}  // namespace gmath_py

#endif
