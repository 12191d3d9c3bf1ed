#include "core/time/TimeSource.h"

#include <algorithm>
#include <ctime>

#include "core/time/SystemClock.h"

namespace tintwatch {

namespace {

// Whole seconds of a reading, floored so that a time before the epoch falls
// in its own second too.
std::int64_t FlooredSeconds(std::int64_t milliseconds) {
  return milliseconds / 1000 - (milliseconds % 1000 < 0 ? 1 : 0);
}

}  // namespace

std::int64_t SystemTimeSource::EpochMilliseconds() const { return system_clock::EpochMilliseconds(); }

LocalTime SystemTimeSource::LocalAt(std::int64_t epochMilliseconds) const {
  const std::tm local = system_clock::LocalTime(static_cast<std::time_t>(FlooredSeconds(epochMilliseconds)));
  return {local.tm_hour, local.tm_min, std::min(local.tm_sec, 59)};
}

LocalTime FixedTimeSource::LocalAt(std::int64_t epochMilliseconds) const {
  std::int64_t second = FlooredSeconds(epochMilliseconds) % 86400;
  if (second < 0) second += 86400;
  return {static_cast<int>(second / 3600), static_cast<int>(second / 60 % 60), static_cast<int>(second % 60)};
}

}  // namespace tintwatch
