#include "frame/report.h"

#include <cstring>

#include "gmath/frame.h"

namespace gmath::detail {

void Report(const char* message) {
  // invld takes a modifiable string, so it gets a copy, never the literal.
  char buffer[512];
  std::strncpy(buffer, message, sizeof buffer - 1);
  buffer[sizeof buffer - 1] = '\0';
  invld(nullptr, buffer, 1);
}

}  // namespace gmath::detail
