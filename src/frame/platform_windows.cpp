// The Windows services of the frame: the registry under
// HKEY_LOCAL_MACHINE, the message box, the debugger output and the
// start-up notification of the library.
#define WIN32_LEAN_AND_MEAN
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstring>

#include "frame/assertion_log.h"
#include "frame/platform.h"
#include "gmath/frame.h"

namespace gmath::detail {
namespace {

constexpr const char* kDebugKeyPath = "SOFTWARE\\Varnsholte\\Kolm\\Core\\Debug";

HKEY KeyOf(const DebugKey& key) { return static_cast<HKEY>(key.handle); }

HANDLE HandleOf(const LogFile& log) { return reinterpret_cast<HANDLE>(log.handle); }

// A reparse point (a symbolic link, a junction) or a file with a second
// name would append elsewhere; a pipe, console or device is no log file.
LogRefusal RefusalOf(HANDLE file) {
  if (GetFileType(file) != FILE_TYPE_DISK) return LogRefusal::kNotRegularFile;
  BY_HANDLE_FILE_INFORMATION info{};
  if (GetFileInformationByHandle(file, &info) == 0) return LogRefusal::kUnopenable;
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 || info.nNumberOfLinks != 1) {
    return LogRefusal::kLink;
  }
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return LogRefusal::kNotRegularFile;
  return LogRefusal::kNone;
}

// The file holds text: every line ends in "\r\n", as the C runtime's text
// mode writes it; false when that does not fit.
bool ToText(const char* bytes, std::size_t size, char (&text)[2 * kMaxLogLine],
            std::size_t& length) {
  length = 0;
  for (std::size_t i = 0; i < size; ++i) {
    if (length + 2 > sizeof text) return false;
    if (bytes[i] == '\n') text[length++] = '\r';
    text[length++] = bytes[i];
  }
  return true;
}

}  // namespace

bool OpenDebugKeyForQuery(DebugKey& key) {
  HKEY handle = nullptr;
  key.handle = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kDebugKeyPath, 0, KEY_QUERY_VALUE, &handle) !=
      ERROR_SUCCESS) {
    return false;
  }
  key.handle = handle;
  return true;
}

bool CreateDebugKey(DebugKey& key, bool& created) {
  HKEY handle = nullptr;
  DWORD disposition = 0;
  char keyClass[] = "REG_DWORD";
  key.handle = nullptr;
  created = false;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kDebugKeyPath, 0, keyClass, REG_OPTION_NON_VOLATILE,
                      KEY_ALL_ACCESS, nullptr, &handle, &disposition) != ERROR_SUCCESS) {
    return false;
  }
  key.handle = handle;
  created = disposition == REG_CREATED_NEW_KEY;
  return true;
}

bool QueryDebugValue(const DebugKey& key, const char* name, unsigned char (&bytes)[4]) {
  DWORD size = sizeof bytes;
  return RegQueryValueExA(KeyOf(key), name, nullptr, nullptr, bytes, &size) == ERROR_SUCCESS;
}

void SetDebugValue(const DebugKey& key, const char* name, std::uint32_t value) {
  const DWORD data = value;
  RegSetValueExA(KeyOf(key), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                 sizeof data);
}

bool StampDebugValue(const char*, ValueStamp&) { return false; }
bool StampSettledDebugValue(const char*, ValueStamp&) { return false; }

void CloseDebugKey(DebugKey& key) {
  if (key.handle != nullptr) RegCloseKey(KeyOf(key));
  key.handle = nullptr;
}

// Opened with append access alone, each write lands at the end of the file
// as one piece, whatever other processes append. The reparse point itself
// is opened, never what it points at, and then refused.
LogFile OpenLogFile(const char* name) {
  const HANDLE file = CreateFileA(name, FILE_APPEND_DATA | FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {0, LogRefusal::kUnopenable};
  const LogRefusal refusal = RefusalOf(file);
  if (refusal == LogRefusal::kNone) return {reinterpret_cast<std::intptr_t>(file), refusal};
  CloseHandle(file);
  return {0, refusal};
}

bool AppendLogBytes(const LogFile& log, const char* bytes, std::size_t size) {
  char text[2 * kMaxLogLine];
  std::size_t length = 0;
  if (log.refusal != LogRefusal::kNone || !ToText(bytes, size, text, length)) return false;
  DWORD written = 0;
  return WriteFile(HandleOf(log), text, static_cast<DWORD>(length), &written, nullptr) != 0 &&
         written == length;
}

void CloseLogFile(const LogFile& log) {
  if (log.refusal == LogRefusal::kNone) CloseHandle(HandleOf(log));
}

// A text stream, like one fopen opens in mode "a".
std::FILE* LogFileStream(const LogFile& log) {
  if (log.refusal != LogRefusal::kNone) return nullptr;
  const int descriptor = _open_osfhandle(log.handle, _O_APPEND | _O_TEXT);
  if (descriptor == -1) {
    CloseLogFile(log);
    return nullptr;
  }
  std::FILE* stream = _fdopen(descriptor, "a");
  if (stream == nullptr) _close(descriptor);
  return stream;
}

// The box's answer is handed on as a prompt's answer.
static_assert(GASSERT_ABORT == IDABORT && GASSERT_RETRY == IDRETRY && GASSERT_IGNORE == IDIGNORE);

int ShowAssertBox(const char* message) {
  HWND owner = GetActiveWindow();
  if (owner != nullptr) owner = GetLastActivePopup(owner);
  return MessageBoxA(owner, message, "Assertion Failed!",
                     MB_ABORTRETRYIGNORE | MB_ICONHAND | MB_TASKMODAL | MB_SETFOREGROUND);
}

void WriteDebuggerOutput(const char* text) { OutputDebugStringA(text); }

void RaiseBreakpoint() { DebugBreak(); }

int SetPlatformRegistryRoot(const char*) { return 0; }

}  // namespace gmath::detail

// The C runtime's start-up code calls DllMain by its unmangled name.
#if !defined(GMATH_STATIC)
extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(module);
  return TRUE;
}
#endif
