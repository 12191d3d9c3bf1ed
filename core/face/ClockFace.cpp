#include "core/face/ClockFace.h"

#include <cmath>

#include "core/colour/Rounding.h"

namespace tintwatch {

namespace {

float Single(double value) { return static_cast<float>(value); }

PackedRGB Rgb(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

}  // namespace


std::int32_t ClockFace::Level(std::int16_t max, std::int16_t min) const {
  if (max == min || RimDrawing) return max;
  // The difference is taken wider than 16 bits: levels straight from the
  // settings file are unchecked and could otherwise overflow.
  const double step = static_cast<double>(static_cast<std::int32_t>(max) - min) / 12.0;
  const double level = Hour24 >= 12 ? max - step * Hour12 : step * Hour12 + min;
  return RoundToInt32(level);
}

PackedRGB ClockFace::WheelColour(std::int16_t position) {
  const std::int32_t hue = position;
  const PackedRGB colour = converter_.HSBToRGB(converter_.HSBToLong(hue, Saturation(), Brilliance()));
  SplitRGB(colour, WheelRed, WheelGreen, WheelBlue);
  return colour;
}

std::int16_t ClockFace::HourPosition() const {
  return settings_.SmoothRunning ? RoundToInt16(Minutes / 2.0 + Hour12 * 30) : static_cast<std::int16_t>(Hour12 * 30);
}

std::int16_t ClockFace::MinutePosition() const {
  return settings_.SmoothRunning ? RoundToInt16(Seconds / 10.0 + Minutes * 6) : static_cast<std::int16_t>(Minutes * 6);
}

std::int16_t ClockFace::SecondPosition() const { return static_cast<std::int16_t>(Seconds * 6); }

PackedRGB ClockFace::HourColour() { return WheelColour(HourPosition()); }

PackedRGB ClockFace::MinuteColour() { return WheelColour(MinutePosition()); }

PackedRGB ClockFace::SecondColour() { return WheelColour(SecondPosition()); }

void ClockFace::DrawClock(const LocalTime& now) {
  // The levels, the smooth positions and the hands all use these fields:
  // one reading of the time for the whole face.
  Hour24 = static_cast<std::int16_t>(now.hour);
  Hour12 = static_cast<std::int16_t>(Hour24 % 12);
  Minutes = static_cast<std::int16_t>(now.minute);
  Seconds = static_cast<std::int16_t>(now.second);
  switch (FaceType) {
    case 0: DrawHueFace(); break;
    case 1: DrawRgbFace(); break;
    case 2: DrawLabFace(); break;
    default: break;  // an unknown type from the settings file draws nothing
  }
}

void ClockFace::FilledDisc(double cx, double cy, double radius, PackedRGB colour) {
  surface_.SetFillColour(colour);
  surface_.Disc(Single(cx), Single(cy), Single(radius), colour);
}

void ClockFace::DrawHueFace() {
  // Largest first: each smaller disc covers the middle of the one before,
  // and each covers exactly its own previous drawing, so nothing is cleared.
  const double centre = ClockSize;
  HandColour = SecondColour();
  FilledDisc(centre, centre, 0.7 * ClockSize, HandColour);
  HandColour = MinuteColour();
  FilledDisc(centre, centre, 0.5 * ClockSize, HandColour);
  HandColour = HourColour();
  FilledDisc(centre, centre, 0.2 * ClockSize, HandColour);
}

void ClockFace::DrawRim() {
  if (ExpertMode || FaceType != 0) return;
  RimDrawing = true;
  DrawRimRing(ClockSize, 30);
  DrawRimRing(RoundToInt16(0.85 * ClockSize), 6);
  RimDrawing = false;
}

void ClockFace::DrawRimRing(std::int16_t radius, std::int16_t step) {
  if (step <= 0) return;
  // Both loops include 360: its segment (shown as 359) lands over position 0's.
  for (int i = 0; i <= 360; i += step) DrawWheelSegment(radius, static_cast<std::int16_t>(i), step);
  DrawSpokes(radius, step);
}

void ClockFace::DrawWheelSegment(std::int16_t radius, std::int16_t position, std::int16_t step) {
  const int d = 450 - position;
  // A step of 6 starts the segment at the position's own direction; wider
  // steps centre it there.
  int s = step == 6 ? d % 360 : static_cast<int>(RoundHalfEven(d - step / 2.0)) % 360;
  const int e = (s + step) % 360;
  if (s == 0) s = 358;
  const PackedRGB colour = WheelColour(position);
  const float centre = ClockSize;
  surface_.SetFillSolid(true);
  surface_.SetFillColour(colour);
  surface_.Pie(centre, centre, radius, static_cast<float>(s), static_cast<float>(e), colour);
}

void ClockFace::DrawSpokes(std::int16_t radius, std::int16_t step) {
  if (step <= 0) return;
  const float centre = ClockSize;
  surface_.SetForeColour(0);
  for (int i = 0; i <= 360; i += step) {
    const double d = (450 - i) * kRadiansPerDegree;
    surface_.Line(centre, centre, Single(ClockSize + radius * std::cos(d)), Single(ClockSize - radius * std::sin(d)));
  }
}

void ClockFace::DrawRgbFace() {
  // Coordinates are formed in double precision: at the largest sizes twice
  // ClockSize no longer fits 16 bits.
  const double size = ClockSize;
  const double unit = size / 3.0 / 255.0;
  const double fiveThirds = size * 5.0 / 3.0;
  struct Column {
    PackedRGB (ClockFace::*hand)();
    double barLeft;
    double discX;
  };
  const Column columns[] = {{&ClockFace::HourColour, 0.0, size / 3.0},
                            {&ClockFace::MinuteColour, 0.7 * size, size},
                            {&ClockFace::SecondColour, 1.35 * size, fiveThirds}};
  surface_.Clear();
  surface_.SetFillSolid(true);
  for (const Column& column : columns) {
    HandColour = (this->*column.hand)();
    if (!ExpertMode) {
      surface_.Box(Single(column.barLeft), 0, Single(column.barLeft + size / 9.0), Single(2.0 * size), HandColour);
    }
    FilledDisc(column.discX, size / 3.0, WheelRed * unit, Rgb(WheelRed, 0, 0));
    FilledDisc(column.discX, size, WheelGreen * unit, Rgb(0, WheelGreen, 0));
    FilledDisc(column.discX, fiveThirds, WheelBlue * unit, Rgb(0, 0, WheelBlue));
  }
}

void ClockFace::DrawLabFace() {
  struct Column {
    PackedRGB (ClockFace::*hand)();
    double factor;
  };
  // Drawn right to left; read left to right they give hour, minute, second.
  const Column columns[] = {
      {&ClockFace::SecondColour, 1.4}, {&ClockFace::MinuteColour, 0.75}, {&ClockFace::HourColour, 0.1}};
  surface_.Clear();
  for (const Column& column : columns) {
    HandColour = (this->*column.hand)();
    // Forget the stored colour so that the assignment always recomputes.
    lab_.StoredColor = 0;
    lab_.Color(Rgb(WheelRed, WheelGreen, WheelBlue));
    DrawLabBars(RoundToInt32(column.factor * ClockSize));
  }
}

void ClockFace::DrawLabBars(std::int32_t ColumnLeft) {
  const double size = ClockSize;
  const double x0 = ColumnLeft;
  if (!ExpertMode) {
    surface_.SetFillSolid(true);
    surface_.Box(Single(x0), 0, Single(x0 + size / 9.0), Single(2.0 * size), HandColour);
  }
  // One unit of a* or b* is ClockSize / 128: +-128 would reach the edges.
  const auto channelBar = [&](double left, double right, std::int16_t value, const ColourTriple& lab) {
    const PackedRGB colour = PackedColour(XYZToRGB(LabToXYZ(lab)));
    const double h = size / 128.0 * value;
    if (value > 0) {
      surface_.Box(Single(left), Single(size - h), Single(right), Single(size), colour);
    } else {
      surface_.Box(Single(left), Single(size), Single(right), Single(size - h), colour);
    }
  };
  channelBar(x0 + size / 6.0, x0 + size / 3.0, lab_.LabA,
             ColourTriple{static_cast<double>(lab_.LabL), static_cast<double>(lab_.LabA), 0});
  channelBar(x0 + size / 3.0, x0 + size / 2.0, lab_.LabB,
             ColourTriple{static_cast<double>(lab_.LabL), 0, static_cast<double>(lab_.LabB)});
}

}  // namespace tintwatch
