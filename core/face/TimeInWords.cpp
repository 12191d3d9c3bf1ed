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

std::string FillIn(std::string_view phrase, std::initializer_list<std::string_view> words) {
  std::string text;
  text.reserve(phrase.size());
  for (std::size_t i = 0; i < phrase.size(); ++i) {
    const char c = phrase[i];
    if (c == '%' && i + 1 < phrase.size() && phrase[i + 1] >= '1' && phrase[i + 1] <= '9') {
      const auto number = static_cast<std::size_t>(phrase[i + 1] - '1');
      if (number < words.size()) {
        text += *(words.begin() + number);
        ++i;
        continue;
      }
    }
    text += c;
  }
  return text;
}

std::size_t HueIndex(int position) {
  const int p = std::clamp(position, 0, 359);
  return static_cast<std::size_t>((p + 14) / 30 % 12);
}

const char* HueName(int position) { return kHueNames[HueIndex(position)]; }

std::string ColourWords(int position, int saturation, int brilliance, const ColourWording& words) {
  // Levels beyond 0..100 (unchecked from the settings file) fall on the
  // words of the nearest end, as the converter clamps them.
  const int s = saturation;
  const int b = brilliance;
  if (b <= kNoHue) return words.black;
  if (s <= kNoHue) return b >= kWhiteFrom ? words.white : b < kDarkBelow ? words.darkGrey : words.grey;
  const bool pale = s < kPaleBelow;
  const bool dark = b < kDarkBelow;
  const std::string& hue = words.hues[HueIndex(position)];
  if (!pale && !dark) return hue;
  return FillIn(pale && dark ? words.dull : pale ? words.pale : words.dark, {hue});
}

std::string HandColourWords(const ClockFace& face, const ColourWording& words) {
  if (face.FaceType < 0 || face.FaceType > 2) return {};
  const int s = face.Saturation();
  const int b = face.Brilliance();
  return FillIn(words.hands, {ColourWords(face.HourPosition(), s, b, words), ColourWords(face.MinutePosition(), s, b, words),
                              ColourWords(face.SecondPosition(), s, b, words)});
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
