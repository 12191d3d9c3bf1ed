#pragma once

#include <functional>

// The Windows side of the screen not being seen: the console display's
// power state and the session's lock. Kept free of Qt so that it builds with
// any Windows compiler on its own.
namespace tintwatch::win32 {

// A message-only window of its own, which Windows tells of both: the display
// state (GUID_CONSOLE_DISPLAY_STATE, sent once at registration and at every
// change) and the session's lock and unlock (WTS notifications).
class DisplayWatch {
 public:
  // The display's state as Windows gives it (0 off, 1 on, 2 dimmed); the
  // session locked (true) or unlocked.
  using DisplayState = std::function<void(unsigned long state)>;
  using SessionLock = std::function<void(bool locked)>;

  DisplayWatch(DisplayState display, SessionLock session);
  DisplayWatch(const DisplayWatch&) = delete;
  DisplayWatch& operator=(const DisplayWatch&) = delete;
  ~DisplayWatch();

  // The window the notifications come to (a HWND), null where it could not
  // be made; and whether each registration was taken.
  void* Window() const { return window_; }
  bool DisplayStateRegistered() const { return power_ != nullptr; }
  bool SessionRegistered() const { return session_; }
  // The window's messages (a WPARAM and an LPARAM): true for one it took.
  bool Take(unsigned message, unsigned long long wParam, long long lParam);

 private:

  DisplayState display_;
  SessionLock sessionLock_;
  void* window_ = nullptr;
  void* power_ = nullptr;
  bool session_ = false;
};

}  // namespace tintwatch::win32
