#include "app/ButtonState.h"

#include <QGuiApplication>

#ifdef Q_OS_WIN
#include "app/LayeredWindows_win.h"
#elif defined(TINTWATCH_HAVE_XCB)
#include <cstdlib>

#include "app/X11.h"
#endif

namespace tintwatch {

bool LeftButtonHeld() {
#ifdef Q_OS_WIN
  return win32::LeftButtonHeld();
#else
#ifdef TINTWATCH_HAVE_XCB
  if (xcb_connection_t* connection = x11::Connection()) {
    const xcb_query_pointer_cookie_t cookie = xcb_query_pointer(connection, x11::RootWindow(connection));
    if (xcb_query_pointer_reply_t* reply = xcb_query_pointer_reply(connection, cookie, nullptr)) {
      const bool held = (reply->mask & XCB_BUTTON_MASK_1) != 0;
      free(reply);
      return held;
    }
  }
#endif
  return QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
#endif
}

}  // namespace tintwatch
