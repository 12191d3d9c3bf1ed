#include "platform/windows/ScreenBlank_win.h"

#include <windows.h>
#include <wtsapi32.h>

#include <cstring>
#include <utility>

namespace tintwatch::win32 {

namespace {

// GUID_CONSOLE_DISPLAY_STATE, spelt out: MinGW's headers declare it only
// where initguid.h came first.
constexpr GUID kConsoleDisplayState = {0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
constexpr wchar_t kClassName[] = L"TintwatchDisplayWatch";

LRESULT CALLBACK Receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* watch = reinterpret_cast<DisplayWatch*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (watch && watch->Take(message, wParam, lParam)) return TRUE;
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

DisplayWatch::DisplayWatch(DisplayState display, SessionLock session)
    : display_(std::move(display)), sessionLock_(std::move(session)) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &Receive;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kClassName;
  RegisterClassW(&windowClass);  // fails harmlessly when already registered
  HWND window = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                windowClass.hInstance, nullptr);
  if (!window) return;
  window_ = window;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  power_ = RegisterPowerSettingNotification(window, &kConsoleDisplayState, DEVICE_NOTIFY_WINDOW_HANDLE);
  session_ = WTSRegisterSessionNotification(window, NOTIFY_FOR_THIS_SESSION) != FALSE;
}

DisplayWatch::~DisplayWatch() {
  if (!window_) return;
  HWND window = static_cast<HWND>(window_);
  if (power_) UnregisterPowerSettingNotification(static_cast<HPOWERNOTIFY>(power_));
  if (session_) WTSUnRegisterSessionNotification(window);
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  DestroyWindow(window);
}

bool DisplayWatch::Take(unsigned message, unsigned long long wParam, long long lParam) {
  if (message == WM_POWERBROADCAST && wParam == PBT_POWERSETTINGCHANGE && lParam != 0) {
    const auto* setting = reinterpret_cast<const POWERBROADCAST_SETTING*>(static_cast<LPARAM>(lParam));
    if (std::memcmp(&setting->PowerSetting, &kConsoleDisplayState, sizeof(GUID)) != 0 ||
        setting->DataLength < sizeof(DWORD)) {
      return false;
    }
    DWORD state = 0;
    std::memcpy(&state, setting->Data, sizeof state);
    display_(state);
    return true;
  }
  if (message == WM_WTSSESSION_CHANGE) {
    if (wParam == WTS_SESSION_LOCK) sessionLock_(true);
    if (wParam == WTS_SESSION_UNLOCK) sessionLock_(false);
    return false;
  }
  return false;
}

}  // namespace tintwatch::win32
