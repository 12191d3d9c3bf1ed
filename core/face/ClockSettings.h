#pragma once

#include <cstdint>

namespace tintwatch {

// The persistent settings, with their defaults. Values read from the file are
// kept as read (unchecked); only the Clock Options dialog limits them.
struct ClockSettings {
  std::int16_t ClockType = 0;  // 0 Hue, 1 RGB, 2 Lab, 3 a random one
  std::int16_t TickRate = 1;   // seconds: 1, 2 or 5
  bool SmoothRunning = false;
  std::int16_t SatMax = 100;
  std::int16_t SatMin = 100;
  std::int16_t BriMax = 100;
  std::int16_t BriMin = 100;
};

}  // namespace tintwatch
