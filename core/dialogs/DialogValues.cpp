#include "core/dialogs/DialogValues.h"

#include <algorithm>
#include <limits>

#include "core/colour/WholeNumber.h"

namespace tintwatch {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::int16_t Level(std::int16_t value) {
  if (value > 100) return 100;
  if (value < 10) return 10;
  return value;
}

std::int16_t LevelFrom(const std::string& text, std::int16_t old) { return Level(DialogNumber(text).value_or(old)); }

}  // namespace

std::optional<std::int16_t> DialogNumber(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return ReadWholeNumber<std::int16_t>(text);
}

OptionsForm FillOptions(const ClockSettings& settings) {
  OptionsForm form;
  if (settings.ClockType >= 0 && settings.ClockType <= 2) form.clockType = settings.ClockType;
  form.satMax = std::to_string(settings.SatMax);
  form.satMin = std::to_string(settings.SatMin);
  form.briMax = std::to_string(settings.BriMax);
  form.briMin = std::to_string(settings.BriMin);
  form.smoothRunning = settings.SmoothRunning;
  if (settings.TickRate == 1 || settings.TickRate == 2 || settings.TickRate == 5) form.tickRate = settings.TickRate;
  return form;
}

void TakeOptions(const OptionsForm& form, ClockSettings& settings) {
  if (form.clockType >= 0) settings.ClockType = static_cast<std::int16_t>(form.clockType);
  settings.SmoothRunning = form.smoothRunning;
  if (form.tickRate > 0) settings.TickRate = static_cast<std::int16_t>(form.tickRate);
  settings.SatMax = LevelFrom(form.satMax, settings.SatMax);
  settings.SatMin = std::min(LevelFrom(form.satMin, settings.SatMin), settings.SatMax);
  settings.BriMax = LevelFrom(form.briMax, settings.BriMax);
  settings.BriMin = std::min(LevelFrom(form.briMin, settings.BriMin), settings.BriMax);
}

TesterForm FillTester(const HueTestState& state) {
  TesterForm form;
  if (state.HueStep == 12) form.changes = 30;
  if (state.HueStep == 6) form.changes = 60;
  form.pause = std::to_string(state.PauseAfter == 99 ? 0 : state.PauseAfter);
  return form;
}

void TakeTester(const TesterForm& form, HueTestState& state) {
  state.HueStep = form.changes == 30 ? 12 : form.changes == 60 ? 6 : 30;
  std::int16_t pause = DialogNumber(form.pause).value_or(0);
  if (pause == -1 || pause == std::numeric_limits<std::int16_t>::max()) pause = 0;
  state.PauseAfter = pause == 0 ? 99 : pause;
  state.TestActive = true;
}

}  // namespace tintwatch
