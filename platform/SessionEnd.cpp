#include "platform/SessionEnd.h"

#include <QCoreApplication>
#include <QObject>
#include <utility>

#ifdef Q_OS_WIN
#include <windows.h>

#include <QAbstractNativeEventFilter>
#else
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#endif

namespace tintwatch {

#ifdef Q_OS_WIN

namespace {

// Windows sends the end of the session to every top-level window; the
// program acts on the first.
class EndSessionFilter : public QObject, public QAbstractNativeEventFilter {
 public:
  EndSessionFilter(QObject* owner, std::function<void()> end) : QObject(owner), end_(std::move(end)) {
    QCoreApplication::instance()->installNativeEventFilter(this);
  }
  ~EndSessionFilter() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "windows_generic_MSG" || !end_) return false;
    const MSG* msg = static_cast<const MSG*>(message);
    if (msg->message == WM_ENDSESSION && msg->wParam) std::exchange(end_, nullptr)();
    return false;
  }

 private:
  std::function<void()> end_;
};

}  // namespace

void WhenSessionEnds(QObject* owner, std::function<void()> end) { new EndSessionFilter(owner, std::move(end)); }

#else

namespace {

// A signal handler may do next to nothing: it writes the signal's number
// to a pipe that the event loop reads.
int signalPipe[2] = {-1, -1};

extern "C" void OnEndSignal(int number) {
  const int saved = errno;
  const char byte = static_cast<char>(number);
  [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
  errno = saved;
}

}  // namespace

void WhenSessionEnds(QObject* owner, std::function<void()> end) {
  if (signalPipe[0] < 0 && ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, owner);
  QObject::connect(notifier, &QSocketNotifier::activated, owner, [end = std::move(end)]() mutable {
    char bytes[16];
    while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
    }
    if (end) std::exchange(end, nullptr)();
  });
  struct sigaction action {};
  action.sa_handler = OnEndSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int number : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(number, &action, nullptr);
}

#endif

}  // namespace tintwatch
