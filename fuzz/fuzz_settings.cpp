#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/ClockSettings.h"

using tintwatch::ClockSettings;

static bool Same(const ClockSettings& a, const ClockSettings& b) {
  return a.ClockType == b.ClockType && a.TickRate == b.TickRate && a.SmoothRunning == b.SmoothRunning &&
         a.SatMax == b.SatMax && a.SatMin == b.SatMin && a.BriMax == b.BriMax && a.BriMin == b.BriMin;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ClockSettings settings;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto extras = tintwatch::ReadSettings(text, settings);
  if (!extras) {
    // The failure path never invents flags: smooth running needs all eleven.
    if (settings.SmoothRunning) std::abort();
    return 0;
  }
  // A successful load must survive being written and read again unchanged
  // (positions of more than seven digits aside).
  if (extras->Left > -10000000 && extras->Left < 10000000 && extras->Top > -10000000 &&
      extras->Top < 10000000) {
    const std::string line = tintwatch::FormatSettingsLine(static_cast<float>(extras->Left),
                                                           static_cast<float>(extras->Top), settings,
                                                           extras->ExpertMode, extras->WhiteBackground);
    ClockSettings again;
    const auto reread = tintwatch::ReadSettings(line, again);
    if (!reread || !Same(again, settings) || reread->Left != extras->Left || reread->Top != extras->Top ||
        reread->ExpertMode != extras->ExpertMode || reread->WhiteBackground != extras->WhiteBackground) {
      std::abort();
    }
  }
  return 0;
}
