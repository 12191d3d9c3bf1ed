#include "core/time/SystemClock.h"

#include <chrono>

namespace tintwatch::system_clock {

std::int64_t EpochMilliseconds() {
  using std::chrono::duration_cast, std::chrono::milliseconds;
  return duration_cast<milliseconds>(std::chrono::system_clock::now().time_since_epoch()).count();
}

std::tm LocalTime(std::time_t seconds) {
  // The zone in force now, not the one read at start: a laptop that travels
  // or a user who picks another zone expects the next tick to follow. The
  // reentrant conversion keeps the zone it first loaded; tzset looks again
  // (glibc only compares the zone file's status; TZ, when set, still rules).
  tzset();
  std::tm local{};
  localtime_r(&seconds, &local);
  return local;
}

}  // namespace tintwatch::system_clock
