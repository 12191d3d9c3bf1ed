#include <gtest/gtest.h>

#include <tuple>

#include "colour/ColorConverter.h"

namespace tintwatch {
namespace {

struct HsbCase {
  int hue, saturation, brightness;
  int red, green, blue;
};

void PrintTo(const HsbCase& c, std::ostream* os) {
  *os << "hsb(" << c.hue << "," << c.saturation << "," << c.brightness << ")";
}

class HsbToRgb : public testing::TestWithParam<HsbCase> {};

TEST_P(HsbToRgb, GivesTheExactBytes) {
  const ColorConverter cc;
  const HsbCase c = GetParam();
  const PackedRGB rgb = cc.HSBToRGB(cc.HSBToLong(c.hue, c.saturation, c.brightness));
  EXPECT_EQ(cc.RGBAsString(rgb), cc.RGBAsString(cc.RGBToLong(c.red, c.green, c.blue)));
  EXPECT_EQ(rgb, c.red + 256 * c.green + 65536 * c.blue);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, HsbToRgb,
    testing::Values(
        // Grey case rounds (B * 255) / 100 to even.
        HsbCase{0, 0, 50, 128, 128, 128}, HsbCase{0, 0, 30, 76, 76, 76}, HsbCase{0, 0, 10, 26, 26, 26},
        HsbCase{0, 0, 100, 255, 255, 255}, HsbCase{0, 0, 0, 0, 0, 0},
        // The single-precision v = 0.3 lies above 0.3, so 76.5 becomes 77.
        HsbCase{0, 100, 30, 77, 0, 0},
        HsbCase{0, 100, 100, 255, 0, 0}, HsbCase{120, 100, 100, 0, 255, 0}, HsbCase{240, 100, 100, 0, 0, 255},
        HsbCase{30, 100, 100, 255, 128, 0}, HsbCase{60, 50, 50, 128, 128, 64},
        HsbCase{359, 100, 100, 255, 0, 4}, HsbCase{360, 100, 100, 255, 0, 4}, HsbCase{400, 100, 100, 255, 0, 4},
        HsbCase{65535, 100, 100, 255, 0, 4}, HsbCase{200, 40, 80, 122, 177, 204},
        // Every sector once.
        HsbCase{90, 100, 100, 128, 255, 0}, HsbCase{180, 100, 100, 0, 255, 255}, HsbCase{270, 100, 100, 128, 0, 255},
        HsbCase{330, 100, 100, 255, 0, 128}));

struct RgbCase {
  int red, green, blue;
  int hue, saturation, brightness;
};

void PrintTo(const RgbCase& c, std::ostream* os) {
  *os << "rgb(" << c.red << "," << c.green << "," << c.blue << ")";
}

class RgbToHsb : public testing::TestWithParam<RgbCase> {};

TEST_P(RgbToHsb, GivesTheExactComponents) {
  const ColorConverter cc;
  const RgbCase c = GetParam();
  const PackedHSB hsb = cc.RGBToHSB(cc.RGBToLong(c.red, c.green, c.blue));
  EXPECT_EQ(cc.Hue(hsb), c.hue);
  EXPECT_EQ(cc.Saturation(hsb), c.saturation);
  EXPECT_EQ(cc.Brightness(hsb), c.brightness);
}

INSTANTIATE_TEST_SUITE_P(Examples, RgbToHsb,
                         testing::Values(RgbCase{255, 0, 0, 0, 100, 100}, RgbCase{0, 128, 255, 210, 100, 100},
                                         RgbCase{10, 20, 30, 210, 67, 12}, RgbCase{128, 128, 128, 0, 0, 50},
                                         RgbCase{0, 0, 0, 0, 0, 0}, RgbCase{255, 0, 10, 358, 100, 100},
                                         RgbCase{255, 0, 1, 0, 100, 100},
                                         // 1/120 held as a float makes x * 60 just above 0.5.
                                         RgbCase{200, 81, 80, 1, 60, 78},
                                         // Ties for the maximum go to red, then green.
                                         RgbCase{255, 255, 0, 60, 100, 100}, RgbCase{0, 255, 255, 180, 100, 100}));

TEST(ColorConverterPacking, ClampsEachComponentInOrder) {
  const ColorConverter cc;
  EXPECT_EQ(cc.RGBToLong(300, -4, 128), 255 + 65536 * 128);
  EXPECT_EQ(cc.HSBAsString(cc.HSBToLong(400, -5, 100)), "359, 0, 100");
  EXPECT_EQ(cc.HSBToLong(-1, 101, 200), (0 << 16) | (100 << 8) | 100);
  int red = 300, green = -4, blue = 1000;
  cc.RGBToLong(red, green, blue);
  EXPECT_EQ(std::tie(red, green, blue), std::make_tuple(300, -4, 1000));  // callers' values untouched
}

TEST(ColorConverterPacking, ExtractionIgnoresTheTopByteAndClampsHsbFields) {
  const ColorConverter cc;
  EXPECT_EQ(cc.Red(-1), 255);
  EXPECT_EQ(cc.Green(-1), 255);
  EXPECT_EQ(cc.Blue(-1), 255);
  EXPECT_EQ(cc.RGBAsString(0x7F010203), "3, 2, 1");
  EXPECT_EQ(cc.Hue(-3 * 65536), 0);
  int h = 0, s = 0, b = 0;
  cc.SplitHSB(360 * 65536 + 200 * 256 + 255, h, s, b);
  EXPECT_EQ(std::tie(h, s, b), std::make_tuple(359, 100, 100));
  EXPECT_EQ(cc.RGBAsString(cc.RGBToLong(255, 128, 0)), "255, 128, 0");
  EXPECT_EQ(cc.HSBAsString(-1), "0, 100, 100");
}

TEST(ColorConverterPacking, EveryHsbGivesABytePackedColour) {
  const ColorConverter cc;
  for (int hue = 0; hue <= 360; hue += 7) {
    for (int sat = 0; sat <= 100; sat += 9) {
      for (int bri = 0; bri <= 100; bri += 11) {
        const PackedRGB rgb = cc.HSBToRGB(cc.HSBToLong(hue, sat, bri));
        ASSERT_GE(rgb, 0);
        ASSERT_LE(rgb, 0xFFFFFF);
        // Brightness is the largest channel, up to rounding.
        const int max = std::max({cc.Red(rgb), cc.Green(rgb), cc.Blue(rgb)});
        ASSERT_NEAR(max, bri * 2.55, 0.51) << hue << " " << sat << " " << bri;
      }
    }
  }
}

}  // namespace
}  // namespace tintwatch
