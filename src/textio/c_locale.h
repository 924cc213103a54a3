#ifndef GMATH_TEXTIO_C_LOCALE_H
#define GMATH_TEXTIO_C_LOCALE_H

#include <locale.h>

#include <string>

namespace gmath::detail {

// Holds the calling thread in the "C" locale while it lives and gives the
// thread its own locale back on every way out. The text form of a number
// has a decimal point whatever locale the program chose with setlocale, so
// that a dump written under one locale reads back under any other. Only
// the calling thread switches: a thread printing or reading at the same
// time keeps its locale.
class CLocaleScope {
 public:
  CLocaleScope();
  ~CLocaleScope();
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

 private:
#ifdef _WIN32
  int previousMode_ = 0;
  // Empty while the thread's locale is left as it is.
  std::string previousLocale_;
#else
  locale_t previous_{};
#endif
};

}  // namespace gmath::detail

#endif
