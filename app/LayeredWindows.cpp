#include "app/LayeredWindows.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QImage>
#include <QRegion>
#include <QVariant>
#include <QWidget>
#include <QWindow>

#ifdef Q_OS_WIN
#include "app/LayeredWindows_win.h"
#elif defined(TINTWATCH_HAVE_XCB)
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QPointer>
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif

namespace tintwatch {

namespace {

// Which of the two operations was applied last, and the taskbar entry, kept
// on the window itself.
constexpr const char* kLayerProperty = "tintwatchLayer";
constexpr const char* kTaskbarProperty = "tintwatchTaskbarEntry";
enum Layer { kNotLayered = 0, kSeeThrough = 1, kOpaque = 2 };

// The handle of the platform window now behind the widget: changing a
// window flag can replace it, and the widget's own id may lag behind.
[[maybe_unused]] WId NativeHandle(QWidget* window) {
  window->winId();  // makes sure the native window exists
  return window->windowHandle() ? window->windowHandle()->winId() : window->winId();
}

Layer CurrentLayer(const QWidget* window) {
  return static_cast<Layer>(window->property(kLayerProperty).toInt());
}

void SetWhiteBackground(QWidget* window) {
  QPalette palette = window->palette();
  palette.setColor(QPalette::Window, Qt::white);
  window->setPalette(palette);
}

#if !defined(Q_OS_WIN) && defined(TINTWATCH_HAVE_XCB)
xcb_connection_t* X11Connection() {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(qstrlen(name)), name);
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
  const xcb_atom_t atom = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
  free(reply);
  return atom;
}

xcb_window_t RootWindow(xcb_connection_t* connection) {
  return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

// _NET_WM_STATE_SKIP_TASKBAR, as the window manager's taskbar reads it:
// written straight into the property while the window is unmapped (the
// toolkit merges its own states into it when it maps the window), asked of
// the window manager by a client message while it is mapped.
void SendSkipTaskbar(xcb_connection_t* connection, xcb_window_t id, bool skip, bool mapped) {
  const xcb_atom_t state = Atom(connection, "_NET_WM_STATE");
  const xcb_atom_t skipTaskbar = Atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
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
  if (!mapped) {
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(atoms.size()), atoms.constData());
  }
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
        SendSkipTaskbar(X11Connection(), map->window, !HasTaskbarEntry(window), true);
      }
    }
    return false;
  }

 private:
  QList<QPointer<QWidget>> windows_;
};

// Whether images of this server take our pixels as they are: 24-bit depth in
// 32-bit little-endian pixels, the layout of a Format_RGB32 image.
bool ServerTakesRgb32(xcb_connection_t* connection) {
  const xcb_setup_t* setup = xcb_get_setup(connection);
  if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST) return false;
  for (auto formats = xcb_setup_pixmap_formats_iterator(setup); formats.rem; xcb_format_next(&formats)) {
    if (formats.data->depth == 24) return formats.data->bits_per_pixel == 32 && formats.data->scanline_pad == 32;
  }
  return false;
}

struct DirectTarget {
  xcb_window_t window = 0;
  xcb_gcontext_t gc = 0;
  bool usable = false;
};

void SetSkipTaskbar(QWidget* window, bool skip) {
  xcb_connection_t* connection = X11Connection();
  if (!connection) return;
  TaskbarStateKeeper::Instance().Track(window);
  const auto id = static_cast<xcb_window_t>(NativeHandle(window));
  SendSkipTaskbar(connection, id, skip, window->isVisible());
}
#endif

}  // namespace

void MakeTransparent(QWidget* window) {
  SetWhiteBackground(window);
  window->setProperty(kLayerProperty, kSeeThrough);
#ifdef Q_OS_WIN
  win32::MakeTransparent(reinterpret_cast<void*>(NativeHandle(window)));
#endif
}

void MakeOpaque(QWidget* window) {
  SetWhiteBackground(window);
  window->setProperty(kLayerProperty, kOpaque);
#ifdef Q_OS_WIN
  win32::MakeOpaque(reinterpret_cast<void*>(NativeHandle(window)));
  window->setProperty(kTaskbarProperty, true);
#else
  window->clearMask();
  SetTaskbarEntry(window, true);
#endif
}

