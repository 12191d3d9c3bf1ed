#include <QApplication>
#include <QSessionManager>
#include <QMenu>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "platform/DisplayRoute.h"
#include "platform/SessionBus.h"
#include "platform/SessionEnd.h"
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

// The toolkit ends the program with exit() when the X server goes away, as
// at a logout: the settings are saved on the way out, while the window that
// knows them is still there.
std::function<void()>* saveOnTheWayOut = nullptr;

class SaveOnTheWayOut {
 public:
  explicit SaveOnTheWayOut(std::function<void()> save) : save_(std::move(save)) {
    static const bool registered = std::atexit([] {
      if (saveOnTheWayOut) (*saveOnTheWayOut)();
    }) == 0;
    if (registered) saveOnTheWayOut = &save_;
  }
  ~SaveOnTheWayOut() { saveOnTheWayOut = nullptr; }
  SaveOnTheWayOut(const SaveOnTheWayOut&) = delete;
  SaveOnTheWayOut& operator=(const SaveOnTheWayOut&) = delete;

 private:
  std::function<void()> save_;
};

}  // namespace

int main(int argc, char** argv) {
  tintwatch::CommandLine commandLine(argc, argv);
  if (const auto status = commandLine.ExitStatus()) return *status;
  tintwatch::StartSessionBusCheck();
  tintwatch::ChooseDisplayRoute(commandLine.Platform());
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

  tintwatch::KeepAccessibilityOffASilentBus();
  tintwatch::HueTestState test;
  tintwatch::Form1 form(test, tintwatch::StandardDialogs());
  // The icon is for the taskbar and the dialogs, not for the first frame:
  // set once the clock is on the screen, the window manager would otherwise
  // read it while it is still putting the window there.
  form.WhenFirstOnScreen([] { QApplication::setWindowIcon(tintwatch::ClockIcon()); });
  // The settings survive the session's end as they survive Exit: saved the
  // same way, and a failure said where someone may read it.
  bool loaded = false;
  const auto saveAtEnd = [&form, &loaded] {
    if (!loaded) return;  // nothing was shown yet that could be kept
    const tintwatch::SaveResult saved = form.Window().SaveAtSessionEnd();
    if (saved.kind == tintwatch::SaveResult::Failed) {
      std::fprintf(stderr, "tintwatch: the settings could not be saved to %s: %s\n",
                   form.Window().SettingsFileName().c_str(), saved.reason.message().c_str());
    }
  };
  bool ended = false;
  QObject::connect(&app, &QGuiApplication::commitDataRequest, &form, [&saveAtEnd](QSessionManager&) { saveAtEnd(); });
  tintwatch::WhenSessionEnds(&form, [&] {
    saveAtEnd();
    ended = true;
    // Every loop, a modal box's too: quit() does nothing before the main
    // loop runs, as while the welcome box is open.
    QCoreApplication::exit(0);
  });
  form.Load();
  loaded = true;
  SaveOnTheWayOut xServerGone(saveAtEnd);
  const tintwatch::DisplayConnectionWatch compositorGone(saveAtEnd);
  if (ended) return 0;  // told to end while the welcome box was open
  single.WhenAsked([&form] { form.ComeForward(); });
  QuitWhenNoWindowIsLeft quitter;
  app.installEventFilter(&quitter);
  return QApplication::exec();
}
