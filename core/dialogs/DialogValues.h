#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/face/ClockSettings.h"
#include "core/huetest/HueTestState.h"

namespace tintwatch {

// A number typed into a dialog: blanks around it allowed, a fraction rounded
// to the nearest whole number (ties to even), 16 bits. Anything else (empty,
// not a number, out of range) is no number at all.
std::optional<std::int16_t> DialogNumber(std::string_view text);

// What the Clock Options dialog shows and what the user left in it.
struct OptionsForm {
  int clockType = -1;  // 0 Hue, 1 RGB, 2 Lab; -1 none selected
  int tickRate = -1;   // 1, 2 or 5; -1 none selected
  bool smoothRunning = false;
  std::string satMax, satMin, briMax, briMin;
};

OptionsForm FillOptions(const ClockSettings& settings);
// OK: the form into the settings, in the dialog's order, each level limited
// to 10..100 and each minimum to its maximum. A level box without a number
// keeps that level's old value, under the same limits.
void TakeOptions(const OptionsForm& form, ClockSettings& settings);

// The hue check test's set-up dialog.
struct TesterForm {
  int changes = 12;  // 12, 30 or 60: the selected option
  std::string pause;
};

TesterForm FillTester(const HueTestState& state);
// OK: the step and the pause number into the state, and the test armed. A
// pause text that is no usable number (-1 and 32767 would break the pause
// arithmetic) counts as 0, no pauses.
void TakeTester(const TesterForm& form, HueTestState& state);

}  // namespace tintwatch
