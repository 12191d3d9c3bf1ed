#include "platform/x11/SingleClock_x11.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#ifdef TINTWATCH_HAVE_XCB
#include <cstdlib>
#include <vector>

#include "platform/x11/X11.h"
#endif

namespace tintwatch::x11 {

FolderClaim::~FolderClaim() {
  if (folder_ >= 0) close(folder_);
}

bool FolderClaim::Identify() {
  // Opened for the lock, and closed only at the end; not handed on to the
  // programs it opens (the browser), which would keep the folder claimed.
  folder_ = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  struct stat info {};
  if (folder_ < 0 || fstat(folder_, &info) != 0) return false;
  name_ = "TINTWATCH_CLOCK_" + std::to_string(info.st_dev) + "_" + std::to_string(info.st_ino);
  return true;
}

bool FolderClaim::TryLock() {
  if (flock(folder_, LOCK_EX | LOCK_NB) == 0) return true;
  return errno != EWOULDBLOCK;  // a file system without locks: as usual
}

#ifdef TINTWATCH_HAVE_XCB
bool FolderClaim::Intern(xcb_connection_t* connection) {
  if (selection_ != XCB_ATOM_NONE) return true;
  const std::vector<xcb_atom_t> atoms = Atoms(connection, {name_.c_str(), "TINTWATCH_COME_FORWARD"});
  selection_ = atoms[0];
  comeForwardAtom_ = atoms[1];
  return selection_ != XCB_ATOM_NONE && comeForwardAtom_ != XCB_ATOM_NONE;
}

bool FolderClaim::AskTheRunningClock() {
  xcb_connection_t* connection = Connection();
  if (!connection || !Intern(connection)) return true;  // no way to ask: leave it be
  xcb_get_selection_owner_reply_t* reply =
      xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection_), nullptr);
  const xcb_window_t running = reply ? reply->owner : static_cast<xcb_window_t>(XCB_WINDOW_NONE);
  free(reply);
  if (running == XCB_WINDOW_NONE) return false;
  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = running;
  event.type = comeForwardAtom_;
  xcb_send_event(connection, 0, running, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
  // Through to the server before this start ends.
  free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
  return true;
}

bool FolderClaim::Publish() {
  xcb_connection_t* connection = Connection();
  if (!connection || !Intern(connection)) return false;
  // A window of its own, never shown: the clock's own can be replaced
  // when its flags change.
  answer_ = xcb_generate_id(connection);
  xcb_create_window(connection, XCB_COPY_FROM_PARENT, answer_, RootWindow(connection), -1, -1, 1, 1, 0,
                    XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
  xcb_set_selection_owner(connection, answer_, selection_, XCB_CURRENT_TIME);
  xcb_flush(connection);
  return true;
}

bool FolderClaim::IsRequest(const void* event) const {
  const auto* generic = static_cast<const xcb_generic_event_t*>(event);
  if ((generic->response_type & 0x7f) != XCB_CLIENT_MESSAGE) return false;
  const auto* request = reinterpret_cast<const xcb_client_message_event_t*>(generic);
  return answer_ != XCB_WINDOW_NONE && request->window == answer_ && request->type == comeForwardAtom_;
}
#else
// No window system to ask through: the running clock is left as it is.
bool FolderClaim::AskTheRunningClock() { return true; }
bool FolderClaim::Publish() { return false; }
bool FolderClaim::IsRequest(const void*) const { return false; }
#endif

}  // namespace tintwatch::x11
