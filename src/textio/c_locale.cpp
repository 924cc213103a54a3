#include "textio/c_locale.h"

#ifdef _WIN32
#include <cstring>
#include <utility>
#endif

namespace gmath::detail {

#ifdef _WIN32

// Windows has no uselocale, but a thread may have a locale of its own. The
// usual program never leaves "C", so switching, which costs a locale lookup
// each way, happens only when the thread is elsewhere. Microsoft's older
// runtime (msvcrt, which MinGW links) has one locale for the whole program:
// there the numbers follow it, as switching it would switch every thread.
CLocaleScope::CLocaleScope() {
  const char* current = setlocale(LC_ALL, nullptr);
  if (current == nullptr || std::strcmp(current, "C") == 0) return;
  std::string saved = current;
  const int mode = _configthreadlocale(_ENABLE_PER_THREAD_LOCALE);
  // Without a thread locale the switch would be the whole program's.
  if (mode == -1) return;
  previousMode_ = mode;
  previousLocale_ = std::move(saved);
  setlocale(LC_ALL, "C");
}

CLocaleScope::~CLocaleScope() {
  if (previousLocale_.empty()) return;
  setlocale(LC_ALL, previousLocale_.c_str());
  _configthreadlocale(previousMode_);
}

#else

namespace {

// Made once, by whichever thread prints or reads first, and kept for the
// life of the program: every thread borrows the same object.
locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
  return c;
}

}  // namespace

CLocaleScope::CLocaleScope() {
  if (CLocale() != locale_t{}) previous_ = uselocale(CLocale());
}

CLocaleScope::~CLocaleScope() {
  if (previous_ != locale_t{}) uselocale(previous_);
}

#endif

}  // namespace gmath::detail
