#include <gtest/gtest.h>

#include <tuple>

#include "core/colour/LabColour.h"

namespace tintwatch {
namespace {

PackedRGB Rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }

std::tuple<int, int, int> Lab(const LabColour& c) { return {c.LabL, c.LabA, c.LabB}; }

std::tuple<int, int, int> Bytes(const RGBBytes& b) { return {b.red, b.green, b.blue}; }

TEST(LabForward, RedThroughXyzAndLab) {
  const ColourTriple xyz = RGBToXYZ(Rgb(255, 0, 0));
  EXPECT_NEAR(xyz.first, 41.2453, 1e-4);
  EXPECT_NEAR(xyz.second, 21.2671, 1e-4);
  EXPECT_NEAR(xyz.third, 1.9334, 1e-4);
  const ColourTriple lab = XYZToLab(xyz);
  EXPECT_NEAR(lab.first, 53.2406, 1e-4);
  EXPECT_NEAR(lab.second, 80.0942, 1e-4);
  EXPECT_NEAR(lab.third, 67.2015, 1e-4);
  const ColourTriple white = RGBToXYZ(Rgb(255, 255, 255));
  EXPECT_NEAR(white.first, 95.0456, 1e-9);
  EXPECT_NEAR(white.second, 100, 1e-9);
  EXPECT_NEAR(white.third, 108.8754, 1e-9);
}

TEST(LabForward, AssignedColoursKeepRoundedLab) {
  const struct {
    PackedRGB colour;
    int l, a, b;
  } cases[] = {{Rgb(255, 0, 0), 53, 80, 67},   {Rgb(0, 255, 0), 88, -86, 83},
               {Rgb(0, 0, 255), 32, 79, -108}, {Rgb(255, 128, 0), 67, 43, 74},
               {Rgb(128, 128, 128), 54, 0, 0}, {Rgb(255, 255, 255), 100, 0, 0}};
  LabColour colour;
  for (const auto& c : cases) {
    colour.StoredColor = 0;
    colour.Color(c.colour);
    EXPECT_EQ(Lab(colour), std::make_tuple(c.l, c.a, c.b)) << c.colour;
    EXPECT_EQ(colour.Color(), c.colour);
  }
  colour.Color(0);
  EXPECT_EQ(Lab(colour), std::make_tuple(0, 0, 0));
  EXPECT_NEAR(XYZToLab(RGBToXYZ(Rgb(128, 128, 128))).first, 53.585, 1e-3);
}

TEST(LabForward, HsbKeepsItsFractions) {
  const ColourTriple orange = ColorToHSB(Rgb(255, 128, 0));
  EXPECT_NEAR(orange.first, 30.1176, 1e-4);
  EXPECT_EQ(orange.second, 100);
  EXPECT_EQ(orange.third, 100);
  const ColourTriple grey = ColorToHSB(Rgb(128, 128, 128));
  EXPECT_EQ(grey.first, 0);
  EXPECT_EQ(grey.second, 0);
  EXPECT_NEAR(grey.third, 50.1960, 1e-4);
  EXPECT_NEAR(ColorToHSB(Rgb(255, 0, 10)).first, 360 - 60 * 10.0 / 255, 1e-9);
}

TEST(LabColorProperty, SkipsOnlyARepeatWithEqualHsbHistory) {
  LabColour colour;
  colour.Color(0);  // fresh: equal (zero) history and stored 0, so skipped
  EXPECT_EQ(Lab(colour), std::make_tuple(0, 0, 0));
  EXPECT_TRUE(SameTriple(colour.PreviousHSB, colour.CurrentHSB));

  colour.Color(Rgb(255, 0, 0));
  colour.Color(Rgb(255, 0, 0));  // previous and current HSB now equal
  EXPECT_EQ(Lab(colour), std::make_tuple(53, 80, 67));
  colour.StoredColor = 0;
  colour.Color(0);  // skipped: leaves red's values
  EXPECT_EQ(Lab(colour), std::make_tuple(53, 80, 67));
  EXPECT_EQ(colour.StoredColor, 0);
  colour.Color(Rgb(0, 0, 255));
  EXPECT_EQ(Lab(colour), std::make_tuple(32, 79, -108));

  // Differing history: black is recomputed even though it repeats the stored 0.
  LabColour other;
  other.Color(Rgb(0, 255, 0));
  other.StoredColor = 0;
  other.Color(0);
  EXPECT_EQ(Lab(other), std::make_tuple(0, 0, 0));
}

TEST(LabReverse, GreysAndWhite) {
  const ColourTriple grey = LabToXYZ({50, 0, 0});
  EXPECT_NEAR(grey.first, 17.5064, 1e-4);
  EXPECT_NEAR(grey.second, 18.4187, 1e-4);
  EXPECT_NEAR(grey.third, 20.0548, 1e-4);
  EXPECT_EQ(Bytes(XYZToRGB(grey)), std::make_tuple(119, 119, 119));
  const ColourTriple white = LabToXYZ({100, 0, 0});
  EXPECT_NEAR(white.first, 95.047, 1e-9);
  EXPECT_NEAR(white.second, 100, 1e-9);
  EXPECT_NEAR(white.third, 108.883, 1e-9);
  EXPECT_EQ(Bytes(XYZToRGB(white)), std::make_tuple(255, 255, 255));
  EXPECT_EQ(Bytes(XYZToRGB(LabToXYZ({0, 0, 0}))), std::make_tuple(0, 0, 0));
}

TEST(LabReverse, OutOfGamutIsClippedPerChannel) {
  EXPECT_EQ(Bytes(XYZToRGB(LabToXYZ({50, 100, 0}))), std::make_tuple(255, 0, 123));
  EXPECT_EQ(Bytes(XYZToRGB(LabToXYZ({50, -100, 0}))), std::make_tuple(0, 151, 117));
  EXPECT_EQ(Bytes(XYZToRGB(LabToXYZ({0, 50, 0}))), std::make_tuple(57, 0, 2));
  EXPECT_EQ(Bytes(XYZToRGB(LabToXYZ({53, 80, 67}))), std::make_tuple(254, 0, 0));
}

TEST(LabReverse, BytesAreBlueFirstAndPackAsRgb) {
  const RGBBytes bytes = XYZToRGB(LabToXYZ({20, 0, -100}));
  const auto* raw = reinterpret_cast<const std::uint8_t*>(&bytes);
  EXPECT_EQ(raw[0], 205);
  EXPECT_EQ(raw[1], 65);
  EXPECT_EQ(raw[2], 0);
  EXPECT_EQ(PackedColour(bytes), 0 + 256 * 65 + 65536 * 205);
}

TEST(LabSplit, SixteenBitSplit) {
  std::int16_t r = -1, g = -1, b = -1;
  SplitRGB(Rgb(255, 128, 0), r, g, b);
  EXPECT_EQ(std::make_tuple(r, g, b), std::make_tuple(255, 128, 0));
  SplitRGB(-1, r, g, b);
  EXPECT_EQ(std::make_tuple(r, g, b), std::make_tuple(255, 255, 255));
}

TEST(LabPivots, ThresholdsCompareDifferentValues) {
  // LabPivot tests t, the reverse chain tests the cube.
  EXPECT_DOUBLE_EQ(LabPivot(0.008856), 7.787 * 0.008856 + 16.0 / 116.0);
  EXPECT_NEAR(LabPivot(0.125), 0.5, 1e-12);
  EXPECT_DOUBLE_EQ(SRGBToLinear(0.04045), 0.04045 / 12.92);
  EXPECT_NEAR(SRGBToLinear(1.0), 1.0, 1e-12);
}

}  // namespace
}  // namespace tintwatch
