#include <gtest/gtest.h>

#include <QDir>
#include <cmath>

#include "core/colour/Rounding.h"
#include "core/face/ClockFace.h"
#include "core/window/WindowShape.h"
#include "qt/QtSurface.h"

namespace tintwatch {
namespace {

// Renders the faces on the raster surface and reads its pixels at points well
// inside each region.
class RasterFaceTest : public testing::TestWithParam<qreal> {
 protected:
  void Render(int clockSize, int face, bool expert, LocalTime at) {
    this->face.ClockSize = static_cast<std::int16_t>(clockSize);
    this->face.FaceType = static_cast<std::int16_t>(face);
    this->face.ExpertMode = expert;
    time.time = at;
    const int pixels = static_cast<int>((2 * clockSize + 50) / QtSurface::kTwipsPerPixel);
    surface.Resize(QSize(pixels, pixels), GetParam());
    surface.Clear();
    this->face.DrawRim();
    this->face.DrawClock();
    image = surface.Image();
    const QByteArray folder = qgetenv("TINTWATCH_SAVE_PICTURES");
    if (!folder.isEmpty()) {
      QDir().mkpath(QString::fromLocal8Bit(folder));
      image.save(QStringLiteral("%1/face%2-size%3-expert%4-dpr%5.png")
                     .arg(QString::fromLocal8Bit(folder))
                     .arg(face)
                     .arg(clockSize)
                     .arg(expert)
                     .arg(GetParam()));
    }
  }
  // The colour at a point given in twips.
  PackedRGB At(double x, double y) const {
    const double scale = GetParam() / QtSurface::kTwipsPerPixel;
    const QRgb p = image.pixel(static_cast<int>(x * scale), static_cast<int>(y * scale));
    return qRed(p) + 256 * qGreen(p) + 65536 * qBlue(p);
  }
  // The colour at a wheel direction (degrees counter-clockwise from 3 o'clock).
  PackedRGB AtPolar(double radius, double direction) const {
    const double centre = face.ClockSize;
    const double t = direction * kRadiansPerDegree;
    return At(centre + radius * std::cos(t), centre - radius * std::sin(t));
  }
  PackedRGB Hsb(int hue, int sat = 100, int bri = 100) const { return cc.HSBToRGB(cc.HSBToLong(hue, sat, bri)); }

