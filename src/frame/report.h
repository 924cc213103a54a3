#ifndef GMATH_FRAME_REPORT_H
#define GMATH_FRAME_REPORT_H

namespace gmath::detail {

// Sends a constant message to the assertion reporter with no stream, the
// way every operation reports a degenerate argument. Never stops or waits.
void Report(const char* message);

// The error code of an operation that refused its arguments.
constexpr long kRejected = 2;

inline void Reject(const char* message, long* err) {
  Report(message);
  *err = kRejected;
}

}  // namespace gmath::detail

#endif
