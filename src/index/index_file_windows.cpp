#include <windows.h>

#include <atomic>
#include <cstdint>
#include <exception>
#include <limits>
#include <new>
#include <string>

#include "index/index_file_io.h"

namespace gmath::detail {

namespace {

std::atomic<unsigned> temporaryCounter{0};

// Paths arrive as UTF-8; the wide calls take any name Windows allows.
std::wstring Wide(const char* path) {
  const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path, -1, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path, -1, &wide[0], length);
  wide.resize(static_cast<std::size_t>(length - 1));
  return wide;
}

bool WriteAll(HANDLE file, const unsigned char* data, std::size_t size) {
  while (size > 0) {
    const DWORD chunk = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
    DWORD written = 0;
    if (!WriteFile(file, data, chunk, &written, nullptr) || written == 0) return false;
    data += written;
    size -= written;
  }
  return true;
}

// CREATE_NEW fails on an existing name, link or not: the name is ours alone.
HANDLE CreateTemporary(const std::wstring& path, std::wstring& name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = path + L"." + std::to_wstring(GetCurrentProcessId()) + L"." +
           std::to_wstring(temporaryCounter.fetch_add(1)) + L".tmp";
    const HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

}  // namespace

// MOVEFILE_WRITE_THROUGH returns once the rename is on the disk, which
// stands in for flushing the folder.
bool ReplaceFileWhole(const char* path, const unsigned char* data, std::size_t size) {
  try {
    const std::wstring target = Wide(path);
    if (target.empty()) return false;
    std::wstring temporary;
    const HANDLE file = CreateTemporary(target, temporary);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool written = WriteAll(file, data, size) && FlushFileBuffers(file);
    const bool closed = CloseHandle(file) != 0;
    if (written && closed &&
        MoveFileExW(temporary.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return true;
    }
    DeleteFileW(temporary.c_str());
    return false;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

bool ReadWholeFile(const char* path, std::vector<unsigned char>& data) {
  HANDLE file = INVALID_HANDLE_VALUE;
  try {
    file = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
  } catch (const std::bad_alloc&) {
    return false;
  }
  if (file == INVALID_HANDLE_VALUE) return false;
  bool read = false;
  LARGE_INTEGER size{};
  try {
    if (GetFileSizeEx(file, &size) &&
        static_cast<std::uint64_t>(size.QuadPart) <= std::numeric_limits<std::size_t>::max()) {
      data.resize(static_cast<std::size_t>(size.QuadPart));
      std::size_t done = 0;
      while (done < data.size()) {
        const std::size_t left = data.size() - done;
        const DWORD chunk = left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left);
        DWORD got = 0;
        if (!ReadFile(file, data.data() + done, chunk, &got, nullptr) || got == 0) break;
        done += got;
      }
      read = done == data.size();
    }
  } catch (const std::exception&) {
    read = false;
  }
  CloseHandle(file);
  return read;
}

}  // namespace gmath::detail
