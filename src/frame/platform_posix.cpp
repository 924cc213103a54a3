// Stand-ins for the Windows services on every other system.
//
// Registry: a key is a directory under a root directory, a value is a file
// in it named after the value, holding the 32-bit number as decimal text.
// Message box: a prompt on the controlling terminal. Debugger output: none.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <initializer_list>
#include <mutex>

#include "frame/platform.h"
#include "gmath/frame.h"

#ifndef GMATH_DEFAULT_REGISTRY_ROOT
#define GMATH_DEFAULT_REGISTRY_ROOT "/etc/gmath/registry"
#endif

namespace gmath::detail {
namespace {

constexpr const char* kDebugKeyPath = "/HKEY_LOCAL_MACHINE/SOFTWARE/Varnsholte/Kolm/Core/Debug";
constexpr std::size_t kPathCapacity = sizeof(DebugKey{}.path);
constexpr std::size_t kMaxValueText = 64;

// A file changed this recently may change again within the same tick of
// its timestamps, which would leave its stamp as it was: two seconds cover
// the coarsest file systems (one second, two for FAT).
constexpr std::int64_t kSettledSeconds = 2;
// Where the stamp keeps the whole seconds of the change time.
constexpr std::size_t kChangeSeconds = 7;

std::mutex rootLock;
std::atomic<unsigned> temporaryCount{0};
char registryRoot[kPathCapacity] = GMATH_DEFAULT_REGISTRY_ROOT;
std::int64_t rootGeneration = 0;  // counts the changes of the root

bool KeyPath(char (&path)[kPathCapacity]) {
  std::lock_guard<std::mutex> guard(rootLock);
  const int written = std::snprintf(path, kPathCapacity, "%s%s", registryRoot, kDebugKeyPath);
  return written > 0 && static_cast<std::size_t>(written) < kPathCapacity;
}

bool IsDirectory(const char* path) {
  struct stat info {};
  return stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

// Creates every missing directory of `path`; true when the last one had to
// be created.
bool MakeDirectories(char* path, bool& created) {
  created = false;
  for (char* slash = std::strchr(path + 1, '/');; slash = std::strchr(slash + 1, '/')) {
    if (slash != nullptr) *slash = '\0';
    const bool made = mkdir(path, 0755) == 0;
    if (!made && errno != EEXIST) {
      if (slash != nullptr) *slash = '/';
      return false;
    }
    if (slash == nullptr) {
      created = made;
      return IsDirectory(path);
    }
    *slash = '/';
  }
}

// A value name becomes a file name, so nothing that could leave the key's
// directory is accepted.
bool IsSafeValueName(const char* name) {
  return name[0] != '\0' && std::strchr(name, '/') == nullptr && std::strcmp(name, ".") != 0 &&
         std::strcmp(name, "..") != 0;
}

bool ValuePath(const DebugKey& key, const char* name, char (&path)[kPathCapacity]) {
  if (!IsSafeValueName(name)) return false;
  const int written = std::snprintf(path, kPathCapacity, "%s/%s", key.path, name);
  return written > 0 && static_cast<std::size_t>(written) < kPathCapacity;
}

// Appends text at path[length], keeping the terminating zero; false when it
// does not fit. Cheaper than formatting on a path taken at every message.
bool Append(char (&path)[kPathCapacity], std::size_t& length, const char* text) {
  const std::size_t size = std::strlen(text);
  if (size >= kPathCapacity - length) return false;
  std::memcpy(path + length, text, size + 1);
  length += size;
  return true;
}

// Decimal text of a number that fits in 32 bits, as signed or as unsigned,
// with surrounding white space allowed.
bool ParseValue(const char* text, std::uint32_t& value) {
  char* end = nullptr;
  errno = 0;
  const long long number = std::strtoll(text, &end, 10);
  if (end == text || errno == ERANGE) return false;
  while (*end == ' ' || *end == '\t' || *end == '\n' || *end == '\r') ++end;
  if (*end != '\0' || number < -2147483648LL || number > 4294967295LL) return false;
  value = static_cast<std::uint32_t>(number);
  return true;
}

bool ReadValueFile(const char* path, std::uint32_t& value) {
  FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return false;
  char text[kMaxValueText + 1];
  const std::size_t length = std::fread(text, 1, sizeof text, file);
  std::fclose(file);
  if (length == 0 || length > kMaxValueText || std::memchr(text, '\0', length) != nullptr) {
    return false;
  }
  text[length] = '\0';
  return ParseValue(text, value);
}

}  // namespace

bool OpenDebugKeyForQuery(DebugKey& key) {
  key.handle = nullptr;
  return KeyPath(key.path) && IsDirectory(key.path) && access(key.path, R_OK | X_OK) == 0;
}

bool CreateDebugKey(DebugKey& key, bool& created) {
  key.handle = nullptr;
  created = false;
  if (!KeyPath(key.path)) return false;
  if (!MakeDirectories(key.path, created)) return false;
  return access(key.path, R_OK | W_OK | X_OK) == 0;
}

bool QueryDebugValue(const DebugKey& key, const char* name, unsigned char (&bytes)[4]) {
  char path[kPathCapacity];
  std::uint32_t value = 0;
  if (!ValuePath(key, name, path) || !ReadValueFile(path, value)) return false;
  for (unsigned char& byte : bytes) {
    byte = static_cast<unsigned char>(value & 0xFFU);
    value >>= 8U;
  }
  return true;
}

// Written to a temporary file first and renamed, so that a reader never sees
// half a number. Each write has a temporary of its own: two threads creating
// the same value must not truncate each other's file before its rename.
void SetDebugValue(const DebugKey& key, const char* name, std::uint32_t value) {
  char path[kPathCapacity];
  char temporary[kPathCapacity];
  if (!ValuePath(key, name, path)) return;
  const int written = std::snprintf(temporary, kPathCapacity, "%s/.%s.%ld.%u.tmp", key.path, name,
                                    static_cast<long>(getpid()),
                                    temporaryCount.fetch_add(1, std::memory_order_relaxed));
  if (written <= 0 || static_cast<std::size_t>(written) >= kPathCapacity) return;
  FILE* file = std::fopen(temporary, "wb");
  if (file == nullptr) return;
  std::int32_t signedValue = 0;
  std::memcpy(&signedValue, &value, sizeof value);
  const bool ok = std::fprintf(file, "%ld\n", static_cast<long>(signedValue)) > 0;
  if (std::fclose(file) != 0 || !ok || std::rename(temporary, path) != 0) {
    std::remove(temporary);
  }
}

void CloseDebugKey(DebugKey& key) { key.path[0] = '\0'; }

// The file's identity, size, mode and both timestamps to the nanosecond,
// with the root they were read under. Any write changes the change time, and
// the rename of SetDebugValue the inode as well.
bool StampDebugValue(const char* name, ValueStamp& stamp) {
  if (!IsSafeValueName(name)) return false;
  char path[kPathCapacity];
  std::int64_t generation = 0;
  {
    std::lock_guard<std::mutex> guard(rootLock);
    generation = rootGeneration;
    std::size_t length = 0;
    for (const char* part : {static_cast<const char*>(registryRoot), kDebugKeyPath, "/", name}) {
      if (!Append(path, length, part)) return false;
    }
  }
  struct stat info {};
  if (stat(path, &info) != 0) return false;
  stamp = {generation,
           static_cast<std::int64_t>(info.st_dev),
           static_cast<std::int64_t>(info.st_ino),
           static_cast<std::int64_t>(info.st_size),
           static_cast<std::int64_t>(info.st_mode),
           static_cast<std::int64_t>(info.st_mtim.tv_sec),
           static_cast<std::int64_t>(info.st_mtim.tv_nsec),
           static_cast<std::int64_t>(info.st_ctim.tv_sec),
           static_cast<std::int64_t>(info.st_ctim.tv_nsec)};
  return true;
}

// A change within the tick of the last one could keep the change time as
// it is. The clock is read first: a change time some seconds before it
// cannot be repeated by any change after the stamp.
bool StampSettledDebugValue(const char* name, ValueStamp& stamp) {
  timespec now{};
  return clock_gettime(CLOCK_REALTIME, &now) == 0 && StampDebugValue(name, stamp) &&
         stamp[kChangeSeconds] + kSettledSeconds < static_cast<std::int64_t>(now.tv_sec);
}

// With no controlling terminal the box cannot be shown, which the caller
// treats like Abort.
int ShowAssertBox(const char* message) {
  FILE* terminal = std::fopen("/dev/tty", "r+");
  if (terminal == nullptr) return 0;
  int answer = 0;
  std::fprintf(terminal, "Assertion Failed!\n%s\n", message);
  while (answer == 0) {
    std::fprintf(terminal, "Abort, Retry, Ignore? [a/r/i] ");
    std::fflush(terminal);
    char line[64];
    if (std::fgets(line, sizeof line, terminal) == nullptr) break;
    switch (line[0]) {
      case 'a': case 'A': answer = GASSERT_ABORT; break;
      case 'r': case 'R': answer = GASSERT_RETRY; break;
      case 'i': case 'I': answer = GASSERT_IGNORE; break;
      default: break;
    }
  }
  std::fclose(terminal);
  return answer;
}

void WriteDebuggerOutput(const char*) {}

void RaiseBreakpoint() { std::raise(SIGTRAP); }

int SetPlatformRegistryRoot(const char* directory) {
  const char* root = directory != nullptr ? directory : GMATH_DEFAULT_REGISTRY_ROOT;
  if (root[0] == '\0' || std::strlen(root) + std::strlen(kDebugKeyPath) >= kPathCapacity) return 0;
  std::lock_guard<std::mutex> guard(rootLock);
  std::strcpy(registryRoot, root);
  ++rootGeneration;
  return 1;
}

}  // namespace gmath::detail
