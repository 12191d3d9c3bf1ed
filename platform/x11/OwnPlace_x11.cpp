#include "platform/x11/OwnPlace_x11.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <cstdlib>

#include "platform/x11/X11.h"

namespace tintwatch::x11 {

namespace {

// The first value of a window-typed or string property, or nothing.
std::string StringProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property, xcb_atom_t type) {
  const xcb_get_property_cookie_t cookie = xcb_get_property(connection, 0, window, property, type, 0, 256);
  xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
  if (!reply) return {};
  std::string value(static_cast<const char*>(xcb_get_property_value(reply)),
                    static_cast<std::size_t>(xcb_get_property_value_length(reply)));
  free(reply);
  return value;
}

xcb_window_t CheckWindow(xcb_connection_t* connection, xcb_atom_t check) {
  const std::string value = StringProperty(connection, RootWindow(connection), check, XCB_ATOM_WINDOW);
  if (value.size() < sizeof(xcb_window_t)) return XCB_NONE;
  xcb_window_t window = XCB_NONE;
  value.copy(reinterpret_cast<char*>(&window), sizeof window);
  return window;
}

}  // namespace

std::string WindowManagerName(int waitMilliseconds) {
  xcb_connection_t* connection = Connection();
  if (!connection) return {};
  const std::vector<xcb_atom_t> atoms = Atoms(connection, {"_NET_SUPPORTING_WM_CHECK", "_NET_WM_NAME", "UTF8_STRING"});
  QElapsedTimer waited;
  waited.start();
  xcb_window_t check = CheckWindow(connection, atoms[0]);
  // A bounded wait, once at start and only where a manager may still be on
  // its way: the events on this connection are the toolkit's.
  while (check == XCB_NONE && waited.elapsed() < waitMilliseconds) {
    QThread::msleep(20);
    check = CheckWindow(connection, atoms[0]);
  }
  if (check == XCB_NONE) return {};
  return StringProperty(connection, check, atoms[1], atoms[2]);
}

namespace {

class AboveManagedWindows : public QObject, public QAbstractNativeEventFilter {
 public:
  explicit AboveManagedWindows(QWidget* window) : window_(window) {}

  // The manager gives the X focus only to the windows it manages, so the
  // keys reach the clock through a grab: from a click on it, while the
  // pointer stays on it and no other window takes over. (The toolkit's
  // pointer events are XInput's: they are seen here, as it delivers them.)
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!window_ || watched != static_cast<QObject*>(window_->windowHandle())) return false;
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        window_->isVisible()) {
      xcb_grab_keyboard(connection_, 1, NativeWindow(window_), XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC,
                        XCB_GRAB_MODE_ASYNC);
      xcb_flush(connection_);
      grabbing_ = true;
    } else if (event->type() == QEvent::Leave || event->type() == QEvent::Hide) {
      LetGoOfKeyboard();
    }
    return false;
  }

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
    if (eventType != "xcb_generic_event_t" || !window_) return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    xcb_window_t moved = XCB_NONE;
    switch (event->response_type & 0x7f) {
      case XCB_PROPERTY_NOTIFY: {
        // The manager has given the focus to a window.
        const auto* property = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        if (property->window == root_ && property->atom == activeWindow_) LetGoOfKeyboard();
        return false;
      }
      case XCB_CONFIGURE_NOTIFY: {
        const auto* configure = reinterpret_cast<const xcb_configure_notify_event_t*>(event);
        // Windows the manager leaves alone (menus, tips, another such clock)
        // keep their own stacking: two of them never take turns on top.
        if (configure->event != root_ || configure->override_redirect) return false;
        moved = configure->window;
        break;
      }
      case XCB_MAP_NOTIFY: {
        const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
        if (map->event != root_ || map->override_redirect) return false;
        moved = map->window;
        break;
      }
      default: return false;
    }
    const xcb_window_t own = NativeWindow(window_);
    if (moved == own || !window_->isVisible()) return false;
    // A window of its own, or another program's, opening: its keys are its.
    if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) LetGoOfKeyboard();
    const uint32_t above = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(connection_, own, XCB_CONFIG_WINDOW_STACK_MODE, &above);
    xcb_flush(connection_);
    return false;
  }

  bool Start() {
    connection_ = Connection();
    if (!connection_) return false;
    root_ = RootWindow(connection_);
    activeWindow_ = Atoms(connection_, {"_NET_ACTIVE_WINDOW"})[0];
    // Added to the events the toolkit already asks of the root window.
    const xcb_get_window_attributes_cookie_t cookie = xcb_get_window_attributes(connection_, root_);
    xcb_get_window_attributes_reply_t* reply = xcb_get_window_attributes_reply(connection_, cookie, nullptr);
    if (!reply) return false;
    const uint32_t mask = reply->your_event_mask | XCB_EVENT_MASK_STRUCTURE_NOTIFY |
                          XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_PROPERTY_CHANGE;
    free(reply);
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
    return true;
  }

 private:
  // Only a grab of its own: ungrabbing would end a menu's too.
  void LetGoOfKeyboard() {
    if (!grabbing_ || QApplication::activePopupWidget()) return;
    xcb_ungrab_keyboard(connection_, XCB_CURRENT_TIME);
    xcb_flush(connection_);
    grabbing_ = false;
  }

  QPointer<QWidget> window_;
  xcb_connection_t* connection_ = nullptr;
  xcb_window_t root_ = XCB_NONE;
  xcb_atom_t activeWindow_ = XCB_NONE;
  bool grabbing_ = false;
};

}  // namespace

void StayAboveManagedWindows(QWidget* window) {
  static AboveManagedWindows* filter = nullptr;
  if (filter) return;
  filter = new AboveManagedWindows(window);
  if (!filter->Start()) {
    delete filter;
    filter = nullptr;
    return;
  }
  QCoreApplication::instance()->installNativeEventFilter(filter);
  QCoreApplication::instance()->installEventFilter(filter);
}

}  // namespace tintwatch::x11
