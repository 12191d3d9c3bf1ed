#include "platform/windows/LayeredWindows_win.h"

#include <windows.h>

namespace tintwatch::win32 {

namespace {

constexpr COLORREF kWhiteKey = 0xFFFFFF;
constexpr COLORREF kGreyKey = RGB(128, 128, 128);

}  // namespace

void MakeTransparent(void* window) {
  const auto hwnd = static_cast<HWND>(window);
  // Or-ed into whatever style the window has now, so a taskbar button given
  // by an earlier MakeOpaque stays.
  const LONG style = GetWindowLongA(hwnd, GWL_EXSTYLE);
  SetWindowLongA(hwnd, GWL_EXSTYLE, style | WS_EX_LAYERED);
  // Alpha is ignored: only the colour key is named.
  SetLayeredWindowAttributes(hwnd, kWhiteKey, 0, LWA_COLORKEY);
}

void MakeOpaque(void* window) {
  const auto hwnd = static_cast<HWND>(window);
  // The window stays layered, keyed on mid-grey instead of white, and gets a
  // taskbar button; a tool window's style would keep the button away.
  const LONG style = GetWindowLongA(hwnd, GWL_EXSTYLE);
  SetWindowLongA(hwnd, GWL_EXSTYLE, (style & ~WS_EX_TOOLWINDOW) | WS_EX_APPWINDOW);
  SetLayeredWindowAttributes(hwnd, kGreyKey, 255, LWA_COLORKEY);
}

bool LeftButtonHeld() {
  const int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
  return (GetAsyncKeyState(button) & 0x8000) != 0;
}

}  // namespace tintwatch::win32
