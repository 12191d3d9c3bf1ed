#include "platform/DisplayRoute.h"

#include <QGuiApplication>
#include <QString>
#include <QWidget>
#include <QtGlobal>

#include <atomic>
#include <mutex>
#include <utility>

namespace tintwatch {

void ChooseDisplayRoute(const QString& platformChosen) {
  if (!platformChosen.isEmpty() || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
  if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) return;
  qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("DISPLAY") ? "wayland" : "xcb");
}

namespace {

bool OnWaylandItself() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

}  // namespace

void FixSizeForTheDesktop(QWidget* window, const QSize& size) {
  if (OnWaylandItself()) window->setFixedSize(size);
}

bool DesktopTellsPlaces() { return !OnWaylandItself(); }

namespace {

std::atomic<std::function<void()>*> whenBroken = nullptr;
QtMessageHandler passOn = nullptr;
std::once_flag ran;

void WatchForBrokenConnection(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  // Qt's own words, just before its _exit().
  // More than one thread may see it; each waits until the first has run
  // `then`, as the one that goes on first ends the process.
  std::function<void()>* then = whenBroken;
  if (then && text.startsWith(QLatin1String("The Wayland connection"))) std::call_once(ran, *then);
  if (passOn) passOn(type, context, text);
}

}  // namespace

DisplayConnectionWatch::DisplayConnectionWatch(std::function<void()> then) : then_(std::move(then)) {
  passOn = qInstallMessageHandler(WatchForBrokenConnection);
  whenBroken = &then_;
}

DisplayConnectionWatch::~DisplayConnectionWatch() {
  whenBroken = nullptr;
  qInstallMessageHandler(passOn);
}

}  // namespace tintwatch
