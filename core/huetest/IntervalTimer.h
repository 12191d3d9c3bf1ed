#pragma once

namespace tintwatch {

// An interval timer as the program relies on it: an interval of 0 means no
// ticks, setting the interval restarts the countdown, and ticks come only
// while the timer is enabled.
class IntervalTimer {
 public:
  virtual ~IntervalTimer() = default;
  virtual void SetInterval(int milliseconds) = 0;
  virtual int Interval() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
};

}  // namespace tintwatch
