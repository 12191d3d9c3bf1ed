#include "platform/x11/DirectPresent_x11.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QWidget>
#include <QWindow>
#include <sys/shm.h>
#include <sys/socket.h>
#include <xcb/shm.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/x11/X11.h"

namespace tintwatch::x11 {

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

// Whether the server can read the pixels from our memory: it offers the
// shared-memory extension and is on this machine (a Unix socket; a server
// reached over the network may offer the extension, but not see our memory).
bool ServerSharesMemory(xcb_connection_t* connection) {
  const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_shm_id);
  if (!extension || !extension->present) return false;
  sockaddr_storage address{};
  socklen_t length = sizeof address;
  return getsockname(xcb_get_file_descriptor(connection), reinterpret_cast<sockaddr*>(&address), &length) == 0 &&
         address.ss_family == AF_UNIX;
}

// A copy of the picture in memory the server reads from, laid out as the
// picture: a tick copies its changed part there, and the server takes it
// from there instead of through the socket.
struct SharedPixels {
  enum class State { Unknown, Usable, Unusable } state = State::Unknown;
  xcb_shm_seg_t segment = 0;
  std::uint8_t* memory = nullptr;
  QSize size;

  void Release(xcb_connection_t* connection) {
    if (!memory) return;
    xcb_shm_detach(connection, segment);
    shmdt(memory);
    memory = nullptr;
    size = QSize();
  }

  // Memory for a picture of this size, attached by the server; false when it
  // cannot be had, and then it is not tried again.
  bool Fit(xcb_connection_t* connection, QSize pictureSize) {
    if (state == State::Unknown) state = ServerSharesMemory(connection) ? State::Usable : State::Unusable;
    if (state == State::Unusable) return false;
    if (memory && size == pictureSize) return true;
    Release(connection);
    const std::size_t bytes = static_cast<std::size_t>(pictureSize.width()) * pictureSize.height() * 4;
    const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    void* attached = id < 0 ? reinterpret_cast<void*>(-1) : shmat(id, nullptr, 0);
    xcb_generic_error_t* error = nullptr;
    if (attached != reinterpret_cast<void*>(-1)) {
      segment = xcb_generate_id(connection);
      // One round trip, once per size: the server must have it before the
      // segment is marked for removal below.
      error = xcb_request_check(connection, xcb_shm_attach_checked(connection, segment, static_cast<uint32_t>(id), 1));
    }
    // Removed from the system once both sides have let go of it, also when
    // the program ends in any way.
    if (id >= 0) shmctl(id, IPC_RMID, nullptr);
    if (attached == reinterpret_cast<void*>(-1) || error) {
      free(error);
      if (attached != reinterpret_cast<void*>(-1)) shmdt(attached);
      state = State::Unusable;
      return false;
    }
    memory = static_cast<std::uint8_t*>(attached);
    size = pictureSize;
    return true;
  }
};

}  // namespace

bool PresentDirectly(QWidget* window, const QImage& picture, const QRect& deviceRect) {
  if (picture.format() != QImage::Format_RGB32) return false;
  QWindow* handle = window->windowHandle();
  if (!handle || !handle->isExposed()) return false;
  xcb_connection_t* connection = Connection();
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
  static SharedPixels shared;
  if (shared.Fit(connection, picture.size())) {
    // The segment may still be read for an earlier tick when this one writes
    // to it; that shows this tick's pixels a moment early, never stale ones.
    const std::size_t stride = static_cast<std::size_t>(picture.width()) * 4;
    const std::size_t rowBytes = static_cast<std::size_t>(rect.width()) * 4;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
      memcpy(shared.memory + y * stride + rect.left() * 4, picture.constScanLine(y) + rect.left() * 4, rowBytes);
    }
    xcb_shm_put_image(connection, id, target.gc, static_cast<uint16_t>(picture.width()),
                      static_cast<uint16_t>(picture.height()), static_cast<uint16_t>(rect.left()),
                      static_cast<uint16_t>(rect.top()), static_cast<uint16_t>(rect.width()),
                      static_cast<uint16_t>(rect.height()), static_cast<int16_t>(rect.left()),
                      static_cast<int16_t>(rect.top()), 24, XCB_IMAGE_FORMAT_Z_PIXMAP, 0, shared.segment, 0);
    xcb_flush(connection);
    return true;
  }
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
}

}  // namespace tintwatch::x11
