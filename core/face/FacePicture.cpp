#include "core/face/FacePicture.h"

#include "core/face/ClockFace.h"

namespace tintwatch {

void DrawFacePicture(Surface& surface, std::int16_t faceType, bool expertMode, std::int16_t clockSize) {
  const ClockSettings settings;
  const ColorConverter converter;
  LabColour lab;
  const FixedTimeSource time({10, 10, 30});
  ClockFace face(settings, converter, lab, time, surface);
  face.FaceType = faceType;
  face.ExpertMode = expertMode;
  face.ClockSize = clockSize;
  surface.Clear();
  face.DrawRim();
  face.DrawClock();
}

}  // namespace tintwatch
