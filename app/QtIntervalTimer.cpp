#include "app/QtIntervalTimer.h"

namespace tintwatch {

QtIntervalTimer::QtIntervalTimer(std::function<void()> tick) {
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, std::move(tick));
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

void QtIntervalTimer::Restart() {
  timer_.stop();
  if (enabled_ && interval_ > 0) {
    timer_.start(interval_);
    started_.start();
  }
}

}  // namespace tintwatch
