#include "platform/SessionBus.h"

#include <QAccessible>
#include <QGuiApplication>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/x11/SessionBus_x11.h"
#endif

namespace tintwatch {

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)

namespace {

using namespace std::chrono_literals;

// How long a bus has to answer; asked in the background, so only a bus that
// does not answer at all is ever waited for, and that only as long as the
// first window is held for it (below).
constexpr auto kBusAnswersWithin = 1000ms;
// How long after the start the first window waits, at the most, for a check
// not yet done: a bus that answers does so in well under a millisecond.
constexpr auto kFirstWindowWaitsAtMost = 100ms;

struct Check {
  std::mutex mutex;
  std::condition_variable done;
  std::optional<x11::BusAnswer> answer;
  std::chrono::steady_clock::time_point started;
  bool running = false;
};

Check& TheCheck() {
  static Check* check = new Check;  // outlives a thread still asking at exit
  return *check;
}

}  // namespace

void StartSessionBusCheck() {
  Check& check = TheCheck();
  check.started = std::chrono::steady_clock::now();
  check.running = true;
  // Read here, before any thread of the toolkit could change the environment.
  std::thread([&check, address = x11::SessionBusAddress()] {
    const x11::BusAnswer answer = x11::AskBus(address, kBusAnswersWithin);
    const std::lock_guard lock(check.mutex);
    check.answer = answer;
    check.done.notify_all();
  }).detach();
}

void KeepAccessibilityOffASilentBus() {
  Check& check = TheCheck();
  if (!check.running || QGuiApplication::platformName() != QLatin1String("xcb")) return;
  // A bus named for accessibility alone keeps the bridge off the session bus.
  if (qEnvironmentVariableIsSet("AT_SPI_BUS_ADDRESS")) return;
  std::optional<x11::BusAnswer> answer;
  {
    std::unique_lock lock(check.mutex);
    check.done.wait_until(lock, check.started + kFirstWindowWaitsAtMost, [&] { return check.answer.has_value(); });
    answer = check.answer;
  }
  if (answer == x11::BusAnswer::Answers || answer == x11::BusAnswer::Unchecked) return;
  // The bridge is made now against an address that fails without a word
  // sent, then the environment is put back for the programs the clock starts
  // (the browser of the help page).
  const bool had = qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS");
  const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
  qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
  QAccessible::isActive();
  if (had) {
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
  } else {
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
  }
}

bool SessionBusAnswered() {
  Check& check = TheCheck();
  if (!check.running) return false;
  const std::lock_guard lock(check.mutex);
  return check.answer == x11::BusAnswer::Answers || check.answer == x11::BusAnswer::Unchecked;
}

#else

// Elsewhere the bridge is the system's own (UI Automation on Windows) and
// waits on no bus.
void StartSessionBusCheck() {}
void KeepAccessibilityOffASilentBus() {}
bool SessionBusAnswered() { return false; }

#endif

}  // namespace tintwatch
