#pragma once

#include <cstdint>

#include "core/colour/ColorConverter.h"
#include "core/colour/LabColour.h"
#include "core/face/ClockSettings.h"
#include "core/face/Surface.h"
#include "core/time/TimeSource.h"

namespace tintwatch {

// Turns the time into colours and draws the Hue, RGB and Lab faces. The
// fields are the main window's drawing state; the window sets ClockSize,
// FaceType and ExpertMode, the drawing writes the rest.
class ClockFace {
 public:
  ClockFace(const ClockSettings& settings, const ColorConverter& converter, LabColour& lab,
            const TimeSource& time, Surface& surface)
      : settings_(settings), converter_(converter), lab_(lab), time_(time), surface_(surface) {}

  // Time to colour: a wheel position (0 at 12 o'clock, clockwise) in the
  // saturation and brilliance of the current hour.
  PackedRGB WheelColour(std::int16_t position);
  PackedRGB HourColour();
  PackedRGB MinuteColour();
  PackedRGB SecondColour();
  // The hands' wheel positions and the levels they are drawn in, for the
  // time fields as they stand: what the last drawing showed.
  std::int16_t HourPosition() const;
  std::int16_t MinutePosition() const;
  std::int16_t SecondPosition() const;
  std::int32_t Saturation() const { return Level(settings_.SatMax, settings_.SatMin); }
  std::int32_t Brilliance() const { return Level(settings_.BriMax, settings_.BriMin); }

  // Reads the time once and draws the face of FaceType.
  void DrawClock() { DrawClock(time_.Now()); }
  // Draws the face of FaceType at a time already read (a tick's own reading).
  void DrawClock(const LocalTime& now);
  // The Hue clock's rim of colour hours and minutes; nothing in expert mode
  // or for the bar faces.
  void DrawRim();
  void DrawRimRing(std::int16_t radius, std::int16_t step);
  // The pie segment of one wheel position in its colour, and black spokes
  // at every step from 0 to 360: the rim's parts, shared with the hue test.
  void DrawWheelSegment(std::int16_t radius, std::int16_t position, std::int16_t step);
  void DrawSpokes(std::int16_t radius, std::int16_t step);
  void DrawLabBars(std::int32_t ColumnLeft);

  std::int16_t ClockSize = 800;
  std::int16_t FaceType = 0;
  bool ExpertMode = false;

  std::int16_t Hour24 = 0;
  std::int16_t Hour12 = 0;
  std::int16_t Minutes = 0;
  std::int16_t Seconds = 0;
  bool RimDrawing = false;
  std::int16_t WheelRed = 0;
  std::int16_t WheelGreen = 0;
  std::int16_t WheelBlue = 0;
  PackedRGB HandColour = 0;

 private:
  std::int32_t Level(std::int16_t max, std::int16_t min) const;
  void DrawHueFace();
  void DrawRgbFace();
  void DrawLabFace();
  void FilledDisc(double cx, double cy, double radius, PackedRGB colour);

  const ClockSettings& settings_;
  const ColorConverter& converter_;
  LabColour& lab_;
  const TimeSource& time_;
  Surface& surface_;
};

}  // namespace tintwatch
