#include "qt/QtIntervalTimer.h"

#include "core/time/TickPhase.h"

namespace tintwatch {

QtIntervalTimer::QtIntervalTimer(std::function<void()> tick, Pace pace, WallClock wallClock)
    : pace_(pace), wallClock_(std::move(wallClock)) {
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setSingleShot(pace_ == Pace::WallClock);
  QObject::connect(&timer_, &QTimer::timeout, [this, tick = std::move(tick)] {
    // Re-armed before the handler runs, so that whatever the handler does to
    // the timer (stop it, change the interval) has the last word.
    if (pace_ == Pace::WallClock) {
      firedAt_ = wallClock_();
      Arm(firedAt_);
    }
    tick();
  });
}

void QtIntervalTimer::SetInterval(int milliseconds) {
  interval_ = milliseconds < 0 ? 0 : milliseconds;
  Restart();
}

void QtIntervalTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Restart();
}

void QtIntervalTimer::SetAsleep(bool asleep) {
  if (asleep == asleep_) return;
  asleep_ = asleep;
  Restart();
}

void QtIntervalTimer::Restart() {
  timer_.stop();
  if (enabled_ && interval_ > 0 && !asleep_) Arm(pace_ == Pace::WallClock ? wallClock_() : 0);
}

void QtIntervalTimer::Arm(std::int64_t now) {
  timer_.start(pace_ == Pace::WallClock ? DelayToNextBoundary(now, interval_) : interval_);
}

}  // namespace tintwatch
