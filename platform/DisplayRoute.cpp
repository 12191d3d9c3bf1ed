#include "platform/DisplayRoute.h"

#include <QGuiApplication>
#include <QString>
#include <QWidget>
#include <QtGlobal>

#ifdef TINTWATCH_HAVE_XCB
#include "platform/x11/OwnPlace_x11.h"
#endif

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

bool OnXWayland() {
  return QGuiApplication::platformName() == QLatin1String("xcb") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

bool ClockKeepsItsOwnPlace() {
#ifdef TINTWATCH_HAVE_XCB
  // Only where XWayland can be: a plain X11 desktop is asked nothing.
  static const bool own = OnXWayland() && x11::WindowManagerName(1000) == "wlroots wm";
  return own;
#else
  return false;
#endif
}

Qt::WindowFlags ClockWindowFlags() {
  // On top from the start, as start-up leaves it: a change of that flag
  // later would replace the native window made below.
  const Qt::WindowFlags flags = Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;
  // An ordinary window's type, not a tool's: a wlroots compositor gives the
  // keyboard to no tool window it does not manage.
  if (ClockKeepsItsOwnPlace()) return flags | Qt::Window | Qt::X11BypassWindowManagerHint;
  return flags | Qt::Tool;
}

void PrepareClockWindow(QWidget* window) {
  // A Wayland compositor shows an X window's whole picture, whatever its
  // shape says: the see-through white has to be clear pixels there.
  if (OnXWayland()) window->setAttribute(Qt::WA_TranslucentBackground);
#ifdef TINTWATCH_HAVE_XCB
  if (ClockKeepsItsOwnPlace()) x11::StayAboveManagedWindows(window);
#endif
}

bool DesktopMovesWindows() { return !ClockKeepsItsOwnPlace(); }

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
