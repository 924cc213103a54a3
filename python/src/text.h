#ifndef GMATH_PYTHON_TEXT_H
#define GMATH_PYTHON_TEXT_H

// str() and parse() of every value: the text is the library's dump where it
// has one, and the same style of dump (text_layout.h) where it has none.
// parse() reads that labelled text back, checking every label, or bare
// numbers in the same order; a value the library can read is then read by
// the library itself, from the numbers the scanner took.

#include <cstdint>
#include <cstdio>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "bindings.h"
#include "text_layout.h"

namespace gmath_py {

// Walks a layout over a text: a text with a ':' is the labelled dump (no
// bare-number text has one), any other is bare numbers. Every field is
// stored as it is taken; the first mismatch ends the walk with code 2, a
// count above what the value holds with code 1.
class TextScanner {
 public:
  TextScanner(std::string text, const char* what);

  bool Ok() const { return code_ == 0; }
  long Code() const { return code_; }
  const std::string& Message() const { return message_; }
  // The numbers taken, in order, without the point and plane indices.
  const std::string& Bare() const { return bare_; }

  bool HasPoints(const GPosition* points);
  void Text(const char* line);
  template <class... Fields>
  void Numbers(const char* format, Fields&... fields) {
    double* out[] = {&fields...};
    Store(Take(format, sizeof...(Fields)), out, sizeof...(Fields));
  }
  void Count(const char* format, std::uint32_t& count) { count = TakeCount(format, 100, count); }
  void Count(const char* format, std::uint8_t& count) {
    count = static_cast<std::uint8_t>(TakeCount(format, 6, count));
  }
  void Point(const char* format, std::uint32_t index, GPosition& p);
  void Plane(const char* format, std::uint8_t index, double (&row)[4]);
  void Flag(const char* format, unsigned char& flag);
  // Only blanks may follow the value.
  void Finish();

 private:
  std::vector<std::string> Take(const char* format, std::size_t bareCount);
  void Store(const std::vector<std::string>& tokens, double* const* out, std::size_t count);
  void Indexed(const char* format, unsigned long index, double* const* out, std::size_t count);
  std::uint32_t TakeCount(const char* format, std::uint32_t limit, std::uint32_t count);
  bool Integer(const std::string& token, unsigned long long& value);
  std::string Token();
  void SkipSpace();
  void Fail(long code, const std::string& message);

  std::string text_;
  const char* what_;
  bool labelled_;
  std::size_t pos_ = 0;
  long code_ = 0;
  std::string message_;
  std::string bare_;
};

// Writes a layout the library does not print, with the library's formats.
class TextPrinter {
 public:
  bool Ok() const { return true; }
  void Text(const char* line) { text_ += line; }
  template <class... Values>
  void Numbers(const char* format, Values... values) {
    Append(format, values...);
  }
  void Count(const char* format, unsigned count) {
    Append(format, static_cast<unsigned long>(count));
  }
  void Plane(const char* format, std::uint8_t index, const double (&row)[4]) {
    Append(format, static_cast<unsigned long>(index), row[0], row[1], row[2], row[3]);
  }
  const std::string& Result() const { return text_; }

 private:
  template <class... Values>
  void Append(const char* format, Values... values) {
    int size = std::snprintf(nullptr, 0, format, values...);
    if (size <= 0) return;
    std::string line(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(&line[0], line.size(), format, values...);
    line.resize(static_cast<std::size_t>(size));
    text_ += line;
  }

  std::string text_;
};

template <class T, class = void>
struct HasLibraryText : std::false_type {};
template <class T>
struct HasLibraryText<T, std::void_t<decltype(GRead_from_File(
                             std::declval<FILE*>(), std::declval<T&>(), std::declval<long*>()))>>
    : std::true_type {};

template <class T>
std::string Str(const T& value) {
  if constexpr (HasLibraryText<T>::value) {
    return ToText(value);
  } else {
    TextPrinter out;
    T copy = value;
    Layout(out, copy);
    return out.Result();
  }
}

// `value` gives the fields a read leaves alone (a point volume's array).
template <class T>
T Parse(const std::string& text, T value, const char* what) {
  TextScanner scan(text, what);
  T scanned = value;
  Layout(scan, scanned);
  scan.Finish();
  if (!scan.Ok()) Raise(scan.Code(), scan.Message());
  if constexpr (HasLibraryText<T>::value) {
    return FromText(scan.Bare(), value);
  } else {
    return scanned;
  }
}

constexpr const char* kStrDoc =
    "The library's text dump of the value: a header, then the fields labelled, every "
    "number in \"%20.15le\" (16 significant digits, so not always bit-exact: repr is).";
constexpr const char* kParseDoc =
    "Reads back the text str() writes, checking every label, or the same numbers bare, "
    "whitespace-separated and in the same order; raises RejectedError on a mismatch or "
    "extra text and CapacityError on a count above what the value holds.";

template <class T, class... Options>
void BindText(py::class_<T, Options...>& c, const char* what) {
  c.def("__str__", [](const T& value) { return Str(value); }, kStrDoc)
      .def_static(
          "parse", [what](const std::string& text) { return Parse(text, T{}, what); },
          py::arg("text"), kParseDoc);
}

}  // namespace gmath_py

#endif
