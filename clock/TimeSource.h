#pragma once

#include <cstdint>

namespace tintwatch {

struct LocalTime {
  int hour = 0;    // 0..23
  int minute = 0;  // 0..59
  int second = 0;  // 0..59 (a leap second reads as 59)
};

// The present local time; tests put a fixed one in its place.
class TimeSource {
 public:
  virtual ~TimeSource() = default;
  virtual LocalTime Now() const = 0;
  // The wall clock in milliseconds since the epoch: what the ticks keep step with.
  virtual std::int64_t EpochMilliseconds() const = 0;
};

class SystemTimeSource : public TimeSource {
 public:
  LocalTime Now() const override;
  std::int64_t EpochMilliseconds() const override;
};

class FixedTimeSource : public TimeSource {
 public:
  explicit FixedTimeSource(LocalTime time) : time(time) {}
  LocalTime Now() const override { return time; }
  // The fixed time on the epoch's first day, `milliseconds` into its second.
  std::int64_t EpochMilliseconds() const override {
    return ((time.hour * 60LL + time.minute) * 60 + time.second) * 1000 + milliseconds;
  }
  LocalTime time;
  int milliseconds = 0;
};

}  // namespace tintwatch
