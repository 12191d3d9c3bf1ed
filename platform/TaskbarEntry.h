#pragma once

class QWidget;

namespace tintwatch {

// The clock's taskbar entry: none at first, one from the first MakeOpaque on.
// On Windows the extended style that MakeOpaque sets gives it; on X11 the
// window manager's skip-taskbar state, kept through every re-mapping.
void SetTaskbarEntry(QWidget* window, bool shown);
bool HasTaskbarEntry(const QWidget* window);

}  // namespace tintwatch
