#include "app/TaskbarEntry.h"

#include <QVariant>
#include <QWidget>

#ifdef TINTWATCH_HAVE_XCB
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QList>
#include <QPointer>
#include <QWindow>
#include <cstdlib>

#include "app/X11.h"
#endif

namespace tintwatch {

namespace {

constexpr const char* kTaskbarProperty = "tintwatchTaskbarEntry";

#ifdef TINTWATCH_HAVE_XCB
// _NET_WM_STATE_SKIP_TASKBAR, as the window manager's taskbar reads it:
// written straight into the property while the window is unmapped (the
// toolkit merges its own states into it when it maps the window), asked of
// the window manager by a client message while it is mapped.
void SendSkipTaskbar(xcb_connection_t* connection, xcb_window_t id, bool skip, bool mapped) {
  // Asked of the server once: atoms live as long as the server does.
  static const std::vector<xcb_atom_t> interned = x11::Atoms(connection, {"_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR"});
  const xcb_atom_t state = interned[0];
  const xcb_atom_t skipTaskbar = interned[1];
  if (state == XCB_ATOM_NONE || skipTaskbar == XCB_ATOM_NONE) return;
  if (mapped) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = id;
    event.type = state;
    event.data.data32[0] = skip ? 1 : 0;  // add, remove
    event.data.data32[1] = skipTaskbar;
    event.data.data32[3] = 1;  // from a normal application
    xcb_send_event(connection, 0, x11::RootWindow(connection),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(connection);
    return;
  }
  QList<xcb_atom_t> atoms;
  const xcb_get_property_cookie_t cookie = xcb_get_property(connection, 0, id, state, XCB_ATOM_ATOM, 0, 1024);
  if (xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr)) {
    const auto* values = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
    for (int i = 0; i < xcb_get_property_value_length(reply) / 4; ++i) {
      if (values[i] != skipTaskbar) atoms.append(values[i]);
    }
    free(reply);
  }
  if (skip) atoms.append(skipTaskbar);
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                      static_cast<uint32_t>(atoms.size()), atoms.constData());
  xcb_flush(connection);
}

// A window that is hidden and shown again (as a change of its flags does)
// may lose its states to the window manager while it is withdrawn, so the
// wanted state is asked for again each time the window is mapped.
class TaskbarStateKeeper : public QAbstractNativeEventFilter {
 public:
  static TaskbarStateKeeper& Instance() {
    static TaskbarStateKeeper* keeper = [] {
      auto* created = new TaskbarStateKeeper;
      QCoreApplication::instance()->installNativeEventFilter(created);
      return created;
    }();
    return *keeper;
  }

  void Track(QWidget* window) {
    for (const QPointer<QWidget>& known : windows_) {
      if (known == window) return;
    }
    windows_.append(window);
  }

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY) return false;
    const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
    for (const QPointer<QWidget>& window : windows_) {
      if (window && window->windowHandle() && window->windowHandle()->winId() == map->window) {
        SendSkipTaskbar(x11::Connection(), map->window, !HasTaskbarEntry(window), true);
      }
    }
    return false;
  }

 private:
  QList<QPointer<QWidget>> windows_;
};

void SetSkipTaskbar(QWidget* window, bool skip) {
  xcb_connection_t* connection = x11::Connection();
  if (!connection) return;
  TaskbarStateKeeper::Instance().Track(window);
  // The handle of the platform window now behind the widget: changing a
  // window flag can replace it, and the widget's own id may lag behind.
  window->winId();
  const auto id = static_cast<xcb_window_t>(window->windowHandle()->winId());
  SendSkipTaskbar(connection, id, skip, window->isVisible());
}
#endif

}  // namespace

void SetTaskbarEntry(QWidget* window, bool shown) {
  window->setProperty(kTaskbarProperty, shown);
#ifdef TINTWATCH_HAVE_XCB
  SetSkipTaskbar(window, !shown);
#endif
}

bool HasTaskbarEntry(const QWidget* window) { return window->property(kTaskbarProperty).toBool(); }

}  // namespace tintwatch
