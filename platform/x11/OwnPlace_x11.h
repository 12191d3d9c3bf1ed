#pragma once

#include <string>

class QWidget;

namespace tintwatch::x11 {

// The name the X window manager gives itself (the _NET_WM_NAME of its
// check window); empty without a manager. A manager still starting, as
// XWayland's is when the program's connection started it, is waited for
// up to `waitMilliseconds`.
std::string WindowManagerName(int waitMilliseconds);

// Keeps the window above every managed window in X's own stacking, which
// decides where the X server sends clicks: a window the manager leaves
// alone is not restacked with the others, and the manager puts each window
// it focuses on top. As the manager gives the X focus to none but its own
// windows, the keyboard is the window's from a click on it for as long as
// the pointer stays on it.
void StayAboveManagedWindows(QWidget* window);

}  // namespace tintwatch::x11
