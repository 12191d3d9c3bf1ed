#include "app/LayeredWindows.h"

#include <QBitmap>
#include <QImage>
#include <QRegion>
#include <QVariant>
#include <QWidget>
#include <QWindow>

#include "app/TaskbarEntry.h"

#ifdef Q_OS_WIN
#include "app/LayeredWindows_win.h"
#elif defined(TINTWATCH_HAVE_XCB)
#include <xcb/shape.h>

#include <vector>

#include "app/WindowShape.h"
#include "app/X11.h"
#endif

namespace tintwatch {

namespace {

// Which of the two operations was applied last, kept on the window itself.
constexpr const char* kLayerProperty = "tintwatchLayer";
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
// The X connection when the window has a native window and the server
// offers the shape extension; null otherwise.
xcb_connection_t* ShapeConnection(const QWidget* window) {
  xcb_connection_t* connection = x11::Connection();
  if (!connection || !window->windowHandle()) return nullptr;
  const xcb_query_extension_reply_t* shape = xcb_get_extension_data(connection, &xcb_shape_id);
  return shape && shape->present ? connection : nullptr;
}

// The window's shape set on the X window in device pixels. The toolkit's own
// mask is in logical pixels: at a device pixel ratio of 2 one sample in four
// would decide each edge, where exactly the pure-white pixels are to be holes.
// The shape last sent is kept, with the window it went to, so that a picture
// changed only in part is looked at only there, and a shape that has not
// changed is not sent again.
struct SentShape {
  xcb_window_t window = XCB_NONE;
  WindowShape shape;
};

SentShape& LastShape() {
  static SentShape sent;
  return sent;
}

// Queues the shape when `whole` or when it changed within `changed`; false
// where the server cannot take it.
bool SetDeviceShape(QWidget* window, const QImage& picture, const QRect& changed, bool whole) {
  xcb_connection_t* connection = ShapeConnection(window);
  if (!connection) return false;
  const bool converted = picture.format() != QImage::Format_RGB32;
  const QImage pixels = converted ? picture.convertToFormat(QImage::Format_RGB32) : picture;
  const auto id = static_cast<xcb_window_t>(NativeHandle(window));
  SentShape& sent = LastShape();
  if (whole || converted || sent.window != id) {
    sent.window = id;
    sent.shape.Reset();
  }
  const WindowShape::Pixels device{reinterpret_cast<const uint32_t*>(pixels.constBits()), pixels.width(),
                                   pixels.height(), static_cast<int>(pixels.bytesPerLine() / 4)};
  if (!sent.shape.Update(device, changed.x(), changed.y(), changed.width(), changed.height())) return true;
  std::vector<xcb_rectangle_t> rectangles;
  rectangles.reserve(sent.shape.Rectangles().size());
  for (const WindowShape::Rectangle& r : sent.shape.Rectangles()) {
    rectangles.push_back({static_cast<int16_t>(r.x), static_cast<int16_t>(r.y), static_cast<uint16_t>(r.width),
                          static_cast<uint16_t>(r.height)});
  }
  // No rectangle would mean no shape at all; one pixel outside the window
  // leaves nothing visible instead.
  if (rectangles.empty()) rectangles.push_back({-1, -1, 1, 1});
  xcb_shape_rectangles(connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING, XCB_CLIP_ORDERING_UNSORTED, id, 0, 0,
                       static_cast<uint32_t>(rectangles.size()), rectangles.data());
  return true;
}

void ClearDeviceShape(QWidget* window) {
  xcb_connection_t* connection = ShapeConnection(window);
  if (!connection) return;
  xcb_shape_mask(connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING, static_cast<xcb_window_t>(NativeHandle(window)),
                 0, 0, XCB_NONE);
  xcb_flush(connection);
  LastShape() = SentShape();
}
#endif

#ifndef Q_OS_WIN
// Without the shape extension, the toolkit's mask, per logical pixel.
void SetToolkitMask(QWidget* window, const QImage& picture) {
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
#else
  window->clearMask();
#ifdef TINTWATCH_HAVE_XCB
  ClearDeviceShape(window);
#endif
#endif
  SetTaskbarEntry(window, true);
}

void ApplyColourKey(QWidget* window, const QImage& picture) {
#ifdef Q_OS_WIN
  Q_UNUSED(window);
  Q_UNUSED(picture);
#else
  if (CurrentLayer(window) != kSeeThrough) return;
#ifdef TINTWATCH_HAVE_XCB
  if (SetDeviceShape(window, picture, picture.rect(), true)) {
    xcb_flush(x11::Connection());
    return;
  }
#endif
  SetToolkitMask(window, picture);
#endif
}

void UpdateColourKey(QWidget* window, const QImage& picture, const QRect& changed) {
#ifdef Q_OS_WIN
  Q_UNUSED(window);
  Q_UNUSED(picture);
  Q_UNUSED(changed);
#else
  if (CurrentLayer(window) != kSeeThrough || changed.isEmpty()) return;
#ifdef TINTWATCH_HAVE_XCB
  if (SetDeviceShape(window, picture, changed, false)) return;
#endif
  SetToolkitMask(window, picture);
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

}  // namespace tintwatch
