#include <mutex>
#include <shared_mutex>
#include <stdexcept>

#include "bindings.h"

namespace gmath_py {
namespace {

thread_local int sharedHere = 0;

// A setter waits, without the GIL, for the array calls running to finish.
template <void (*Set)(double, long*)>
void SetChecked(double value, const char* what) {
  if (sharedHere > 0)
    throw std::runtime_error(
        "gmath: the tolerances cannot change inside an array call on the same thread (from a "
        "message or signal handler)");
  long err = 0;
  StartCall();
  {
    py::gil_scoped_release release;
    std::unique_lock<std::shared_mutex> lock(ToleranceLock());
    Set(value, &err);
  }
  Check(err, what);
}

}  // namespace

std::shared_mutex& ToleranceLock() {
  static std::shared_mutex lock;
  return lock;
}

SharedTolerances::SharedTolerances() : lock_(ToleranceLock(), std::defer_lock) {
  py::gil_scoped_release release;
  lock_.lock();
  ++sharedHere;
}

SharedTolerances::~SharedTolerances() { --sharedHere; }

void BindTolerances(py::module_& m) {
  m.def("get_distance_tolerance", &GetDistanceTolerance,
        "The process-wide distance tolerance (resabs).");
  m.def("get_relative_tolerance", &GetRelativeTolerance,
        "The process-wide relative tolerance (resnor).");
  m.def("get_fit_tolerance", &GetFitTolerance, "The process-wide fit tolerance (resfit).");
  m.def(
      "set_distance_tolerance",
      [](double tol) { SetChecked<SetDistanceTolerance>(tol, "SetDistanceTolerance"); },
      py::arg("tol"),
      "Sets the process-wide distance tolerance; RejectedError when it does not fit the "
      "relative and fit tolerances.");
  m.def(
      "set_relative_tolerance",
      [](double tol) { SetChecked<SetRelativeTolerance>(tol, "SetRelativeTolerance"); },
      py::arg("tol"),
      "Sets the process-wide relative tolerance; RejectedError when it is not below the "
      "distance tolerance / 1000.");
  m.def(
      "set_fit_tolerance",
      [](double tol) { SetChecked<SetFitTolerance>(tol, "SetFitTolerance"); }, py::arg("tol"),
      "Sets the process-wide fit tolerance; RejectedError when it is not above the distance "
      "tolerance * 10.");
}

}  // namespace gmath_py
