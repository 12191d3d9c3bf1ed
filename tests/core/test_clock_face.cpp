#include <gtest/gtest.h>

#include <utility>

#include "core/face/ClockFace.h"
#include "core/face/RecordingSurface.h"
#include "core/face/TimeInWords.h"

namespace tintwatch {
namespace {

using Kind = RecordingSurface::Kind;

class FaceTest : public testing::Test {
 protected:
  PackedRGB Hsb(int hue, int sat = 100, int bri = 100) const {
    return cc.HSBToRGB(cc.HSBToLong(hue, sat, bri));
  }
  void At(int h, int m, int s) {
    time.time = {h, m, s};
    face.Hour24 = static_cast<std::int16_t>(h);
    face.Hour12 = static_cast<std::int16_t>(h % 12);
    face.Minutes = static_cast<std::int16_t>(m);
    face.Seconds = static_cast<std::int16_t>(s);
  }

  ClockSettings settings;
  ColorConverter cc;
  LabColour lab;
  FixedTimeSource time{{15, 47, 33}};
  RecordingSurface surface;
  ClockFace face{settings, cc, lab, time, surface};
};

TEST_F(FaceTest, HandPositionsWithoutSmoothRunning) {
  At(15, 47, 33);
  EXPECT_EQ(face.HourColour(), Hsb(90));
  EXPECT_EQ(face.MinuteColour(), Hsb(282));
  EXPECT_EQ(face.SecondColour(), Hsb(198));
  // The side effect belongs to the hand operation.
  std::int16_t r, g, b;
  SplitRGB(Hsb(198), r, g, b);
  EXPECT_EQ(face.WheelRed, r);
  EXPECT_EQ(face.WheelGreen, g);
  EXPECT_EQ(face.WheelBlue, b);
}

TEST_F(FaceTest, SmoothRunningRoundsHalvesToEven) {
  settings.SmoothRunning = true;
  const struct {
    int h, m, s, hour, minute;
  } cases[] = {{3, 1, 0, 90, 6},      {3, 3, 0, 92, 18},    {3, 5, 0, 92, 30},    {3, 6, 0, 93, 36},
               {0, 10, 5, 5, 60},     {0, 10, 15, 5, 62},   {0, 10, 25, 5, 62},   {0, 10, 55, 5, 66},
               {11, 59, 0, 359, 354}, {11, 59, 55, 359, 359}};  // 360 is clamped to 359
  for (const auto& c : cases) {
    At(c.h, c.m, c.s);
    EXPECT_EQ(face.HourColour(), Hsb(c.hour)) << c.h << ":" << c.m << ":" << c.s;
    EXPECT_EQ(face.MinuteColour(), Hsb(c.minute)) << c.h << ":" << c.m << ":" << c.s;
    EXPECT_EQ(face.SecondColour(), Hsb(c.s * 6));
  }
}

TEST_F(FaceTest, SaturationAndBrillianceFollowTheHour) {
  settings.SatMax = 100;
  settings.SatMin = 50;
  const struct {
    int hour, saturation;
  } cases[] = {{3, 62}, {15, 88}, {0, 50}, {12, 100}, {6, 75}, {18, 75}, {11, 96}, {23, 54}};
  for (const auto& c : cases) {
    At(c.hour, 0, 0);
    EXPECT_EQ(face.WheelColour(200), Hsb(200, c.saturation)) << c.hour;
  }
  // Brilliance uses its own pair, and a maximum below the minimum stands.
  settings.SatMax = settings.SatMin = 70;
  settings.BriMax = 20;
  settings.BriMin = 80;
  At(0, 0, 0);
  EXPECT_EQ(face.WheelColour(40), Hsb(40, 70, 80));
  At(12, 0, 0);
  EXPECT_EQ(face.WheelColour(40), Hsb(40, 70, 20));
  At(21, 0, 0);
  EXPECT_EQ(face.WheelColour(40), Hsb(40, 70, 65));  // 20 + 5 * 9 on the way back up
}

TEST_F(FaceTest, RimUsesNoonLevelsAndUncheckedLevelsDoNotOverflow) {
  settings.SatMax = 100;
  settings.SatMin = 50;
  At(3, 0, 0);
  face.RimDrawing = true;
  EXPECT_EQ(face.WheelColour(90), Hsb(90, 100));
  face.RimDrawing = false;
  settings.SatMax = 32767;
  settings.SatMin = -32768;
  At(6, 0, 0);
  EXPECT_EQ(face.WheelColour(10), Hsb(10, 0));  // 5461.25 * 6 - 32768 = -0.5, which rounds to 0
  EXPECT_EQ(face.WheelColour(-5), Hsb(0, 0));
  EXPECT_EQ(face.WheelColour(1000), Hsb(359, 0));
}

TEST_F(FaceTest, HueFaceDrawsThreeDiscsLargestFirst) {
  // The face sets no fill mode of its own: the window's surface starts solid.
  surface.SetFillSolid(true);
  const struct {
    int h, m, s, hour12;
    PackedRGB second, minute, hour;
  } cases[] = {{15, 0, 0, 3, Hsb(0), Hsb(0), Hsb(90)},
               // Noon and midnight are hour 0 on the wheel: red, not the 360 of a twelfth hour.
               {12, 30, 0, 0, Hsb(0), Hsb(180), Hsb(0)},
               {0, 0, 45, 0, Hsb(270), Hsb(0), Hsb(0)}};
  for (const auto& c : cases) {
    surface.ops.clear();
    time.time = {c.h, c.m, c.s};
    face.DrawClock();
    EXPECT_EQ(face.Hour24, c.h);
    EXPECT_EQ(face.Hour12, c.hour12);
    const auto discs = surface.Of(Kind::Disc);
    ASSERT_EQ(surface.ops.size(), 3u);
    const float radii[] = {560, 400, 160};
    const PackedRGB colours[] = {c.second, c.minute, c.hour};
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(discs[i].a, 800);
      EXPECT_EQ(discs[i].b, 800);
      EXPECT_FLOAT_EQ(discs[i].c, radii[i]);
      EXPECT_EQ(discs[i].colour, colours[i]) << c.h << ":" << c.m << " disc " << i;
      EXPECT_EQ(discs[i].fillColour, colours[i]);
      EXPECT_TRUE(discs[i].fillSolid);
    }
    EXPECT_EQ(face.HandColour, c.hour);
  }
}

TEST_F(FaceTest, UnknownFaceTypeOnlyReadsTheTime) {
  face.FaceType = 3;
  time.time = {7, 8, 9};
  face.DrawClock();
  face.DrawRim();
  EXPECT_TRUE(surface.ops.empty());
  EXPECT_EQ(face.Minutes, 8);
  EXPECT_EQ(face.Seconds, 9);
}

TEST_F(FaceTest, RimRingsSegmentsThenSpokes) {
  face.DrawRim();
  EXPECT_FALSE(face.RimDrawing);
  ASSERT_EQ(surface.ops.size(), 148u);
  const auto& ops = surface.ops;
  // Hour ring: 13 segments, then 13 spokes; minute ring: 61 and 61.
  for (int i = 0; i < 13; ++i) {
    EXPECT_EQ(ops[i].kind, Kind::Pie);
    EXPECT_EQ(ops[i].c, 800);
    EXPECT_EQ(ops[13 + i].kind, Kind::Line);
  }
  for (int i = 0; i < 61; ++i) {
    EXPECT_EQ(ops[26 + i].kind, Kind::Pie);
    EXPECT_EQ(ops[26 + i].c, 680);
    EXPECT_EQ(ops[87 + i].kind, Kind::Line);
  }
  // Hour segments are centred on their hour; position 90 wraps through 0.
  EXPECT_EQ(ops[0].d, 75);
  EXPECT_EQ(ops[0].e, 105);
  EXPECT_EQ(ops[3].d, 345);
  EXPECT_EQ(ops[3].e, 15);
  EXPECT_EQ(ops[3].colour, Hsb(90));
  // Minute position 90 starts at 0, which becomes 358; 96 runs 354..0.
  EXPECT_EQ(ops[26 + 15].d, 358);
  EXPECT_EQ(ops[26 + 15].e, 6);
  EXPECT_EQ(ops[26 + 16].d, 354);
  EXPECT_EQ(ops[26 + 16].e, 0);
  EXPECT_EQ(ops[26 + 1].d, 84);
  EXPECT_EQ(ops[26 + 1].e, 90);
  // The last segment of each ring lies over the first, in position 359's colour.
  EXPECT_EQ(ops[12].d, ops[0].d);
  EXPECT_EQ(ops[12].colour, Hsb(359));
  EXPECT_EQ(ops[86].d, ops[26].d);
  EXPECT_EQ(ops[86].colour, Hsb(359));
  for (const auto& op : surface.Of(Kind::Pie)) {
    EXPECT_TRUE(op.fillSolid);
    EXPECT_EQ(op.fillColour, op.colour);
  }
  // Spokes are black, from the centre to the ring at each position.
  EXPECT_EQ(ops[13].colour, 0);
  EXPECT_FLOAT_EQ(ops[13].c, 800);
  EXPECT_NEAR(ops[13].d, 0, 1e-3);  // 12 o'clock: straight up
  EXPECT_NEAR(ops[16].c, 1600, 1e-3);  // 3 o'clock
  EXPECT_NEAR(ops[16].d, 800, 1e-3);
  EXPECT_NEAR(ops[87 + 15].c, 800 + 680, 1e-3);
}

TEST_F(FaceTest, RimAtNoonLevelsWhateverTheHour) {
  settings.SatMax = 100;
  settings.SatMin = 10;
  settings.BriMin = 10;
  time.time = {2, 0, 0};
  face.DrawClock();
  surface.ops.clear();
  face.DrawRim();
  EXPECT_EQ(surface.ops[1].colour, Hsb(30));
}

TEST_F(FaceTest, RimSkippedInExpertModeAndForBarFaces) {
  face.ExpertMode = true;
  face.DrawRim();
  face.ExpertMode = false;
  face.FaceType = 1;
  face.DrawRim();
  face.FaceType = 2;
  face.DrawRim();
  EXPECT_TRUE(surface.ops.empty());
  EXPECT_FALSE(face.RimDrawing);
}

TEST_F(FaceTest, MinuteRingRadiusRoundsToEven) {
  // 0.85 x ClockSize: 688.5 and 705.5 both go to the even neighbour.
  for (const auto& [size, radius] : {std::pair{810, 688}, std::pair{830, 706}}) {
    surface.ops.clear();
    face.ClockSize = static_cast<std::int16_t>(size);
    face.DrawRim();
    EXPECT_EQ(surface.ops[26].c, radius) << size;
    EXPECT_EQ(surface.ops[0].a, size);
  }
}

TEST_F(FaceTest, LabFaceRecomputesEveryColumnButABlackRepeat) {
  // Each column forgets the stored colour, so a colour like the last one is
  // computed afresh; only black, after two alike, is skipped and keeps the
  // a* and b* computed last (brilliance 0 from the file, at midnight).
  settings.BriMin = 0;
  face.FaceType = 2;
  time.time = {12, 0, 0};  // three red hands
  face.DrawClock();
  const auto red = surface.Of(Kind::Box);
  surface.ops.clear();
  time.time = {0, 0, 0};  // three black hands
  face.DrawClock();
  const auto black = surface.Of(Kind::Box);
  ASSERT_EQ(red.size(), 9u);
  ASSERT_EQ(black.size(), 9u);
  for (std::size_t i = 0; i < 9; i += 3) {
    EXPECT_EQ(black[i].colour, 0);  // the hand's bar
    for (std::size_t k = i + 1; k < i + 3; ++k) {
      EXPECT_EQ(black[k].colour, red[k].colour) << k;
      EXPECT_EQ(black[k].b, red[k].b) << k;
    }
  }
}

TEST_F(FaceTest, RgbFaceColumns) {
  face.FaceType = 1;
  time.time = {0, 0, 0};  // every hand red: (255, 0, 0)
  face.DrawClock();
  const auto& ops = surface.ops;
  ASSERT_EQ(ops.size(), 13u);
  EXPECT_EQ(ops[0].kind, Kind::Clear);
  const float barLeft[] = {0, 560, 1080};
  const float discX[] = {800.0f / 3, 800, 4000.0f / 3};
  for (int column = 0; column < 3; ++column) {
    const auto& bar = ops[1 + column * 4];
    EXPECT_EQ(bar.kind, Kind::Box);
    EXPECT_FLOAT_EQ(bar.a, barLeft[column]);
    EXPECT_FLOAT_EQ(bar.c, barLeft[column] + 800.0f / 9);
    EXPECT_EQ(bar.b, 0);
    EXPECT_EQ(bar.d, 1600);
    EXPECT_EQ(bar.colour, 255);
    const auto& red = ops[2 + column * 4];
    EXPECT_FLOAT_EQ(red.a, discX[column]);
    EXPECT_FLOAT_EQ(red.b, 800.0f / 3);
    EXPECT_FLOAT_EQ(red.c, 800.0f / 3);
    EXPECT_EQ(red.colour, 255);
    EXPECT_EQ(red.fillColour, 255);
    const auto& green = ops[3 + column * 4];
    EXPECT_FLOAT_EQ(green.b, 800);
    EXPECT_EQ(green.c, 0);
    const auto& blue = ops[4 + column * 4];
    EXPECT_FLOAT_EQ(blue.b, 4000.0f / 3);
    EXPECT_EQ(blue.c, 0);
  }
  EXPECT_FLOAT_EQ(ops[1].c, 88.888885f);
}

TEST_F(FaceTest, RgbFaceExpertModeDrawsOnlyDiscs) {
  face.FaceType = 1;
  face.ExpertMode = true;
  time.time = {4, 20, 40};  // hour 120, minute 120, second 240
  face.DrawClock();
  EXPECT_EQ(surface.Of(Kind::Disc).size(), 9u);
  EXPECT_EQ(surface.Of(Kind::Box).size(), 0u);
  const auto discs = surface.Of(Kind::Disc);
  EXPECT_FLOAT_EQ(discs[1].c, 255 * 800.0f / 3 / 255);  // hour's green 255
  EXPECT_EQ(discs[1].colour, 255 * 256);
  EXPECT_FLOAT_EQ(discs[8].c, 800.0f / 3);  // second's blue 255
  EXPECT_EQ(face.HandColour, Hsb(240));     // the last hand drawn is the second
}

TEST_F(FaceTest, LabFaceColumnsAndChannelBars) {
  face.FaceType = 2;
  time.time = {0, 0, 0};  // all red: L 53, a 80, b 67
  face.DrawClock();
  const auto& ops = surface.ops;
  ASSERT_EQ(ops.size(), 10u);
  const float lefts[] = {1120, 600, 80};
  for (int column = 0; column < 3; ++column) {
    const float x0 = lefts[column];
    const auto& bar = ops[1 + column * 3];
    EXPECT_EQ(bar.a, x0);
    EXPECT_FLOAT_EQ(bar.c, x0 + 800.0f / 9);
    EXPECT_EQ(bar.colour, 255);
    const auto& a = ops[2 + column * 3];
    EXPECT_FLOAT_EQ(a.a, x0 + 800.0f / 6);
    EXPECT_FLOAT_EQ(a.c, x0 + 800.0f / 3);
    EXPECT_FLOAT_EQ(a.b, 800 - 800.0f / 128 * 80);  // positive a*: top corner first
    EXPECT_EQ(a.d, 800);
    EXPECT_EQ(a.colour, PackedColour(XYZToRGB(LabToXYZ({53, 80, 0}))));
    const auto& b = ops[3 + column * 3];
    EXPECT_FLOAT_EQ(b.a, x0 + 800.0f / 3);
    EXPECT_FLOAT_EQ(b.c, x0 + 400);
    EXPECT_FLOAT_EQ(b.b, 800 - 6.25f * 67);
    EXPECT_EQ(b.colour, PackedColour(XYZToRGB(LabToXYZ({53, 0, 67}))));
  }
  EXPECT_EQ(lab.LabL, 53);
}

TEST_F(FaceTest, LabFaceNegativeAndZeroChannels) {
  face.FaceType = 2;
  face.ExpertMode = true;
  settings.SatMax = settings.SatMin = 0;  // grey hands: a* and b* are 0
  face.DrawClock();
  ASSERT_EQ(surface.ops.size(), 7u);
  for (const auto& op : surface.Of(Kind::Box)) {
    EXPECT_EQ(op.b, 800);
    EXPECT_EQ(op.d, 800);
  }
  surface.ops.clear();
  settings.SatMax = settings.SatMin = 100;
  time.time = {4, 0, 0};  // hour hand green: a* -86 hangs below the middle line
  face.DrawClock();
  const auto hourA = surface.ops[5];
  EXPECT_EQ(lab.LabA, -86);
  EXPECT_EQ(hourA.b, 800);
  EXPECT_FLOAT_EQ(hourA.d, 800 + 6.25f * 86);
}

TEST_F(FaceTest, LargestSizeKeepsCoordinatesExact) {
  face.ClockSize = 25600;
  face.FaceType = 2;
  face.DrawClock();
  EXPECT_EQ(surface.ops[1].a, 35840);  // 1.4 * 25600 does not fit 16 bits
  EXPECT_EQ(surface.ops[1].d, 51200);
  surface.ops.clear();
  face.FaceType = 1;
  face.DrawClock();
  EXPECT_FLOAT_EQ(surface.ops[12].a, 25600.0f * 5 / 3);
  EXPECT_EQ(surface.ops[9].d, 51200);
  surface.ops.clear();
  face.FaceType = 0;
  face.DrawRim();
  EXPECT_EQ(surface.ops[26].c, 21760);
}

TEST_F(FaceTest, LabColumnsAtSize810) {
  face.ClockSize = 810;
  face.FaceType = 2;
  face.DrawClock();
  EXPECT_EQ(surface.ops[1].a, 1134);
  EXPECT_EQ(surface.ops[4].a, 608);
  EXPECT_EQ(surface.ops[7].a, 81);
}

// The local time is the precise wall clock's own reading split up: just after
// a second begins it names that second (the coarse clock behind time() still
// gives the one before for a few milliseconds). Real clock, twice.
TEST(SystemTimeSourceTest, NamesTheSecondOfItsOwnPreciseReading) {
  const SystemTimeSource clock;
  // Seconds are the same in every zone of whole minutes.
  EXPECT_EQ(clock.LocalAt(1796658453999).second, 33);
  EXPECT_EQ(clock.LocalAt(1796658454000).second, 34);
  EXPECT_EQ(FixedTimeSource({0, 0, 0}).LocalAt(-1).second, 59);
  for (int boundaries = 0; boundaries < 2; ++boundaries) {
    std::int64_t before = clock.EpochMilliseconds();
    const std::int64_t next = before / 1000 + 1;
    while ((before = clock.EpochMilliseconds()) / 1000 < next) {
    }
    const LocalTime now = clock.Now();
    const std::int64_t after = clock.EpochMilliseconds();
    EXPECT_TRUE(now.second == before / 1000 % 60 || now.second == after / 1000 % 60)
        << "read " << now.second << " between " << before << " and " << after;
  }
}

// The hands' colours in words, as the face drew them: the hue of each hand's
// position and the levels of the hour.
TEST_F(FaceTest, HandColoursInWordsForTimesAndLevels) {
  const struct {
    int h, m, s;
    bool smooth;
    int satMax, satMin, briMax, briMin;
    const char* words;
  } cases[] = {
      {15, 47, 33, false, 100, 100, 100, 100, "hour lime, minute violet, second azure"},
      {0, 0, 0, false, 100, 100, 100, 100, "hour red, minute red, second red"},
      {2, 5, 10, false, 100, 100, 100, 100, "hour yellow, minute orange, second yellow"},
      {8, 25, 44, false, 100, 100, 100, 100, "hour blue, minute jade, second violet"},
      // Smooth running names the hour where it is drawn: halfway stays with
      // the hour it has passed, then the next hour's name.
      {3, 30, 0, true, 100, 100, 100, 100, "hour lime, minute cyan, second red"},
      {3, 31, 0, true, 100, 100, 100, 100, "hour green, minute cyan, second red"},
      {3, 31, 0, false, 100, 100, 100, 100, "hour lime, minute cyan, second red"},
      {7, 2, 35, true, 100, 100, 100, 100, "hour azure, minute orange, second azure"},
      {11, 59, 55, true, 100, 100, 100, 100, "hour red, minute red, second rose"},
      // Saturation climbs from its minimum at midnight: pale below half.
      {0, 0, 0, false, 100, 40, 100, 100, "hour pale red, minute pale red, second pale red"},
      {1, 0, 0, false, 100, 40, 100, 100, "hour pale orange, minute pale red, second pale red"},
      {3, 0, 0, false, 100, 40, 100, 100, "hour lime, minute red, second red"},
      {23, 0, 0, false, 100, 40, 100, 100, "hour pale rose, minute pale red, second pale red"},
      // Brilliance 0 at midnight, 8 at one, 17 at two, 58 at seven, 67 at eight.
      {0, 20, 0, false, 100, 100, 100, 0, "hour black, minute black, second black"},
      {1, 20, 0, false, 100, 100, 100, 0, "hour black, minute black, second black"},
      {2, 20, 0, false, 100, 100, 100, 0, "hour dark yellow, minute dark green, second dark red"},
      {7, 20, 0, false, 100, 100, 100, 0, "hour dark azure, minute dark green, second dark red"},
      {8, 20, 0, false, 100, 100, 100, 0, "hour blue, minute green, second red"},
      {9, 0, 0, false, 30, 30, 50, 50, "hour dull violet, minute dull red, second dull red"},
      // No hue shows without saturation.
      {9, 0, 0, false, 0, 0, 100, 100, "hour white, minute white, second white"},
      {9, 0, 0, false, 5, 5, 75, 75, "hour grey, minute grey, second grey"},
      // Levels from the file are unchecked: they count as the converter clamps them.
      {9, 0, 0, false, 500, 500, -20, -20, "hour black, minute black, second black"},
      {9, 0, 0, false, 500, 500, 200, 200, "hour violet, minute red, second red"},
  };
  for (const auto& c : cases) {
    settings.SmoothRunning = c.smooth;
    settings.SatMax = static_cast<std::int16_t>(c.satMax);
    settings.SatMin = static_cast<std::int16_t>(c.satMin);
    settings.BriMax = static_cast<std::int16_t>(c.briMax);
    settings.BriMin = static_cast<std::int16_t>(c.briMin);
    time.time = {c.h, c.m, c.s};
    face.DrawClock();
    EXPECT_EQ(HandColourWords(face), c.words) << c.h << ":" << c.m << ":" << c.s;
  }
  // A face type that draws no hands names none.
  face.FaceType = 3;
  face.DrawClock();
  EXPECT_EQ(HandColourWords(face), "");
}

// The borders of each word.
TEST(ColourWordsTest, LevelThresholdsAndHueBorders) {
  const struct {
    int position, saturation, brilliance;
    const char* words;
  } cases[] = {
      {0, 100, 100, "red"},         {14, 100, 100, "red"},        {15, 100, 100, "red"},
      {16, 100, 100, "orange"},     {44, 100, 100, "orange"},     {46, 100, 100, "yellow"},
      {345, 100, 100, "rose"},      {346, 100, 100, "red"},       {359, 100, 100, "red"},
      {360, 100, 100, "red"},       {-5, 100, 100, "red"},        {1000, 100, 100, "red"},
      {150, 100, 100, "jade"},      {210, 100, 100, "azure"},     {300, 100, 100, "magenta"},
      {240, 50, 100, "blue"},       {240, 49, 100, "pale blue"},  {240, 100, 60, "blue"},
      {240, 100, 59, "dark blue"},  {240, 49, 59, "dull blue"},   {240, 11, 11, "dull blue"},
      {240, 100, 11, "dark blue"},  {240, 100, 10, "black"},      {240, 0, 0, "black"},
      {240, 10, 100, "white"},      {240, 10, 90, "white"},       {240, 10, 89, "grey"},
      {240, 10, 60, "grey"},        {240, 10, 59, "dark grey"},   {240, 10, 11, "dark grey"},
      {240, 10, 10, "black"},       {240, 11, 100, "pale blue"},  {240, -3, 100, "white"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ColourWords(c.position, c.saturation, c.brilliance), c.words)
        << c.position << " " << c.saturation << " " << c.brilliance;
  }
}

// Another language's words: its own names, its levels around the name in
// its own order, the hands in its own sentence.
TEST(ColourWordsTest, AnotherLanguagesPhrases) {
  ColourWording words;
  words.hues = {"rouge", "orange", "jaune", "vert citron", "vert", "vert jade",
                "cyan", "azur",   "bleu",  "violet",      "magenta", "rose"};
  words.pale = "%1 pâle";
  words.dark = "%1 foncé";
  words.dull = "%1 terne";
  words.black = "noir";
  words.darkGrey = "gris foncé";
  words.hands = "secondes %3 ; minutes %2 ; heures %1";
  const struct {
    int position, saturation, brilliance;
    const char* words;
  } cases[] = {
      {90, 100, 100, "vert citron"}, {90, 49, 100, "vert citron pâle"}, {240, 100, 59, "bleu foncé"},
      {240, 49, 59, "bleu terne"},   {240, 100, 10, "noir"},             {240, 10, 59, "gris foncé"},
      {240, 10, 100, "white"},  // a word left as it was stays English
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ColourWords(c.position, c.saturation, c.brilliance, words), c.words) << c.position;
  }
}

