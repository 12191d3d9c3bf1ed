#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "core/colour/ColorConverter.h"

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
  EXPECT_EQ(cc.RGBAsString(rgb), std::to_string(c.red) + ", " + std::to_string(c.green) + ", " + std::to_string(c.blue));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, HsbToRgb,
    testing::Values(
        // Grey case rounds (B * 255) / 100 to even.
        HsbCase{0, 0, 50, 128, 128, 128}, HsbCase{0, 0, 30, 76, 76, 76}, HsbCase{0, 0, 10, 26, 26, 26},
        HsbCase{0, 0, 100, 255, 255, 255}, HsbCase{0, 0, 0, 0, 0, 0},
        // The single-precision v = 0.3 lies above 0.3, so 76.5 becomes 77.
        HsbCase{0, 100, 30, 77, 0, 0},
        // p, q and t come from the single-precision brightness: from the double
        // one, 0.96 * 255 * (1 - 0.75) would round to 62 and the red to 244.
        HsbCase{5, 75, 96, 245, 76, 61},
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
                                         // Two channels at the maximum.
                                         RgbCase{255, 255, 0, 60, 100, 100}, RgbCase{0, 255, 255, 180, 100, 100}));

TEST(ColorConverterPacking, ClampsEachComponentInOrder) {
  const ColorConverter cc;
  EXPECT_EQ(cc.RGBToLong(300, -4, 128), 255 + 65536 * 128);
  EXPECT_EQ(cc.HSBAsString(cc.HSBToLong(400, -5, 100)), "359, 0, 100");
  EXPECT_EQ(cc.HSBToLong(-1, 101, 200), (0 << 16) | (100 << 8) | 100);
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

TEST(ColorConverterPacking, EveryHsbIsTheTextbookColourWithinRounding) {
  // The textbook HSV-to-RGB in double precision, hue by hue over the whole
  // wheel (360 is clamped to 359): the right sector, hue and levels, to
  // within the single-precision intermediates' one step.
  const ColorConverter cc;
  for (int hue = 0; hue <= 360; ++hue) {
    for (int sat = 0; sat <= 100; sat += 5) {
      for (int bri = 0; bri <= 100; bri += 5) {
        const double h = std::min(hue, 359) / 60.0, s = sat / 100.0, v = bri / 100.0;
        const int sector = static_cast<int>(h);
        const double f = h - sector, p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
        const double r[] = {v, q, p, p, t, v}, g[] = {t, v, v, q, p, p}, b[] = {p, p, t, v, v, q};
        const PackedRGB rgb = cc.HSBToRGB(cc.HSBToLong(hue, sat, bri));
        const std::string what = std::to_string(hue) + " " + std::to_string(sat) + " " + std::to_string(bri);
        ASSERT_NEAR(cc.Red(rgb), r[sector] * 255, 1.0) << what;
        ASSERT_NEAR(cc.Green(rgb), g[sector] * 255, 1.0) << what;
        ASSERT_NEAR(cc.Blue(rgb), b[sector] * 255, 1.0) << what;
      }
    }
  }
}

}  // namespace
}  // namespace tintwatch
