#include <atomic>
#include <cerrno>
#include <cstdint>
#include <exception>
#include <fcntl.h>
#include <limits>
#include <new>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "index/index_file_io.h"

namespace gmath::detail {

namespace {

std::atomic<unsigned> temporaryCounter{0};

bool WriteAll(int fd, const unsigned char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// O_EXCL and O_NOFOLLOW: the name is ours alone, never a link planted to
// make us write elsewhere.
int CreateTemporary(const std::string& path, std::string& name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = path + "." + std::to_string(::getpid()) + "." +
           std::to_string(temporaryCounter.fetch_add(1)) + ".tmp";
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

}  // namespace

bool ReplaceFileWhole(const char* path, const unsigned char* data, std::size_t size) {
  try {
    const std::string target = path;
    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0) return false;
    const bool written = WriteAll(fd, data, size) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), target.c_str()) != 0) {
      ::unlink(temporary.c_str());
      return false;
    }
    return SyncFolder(FolderOf(target));
  } catch (const std::bad_alloc&) {
    return false;
  }
}

bool ReadWholeFile(const char* path, std::vector<unsigned char>& data) {
  const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  bool read = false;
  try {
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
        static_cast<std::uint64_t>(status.st_size) <= std::numeric_limits<std::size_t>::max()) {
      data.resize(static_cast<std::size_t>(status.st_size));
      std::size_t done = 0;
      while (done < data.size()) {
        const ssize_t got = ::read(fd, data.data() + done, data.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        done += static_cast<std::size_t>(got);
      }
      read = done == data.size();
    }
  } catch (const std::exception&) {
    read = false;
  }
  ::close(fd);
  return read;
}

}  // namespace gmath::detail
