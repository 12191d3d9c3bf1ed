#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <functional>

#include "app/IntervalTimer.h"

namespace tintwatch {

// The program's timer over QTimer: precise, restarted by every interval
// change, silent at interval 0 or while disabled.
class QtIntervalTimer : public IntervalTimer {
 public:
  explicit QtIntervalTimer(std::function<void()> tick);

  void SetInterval(int milliseconds) override;
  int Interval() const override { return interval_; }
  void SetEnabled(bool enabled) override;
  bool Enabled() const override { return enabled_; }
  // Whether a tick is on its way (for tests).
  bool Running() const { return timer_.isActive(); }
  // Milliseconds since the countdown last started.
  double SinceStart() const { return started_.nsecsElapsed() / 1e6; }

 private:
  void Restart();

  QTimer timer_;
  QElapsedTimer started_;
  int interval_ = 0;
  bool enabled_ = true;
};

}  // namespace tintwatch
