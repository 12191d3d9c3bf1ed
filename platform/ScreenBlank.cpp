#include "platform/ScreenBlank.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QObject>
#include <memory>
#include <utility>

#include "core/window/ScreenSight.h"

#ifdef TINTWATCH_HAVE_XCB_BLANK
#include "platform/x11/ScreenBlank_x11.h"
#include "platform/x11/X11.h"
#endif
#ifdef TINTWATCH_HAVE_QTDBUS
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QSet>

#include "platform/SessionBus.h"
#endif
#ifdef Q_OS_WIN
#include "platform/windows/ScreenBlank_win.h"
#endif

namespace tintwatch {

namespace {

#ifdef TINTWATCH_HAVE_QTDBUS
// The desktops' screen savers and lockers that say so on the session bus,
// each with the same ActiveChanged(bool) signal and GetActive call.
struct Locker {
  const char* name;
  const char* path;
};
constexpr Locker kLockers[] = {
    {"org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver"},  // KDE, and others
    {"org.gnome.ScreenSaver", "/org/gnome/ScreenSaver"},              // GNOME, gnome-screensaver
    {"org.mate.ScreenSaver", "/org/mate/ScreenSaver"},                // mate-screensaver
    {"org.cinnamon.ScreenSaver", "/org/cinnamon/ScreenSaver"},        // Cinnamon
    {"org.xfce.ScreenSaver", "/org/xfce/ScreenSaver"},                // xfce4-screensaver
};
#endif

class SightWatch : public QObject, public QAbstractNativeEventFilter {
  Q_OBJECT

 public:
  SightWatch(QObject* owner, std::function<void(bool)> changed) : QObject(owner), changed_(std::move(changed)) {
#ifdef TINTWATCH_HAVE_XCB_BLANK
    if (xcb_connection_t* connection = x11::Connection()) {
      x11_ = std::make_unique<x11::BlankEvents>(connection);
      if (x11_->Watching()) {
        QCoreApplication::instance()->installNativeEventFilter(this);
      } else {
        x11_.reset();
      }
    }
#endif
#ifdef TINTWATCH_HAVE_QTDBUS
    if (SessionBusAnswered()) WatchLockers();
#endif
#ifdef Q_OS_WIN
    windows_ = std::make_unique<win32::DisplayWatch>(
        [this](unsigned long state) { Set(ScreenSight::DisplayOff, DisplayDark(state)); },
        [this](bool locked) { Set(ScreenSight::SessionLocked, locked); });
#endif
  }
  ~SightWatch() override {
#ifdef TINTWATCH_HAVE_XCB_BLANK
    if (x11_) QCoreApplication::instance()->removeNativeEventFilter(this);
#endif
  }

  // After the constructor, so that a screen already dark at the start is told.
  void TellInitial() {
#ifdef TINTWATCH_HAVE_XCB_BLANK
    if (x11_) {
      for (const x11::SightChange& change : x11_->Initial()) Set(change.reason, change.unseen);
    }
#endif
  }

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
#ifdef TINTWATCH_HAVE_XCB_BLANK
    if (x11_ && type == "xcb_generic_event_t") {
      if (const auto change = x11_->Take(static_cast<const xcb_generic_event_t*>(message))) {
        Set(change->reason, change->unseen);
      }
    }
#else
    Q_UNUSED(type)
    Q_UNUSED(message)
#endif
    return false;  // the toolkit sees every event as before
  }

#ifdef TINTWATCH_HAVE_QTDBUS
 public slots:
  void LockerActiveChanged(bool active, const QDBusMessage& message) { LockerSays(message.service(), active); }
#endif

 private:
  void Set(ScreenSight::Reason reason, bool unseen) {
    if (sight_.Set(reason, unseen)) changed_(sight_.Seen());
  }

#ifdef TINTWATCH_HAVE_QTDBUS
  // Each locker that says it is active, by its own connection's name: the
  // screen is dark while one is, and a locker that ends (or crashes) without
  // saying it is done no longer counts.
  void LockerSays(const QString& sender, bool active) {
    if (sender.isEmpty()) return;
    if (active) {
      if (!activeLockers_.contains(sender)) {
        activeLockers_.insert(sender);
        lockersGone_->addWatchedService(sender);
        // Gone already, before the watch began: asked once.
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
        call << sender;
        auto* watcher = new QDBusPendingCallWatcher(lockersGone_->connection().asyncCall(call), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, sender](QDBusPendingCallWatcher* answer) {
          const QDBusPendingReply<bool> reply = *answer;
          if (reply.isValid() && !reply.value()) LockerSays(sender, false);
          answer->deleteLater();
        });
      }
    } else {
      activeLockers_.remove(sender);
      lockersGone_->removeWatchedService(sender);
    }
    Set(ScreenSight::Locker, !activeLockers_.isEmpty());
  }

  void WatchLockers() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    lockersGone_ = new QDBusServiceWatcher(QString(), bus, QDBusServiceWatcher::WatchForUnregistration, this);
    connect(lockersGone_, &QDBusServiceWatcher::serviceUnregistered, this,
            [this](const QString& sender) { LockerSays(sender, false); });
    for (const Locker& locker : kLockers) {
      // From whoever sends it: a desktop's locker may own the name late.
      bus.connect(QString(), QString(), QString::fromLatin1(locker.name), QStringLiteral("ActiveChanged"), this,
                  SLOT(LockerActiveChanged(bool, QDBusMessage)));
      // A locker already active at the start; none is started for asking.
      QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(locker.name),
                                                         QString::fromLatin1(locker.path),
                                                         QString::fromLatin1(locker.name), QStringLiteral("GetActive"));
      call.setAutoStartService(false);
      auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
      connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* answer) {
        const QDBusPendingReply<bool> reply = *answer;
        if (reply.isValid() && reply.value()) LockerSays(reply.reply().service(), true);
        answer->deleteLater();
      });
    }
  }
#endif

  std::function<void(bool)> changed_;
  ScreenSight sight_;
#ifdef TINTWATCH_HAVE_XCB_BLANK
  std::unique_ptr<x11::BlankEvents> x11_;
#endif
#ifdef TINTWATCH_HAVE_QTDBUS
  QSet<QString> activeLockers_;
  QDBusServiceWatcher* lockersGone_ = nullptr;
#endif
#ifdef Q_OS_WIN
  std::unique_ptr<win32::DisplayWatch> windows_;
#endif
};

}  // namespace

void WhenScreenSeenChanges(QObject* owner, std::function<void(bool seen)> changed) {
  auto* watch = new SightWatch(owner, std::move(changed));
  watch->TellInitial();
}

}  // namespace tintwatch

// Generated in the build folder, not a file of the tree.
#include <ScreenBlank.moc>
