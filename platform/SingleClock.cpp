#include "app/SingleClock.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <string>

#ifdef Q_OS_WIN
#include "app/SingleClock_win.h"
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

#ifdef TINTWATCH_HAVE_XCB
#include <cstdlib>

#include "app/X11.h"
#endif

namespace tintwatch {

namespace {

// How long a later start looks for the running clock: it can be found from
// just after it has claimed the folder, early in its start.
constexpr int kLookForMilliseconds = 3000;
constexpr int kLookAgainMilliseconds = 20;

}  // namespace

// The folder's lock and the running clock's answering point: on X11 a
// selection named after the folder, owned by a window of its own; on Windows
// a mutex and a message-only window, both named after the folder.
class SingleClock::Platform : public QAbstractNativeEventFilter {
 public:
  ~Platform() override {
    if (QCoreApplication* application = QCoreApplication::instance()) application->removeNativeEventFilter(this);
#ifndef Q_OS_WIN
    if (folder_ >= 0) close(folder_);  // the lock goes with it
#endif
  }

  bool Claim() {
    if (!Identify()) return true;  // a folder that cannot be told apart: as usual
    QElapsedTimer looking;
    looking.start();
    while (!TryLock()) {
      if (AskTheRunningClock()) return false;
      // Not found yet: it is still starting, or it has just ended, and the
      // next try takes the folder over.
      if (looking.elapsed() > kLookForMilliseconds) return false;
      QThread::msleep(kLookAgainMilliseconds);
    }
    Publish();
    return true;
  }

  void WhenAsked(std::function<void()> comeForward) {
    comeForward_ = std::move(comeForward);
    if (askedEarly_) {
      askedEarly_ = false;
      comeForward_();
    }
  }

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
#ifdef TINTWATCH_HAVE_XCB
    if (type == "xcb_generic_event_t") {
      const auto* event = static_cast<const xcb_generic_event_t*>(message);
      if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) return false;
      const auto* request = reinterpret_cast<const xcb_client_message_event_t*>(event);
      if (answer_ == XCB_WINDOW_NONE || request->window != answer_ || request->type != comeForwardAtom_) return false;
      Asked();
      return true;
    }
#endif
#ifdef Q_OS_WIN
    if (type == "windows_generic_MSG") {
      if (!claim_.IsRequest(message)) return false;
      Asked();
      return true;
    }
#endif
    Q_UNUSED(type);
    Q_UNUSED(message);
    return false;
  }

 private:
  void Asked() {
    if (comeForward_) {
      comeForward_();
    } else {
      askedEarly_ = true;
    }
  }

#ifdef Q_OS_WIN
  bool Identify() { return claim_.Identify(); }
  bool TryLock() { return claim_.TryLock(); }
  bool AskTheRunningClock() { return claim_.AskTheRunningClock(); }
  void Publish() {
    if (claim_.Publish()) QCoreApplication::instance()->installNativeEventFilter(this);
  }

  win32::FolderClaim claim_;
#else
  bool Identify() {
    // Opened for the lock, and closed only at the end; not handed on to the
    // programs it opens (the browser), which would keep the folder claimed.
    folder_ = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat info {};
    if (folder_ < 0 || fstat(folder_, &info) != 0) return false;
    name_ = "TINTWATCH_CLOCK_" + std::to_string(info.st_dev) + "_" + std::to_string(info.st_ino);
    return true;
  }

  bool TryLock() {
    if (flock(folder_, LOCK_EX | LOCK_NB) == 0) return true;
    return errno != EWOULDBLOCK;  // a file system without locks: as usual
  }

#ifdef TINTWATCH_HAVE_XCB
  bool Intern(xcb_connection_t* connection) {
    if (selection_ != XCB_ATOM_NONE) return true;
    const std::vector<xcb_atom_t> atoms = x11::Atoms(connection, {name_.c_str(), "TINTWATCH_COME_FORWARD"});
    selection_ = atoms[0];
    comeForwardAtom_ = atoms[1];
    return selection_ != XCB_ATOM_NONE && comeForwardAtom_ != XCB_ATOM_NONE;
  }

  bool AskTheRunningClock() {
    xcb_connection_t* connection = x11::Connection();
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

  void Publish() {
    xcb_connection_t* connection = x11::Connection();
    if (!connection || !Intern(connection)) return;
    // A window of its own, never shown: the clock's own can be replaced
    // when its flags change.
    answer_ = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, answer_, x11::RootWindow(connection), -1, -1, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_set_selection_owner(connection, answer_, selection_, XCB_CURRENT_TIME);
    xcb_flush(connection);
    QCoreApplication::instance()->installNativeEventFilter(this);
  }

  xcb_atom_t selection_ = XCB_ATOM_NONE;
  xcb_atom_t comeForwardAtom_ = XCB_ATOM_NONE;
  xcb_window_t answer_ = XCB_WINDOW_NONE;
#else
  // No window system to ask through: the running clock is left as it is.
  bool AskTheRunningClock() { return true; }
  void Publish() {}
#endif

  int folder_ = -1;
  std::string name_;
#endif

  std::function<void()> comeForward_;
  bool askedEarly_ = false;
};

SingleClock::SingleClock() : platform_(std::make_unique<Platform>()) {}

SingleClock::~SingleClock() = default;

bool SingleClock::Claim() { return platform_->Claim(); }

void SingleClock::WhenAsked(std::function<void()> comeForward) { platform_->WhenAsked(std::move(comeForward)); }

}  // namespace tintwatch
