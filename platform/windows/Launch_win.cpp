#include "platform/windows/Launch_win.h"

#include <windows.h>

#include <vector>

namespace tintwatch::win32 {

namespace {

std::wstring SystemMessage(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message = length ? std::wstring(text, length) : L"error " + std::to_wstring(error);
  LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' ')) {
    message.pop_back();
  }
  return message;
}

// C:\… or \\server\share\…: a relative APPDATA would put the settings
// wherever the shortcut happened to start.
bool IsFullPath(const std::wstring& path) {
  if (path.size() >= 3 && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/')) return true;
  return path.size() >= 3 && path[0] == L'\\' && path[1] == L'\\';
}

}  // namespace

std::wstring SettingsFolder(const std::wstring& appData, std::wstring& why) {
  if (!IsFullPath(appData)) {
    why = appData.empty() ? L"APPDATA is not set" : L"APPDATA (" + appData + L") is not a full path";
    return {};
  }
  std::wstring folder = appData;
  if (folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
  folder += L"Tintwatch";
  if (!CreateDirectoryW(folder.c_str(), nullptr)) {
    const DWORD error = GetLastError();
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (error != ERROR_ALREADY_EXISTS || attributes == INVALID_FILE_ATTRIBUTES ||
        !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      why = L"cannot use " + folder + L" to keep the settings in: " +
            SystemMessage(error == ERROR_ALREADY_EXISTS ? ERROR_DIRECTORY : error);
      return {};
    }
  }
  return folder;
}

bool StartIn(const std::wstring& program, const std::wstring& folder, std::wstring& why) {
  std::wstring line = L"\"" + program + L"\"";
  std::vector<wchar_t> writable(line.begin(), line.end());
  writable.push_back(L'\0');  // CreateProcessW may write into the command line
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                      &startup, &process)) {
    why = L"cannot start " + program + L": " + SystemMessage(GetLastError());
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace tintwatch::win32
