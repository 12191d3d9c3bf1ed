#pragma once

#include <functional>

class QObject;

namespace tintwatch {

// Calls CHANGED, from the event loop, each time the screen stops or starts
// being seen: on X11 the server's screen saver and the monitor's power
// (DPMS), on a desktop's session bus its screen saver or locker
// (ActiveChanged of org.freedesktop.ScreenSaver and its GNOME and MATE
// namesakes), on Windows the console's display turning off and the session's
// lock. Every source is an event: between changes the clock is not woken.
// Where none is there, CHANGED is never called. Lasts as long as OWNER.
void WhenScreenSeenChanges(QObject* owner, std::function<void(bool seen)> changed);

}  // namespace tintwatch
