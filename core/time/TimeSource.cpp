#include "core/time/TimeSource.h"

#include <algorithm>
#include <chrono>
#include <ctime>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace tintwatch {

namespace {

// Whole seconds of a reading, floored so that a time before the epoch falls
// in its own second too.
std::int64_t FlooredSeconds(std::int64_t milliseconds) {
  return milliseconds / 1000 - (milliseconds % 1000 < 0 ? 1 : 0);
}

}  // namespace

std::int64_t SystemTimeSource::EpochMilliseconds() const {
#ifdef _WIN32
  // The precise system time: the ordinary one moves in steps of the
  // scheduler's tick (about 16 ms), which would start a tick in the second
  // that has just ended.
  FILETIME now{};
  GetSystemTimePreciseAsFileTime(&now);
  const std::int64_t ticks = (static_cast<std::int64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  constexpr std::int64_t kEpochIn100ns = 116444736000000000;  // 1601-01-01 to 1970-01-01
  return (ticks - kEpochIn100ns) / 10000;
#else
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
#endif
}

LocalTime SystemTimeSource::LocalAt(std::int64_t epochMilliseconds) const {
  // The zone in force now, not the one read at start: a laptop that travels
  // or a user who picks another zone expects the next tick to follow. The
  // reentrant conversions keep the zone they first loaded; tzset looks again
  // (glibc only compares the zone file's status; TZ, when set, still rules).
#ifdef _WIN32
  _tzset();
#else
  tzset();
#endif
  const auto seconds = static_cast<std::time_t>(FlooredSeconds(epochMilliseconds));
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &seconds);
#else
  localtime_r(&seconds, &local);
#endif
  return {local.tm_hour, local.tm_min, std::min(local.tm_sec, 59)};
}

LocalTime FixedTimeSource::LocalAt(std::int64_t epochMilliseconds) const {
  std::int64_t second = FlooredSeconds(epochMilliseconds) % 86400;
  if (second < 0) second += 86400;
  return {static_cast<int>(second / 3600), static_cast<int>(second / 60 % 60), static_cast<int>(second % 60)};
}

}  // namespace tintwatch
