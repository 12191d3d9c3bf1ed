#include "clock/TimeSource.h"

#include <algorithm>
#include <ctime>

namespace tintwatch {

LocalTime SystemTimeSource::Now() const {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return {local.tm_hour, local.tm_min, std::min(local.tm_sec, 59)};
}

}  // namespace tintwatch
