#pragma once

#include <cstdint>

namespace tintwatch {

struct LocalTime {
  int hour = 0;    // 0..23
  int minute = 0;  // 0..59
  int second = 0;  // 0..59 (a leap second reads as 59)
};

// The present local time; tests put a fixed one in its place.
//
// There is one clock: the precise wall clock in milliseconds. The local time
// is that reading split in the zone in force, so a tick that was aimed at a
// second by one reading draws that very second; a second, coarser clock (the
// kernel's `time()` trails the precise one by a few milliseconds) would show
// the second that has just ended.
class TimeSource {
 public:
  virtual ~TimeSource() = default;
  // The wall clock in milliseconds since the epoch: what the ticks keep step with.
  virtual std::int64_t EpochMilliseconds() const = 0;
  // A reading of EpochMilliseconds as the local hour, minute and second.
  virtual LocalTime LocalAt(std::int64_t epochMilliseconds) const = 0;
  LocalTime Now() const { return LocalAt(EpochMilliseconds()); }
};

class SystemTimeSource : public TimeSource {
 public:
  std::int64_t EpochMilliseconds() const override;
  LocalTime LocalAt(std::int64_t epochMilliseconds) const override;
};

// A clock standing still at `time` on the epoch's first day, `milliseconds`
// into its second; its local time is its own time of day, whatever the zone.
class FixedTimeSource : public TimeSource {
 public:
  explicit FixedTimeSource(LocalTime time) : time(time) {}
  std::int64_t EpochMilliseconds() const override {
    return ((time.hour * 60LL + time.minute) * 60 + time.second) * 1000 + milliseconds;
  }
  LocalTime LocalAt(std::int64_t epochMilliseconds) const override;
  LocalTime time;
  int milliseconds = 0;
};

}  // namespace tintwatch
