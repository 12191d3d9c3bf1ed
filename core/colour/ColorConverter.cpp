#include "core/colour/ColorConverter.h"

#include <cmath>

#include "core/colour/HueSector.h"
#include "core/colour/Rounding.h"

namespace tintwatch {

namespace {

std::string JoinThree(std::int32_t a, std::int32_t b, std::int32_t c) {
  return std::to_string(a) + ", " + std::to_string(b) + ", " + std::to_string(c);
}

// The conversion's intermediates are single precision on purpose: their
// rounding decides results such as brightness 30 giving 77 rather than 76.
float Single(double value) { return static_cast<float>(value); }

std::int32_t ChannelByte(float channel) {
  // float * 255 is exact in double, so the rounding sees the float's true value.
  return RoundToInt32(static_cast<double>(channel) * 255.0);
}

}  // namespace

std::int32_t ColorConverter::Clamp(std::int32_t& value, std::int32_t low, std::int32_t high) {
  if (value < low) value = low;
  if (value > high) value = high;
  return value;
}

std::string ColorConverter::RGBAsString(PackedRGB RGBValue) const {
  std::int32_t r = 0, g = 0, b = 0;
  SplitRGB(RGBValue, r, g, b);
  return JoinThree(r, g, b);
}

std::string ColorConverter::HSBAsString(PackedHSB HSBValue) const {
  std::int32_t h = 0, s = 0, b = 0;
  SplitHSB(HSBValue, h, s, b);
  return JoinThree(h, s, b);
}

PackedRGB ColorConverter::RGBToLong(std::int32_t Red, std::int32_t Green, std::int32_t Blue) const {
  Clamp(Red, 0, 255);
  Clamp(Green, 0, 255);
  Clamp(Blue, 0, 255);
  return Red + 256 * Green + 65536 * Blue;
}

PackedHSB ColorConverter::HSBToLong(std::int32_t Hue, std::int32_t Saturation,
                                    std::int32_t Brightness) const {
  Clamp(Hue, 0, 359);
  Clamp(Saturation, 0, 100);
  Clamp(Brightness, 0, 100);
  return (Hue << 16) | (Saturation << 8) | Brightness;
}

std::int32_t ColorConverter::Red(PackedRGB RGBValue) const { return RGBValue & 255; }
std::int32_t ColorConverter::Green(PackedRGB RGBValue) const { return (RGBValue >> 8) & 255; }
std::int32_t ColorConverter::Blue(PackedRGB RGBValue) const { return (RGBValue >> 16) & 255; }

std::int32_t ColorConverter::Hue(PackedHSB HSBValue) const {
  std::int32_t hue = HSBValue / 65536;  // truncates toward zero
  return Clamp(hue, 0, 359);
}

std::int32_t ColorConverter::Saturation(PackedHSB HSBValue) const {
  std::int32_t saturation = (HSBValue >> 8) & 255;
  return Clamp(saturation, 0, 100);
}

std::int32_t ColorConverter::Brightness(PackedHSB HSBValue) const {
  std::int32_t brightness = HSBValue & 255;
  return Clamp(brightness, 0, 100);
}

void ColorConverter::SplitRGB(PackedRGB RGBValue, std::int32_t& Red_, std::int32_t& Green_,
                              std::int32_t& Blue_) const {
  Red_ = Red(RGBValue);
  Green_ = Green(RGBValue);
  Blue_ = Blue(RGBValue);
}

void ColorConverter::SplitHSB(PackedHSB HSBValue, std::int32_t& Hue_, std::int32_t& Saturation_,
                              std::int32_t& Brightness_) const {
  Hue_ = Hue(HSBValue);
  Saturation_ = Saturation(HSBValue);
  Brightness_ = Brightness(HSBValue);
}

PackedRGB ColorConverter::HSBToRGB(PackedHSB HSBValue) const {
  std::int32_t H = 0, S = 0, B = 0;
  SplitHSB(HSBValue, H, S, B);
  if (S < 1) {
    const std::int32_t level = RoundToInt32(static_cast<double>(B * 255) / 100.0);
    return RGBToLong(level, level, level);
  }
  const float h = Single(H / 60.0);
  const float v = Single(B / 100.0);
  const float s = Single(S / 100.0);
  const auto i = static_cast<std::int32_t>(std::floor(h));
  const float f = Single(static_cast<double>(h) - i);
  const float p = Single((1.0 - s) * static_cast<double>(v));
  const float q = Single((1.0 - static_cast<double>(s) * f) * static_cast<double>(v));
  const float t = Single((1.0 - (1.0 - static_cast<double>(f)) * s) * static_cast<double>(v));
  float red = 0, green = 0, blue = 0;
  switch (i) {
    case 0: red = v; green = t; blue = p; break;
    case 1: red = q; green = v; blue = p; break;
    case 2: red = p; green = v; blue = t; break;
    case 3: red = p; green = q; blue = v; break;
    case 4: red = t; green = p; blue = v; break;
    default: red = v; green = p; blue = q; break;
  }
  return RGBToLong(ChannelByte(red), ChannelByte(green), ChannelByte(blue));
}

PackedHSB ColorConverter::RGBToHSB(PackedRGB RGBValue) const {
  std::int32_t R = 0, G = 0, B = 0;
  SplitRGB(RGBValue, R, G, B);
  const ChannelRange range = RangeOf(R, G, B);
  const std::int32_t max = range.max;
  const std::int32_t delta = range.delta();
  const std::int32_t brightness = RoundToInt32(static_cast<double>(max * 100) / 255.0);
  std::int32_t hue = 0;
  std::int32_t saturation = 0;
  if (max > 0) {
    saturation = RoundToInt32(static_cast<double>(delta) / max * 100.0);
    if (delta > 0) {
      // Held as a float: its rounding decides ties such as (200, 81, 80).
      const float x = Single(HueSector(R, G, B, range));
      hue = RoundToInt32(static_cast<double>(x) * 60.0);
      if (hue < 0) hue += 360;
    }
  }
  return HSBToLong(hue, saturation, brightness);
}

}  // namespace tintwatch