TEST_F(FaceTest, HandColoursInAnotherLanguagesSentence) {
  ColourWording words;
  words.hues[3] = "vert citron";
  words.hues[7] = "azur";
  words.pale = "%1 pâle";
  words.hands = "secondes %3 ; minutes %2 ; heures %1";
  settings.SatMin = 40;
  settings.SatMax = 40;
  face.DrawClock();
  EXPECT_EQ(HandColourWords(face, words), "secondes azur pâle ; minutes violet pâle ; heures vert citron pâle");
  EXPECT_EQ(HandColourWords(face), "hour pale lime, minute pale violet, second pale azure");
}

// Numbered places are filled in one pass; anything else is kept as written.
TEST(ColourWordsTest, FillInNumberedPlaces) {
  EXPECT_EQ(FillIn("%2 then %1", {"a", "b"}), "b then a");
  EXPECT_EQ(FillIn("%1%1", {"x"}), "xx");
  EXPECT_EQ(FillIn("%1 holds %2", {"%2", "y"}), "%2 holds y");  // not filled again
  EXPECT_EQ(FillIn("%3 and %", {"a"}), "%3 and %");
  EXPECT_EQ(FillIn("100% %0 %a", {"a"}), "100% %0 %a");
  EXPECT_EQ(FillIn("", {"a"}), "");
}

// The locale's short time format gains seconds after its minutes.
TEST(ColourWordsTest, TimeFormatsGainSeconds) {
  const struct {
    const char* format;
    const char* withSeconds;
  } cases[] = {
      {"HH:mm", "HH:mm:ss"},
      {"h:mm AP", "h:mm:ss AP"},
      {"AP h:mm", "AP h:mm:ss"},
      {"H.mm", "H.mm.ss"},
      {"HH:mm:ss", "HH:mm:ss"},
      {"h:mm:ss AP t", "h:mm:ss AP t"},
      {"HH 'h' mm", "HH 'h' mm:ss"},
      {"HH'h'mm", "HH'h'mm:ss"},
      {"'Um' H:mm 'Uhr'", "'Um' H:mm:ss 'Uhr'"},
      {"'s' HH:mm", "'s' HH:mm:ss"},
      {"HH:mm 'o''clock'", "HH:mm:ss 'o''clock'"},
      {"h AP", "h AP"},
      {"H:m", "H:m:ss"},
  };
  for (const auto& c : cases) EXPECT_EQ(WithSeconds(c.format), c.withSeconds) << c.format;
}

}  // namespace
}  // namespace tintwatch
