#pragma once

#include <cstdint>

namespace tintwatch {

// Whether anybody can see the screen, from every source that says it cannot:
// while one of them says so, a clock has nothing to draw for.
class ScreenSight {
 public:
  enum Reason : std::uint8_t {
    ScreenSaver = 1,    // the X server's own screen saver is on
    MonitorOff = 2,     // the monitor's power is down (standby, suspend, off)
    Locker = 4,         // the desktop's screen saver or locker, from the session bus
    DisplayOff = 8,     // Windows: the console's display is off
    SessionLocked = 16  // Windows: the session is locked
  };

  // True when this changed whether the screen is seen.
  bool Set(Reason reason, bool unseen) {
    const bool before = Seen();
    reasons_ = static_cast<std::uint8_t>(unseen ? reasons_ | reason : reasons_ & ~reason);
    return Seen() != before;
  }
  bool Seen() const { return reasons_ == 0; }

 private:
  std::uint8_t reasons_ = 0;
};

// DPMS: a monitor is dark at every power level but On (0) while DPMS is
// enabled; disabled, the server never powers it down.
inline bool MonitorDark(int powerLevel, bool dpmsEnabled) { return dpmsEnabled && powerLevel != 0; }

// The X screen saver's state (MIT-SCREEN-SAVER): On (1) and Cycle (2) cover
// the screen; Off (0) and Disabled (3) do not.
inline bool SaverCovers(int state) { return state == 1 || state == 2; }

// Windows' console display state: off (0); on (1) and dimmed (2) can be seen.
inline bool DisplayDark(unsigned long state) { return state == 0; }

}  // namespace tintwatch
