#include "platform/windows/Console_win.h"

#include <windows.h>

#include <cstdio>

namespace tintwatch::win32 {

namespace {

// A handle the C library can write to: a console, a file or a pipe.
bool Leads(DWORD which) {
  const HANDLE handle = GetStdHandle(which);
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

}  // namespace

void AttachStartingConsole() {
  const bool out = Leads(STD_OUTPUT_HANDLE);
  const bool err = Leads(STD_ERROR_HANDLE);
  if (out && err) return;
  // Started from Explorer or a shortcut: no parent console, nothing to do.
  if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED) return;
  // ERROR_ACCESS_DENIED: attached already (an earlier call).
  // A failed reopen leaves the stream as it was: still nowhere.
  if (!out) static_cast<void>(std::freopen("CONOUT$", "w", stdout));
  if (!err) static_cast<void>(std::freopen("CONOUT$", "w", stderr));
}

}  // namespace tintwatch::win32
