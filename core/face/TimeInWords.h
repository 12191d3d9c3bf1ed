#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/face/ClockFace.h"

namespace tintwatch {

// Twelve hue names, 30 degrees apart, from red at 12 o'clock clockwise.
inline constexpr std::array<const char*, 12> kHueNames = {"red",  "orange", "yellow", "lime",   "green",   "jade",
                                                          "cyan", "azure",  "blue",   "violet", "magenta", "rose"};

// The name nearest a wheel position (clamped to 0..359 as the converter
// does); halfway between two goes to the earlier one.
const char* HueName(int position);

// A wheel position's colour at these levels (percent) in
// words: the hue's name, with "pale" below half saturation, "dark" below
// 60 % brilliance, "dull" for both; "black" at 10 % brilliance or less;
// "white", "grey" or "dark grey" at 10 % saturation or less.
std::string ColourWords(int position, int saturation, int brilliance);

// The colours of the hands as the face's last drawing showed them:
// "hour lime, minute violet, second azure". Empty for a face type that
// draws no hands.
std::string HandColourWords(const ClockFace& face);

// A time format in Qt's letters with the seconds put after the minutes,
// with the separator that comes before the minutes ("h:mm AP" gives
// "h:mm:ss AP"); a format that has seconds, or no minutes, is kept.
std::string WithSeconds(std::string_view format);

}  // namespace tintwatch
