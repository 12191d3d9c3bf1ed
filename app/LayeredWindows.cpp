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
bool SetDeviceShape(QWidget* window, const QImage& picture) {
  xcb_connection_t* connection = ShapeConnection(window);
  if (!connection) return false;
  // One rectangle for each run of non-white pixels in a row; a row like the
  // one above only makes that row's rectangles taller.
  const QImage pixels = picture.format() == QImage::Format_RGB32 ? picture
                                                                 : picture.convertToFormat(QImage::Format_RGB32);
  std::vector<xcb_rectangle_t> rectangles;
  std::size_t band = 0;  // where the previous row's rectangles start
  const QRgb white = qRgb(255, 255, 255);
  for (int y = 0; y < pixels.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
    const std::size_t start = rectangles.size();
    for (int x = 0; x < pixels.width();) {
      if ((row[x] | 0xff000000u) == white) {
        ++x;
        continue;
      }
      const int left = x;
      while (x < pixels.width() && (row[x] | 0xff000000u) != white) ++x;
      rectangles.push_back({static_cast<int16_t>(left), static_cast<int16_t>(y), static_cast<uint16_t>(x - left), 1});
    }
    const std::size_t count = rectangles.size() - start;
    const bool sameAsAbove =
        count > 0 && count == start - band &&
        std::equal(rectangles.begin() + static_cast<std::ptrdiff_t>(start), rectangles.end(),
                   rectangles.begin() + static_cast<std::ptrdiff_t>(band), [](const auto& a, const auto& b) {
                     return a.x == b.x && a.width == b.width;
                   });
    if (sameAsAbove) {
      rectangles.resize(start);
      for (std::size_t i = band; i < start; ++i) ++rectangles[i].height;
    } else {
      band = start;
    }
  }
  // No rectangle would mean no shape at all; one pixel outside the window
  // leaves nothing visible instead.
  if (rectangles.empty()) rectangles.push_back({-1, -1, 1, 1});
  xcb_shape_rectangles(connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING, XCB_CLIP_ORDERING_UNSORTED,
                       static_cast<xcb_window_t>(NativeHandle(window)), 0, 0,
                       static_cast<uint32_t>(rectangles.size()), rectangles.data());
  xcb_flush(connection);
  return true;
}

void ClearDeviceShape(QWidget* window) {
  xcb_connection_t* connection = ShapeConnection(window);
  if (!connection) return;
  xcb_shape_mask(connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING, static_cast<xcb_window_t>(NativeHandle(window)),
                 0, 0, XCB_NONE);
  xcb_flush(connection);
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
  if (SetDeviceShape(window, picture)) return;
#endif
  // Elsewhere the toolkit's mask, per logical pixel.
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

}  // namespace tintwatch
