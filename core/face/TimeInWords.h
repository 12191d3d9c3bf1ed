#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/face/ClockFace.h"

namespace tintwatch {

// Twelve hue names, 30 degrees apart, from red at 12 o'clock clockwise.
inline constexpr std::array<const char*, 12> kHueNames = {"red",  "orange", "yellow", "lime",   "green",   "jade",
                                                          "cyan", "azure",  "blue",   "violet", "magenta", "rose"};

// The words the colours are told in. Whole phrases with numbered places
// (%1, %2, %3), so that a language can put its words in its own order and
// make them agree; the defaults are the English ones.
struct ColourWording {
  std::array<std::string, 12> hues{"red",  "orange", "yellow", "lime",   "green",   "jade",
                                   "cyan", "azure",  "blue",   "violet", "magenta", "rose"};
  // A hue's name goes in at %1.
  std::string pale = "pale %1";
  std::string dark = "dark %1";
  std::string dull = "dull %1";
  std::string black = "black";
  std::string white = "white";
  std::string grey = "grey";
  std::string darkGrey = "dark grey";
  // The hour's, the minute's and the second's colour.
  std::string hands = "hour %1, minute %2, second %3";
};

// `phrase` with %1..%9 replaced by the given words (in one pass: a word that
// holds "%2" stays as it is); a number with no word, and "%" before anything
// else, are kept as written.
std::string FillIn(std::string_view phrase, std::initializer_list<std::string_view> words);

// The name nearest a wheel position (clamped to 0..359 as the converter
// does); halfway between two goes to the earlier one.
const char* HueName(int position);
// Its place in kHueNames.
std::size_t HueIndex(int position);

// A wheel position's colour at these levels (percent) in
// words: the hue's name, with "pale" below half saturation, "dark" below
// 60 % brilliance, "dull" for both; "black" at 10 % brilliance or less;
// "white", "grey" or "dark grey" at 10 % saturation or less.
std::string ColourWords(int position, int saturation, int brilliance, const ColourWording& words = {});

// The colours of the hands as the face's last drawing showed them:
// "hour lime, minute violet, second azure". Empty for a face type that
// draws no hands.
std::string HandColourWords(const ClockFace& face, const ColourWording& words = {});

// A time format in Qt's letters with the seconds put after the minutes,
// with the separator that comes before the minutes ("h:mm AP" gives
// "h:mm:ss AP"); a format that has seconds, or no minutes, is kept.
std::string WithSeconds(std::string_view format);

}  // namespace tintwatch
