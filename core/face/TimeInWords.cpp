#include "core/face/TimeInWords.h"

#include <algorithm>

namespace tintwatch {

namespace {

// Below these levels no hue shows, or it shows pale or dark (percent).
constexpr int kNoHue = 10;
constexpr int kPaleBelow = 50;
constexpr int kDarkBelow = 60;
constexpr int kWhiteFrom = 90;

bool IsAsciiPunctuation(char c) {
  return (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') || (c >= '{' && c <= '~');
}

}  // namespace

const char* HueName(int position) {
  const int p = std::clamp(position, 0, 359);
  return kHueNames[static_cast<std::size_t>((p + 14) / 30 % 12)];
}

std::string ColourWords(int position, int saturation, int brilliance) {
  // Levels beyond 0..100 (unchecked from the settings file) fall on the
  // words of the nearest end, as the converter clamps them.
  const int s = saturation;
  const int b = brilliance;
  if (b <= kNoHue) return "black";
  if (s <= kNoHue) return b >= kWhiteFrom ? "white" : b < kDarkBelow ? "dark grey" : "grey";
  const bool pale = s < kPaleBelow;
  const bool dark = b < kDarkBelow;
  const char* level = pale && dark ? "dull " : pale ? "pale " : dark ? "dark " : "";
  return level + std::string(HueName(position));
}

std::string HandColourWords(const ClockFace& face) {
  if (face.FaceType < 0 || face.FaceType > 2) return {};
  const int s = face.Saturation();
  const int b = face.Brilliance();
  return "hour " + ColourWords(face.HourPosition(), s, b) + ", minute " + ColourWords(face.MinutePosition(), s, b) +
         ", second " + ColourWords(face.SecondPosition(), s, b);
}

std::string WithSeconds(std::string_view format) {
  bool quoted = false;
  std::size_t minutesEnd = std::string_view::npos;
  char separator = ':';
  for (std::size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    if (c == '\'') {
      quoted = !quoted;  // '' inside or outside quotes is a quote mark: toggled twice
      continue;
    }
    if (quoted) continue;
    if (c == 's') return std::string(format);
    if (c == 'm') {
      const std::size_t start = i;
      while (i + 1 < format.size() && format[i + 1] == 'm') ++i;
      minutesEnd = i + 1;
      separator = start > 0 && format[start - 1] != '\'' && IsAsciiPunctuation(format[start - 1]) ? format[start - 1]
                                                                                                   : ':';
    }
  }
  if (minutesEnd == std::string_view::npos) return std::string(format);
  std::string result(format.substr(0, minutesEnd));
  result += separator;
  result += "ss";
  result += format.substr(minutesEnd);
  return result;
}

}  // namespace tintwatch
