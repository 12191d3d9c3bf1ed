#pragma once

namespace tintwatch {

// An interval timer as the program relies on it: an interval of 0 means no
// ticks, setting the interval restarts the countdown, and ticks come only
// while the timer is enabled. Apart from those, it can be put asleep while
// nobody can see the clock: interval and enabled flag stay as they are, and
// on waking it counts down afresh from then.
class IntervalTimer {
 public:
  virtual ~IntervalTimer() = default;
  virtual void SetInterval(int milliseconds) = 0;
  virtual int Interval() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
  virtual void SetAsleep(bool asleep) = 0;
  virtual bool Asleep() const = 0;
};

}  // namespace tintwatch
