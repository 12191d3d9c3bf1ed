#include "app/DirectPresent.h"

#include <QImage>
#include <QRect>
#include <QWidget>

#ifdef TINTWATCH_HAVE_XCB
#include <QByteArray>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "app/X11.h"
#endif

namespace tintwatch {

#ifdef TINTWATCH_HAVE_XCB
namespace {

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

}  // namespace
#endif

bool PresentDirectly(QWidget* window, const QImage& picture, const QRect& deviceRect) {
#ifdef TINTWATCH_HAVE_XCB
  if (picture.format() != QImage::Format_RGB32) return false;
  QWindow* handle = window->windowHandle();
  if (!handle || !handle->isExposed()) return false;
  xcb_connection_t* connection = x11::Connection();
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

}  // namespace tintwatch
