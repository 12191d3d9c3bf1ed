#include "core/time/SystemClock.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace tintwatch::system_clock {

std::int64_t EpochMilliseconds() {
  // The precise system time: the ordinary one moves in steps of the
  // scheduler's tick (about 16 ms), which would start a tick in the second
  // that has just ended.
  FILETIME now{};
  GetSystemTimePreciseAsFileTime(&now);
  const std::int64_t ticks = (static_cast<std::int64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  constexpr std::int64_t kEpochIn100ns = 116444736000000000;  // 1601-01-01 to 1970-01-01
  return (ticks - kEpochIn100ns) / 10000;
}

std::tm LocalTime(std::time_t seconds) {
  // The zone in force now, not the one read at start (see the POSIX side).
  _tzset();
  std::tm local{};
  localtime_s(&local, &seconds);
  return local;
}

}  // namespace tintwatch::system_clock
