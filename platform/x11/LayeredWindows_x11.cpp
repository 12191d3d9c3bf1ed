#include "platform/x11/LayeredWindows_x11.h"

#include <QImage>
#include <QRect>
#include <QWidget>
#include <QWindow>
#include <xcb/shape.h>

#include <vector>

#include "core/window/WindowShape.h"
#include "platform/x11/X11.h"

namespace tintwatch::x11 {

namespace {

// The X connection when the window has a native window and the server
// offers the shape extension; null otherwise.
xcb_connection_t* ShapeConnection(const QWidget* window) {
  xcb_connection_t* connection = Connection();
  if (!connection || !window->windowHandle()) return nullptr;
  const xcb_query_extension_reply_t* shape = xcb_get_extension_data(connection, &xcb_shape_id);
  return shape && shape->present ? connection : nullptr;
}

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
// A window with an alpha channel shows its see-through white as clear
// pixels, which a bounding shape would keep from being drawn (a Wayland
// compositor shows an X window's whole picture, holes included): its shape
// is where clicks land.
xcb_shape_kind_t ShapeKind(const QWidget* window) {
  return window->testAttribute(Qt::WA_TranslucentBackground) ? XCB_SHAPE_SK_INPUT : XCB_SHAPE_SK_BOUNDING;
}

bool SetDeviceShape(QWidget* window, const QImage& picture, const QRect& changed, bool whole) {
  xcb_connection_t* connection = ShapeConnection(window);
  if (!connection) return false;
  const bool converted = picture.format() != QImage::Format_RGB32;
  const QImage pixels = converted ? picture.convertToFormat(QImage::Format_RGB32) : picture;
  const xcb_window_t id = NativeWindow(window);
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
  xcb_shape_rectangles(connection, XCB_SHAPE_SO_SET, ShapeKind(window), XCB_CLIP_ORDERING_UNSORTED, id, 0, 0,
                       static_cast<uint32_t>(rectangles.size()), rectangles.data());
  return true;
}

}  // namespace

bool ApplyShape(QWidget* window, const QImage& picture) {
  if (!SetDeviceShape(window, picture, picture.rect(), true)) return false;
  xcb_flush(Connection());
  return true;
}

bool UpdateShape(QWidget* window, const QImage& picture, const QRect& changed) {
  return SetDeviceShape(window, picture, changed, false);
}

void ClearShape(QWidget* window) {
  xcb_connection_t* connection = ShapeConnection(window);
  if (!connection) return;
  xcb_shape_mask(connection, XCB_SHAPE_SO_SET, ShapeKind(window), NativeWindow(window), 0, 0, XCB_NONE);
  xcb_flush(connection);
  LastShape() = SentShape();
}

}  // namespace tintwatch::x11
