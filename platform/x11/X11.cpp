#include "platform/x11/X11.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>

namespace tintwatch::x11 {

xcb_connection_t* Connection() {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

std::vector<xcb_atom_t> Atoms(xcb_connection_t* connection, std::initializer_list<const char*> names) {
  // Every request is sent before the first reply is awaited.
  std::vector<xcb_intern_atom_cookie_t> cookies;
  for (const char* name : names) {
    cookies.push_back(xcb_intern_atom(connection, 0, static_cast<uint16_t>(qstrlen(name)), name));
  }
  std::vector<xcb_atom_t> atoms;
  for (const xcb_intern_atom_cookie_t cookie : cookies) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    atoms.push_back(reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE));
    free(reply);
  }
  return atoms;
}

xcb_window_t RootWindow(xcb_connection_t* connection) {
  return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

xcb_window_t NativeWindow(QWidget* window) {
  window->winId();  // makes sure the native window exists
  return static_cast<xcb_window_t>(window->windowHandle() ? window->windowHandle()->winId() : window->winId());
}

std::optional<bool> LeftButtonHeld() {
  xcb_connection_t* connection = Connection();
  if (!connection) return std::nullopt;
  const xcb_query_pointer_cookie_t cookie = xcb_query_pointer(connection, RootWindow(connection));
  xcb_query_pointer_reply_t* reply = xcb_query_pointer_reply(connection, cookie, nullptr);
  if (!reply) return std::nullopt;
  const bool held = (reply->mask & XCB_BUTTON_MASK_1) != 0;
  free(reply);
  return held;
}

}  // namespace tintwatch::x11
