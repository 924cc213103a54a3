#include <string>

#include "bindings.h"

namespace gmath_py {
namespace {

// Leaked on purpose: the observer may fire while the interpreter shuts
// down, after static destructors could have released a Python object.
py::object* handler = nullptr;
std::string lastMessage;
// Where this thread's messages go while a call runs without the GIL.
thread_local std::vector<std::string>* diverted = nullptr;

void Send(const std::string& message) {
  lastMessage = message;
  if (handler == nullptr || !Py_IsInitialized()) return;
  py::gil_scoped_acquire gil;
  try {
    (*handler)(lastMessage);
  } catch (py::error_already_set& error) {
    // Ctrl-C while the handler ran: raised again at the next check (between
    // slices of an array call, or once the call returns) instead of lost.
    if (error.matches(PyExc_KeyboardInterrupt)) {
      PyErr_SetInterrupt();
      return;
    }
    error.discard_as_unraisable("gmath message handler");
  }
}

void Observe(const char* message, void*) {
  if (diverted != nullptr) {
    diverted->emplace_back(message ? message : "");
    return;
  }
  Send(message ? message : "");
}

void SetHandler(py::object function) {
  if (function.is_none()) {
    SetMessageObserver(nullptr, nullptr);
    delete handler;
    handler = nullptr;
    return;
  }
  if (handler == nullptr) handler = new py::object();
  *handler = std::move(function);
  SetMessageObserver(Observe, nullptr);
}

}  // namespace

void StartCall() { lastMessage.clear(); }

MessageDiversion::MessageDiversion(std::vector<std::string>* messages) : previous_(diverted) {
  diverted = messages;
}

MessageDiversion::~MessageDiversion() { diverted = previous_; }

void Deliver(std::vector<std::string>& messages) {
  for (const std::string& message : messages) Send(message);
  messages.clear();
}

void Check(long code, const char* what) {
  if (code == 0) return;
  std::string message =
      lastMessage.empty() ? std::string(what) + " failed with code " + std::to_string(code)
                          : lastMessage;
  py::object errors = py::module_::import("gmath._errors");
  py::object error = errors.attr("error_of_code")(code, message);
  PyErr_SetObject(reinterpret_cast<PyObject*>(Py_TYPE(error.ptr())), error.ptr());
  throw py::error_already_set();
}

void BindErrors(py::module_& m) {
  m.def("_set_message_handler", &SetHandler, py::arg("handler"),
        "Calls handler(message) for every message the library reports; None stops it.");
}

}  // namespace gmath_py
