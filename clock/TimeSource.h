#pragma once

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
};

class SystemTimeSource : public TimeSource {
 public:
  LocalTime Now() const override;
};

class FixedTimeSource : public TimeSource {
 public:
  explicit FixedTimeSource(LocalTime time) : time(time) {}
  LocalTime Now() const override { return time; }
  LocalTime time;
};

}  // namespace tintwatch
