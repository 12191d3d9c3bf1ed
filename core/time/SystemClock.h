#pragma once

#include <cstdint>
#include <ctime>

// The operating system's clock and time zone: the only calls of the time
// layer that differ between systems, each system's in a file of its own
// (SystemClock_posix.cpp, SystemClock_win.cpp) that the build picks.
namespace tintwatch::system_clock {

// The precise wall clock, in milliseconds since the epoch.
std::int64_t EpochMilliseconds();

// SECONDS since the epoch as local time, in the zone in force now: the zone
// is looked up again at every call.
std::tm LocalTime(std::time_t seconds);

}  // namespace tintwatch::system_clock
