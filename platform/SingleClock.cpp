#include "platform/SingleClock.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <utility>

#ifdef Q_OS_WIN
#include "platform/windows/SingleClock_win.h"
#else
#include "platform/x11/SingleClock_x11.h"
#endif

namespace tintwatch {

namespace {

// How long a later start looks for the running clock: it can be found from
// just after it has claimed the folder, early in its start.
constexpr int kLookForMilliseconds = 3000;
constexpr int kLookAgainMilliseconds = 20;

}  // namespace

// The folder's lock and the running clock's answering point, as the
// platform has them (see the FolderClaim of each).
class SingleClock::Platform : public QAbstractNativeEventFilter {
 public:
  ~Platform() override {
    if (QCoreApplication* application = QCoreApplication::instance()) application->removeNativeEventFilter(this);
  }

  bool Claim() {
    if (!claim_.Identify()) return true;  // a folder that cannot be told apart: as usual
    QElapsedTimer looking;
    looking.start();
    while (!claim_.TryLock()) {
      if (claim_.AskTheRunningClock()) return false;
      // Not found yet: it is still starting, or it has just ended, and the
      // next try takes the folder over.
      if (looking.elapsed() > kLookForMilliseconds) return false;
      QThread::msleep(kLookAgainMilliseconds);
    }
    if (claim_.Publish()) QCoreApplication::instance()->installNativeEventFilter(this);
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
    if (type != kNativeEventType || !claim_.IsRequest(message)) return false;
    if (comeForward_) {
      comeForward_();
    } else {
      askedEarly_ = true;
    }
    return true;
  }

 private:
#ifdef Q_OS_WIN
  static constexpr const char* kNativeEventType = "windows_generic_MSG";
  win32::FolderClaim claim_;
#else
  static constexpr const char* kNativeEventType = "xcb_generic_event_t";
  x11::FolderClaim claim_;
#endif
  std::function<void()> comeForward_;
  bool askedEarly_ = false;
};

SingleClock::SingleClock() : platform_(std::make_unique<Platform>()) {}

SingleClock::~SingleClock() = default;

bool SingleClock::Claim() { return platform_->Claim(); }

void SingleClock::WhenAsked(std::function<void()> comeForward) { platform_->WhenAsked(std::move(comeForward)); }

}  // namespace tintwatch
