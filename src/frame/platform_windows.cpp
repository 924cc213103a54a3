// The Windows services of the frame: the registry under
// HKEY_LOCAL_MACHINE, the message box, the debugger output and the
// start-up notification of the library.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstring>

#include "frame/platform.h"
#include "gmath/frame.h"

namespace gmath::detail {
namespace {

constexpr const char* kDebugKeyPath = "SOFTWARE\\Varnsholte\\Kolm\\Core\\Debug";

HKEY KeyOf(const DebugKey& key) { return static_cast<HKEY>(key.handle); }

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
