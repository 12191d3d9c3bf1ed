#include "clock/TimeSource.h"

#include <algorithm>
#include <chrono>
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

std::int64_t SystemTimeSource::EpochMilliseconds() const {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace tintwatch