  ClockSettings settings;
  ColorConverter cc;
  LabColour lab;
  FixedTimeSource time{{0, 0, 0}};
  QtSurface surface{QSize(110, 110), 1.0};
  ClockFace face{settings, cc, lab, time, surface};
  QImage image;
};

constexpr PackedRGB kWhite = 0xFFFFFF;

TEST_P(RasterFaceTest, HueFaceRimAndDiscs) {
  Render(800, 0, false, {15, 47, 33});
  EXPECT_EQ(image.width(), qRound(110 * GetParam()));
  EXPECT_EQ(At(800, 800), Hsb(90));        // hour disc
  EXPECT_EQ(At(800, 800 - 350), Hsb(282));  // minute ring
  EXPECT_EQ(AtPolar(480, 250), Hsb(198));  // second ring
  // The 12 o'clock minute segment shows position 359, drawn last over 0.
  EXPECT_EQ(AtPolar(620, 93), Hsb(359));
  EXPECT_EQ(AtPolar(620, 87), Hsb(6));
  // Hour segment of position 90 spans 345..15 degrees; 60's spans 15..45.
  EXPECT_EQ(AtPolar(740, 5), Hsb(90));
  EXPECT_EQ(AtPolar(740, 352), Hsb(90));
  EXPECT_EQ(AtPolar(740, 25), Hsb(60));
  EXPECT_EQ(AtPolar(740, 97), Hsb(359));
  // Spokes: black at the 3 o'clock hour, on the ring.
  bool black = false;
  for (int dy = -1; dy <= 1; ++dy) black = black || At(925, 800 + dy * 15 / GetParam()) == 0;
  EXPECT_EQ(AtPolar(740, 0) == 0 || black, true);
  // Outside the face the background stays white.
  EXPECT_EQ(At(60, 60), kWhite);
  EXPECT_EQ(At(1620, 1620), kWhite);
}

TEST_P(RasterFaceTest, HueFaceExpertModeHasNoRim) {
  Render(800, 0, true, {15, 47, 33});
  EXPECT_EQ(At(800, 800), Hsb(90));
  EXPECT_EQ(AtPolar(620, 93), kWhite);
  EXPECT_EQ(AtPolar(740, 5), kWhite);
  EXPECT_EQ(AtPolar(480, 200), Hsb(198));
}

TEST_P(RasterFaceTest, RgbFaceBarsAndChannelDiscs) {
  Render(800, 1, false, {4, 20, 40});  // hour and minute green, second blue
  EXPECT_EQ(At(44, 266), Hsb(120));      // hour bar where its red disc has radius 0
  EXPECT_EQ(At(266, 800), 0x00FF00);     // hour green disc
  EXPECT_EQ(At(800, 800), 0x00FF00);     // minute green disc
  EXPECT_EQ(At(1333, 1333), 0xFF0000);   // second blue disc (packed blue)
  EXPECT_EQ(At(1124, 266), Hsb(240));    // second bar above its blue disc
  EXPECT_EQ(At(1333, 266), kWhite);      // zero red: nothing there
  EXPECT_EQ(At(450, 100), kWhite);
}

TEST_P(RasterFaceTest, RgbFaceExpertModeOnlyDiscs) {
  Render(800, 1, true, {4, 20, 40});
  EXPECT_EQ(At(44, 266), kWhite);
  EXPECT_EQ(At(266, 800), 0x00FF00);
}

TEST_P(RasterFaceTest, LabFaceColumns) {
  Render(800, 2, false, {0, 0, 0});  // all red: a* 80, b* 67
  const PackedRGB aColour = PackedColour(XYZToRGB(LabToXYZ({53, 80, 0})));
  const PackedRGB bColour = PackedColour(XYZToRGB(LabToXYZ({53, 0, 67})));
  for (const double x0 : {80.0, 600.0, 1120.0}) {
    EXPECT_EQ(At(x0 + 44, 400), 0x0000FF) << x0;
    EXPECT_EQ(At(x0 + 200, 600), aColour) << x0;  // a* bar rises to 800 - 500
    EXPECT_EQ(At(x0 + 200, 250), kWhite) << x0;
    EXPECT_EQ(At(x0 + 333, 600), bColour) << x0;
    EXPECT_EQ(At(x0 + 333, 900), kWhite) << x0;
  }
}

TEST_P(RasterFaceTest, LabFaceNegativeChannelHangsBelow) {
  Render(800, 2, true, {4, 0, 0});  // hour green: a* -86
  EXPECT_EQ(At(80 + 44, 400), kWhite);
  const PackedRGB aColour = PackedColour(XYZToRGB(LabToXYZ({88, -86, 0})));
  EXPECT_EQ(At(80 + 200, 1100), aColour);
  EXPECT_EQ(At(80 + 200, 700), kWhite);
}

TEST_P(RasterFaceTest, LargestSize) {
  if (GetParam() != 1.0) GTEST_SKIP() << "one ratio is enough at this size";
  Render(25600, 0, false, {15, 47, 33});
  EXPECT_EQ(At(25600, 25600), Hsb(90));
  EXPECT_EQ(AtPolar(25600 * 0.775, 93), Hsb(359));
  EXPECT_EQ(AtPolar(25600 * 0.925, 5), Hsb(90));
  Render(25600, 1, false, {4, 20, 40});
  EXPECT_EQ(At(25600 * 5.0 / 3, 25600 * 5.0 / 3), 0xFF0000);
  EXPECT_EQ(At(1.35 * 25600 + 1400, 8000), Hsb(240));
  Render(25600, 2, false, {0, 0, 0});
  EXPECT_EQ(At(1.4 * 25600 + 1400, 40000), 0x0000FF);
  EXPECT_EQ(At(1.4 * 25600 + 25600 * 0.42, 25600 - 8000), PackedColour(XYZToRGB(LabToXYZ({53, 0, 67}))));
}

WindowShape::Pixels View(const QImage& image) {
  return {reinterpret_cast<const std::uint32_t*>(image.constBits()), image.width(), image.height(),
          static_cast<int>(image.bytesPerLine() / 4)};
}

TEST_P(RasterFaceTest, ShapeKeptFromTheChangedPartsMatchesTheWholePicture) {
  // The see-through shape is brought up to date from the part of the picture
  // the surface reports changed: ticks of each face (the RGB discs and the Lab
  // bars change size), redraws with another face, and hands drawn in white,
  // which are holes.
  Render(800, 0, false, {15, 47, 33});
  surface.TakeChangedRect();
  WindowShape kept;
  kept.Update(View(image), 0, 0, image.width(), image.height());
  auto expectSameAsWhole = [&](const char* what) {
    image = surface.Image();
    const QRect changed = surface.TakeChangedRect();
    kept.Update(View(image), changed.x(), changed.y(), changed.width(), changed.height());
    WindowShape whole;
    whole.Update(View(image), 0, 0, image.width(), image.height());
    EXPECT_EQ(kept.Rectangles(), whole.Rectangles()) << what;
  };
  for (int face : {0, 1, 2, 1}) {
    this->face.FaceType = static_cast<std::int16_t>(face);
    surface.Clear();
    this->face.DrawRim();
    this->face.DrawClock();
    expectSameAsWhole("redraw");
    for (int second : {34, 35, 59, 0, 17}) {
      time.time = {4, 20, second};
      this->face.DrawClock();
      expectSameAsWhole("tick");
    }
  }
  settings.SatMax = settings.SatMin = 0;
  time.time = {4, 20, 18};
  this->face.DrawClock();
  expectSameAsWhole("white hands");
}

INSTANTIATE_TEST_SUITE_P(Ratios, RasterFaceTest, testing::Values(1.0, 2.0),
                         [](const testing::TestParamInfo<qreal>& info) {
                           return info.param == 1.0 ? std::string("x1") : std::string("x2");
                         });

TEST(QtSurfaceBasics, PieWrapsAndBoxCornersInEitherOrder) {
  QtSurface surface(QSize(100, 100), 1.0);
  surface.SetFillColour(0x0000FF);
  surface.Pie(750, 750, 600, 345, 15, 0x0000FF);  // through 0
  surface.Box(1400, 1400, 1200, 1200, 0x00FF00);
  const QImage& image = surface.Image();
  EXPECT_EQ(image.pixelColor(85, 50), QColor(255, 0, 0));  // at 3 o'clock
  EXPECT_EQ(image.pixelColor(50, 15), QColor(255, 255, 255));
  EXPECT_EQ(image.pixelColor(87, 87), QColor(0, 255, 0));
  surface.Clear();
  EXPECT_EQ(surface.Image().pixelColor(85, 50), QColor(255, 255, 255));
}

TEST(QtSurfaceBasics, ChangedCallbackFiresOncePerPicture) {
  QtSurface surface(QSize(10, 10), 1.0);
  int changes = 0;
  surface.SetChangedCallback([&] { ++changes; });
  surface.Box(0, 0, 30, 30, 0);
  surface.Box(0, 0, 60, 60, 0);
  EXPECT_EQ(changes, 1);
  surface.Image();
  surface.Line(0, 0, 100, 100);
  EXPECT_EQ(changes, 2);
}

}  // namespace
}  // namespace tintwatch
