#pragma once

#include <cstdint>

#include "core/colour/ColorConverter.h"

namespace tintwatch {

// (L*, a*, b*), (X, Y, Z) or (hue, saturation, brightness), always in that order.
struct ColourTriple {
  double first = 0;
  double second = 0;
  double third = 0;
};

// Blue first, as the reverse chain hands its bytes back.
struct RGBBytes {
  std::uint8_t blue = 0;
  std::uint8_t green = 0;
  std::uint8_t red = 0;
};

PackedRGB PackedColour(const RGBBytes& bytes);

// The 16-bit split used by the hand colours.
void SplitRGB(PackedRGB RGBValue, std::int16_t& Red, std::int16_t& Green, std::int16_t& Blue);

// sRGB (D65) <-> CIE XYZ (white Y = 100) <-> CIE L*a*b*, with this program's
// constants. The two directions keep their own white points on purpose.
ColourTriple LabToXYZ(const ColourTriple& lab);
RGBBytes XYZToRGB(const ColourTriple& xyz);
ColourTriple ColorToHSB(PackedRGB colour);
ColourTriple RGBToXYZ(PackedRGB colour);
double SRGBToLinear(double c);
ColourTriple XYZToLab(const ColourTriple& xyz);
double LabPivot(double t);
bool SameTriple(const ColourTriple& a, const ColourTriple& b);

// The Color property: assigning a colour keeps its rounded L*, a*, b*.
class LabColour {
 public:
  void Color(PackedRGB clrValue);
  PackedRGB Color() const { return StoredColor; }

  std::int32_t StoredColor = 0;
  ColourTriple CurrentHSB;
  ColourTriple PreviousHSB;
  std::int16_t LabL = 0;
  std::int16_t LabA = 0;
  std::int16_t LabB = 0;
};

}  // namespace tintwatch
