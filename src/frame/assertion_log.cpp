#include "frame/assertion_log.h"

#include <atomic>
#include <cstring>
#include <mutex>

#include "frame/platform.h"

namespace gmath::detail {
namespace {

constexpr const char* kLogName = "math_assert_release.log";
constexpr char kPrefix[] = "#~# ";
constexpr char kCutMarker[] = " [truncated]\n";
constexpr std::size_t kPrefixSize = sizeof kPrefix - 1;
constexpr std::size_t kCutMarkerSize = sizeof kCutMarker - 1;

struct LogLine {
  char bytes[kMaxLogLine];
  std::size_t size;
};

// A cut never splits a UTF-8 character.
std::size_t CutLength(const char* text) {
  std::size_t length = kMaxLogLine - kPrefixSize - kCutMarkerSize;
  while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0U) == 0x80U) --length;
  return length;
}

void FormatLine(const char* text, LogLine& line) {
  std::memcpy(line.bytes, kPrefix, kPrefixSize);
  const std::size_t length = std::strlen(text);
  if (kPrefixSize + length + 1 <= kMaxLogLine) {
    std::memcpy(line.bytes + kPrefixSize, text, length);
    line.bytes[kPrefixSize + length] = '\n';
    line.size = kPrefixSize + length + 1;
    return;
  }
  const std::size_t kept = CutLength(text);
  std::memcpy(line.bytes + kPrefixSize, text, kept);
  std::memcpy(line.bytes + kPrefixSize + kept, kCutMarker, kCutMarkerSize);
  line.size = kPrefixSize + kept + kCutMarkerSize;
}

// Said once per process, whatever follows: every later line goes the same
// way until someone removes what stands at the log's name.
std::atomic<bool> refusalReported{false};

void ReportRefusalOnce(LogRefusal refusal) {
  if (refusal != LogRefusal::kLink && refusal != LogRefusal::kNotRegularFile) return;
  if (refusalReported.exchange(true, std::memory_order_relaxed)) return;
  std::fprintf(stderr, "gmath: refused the assertion log %s: %s\n", kLogName,
               refusal == LogRefusal::kLink ? "a link" : "not a regular file");
}

// One line at a time within the process: where a system emulates append
// mode by a seek before each write, as Windows' C runtime does, two threads
// could write at one offset and one line would be lost.
std::mutex appendLock;

}  // namespace

void AppendLogLine(const char* text) {
  LogLine line;
  FormatLine(text, line);
  std::lock_guard<std::mutex> guard(appendLock);
  const LogFile log = OpenLogFile(kLogName);
  ReportRefusalOnce(log.refusal);
  const bool written = AppendLogBytes(log, line.bytes, line.size);
  CloseLogFile(log);
  if (!written) std::fwrite(line.bytes, 1, line.size, stderr);
}

std::FILE* OpenLogStream() {
  const LogFile log = OpenLogFile(kLogName);
  ReportRefusalOnce(log.refusal);
  return LogFileStream(log);
}

}  // namespace gmath::detail
