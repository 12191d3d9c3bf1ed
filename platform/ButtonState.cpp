#include "platform/ButtonState.h"

#include <QGuiApplication>

#ifdef Q_OS_WIN
#include "platform/windows/LayeredWindows_win.h"
#elif defined(TINTWATCH_HAVE_XCB)
#include "platform/x11/X11.h"
#endif

namespace tintwatch {

bool LeftButtonHeld() {
#ifdef Q_OS_WIN
  return win32::LeftButtonHeld();
#else
#ifdef TINTWATCH_HAVE_XCB
  if (const std::optional<bool> held = x11::LeftButtonHeld()) return *held;
#endif
  return QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
#endif
}

}  // namespace tintwatch
