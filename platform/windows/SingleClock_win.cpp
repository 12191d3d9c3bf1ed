#include "platform/windows/SingleClock_win.h"

#include <windows.h>

namespace tintwatch::win32 {

namespace {

constexpr UINT kComeForwardMessage = WM_APP + 0x2177;

}  // namespace

FolderClaim::~FolderClaim() {
  if (answer_) DestroyWindow(static_cast<HWND>(answer_));
  if (mutex_) CloseHandle(mutex_);
}

bool FolderClaim::Identify() {
  HANDLE folder = CreateFileW(L".", 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (folder == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION info{};
  const bool known = GetFileInformationByHandle(folder, &info) != 0;
  CloseHandle(folder);
  if (!known) return false;
  name_ = L"Tintwatch-clock-" + std::to_wstring(info.dwVolumeSerialNumber) + L"-" +
          std::to_wstring((static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow);
  return true;
}

bool FolderClaim::TryLock() {
  if (mutex_) return true;
  HANDLE mutex = CreateMutexW(nullptr, FALSE, (L"Local\\" + name_).c_str());
  if (!mutex) return true;  // no lock to be had: as usual
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    return false;
  }
  mutex_ = mutex;
  return true;
}

bool FolderClaim::AskTheRunningClock() const {
  HWND running = FindWindowExW(HWND_MESSAGE, nullptr, L"STATIC", name_.c_str());
  if (!running) return false;
  // The start the user has just made may hand the foreground on to it.
  AllowSetForegroundWindow(ASFW_ANY);
  return PostMessageW(running, kComeForwardMessage, 0, 0) != 0;
}

bool FolderClaim::Publish() {
  answer_ = CreateWindowExW(0, L"STATIC", name_.c_str(), 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  return answer_ != nullptr;
}

bool FolderClaim::IsRequest(const void* message) const {
  const auto* msg = static_cast<const MSG*>(message);
  return answer_ && msg->hwnd == static_cast<HWND>(answer_) && msg->message == kComeForwardMessage;
}

}  // namespace tintwatch::win32
