#pragma once

class QWidget;

namespace tintwatch::x11 {

// The window manager's skip-taskbar state (_NET_WM_STATE_SKIP_TASKBAR), asked
// for again each time the window is mapped. Nothing happens when the toolkit
// does not run on X11.
void SetSkipTaskbar(QWidget* window, bool skip);

}  // namespace tintwatch::x11
