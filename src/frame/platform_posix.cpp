// Stand-ins for the Windows services on every other system.
//
// Registry: a key is a directory under a root directory, a value is a file
// in it named after the value, holding the 32-bit number as decimal text.
// Message box: a prompt on the controlling terminal. Debugger output: none.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
// A write takes milliseconds; a temporary file this old was left by a
// writer that died before its rename.
constexpr std::time_t kStaleTemporarySeconds = 60;
// What mkostemp replaces at the end of a temporary file's name.
constexpr char kTemporarySuffix[] = "XXXXXX";
constexpr std::size_t kTemporarySuffixSize = sizeof kTemporarySuffix - 1;

std::mutex rootLock;
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

// Only a regular file is read: a pipe would wait for a writer and a device
// could be endless. A link is followed, since the writer replaces it rather
// than writing through it.
bool ReadValueFile(const char* path, std::uint32_t& value) {
  const int file = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (file < 0) return false;
  struct stat info {};
  char text[kMaxValueText + 1];
  ssize_t length = -1;
  if (fstat(file, &info) == 0 && S_ISREG(info.st_mode)) length = read(file, text, sizeof text);
  close(file);
  const auto size = static_cast<std::size_t>(length);
  if (length <= 0 || size > kMaxValueText || std::memchr(text, '\0', size) != nullptr) return false;
  text[size] = '\0';
  return ParseValue(text, value);
}

// The name of a value's temporary file before mkostemp fills in its end:
// "<key>/.<name>.tmp.XXXXXX".
bool TemporaryTemplate(const DebugKey& key, const char* name, char (&path)[kPathCapacity]) {
  const int written =
      std::snprintf(path, kPathCapacity, "%s/.%s.tmp.%s", key.path, name, kTemporarySuffix);
  return written > 0 && static_cast<std::size_t>(written) < kPathCapacity;
}

bool IsTemporaryOf(const char* entry, const char* prefix, std::size_t prefixSize) {
  return std::strncmp(entry, prefix, prefixSize) == 0 &&
         std::strlen(entry) == prefixSize + kTemporarySuffixSize;
}

// A writer killed between creating its temporary file and the rename leaves
// the file behind; the next write of the same value removes those that have
// been left long enough, so they cannot pile up.
void RemoveStaleTemporaries(const char* directoryPath, const char* temporary) {
  const char* const prefix = std::strrchr(temporary, '/') + 1;
  const std::size_t prefixSize = std::strlen(prefix) - kTemporarySuffixSize;
  DIR* const directory = opendir(directoryPath);
  if (directory == nullptr) return;
  const std::time_t staleBefore = std::time(nullptr) - kStaleTemporarySeconds;
  const int directoryFile = dirfd(directory);
  while (const dirent* entry = readdir(directory)) {
    struct stat info {};
    if (IsTemporaryOf(entry->d_name, prefix, prefixSize) &&
        fstatat(directoryFile, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
        info.st_mtime < staleBefore) {
      unlinkat(directoryFile, entry->d_name, 0);
    }
  }
  closedir(directory);
}

bool WriteValueText(int file, std::uint32_t value) {
  std::int32_t signedValue = 0;
  std::memcpy(&signedValue, &value, sizeof value);
  char text[kMaxValueText];
  const int length = std::snprintf(text, sizeof text, "%ld\n", static_cast<long>(signedValue));
  return length > 0 && write(file, text, static_cast<std::size_t>(length)) == length;
}

// Makes a rename in the directory survive a power cut.
void SyncDirectory(const char* path) {
  const int directory = open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (directory < 0) return;
  fsync(directory);
  close(directory);
}

LogRefusal RefusalOfOpenError(int error) {
  switch (error) {
    case ELOOP: return LogRefusal::kLink;  // O_NOFOLLOW met a link
    case ENXIO: return LogRefusal::kNotRegularFile;  // a pipe without reader, a socket
    default: return LogRefusal::kUnopenable;
  }
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

// Written to a fresh temporary file, synced and renamed over the value, so
// that readers, and a crash of the writer at any moment, find the old number
// or the new one, never part of one. mkostemp creates the file exclusively:
// a link planted at its name is never followed. It is readable by all, like
// the values an administrator writes.
void SetDebugValue(const DebugKey& key, const char* name, std::uint32_t value) {
  char path[kPathCapacity];
  char temporary[kPathCapacity];
  if (!ValuePath(key, name, path) || !TemporaryTemplate(key, name, temporary)) return;
  RemoveStaleTemporaries(key.path, temporary);
  const int file = mkostemp(temporary, O_CLOEXEC);
  if (file < 0) return;
  const bool written = WriteValueText(file, value) && fchmod(file, 0644) == 0 && fsync(file) == 0;
  if (close(file) != 0 || !written || std::rename(temporary, path) != 0) {
    unlink(temporary);
    return;
  }
  SyncDirectory(key.path);
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

// The descriptor is opened non-blocking so that a pipe without a reader
// cannot hold the caller, and made blocking again once it is known to be a
// regular file. A second name of a file counts as a link: it would append
// to a file kept elsewhere.
LogFile OpenLogFile(const char* name) {
  const int file =
      open(name, O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
  if (file < 0) return {-1, RefusalOfOpenError(errno)};
  struct stat info {};
  LogRefusal refusal = LogRefusal::kNone;
  const int flags = fcntl(file, F_GETFL);
  if (fstat(file, &info) != 0 || flags == -1) {
    refusal = LogRefusal::kUnopenable;
  } else if (!S_ISREG(info.st_mode)) {
    refusal = LogRefusal::kNotRegularFile;
  } else if (info.st_nlink != 1) {
    refusal = LogRefusal::kLink;
  } else if (fcntl(file, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    refusal = LogRefusal::kUnopenable;
  }
  if (refusal == LogRefusal::kNone) return {file, refusal};
  close(file);
  return {-1, refusal};
}

bool AppendLogBytes(const LogFile& log, const char* bytes, std::size_t size) {
  if (log.refusal != LogRefusal::kNone) return false;
  ssize_t written = 0;
  do {
    written = write(static_cast<int>(log.handle), bytes, size);
  } while (written < 0 && errno == EINTR);
  return written >= 0 && static_cast<std::size_t>(written) == size;
}

void CloseLogFile(const LogFile& log) {
  if (log.refusal == LogRefusal::kNone) close(static_cast<int>(log.handle));
}

std::FILE* LogFileStream(const LogFile& log) {
  if (log.refusal != LogRefusal::kNone) return nullptr;
  std::FILE* stream = fdopen(static_cast<int>(log.handle), "a");
  if (stream == nullptr) CloseLogFile(log);
  return stream;
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
