#ifndef GMATH_FRAME_PLATFORM_H
#define GMATH_FRAME_PLATFORM_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>

// The services the frame needs from the operating system. On Windows they
// are the registry, the message box and the debugger; elsewhere the
// stand-ins described in DESIGN.md take their place.
namespace gmath::detail {

// An open handle on the debug key. Windows keeps the registry key in
// `handle`; the registry stand-in keeps the key's directory in `path`.
struct DebugKey {
  void* handle;
  char path[4096];
};

// Opens the debug key for querying values only; false when it cannot.
bool OpenDebugKeyForQuery(DebugKey& key);
// Opens the debug key with full access, creating it when it is missing;
// `created` tells which happened. False when neither is possible.
bool CreateDebugKey(DebugKey& key, bool& created);
// Reads a value into four bytes, the low-order byte first; false when the
// value is missing, longer than four bytes or otherwise unreadable.
bool QueryDebugValue(const DebugKey& key, const char* name, unsigned char (&bytes)[4]);
// Stores a 32-bit value; failures are silent.
void SetDebugValue(const DebugKey& key, const char* name, std::uint32_t value);
void CloseDebugKey(DebugKey& key);

// What tells one state of a value from another: while the stamp stays the
// same, so does the value.
using ValueStamp = std::array<std::int64_t, 9>;
// The present stamp of a value; false when it has none, and always on
// Windows, whose registry is read directly.
bool StampDebugValue(const char* name, ValueStamp& stamp);
// The same, false as well when a later change might leave the stamp as it
// is: while the value was changed too recently for its timestamps to tell
// (see the stand-in).
bool StampSettledDebugValue(const char* name, ValueStamp& stamp);

// Why the assertion log is not open.
enum class LogRefusal {
  kNone,
  // The system would not open it: no rights, a missing directory, a
  // directory named like the log.
  kUnopenable,
  // A symbolic link or a second name of a file, which would append to
  // whatever it stands for.
  kLink,
  // A pipe, device or socket, which could block the caller or lead anywhere.
  kNotRegularFile,
};

// The assertion log open for appending: a descriptor, or a HANDLE on
// Windows, while `refusal` is kNone.
struct LogFile {
  std::intptr_t handle;
  LogRefusal refusal;
};

// Opens the log for appending, creating it, never through a link and never
// waiting: anything but a regular file is refused.
LogFile OpenLogFile(const char* name);
// Appends the bytes with one system call, so that the lines of concurrent
// writers, other processes included, stay whole; false unless all of them
// were written.
bool AppendLogBytes(const LogFile& log, const char* bytes, std::size_t size);
// Does nothing for a log that is not open.
void CloseLogFile(const LogFile& log);
// Turns the open log into an appending stream for a caller, who then owns
// it; the log must not be closed after. Null when no stream could be made.
std::FILE* LogFileStream(const LogFile& log);

// Shows the interactive assertion box and answers GASSERT_ABORT,
// GASSERT_RETRY or GASSERT_IGNORE, or 0 when it could not be shown.
int ShowAssertBox(const char* message);
void WriteDebuggerOutput(const char* text);
void RaiseBreakpoint();
int SetPlatformRegistryRoot(const char* directory);

}  // namespace gmath::detail

#endif