void ApplyColourKey(QWidget* window, const QImage& picture) {
#ifdef Q_OS_WIN
  Q_UNUSED(window);
  Q_UNUSED(picture);
#else
  if (CurrentLayer(window) != kSeeThrough) return;
  QImage logical = picture;
  if (picture.size() != window->size()) {
    logical = picture.scaled(window->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
  }
  // MaskInColor keeps the pixels that are not of the colour once the mask
  // becomes the window's shape.
  QRegion shape(QBitmap::fromImage(logical.createMaskFromColor(qRgb(255, 255, 255), Qt::MaskInColor)));
  // An empty region would mean no mask at all; one pixel outside the window
  // leaves nothing visible instead.
  if (shape.isEmpty()) shape = QRegion(-1, -1, 1, 1);
  window->setMask(shape);
#endif
}

void RestoreLayering(QWidget* window) {
  switch (CurrentLayer(window)) {
    case kSeeThrough: MakeTransparent(window); break;
#ifdef Q_OS_WIN
    case kOpaque: MakeOpaque(window); break;
#endif
    default: break;
  }
#ifndef Q_OS_WIN
  SetTaskbarEntry(window, HasTaskbarEntry(window));
#endif
}

void SetTaskbarEntry(QWidget* window, bool shown) {
  window->setProperty(kTaskbarProperty, shown);
#if !defined(Q_OS_WIN) && defined(TINTWATCH_HAVE_XCB)
  if (QGuiApplication::platformName() == QLatin1String("xcb")) SetSkipTaskbar(window, !shown);
#endif
}

bool HasTaskbarEntry(const QWidget* window) { return window->property(kTaskbarProperty).toBool(); }

bool PresentDirectly(QWidget* window, const QImage& picture, const QRect& deviceRect) {
#if !defined(Q_OS_WIN) && defined(TINTWATCH_HAVE_XCB)
  if (QGuiApplication::platformName() != QLatin1String("xcb") || picture.format() != QImage::Format_RGB32) {
    return false;
  }
  QWindow* handle = window->windowHandle();
  if (!handle || !handle->isExposed()) return false;
  xcb_connection_t* connection = X11Connection();
  if (!connection) return false;
  const auto id = static_cast<xcb_window_t>(handle->winId());
  static DirectTarget target;
  if (target.window != id) {
    // A new native window: check its depth and size, and make it a GC.
    if (target.gc) xcb_free_gc(connection, target.gc);
    target = DirectTarget{id, xcb_generate_id(connection), false};
    xcb_create_gc(connection, target.gc, id, 0, nullptr);
    const xcb_get_geometry_cookie_t cookie = xcb_get_geometry(connection, id);
    if (xcb_get_geometry_reply_t* reply = xcb_get_geometry_reply(connection, cookie, nullptr)) {
      target.usable = reply->depth == 24 && ServerTakesRgb32(connection);
      free(reply);
    }
  }
  if (!target.usable) return false;
  // The native window must be exactly the picture, pixel for pixel.
  const qreal ratio = handle->devicePixelRatio();
  if (qRound(window->width() * ratio) != picture.width() || qRound(window->height() * ratio) != picture.height()) {
    return false;
  }
  const QRect rect = deviceRect & picture.rect();
  if (rect.isEmpty()) return true;
  const std::size_t rowBytes = static_cast<std::size_t>(rect.width()) * 4;
  const std::size_t maxBytes = static_cast<std::size_t>(xcb_get_maximum_request_length(connection)) * 4 - 64;
  const int rowsPerRequest = std::max(1, static_cast<int>(maxBytes / rowBytes));
  QByteArray rows;
  for (int y = rect.top(); y <= rect.bottom(); y += rowsPerRequest) {
    const int count = std::min(rowsPerRequest, rect.bottom() + 1 - y);
    rows.resize(static_cast<qsizetype>(rowBytes) * count);
    for (int r = 0; r < count; ++r) {
      memcpy(rows.data() + r * rowBytes, picture.constScanLine(y + r) + rect.left() * 4, rowBytes);
    }
    xcb_put_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, id, target.gc, static_cast<uint16_t>(rect.width()),
                  static_cast<uint16_t>(count), static_cast<int16_t>(rect.left()), static_cast<int16_t>(y), 0, 24,
                  static_cast<uint32_t>(rows.size()), reinterpret_cast<const uint8_t*>(rows.constData()));
  }
  xcb_flush(connection);
  return true;
#else
  Q_UNUSED(window);
  Q_UNUSED(picture);
  Q_UNUSED(deviceRect);
  return false;
#endif
}

bool LeftButtonHeld() {
#ifdef Q_OS_WIN
  return win32::LeftButtonHeld();
#else
#ifdef TINTWATCH_HAVE_XCB
  if (QGuiApplication::platformName() == QLatin1String("xcb")) {
    if (xcb_connection_t* connection = X11Connection()) {
      const xcb_query_pointer_cookie_t cookie = xcb_query_pointer(connection, RootWindow(connection));
      if (xcb_query_pointer_reply_t* reply = xcb_query_pointer_reply(connection, cookie, nullptr)) {
        const bool held = (reply->mask & XCB_BUTTON_MASK_1) != 0;
        free(reply);
        return held;
      }
    }
  }
#endif
  return QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
#endif
}

}  // namespace tintwatch
