#pragma once

#include <cstdint>
#include <cstring>
#include <optional>

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

// DPMS 1.2's InfoNotify, from the 32 bytes of an X generic event as the
// server sends it (its own byte order, which is the client's): whether it is
// one for the extension of OPCODE, and the monitor's power level and DPMS's
// enabled flag it carries. Bytes: type 35, extension, sequence (2), length
// (4), evtype 0 (2), pad (2), timestamp (4), power level (2), state (1).
struct DpmsInfo {
  int powerLevel;
  bool enabled;
};
inline std::optional<DpmsInfo> DpmsInfoNotify(const std::uint8_t* event, std::uint8_t opcode) {
  constexpr std::uint8_t kGenericEvent = 35;
  constexpr std::uint16_t kInfoNotify = 0;
  if ((event[0] & 0x7f) != kGenericEvent || event[1] != opcode) return std::nullopt;
  std::uint16_t evtype = 0;
  std::uint16_t level = 0;
  std::memcpy(&evtype, event + 8, 2);
  std::memcpy(&level, event + 16, 2);
  if (evtype != kInfoNotify) return std::nullopt;
  return DpmsInfo{level, event[18] != 0};
}

// The X screen saver's state (MIT-SCREEN-SAVER): On (1) and Cycle (2) cover
// the screen; Off (0) and Disabled (3) do not.
inline bool SaverCovers(int state) { return state == 1 || state == 2; }

// Windows' console display state: off (0); on (1) and dimmed (2) can be seen.
inline bool DisplayDark(unsigned long state) { return state == 0; }

}  // namespace tintwatch
