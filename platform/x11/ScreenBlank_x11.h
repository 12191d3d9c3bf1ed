#pragma once

// What the X server says of its screen being seen: its own screen saver
// (MIT-SCREEN-SAVER's notify event) and the monitor's power (DPMS 1.2's
// InfoNotify). Both come as events; nothing here asks at intervals.
#include <xcb/xcb.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "core/window/ScreenSight.h"

namespace tintwatch::x11 {

struct SightChange {
  ScreenSight::Reason reason;
  bool unseen;
};

class BlankEvents {
 public:
  // Asks CONNECTION's server for the events on the first screen, where it
  // has the extensions; the state they start from is in Initial().
  explicit BlankEvents(xcb_connection_t* connection);

  bool Watching() const { return saverEvent_ != 0 || dpmsOpcode_ != 0; }
  const std::vector<SightChange>& Initial() const { return initial_; }
  // The change one of its events tells; nothing for any other event.
  std::optional<SightChange> Take(const xcb_generic_event_t* event) const;

 private:
  std::uint8_t saverEvent_ = 0;  // the screen saver's notify event code; 0 without it
  std::uint8_t dpmsOpcode_ = 0;  // DPMS's major opcode where the server sends InfoNotify
  std::vector<SightChange> initial_;
};

}  // namespace tintwatch::x11
