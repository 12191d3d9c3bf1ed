#include "platform/x11/ScreenBlank_x11.h"

#include <sys/uio.h>
#include <xcb/dpms.h>
#include <xcb/screensaver.h>
#include <xcb/xcbext.h>

#include <cstdlib>

namespace tintwatch::x11 {

namespace {

// DPMS 1.2's request, as the protocol headers of xorgproto give it (libxcb
// 1.15 knows DPMS only up to 1.1).
constexpr std::uint8_t kDpmsSelectInput = 8;
constexpr std::uint32_t kDpmsInfoNotifyMask = 1;

template <typename Reply>
struct Freed {
  Reply* reply;
  ~Freed() { std::free(reply); }
  Reply* operator->() const { return reply; }
  explicit operator bool() const { return reply != nullptr; }
};

void SelectDpmsInfo(xcb_connection_t* connection) {
  struct {
    std::uint8_t major;
    std::uint8_t minor;
    std::uint16_t length;
    std::uint32_t mask;
  } request{0, 0, 0, kDpmsInfoNotifyMask};
  // xcb fills in the opcodes and the length; the two parts before the
  // request are its own.
  iovec parts[4];
  parts[2].iov_base = &request;
  parts[2].iov_len = sizeof request;
  parts[3].iov_base = nullptr;
  parts[3].iov_len = 0;
  const xcb_protocol_request_t what{1, &xcb_dpms_id, kDpmsSelectInput, 1};
  xcb_send_request(connection, 0, parts + 2, &what);
}

}  // namespace

BlankEvents::BlankEvents(xcb_connection_t* connection) {
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const xcb_query_extension_reply_t* saver = xcb_get_extension_data(connection, &xcb_screensaver_id);
  const xcb_query_extension_reply_t* dpms = xcb_get_extension_data(connection, &xcb_dpms_id);
  if (saver && saver->present) {
    xcb_screensaver_select_input(connection, root, XCB_SCREENSAVER_EVENT_NOTIFY_MASK);
    const Freed<xcb_screensaver_query_info_reply_t> info{
        xcb_screensaver_query_info_reply(connection, xcb_screensaver_query_info(connection, root), nullptr)};
    if (info) {
      saverEvent_ = static_cast<std::uint8_t>(saver->first_event + XCB_SCREENSAVER_NOTIFY);
      initial_.push_back({ScreenSight::ScreenSaver, SaverCovers(info->state)});
    }
  }
  // Before 1.2 DPMS sends no event, and is not asked at intervals either:
  // Xorg turns its screen saver on whenever it powers the monitor down, so
  // the screen saver's event tells of that too.
  if (dpms && dpms->present) {
    const Freed<xcb_dpms_get_version_reply_t> version{
        xcb_dpms_get_version_reply(connection, xcb_dpms_get_version(connection, 1, 2), nullptr)};
    if (version && (version->server_major_version > 1 ||
                    (version->server_major_version == 1 && version->server_minor_version >= 2))) {
      SelectDpmsInfo(connection);
      const Freed<xcb_dpms_info_reply_t> info{xcb_dpms_info_reply(connection, xcb_dpms_info(connection), nullptr)};
      if (info) {
        dpmsOpcode_ = dpms->major_opcode;
        initial_.push_back({ScreenSight::MonitorOff, MonitorDark(info->power_level, info->state != 0)});
      }
    }
  }
  xcb_flush(connection);
}

std::optional<SightChange> BlankEvents::Take(const xcb_generic_event_t* event) const {
  const std::uint8_t type = event->response_type & 0x7f;
  if (saverEvent_ != 0 && type == saverEvent_) {
    const auto* notify = reinterpret_cast<const xcb_screensaver_notify_event_t*>(event);
    return SightChange{ScreenSight::ScreenSaver, SaverCovers(notify->state)};
  }
  if (dpmsOpcode_ != 0 && type == XCB_GE_GENERIC) {
    if (const auto info = DpmsInfoNotify(reinterpret_cast<const std::uint8_t*>(event), dpmsOpcode_)) {
      return SightChange{ScreenSight::MonitorOff, MonitorDark(info->powerLevel, info->enabled)};
    }
  }
  return std::nullopt;
}

}  // namespace tintwatch::x11
