#pragma once

#include <string>

// The Start menu's way into the clock. The clock keeps its settings file in
// the folder it starts in, and the program's own folder (Program Files) is
// not the user's to write, so the entry starts it in the user's own
// %APPDATA%\Tintwatch, made when missing.
namespace tintwatch::win32 {

// APPDATA\Tintwatch, made when missing. Empty when APPDATA is not a full
// path or the folder cannot be made (the reason is then in `why`).
std::wstring SettingsFolder(const std::wstring& appData, std::wstring& why);

// Starts PROGRAM (a full path) in FOLDER, with no arguments. False, with the
// reason in `why`, when it cannot be started.
bool StartIn(const std::wstring& program, const std::wstring& folder, std::wstring& why);

}  // namespace tintwatch::win32
