#pragma once

#include <cstdint>
#include <string>

namespace tintwatch {

// The hue check test's program-wide state, shared by the clock window and
// the Tester dialog.
struct HueTestState {
  bool TestActive = false;
  std::int16_t HueStep = 0;     // 30, 12 or 6 degrees; 0 before the first set-up
  std::int16_t PauseAfter = 0;  // 99: no pauses
  std::string ResultText;       // empty: no result to show
};

}  // namespace tintwatch
