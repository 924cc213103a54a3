#ifndef GMATH_FRAME_ASSERTION_LOG_H
#define GMATH_FRAME_ASSERTION_LOG_H

#include <cstddef>
#include <cstdio>

// The assertion log "math_assert_release.log" in the current directory.
namespace gmath::detail {

// The longest line the log takes, "#~# " and the newline included. A
// longer message is cut and marked, so that one write carries every line
// whole whatever other processes append at the same moment.
constexpr std::size_t kMaxLogLine = 4096;

// Appends "#~# <text>" as one line. When the log cannot be opened, is
// refused (a link, a pipe, a device) or does not take the whole line, the
// line goes to standard error instead.
void AppendLogLine(const char* text);

// The log as an appending stream that the caller owns; null when it cannot
// be opened or is refused.
std::FILE* OpenLogStream();

}  // namespace gmath::detail

#endif
