#include "clock/TimeSource.h"

#include <algorithm>
#include <chrono>
#include <ctime>

namespace tintwatch {

LocalTime SystemTimeSource::Now() const {
  // The zone in force now, not the one read at start: a laptop that travels
  // or a user who picks another zone expects the next tick to follow. The
  // reentrant conversions keep the zone they first loaded; tzset looks again
  // (glibc only compares the zone file's status; TZ, when set, still rules).
#ifdef _WIN32
  _tzset();
#else
  tzset();
#endif
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return {local.tm_hour, local.tm_min, std::min(local.tm_sec, 59)};
}

std::int64_t SystemTimeSource::EpochMilliseconds() const {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace tintwatch
