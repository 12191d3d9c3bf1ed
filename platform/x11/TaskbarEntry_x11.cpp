#include "platform/x11/TaskbarEntry_x11.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <cstdlib>

#include "platform/x11/X11.h"

namespace tintwatch::x11 {

namespace {

// _NET_WM_STATE_SKIP_TASKBAR, as the window manager's taskbar reads it:
// written straight into the property while the window is unmapped (the
// toolkit merges its own states into it when it maps the window), asked of
// the window manager by a client message while it is mapped.
void SendSkipTaskbar(xcb_connection_t* connection, xcb_window_t id, bool skip, bool mapped) {
  // Asked of the server once: atoms live as long as the server does.
  static const std::vector<xcb_atom_t> interned = Atoms(connection, {"_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR"});
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
    xcb_send_event(connection, 0, RootWindow(connection),
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

  // Remembers the state last asked for the window.
  void Track(QWidget* window, bool skip) {
    for (Tracked& known : windows_) {
      if (known.window == window) {
        known.skip = skip;
        return;
      }
    }
    windows_.append({window, skip});
  }

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY) return false;
    const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
    for (const Tracked& known : windows_) {
      const QWidget* window = known.window;
      if (window && window->windowHandle() && window->windowHandle()->winId() == map->window) {
        SendSkipTaskbar(Connection(), map->window, known.skip, true);
      }
    }
    return false;
  }

 private:
  struct Tracked {
    QPointer<QWidget> window;
    bool skip = false;
  };
  QList<Tracked> windows_;
};

}  // namespace

void SetSkipTaskbar(QWidget* window, bool skip) {
  xcb_connection_t* connection = Connection();
  if (!connection) return;
  TaskbarStateKeeper::Instance().Track(window, skip);
  SendSkipTaskbar(connection, NativeWindow(window), skip, window->isVisible());
}

}  // namespace tintwatch::x11
