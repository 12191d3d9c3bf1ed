#pragma once

#include <QTimer>
#include <cstdint>
#include <functional>

#include "core/huetest/IntervalTimer.h"

namespace tintwatch {

// The program's timer over QTimer: precise, restarted by every interval
// change, silent at interval 0, while disabled or while asleep.
//
// A clock's timer is paced by the wall clock: each tick is aimed just past
// the next multiple of the interval (every whole second, every fifth), so the
// face changes as the second begins, and each tick works out its next delay
// afresh, so neither drift nor a clock set by hand can put it out of step.
class QtIntervalTimer : public IntervalTimer {
 public:
  enum class Pace { Free, WallClock };
  using WallClock = std::function<std::int64_t()>;  // milliseconds since the epoch

  // A wall-clock pace needs the wall clock.
  explicit QtIntervalTimer(std::function<void()> tick, Pace pace = Pace::Free, WallClock wallClock = {});

  void SetInterval(int milliseconds) override;
  int Interval() const override { return interval_; }
  void SetEnabled(bool enabled) override;
  bool Enabled() const override { return enabled_; }
  void SetAsleep(bool asleep) override;
  bool Asleep() const override { return asleep_; }
  // Whether a tick is on its way, and in how many milliseconds (for tests).
  bool Running() const { return timer_.isActive(); }
  int ArmedDelay() const { return timer_.interval(); }
  // The wall-clock reading taken as the present tick fired, which aimed the
  // next one: the time that tick is to show.
  std::int64_t FiredAt() const { return firedAt_; }

 private:
  void Restart();
  void Arm(std::int64_t now);

  QTimer timer_;
  Pace pace_;
  WallClock wallClock_;
  std::int64_t firedAt_ = 0;
  int interval_ = 0;
  bool enabled_ = true;
  bool asleep_ = false;
};

}  // namespace tintwatch
