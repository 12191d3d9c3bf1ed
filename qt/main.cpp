#include <QApplication>
#include <QMenu>
#include <QTimer>

#include "platform/SingleClock.h"
#include "qt/CommandLine.h"
#include "qt/Dialogs.h"
#include "qt/FaceImage.h"
#include "qt/Form1.h"
#include "qt/Language.h"

namespace {

// The program ends when none of its windows is left. Qt's own rule does not
// count tool windows, which the clock is, so the program keeps the count.
class QuitWhenNoWindowIsLeft : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if ((event->type() == QEvent::Hide || event->type() == QEvent::Close) && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
      QTimer::singleShot(0, this, [] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
          if (window->isVisible() && !qobject_cast<QMenu*>(window)) return;
        }
        QApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

int main(int argc, char** argv) {
  tintwatch::CommandLine commandLine(argc, argv);
  if (const auto status = commandLine.ExitStatus()) return *status;
  // A borderless window that places itself and stays on top needs X11; on a
  // Wayland desktop that is XWayland, unless the user chose a platform.
  if (commandLine.Platform().isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
      !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      !qEnvironmentVariableIsEmpty("DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "xcb");
  }
  tintwatch::DisplayFailureReport noDisplay(commandLine);
  QApplication app(commandLine.QtArgc(), commandLine.QtArgv());
  noDisplay.Started();
  QApplication::setApplicationName(QStringLiteral("Tintwatch"));
  QApplication::setApplicationVersion(QStringLiteral("1.1"));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tintwatch"));
  QApplication::setQuitOnLastWindowClosed(false);
  tintwatch::SingleClock single;
  if (!single.Claim()) return 0;  // the clock already running here came forward
  // Before any window: the language also decides which way they read.
  tintwatch::InstallTranslations();

  tintwatch::HueTestState test;
  tintwatch::Form1 form(test, tintwatch::StandardDialogs());
  // The icon is for the taskbar and the dialogs, not for the first frame:
  // set once the clock is on the screen, the window manager would otherwise
  // read it while it is still putting the window there.
  form.WhenFirstOnScreen([] { QApplication::setWindowIcon(tintwatch::ClockIcon()); });
  form.Load();
  single.WhenAsked([&form] { form.ComeForward(); });
  QuitWhenNoWindowIsLeft quitter;
  app.installEventFilter(&quitter);
  return QApplication::exec();
}
