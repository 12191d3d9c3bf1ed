#include "core/colour/LabColour.h"

#include <cmath>

#include "core/colour/HueSector.h"
#include "core/colour/Rounding.h"

namespace tintwatch {

namespace {

// The platform's colour translation only matters for system-colour
// references, which this program never passes: plain RGB goes through as is.
void TranslatedBytes(PackedRGB colour, int& r, int& g, int& b) {
  r = colour & 255;
  g = (colour >> 8) & 255;
  b = (colour >> 16) & 255;
}

double LabInverse(double f) {
  const double cube = std::pow(f, 3.0);
  return cube > 0.008856 ? cube : (f - 16.0 / 116.0) / 7.787;
}

std::uint8_t CompandedByte(double c) {
  if (c > 0.0031308) {
    c = 1.055 * std::pow(c, 1.0 / 2.4) - 0.055;
  } else {
    c = 12.92 * c;
  }
  if (c < 0) c = 0;
  if (c > 1) c = 1;
  return static_cast<std::uint8_t>(RoundHalfEven(c * 255.0));
}

}  // namespace

PackedRGB PackedColour(const RGBBytes& bytes) {
  return bytes.red + 256 * bytes.green + 65536 * bytes.blue;
}

void SplitRGB(PackedRGB RGBValue, std::int16_t& Red, std::int16_t& Green, std::int16_t& Blue) {
  Red = static_cast<std::int16_t>(RGBValue & 255);
  Green = static_cast<std::int16_t>((RGBValue >> 8) & 255);
  Blue = static_cast<std::int16_t>((RGBValue >> 16) & 255);
}

ColourTriple LabToXYZ(const ColourTriple& lab) {
  const double fy = (lab.first + 16.0) / 116.0;
  const double fx = lab.second / 500.0 + fy;
  const double fz = fy - lab.third / 200.0;
  return {95.047 * LabInverse(fx), 100.0 * LabInverse(fy), 108.883 * LabInverse(fz)};
}

RGBBytes XYZToRGB(const ColourTriple& xyz) {
  const double x = xyz.first / 100.0;
  const double y = xyz.second / 100.0;
  const double z = xyz.third / 100.0;
  const double r = 3.2406 * x - 1.5372 * y - 0.4986 * z;
  const double g = -0.9689 * x + 1.8758 * y + 0.0415 * z;
  const double b = 0.0557 * x - 0.2040 * y + 1.0570 * z;
  RGBBytes bytes;
  bytes.red = CompandedByte(r);
  bytes.green = CompandedByte(g);
  bytes.blue = CompandedByte(b);
  return bytes;
}

ColourTriple ColorToHSB(PackedRGB colour) {
  int R = 0, G = 0, B = 0;
  TranslatedBytes(colour, R, G, B);
  const ChannelRange range = RangeOf(R, G, B);
  ColourTriple hsb;
  hsb.third = static_cast<double>(range.max * 100) / 255.0;
  if (range.max > 0) {
    hsb.second = static_cast<double>(range.delta()) / range.max * 100.0;
    if (range.delta() > 0) {
      const double x = HueSector(R, G, B, range);
      hsb.first = x * 60.0;
      if (hsb.first < 0) hsb.first += 360.0;
    }
  }
  return hsb;
}

double SRGBToLinear(double c) {
  return c > 0.04045 ? std::pow((c + 0.055) / 1.055, 2.4) : c / 12.92;
}

ColourTriple RGBToXYZ(PackedRGB colour) {
  int R = 0, G = 0, B = 0;
  TranslatedBytes(colour, R, G, B);
  const double r = SRGBToLinear(R / 255.0) * 100.0;
  const double g = SRGBToLinear(G / 255.0) * 100.0;
  const double b = SRGBToLinear(B / 255.0) * 100.0;
  return {0.412453 * r + 0.35758 * g + 0.180423 * b, 0.212671 * r + 0.71516 * g + 0.072169 * b,
          0.019334 * r + 0.119193 * g + 0.950227 * b};
}

double LabPivot(double t) { return t > 0.008856 ? std::pow(t, 1.0 / 3.0) : 7.787 * t + 16.0 / 116.0; }

ColourTriple XYZToLab(const ColourTriple& xyz) {
  const double fx = LabPivot(xyz.first / 95.0456);
  const double fy = LabPivot(xyz.second / 100.0);
  const double fz = LabPivot(xyz.third / 108.8754);
  return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

bool SameTriple(const ColourTriple& a, const ColourTriple& b) {
  return a.first == b.first && a.second == b.second && a.third == b.third;
}

void LabColour::Color(PackedRGB clrValue) {
  if (SameTriple(PreviousHSB, CurrentHSB) && clrValue == StoredColor) return;
  StoredColor = clrValue;
  PreviousHSB = CurrentHSB;
  CurrentHSB = ColorToHSB(clrValue);
  const ColourTriple lab = XYZToLab(RGBToXYZ(clrValue));
  LabL = RoundToInt16(lab.first);
  LabA = RoundToInt16(lab.second);
  LabB = RoundToInt16(lab.third);
}

}  // namespace tintwatch
