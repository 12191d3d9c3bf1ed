#pragma once

#include <functional>

class QObject;

namespace tintwatch {

// Calls END, from the event loop, when the session ends for the program
// without Exit, on the platform's own signs of it: SIGTERM, SIGHUP or SIGINT
// on Unix (what a logout, a shutdown or a closed terminal sends), the end of
// the session (WM_ENDSESSION) on Windows. Lasts as long as OWNER.
void WhenSessionEnds(QObject* owner, std::function<void()> end);

}  // namespace tintwatch
