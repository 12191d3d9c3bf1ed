#pragma once

#include <cstdint>
#include <string>

namespace tintwatch {

// red + 256 * green + 65536 * blue: the program's one colour format.
using PackedRGB = std::int32_t;
// hue * 65536 + saturation * 256 + brightness.
using PackedHSB = std::int32_t;

// Stateless converter between packed RGB and packed HSB. Every component is
// clamped on the way in, so any 32-bit input gives a valid colour.
class ColorConverter {
 public:
  std::string RGBAsString(PackedRGB RGBValue) const;
  std::string HSBAsString(PackedHSB HSBValue) const;
  PackedRGB RGBToLong(std::int32_t Red, std::int32_t Green, std::int32_t Blue) const;
  PackedHSB HSBToLong(std::int32_t Hue, std::int32_t Saturation, std::int32_t Brightness) const;
  std::int32_t Red(PackedRGB RGBValue) const;
  std::int32_t Green(PackedRGB RGBValue) const;
  std::int32_t Blue(PackedRGB RGBValue) const;
  std::int32_t Hue(PackedHSB HSBValue) const;
  std::int32_t Saturation(PackedHSB HSBValue) const;
  std::int32_t Brightness(PackedHSB HSBValue) const;
  void SplitRGB(PackedRGB RGBValue, std::int32_t& Red, std::int32_t& Green, std::int32_t& Blue) const;
  void SplitHSB(PackedHSB HSBValue, std::int32_t& Hue, std::int32_t& Saturation,
                std::int32_t& Brightness) const;
  PackedRGB HSBToRGB(PackedHSB HSBValue) const;
  PackedHSB RGBToHSB(PackedRGB RGBValue) const;

 private:
  static std::int32_t Clamp(std::int32_t& value, std::int32_t low, std::int32_t high);
};

}  // namespace tintwatch
