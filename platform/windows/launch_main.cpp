// tintwatch-launch.exe: what the Start menu's entry runs. Starts
// tintwatch.exe, from beside this program, in %APPDATA%\Tintwatch.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/windows/Launch_win.h"

namespace {

std::wstring Environment(const wchar_t* name) {
  std::vector<wchar_t> value(32768);
  const DWORD length = GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
  return length > 0 && length < value.size() ? std::wstring(value.data(), length) : std::wstring();
}

std::wstring BesideThisProgram(const wchar_t* name) {
  std::vector<wchar_t> path(32768);
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  std::wstring own(path.data(), length);
  const auto slash = own.find_last_of(L"\\/");
  return (slash == std::wstring::npos ? std::wstring() : own.substr(0, slash + 1)) + name;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  std::wstring why;
  const std::wstring folder = tintwatch::win32::SettingsFolder(Environment(L"APPDATA"), why);
  if (!folder.empty() && tintwatch::win32::StartIn(BesideThisProgram(L"tintwatch.exe"), folder, why)) return 0;
  MessageBoxW(nullptr, (L"tintwatch: " + why).c_str(), L"Tintwatch", MB_OK | MB_ICONERROR);
  return 1;
}
