// Prints the hand colours the faces show at a local time with given levels,
// as rrggbb: hour, minute, second. The endurance run checks the screen
// against them.
//   face_colours HH MM SS SatMax SatMin BriMax BriMin [smooth]
#include <cstdio>
#include <cstdlib>

#include "core/face/ClockFace.h"
#include "core/face/RecordingSurface.h"

int main(int argc, char** argv) {
  using namespace tintwatch;
  if (argc != 8 && argc != 9) {
    std::fprintf(stderr, "usage: %s HH MM SS SatMax SatMin BriMax BriMin [smooth]\n", argv[0]);
    return 2;
  }
  const auto arg = [&](int i) { return static_cast<std::int16_t>(std::atoi(argv[i])); };
  ClockSettings settings;
  settings.SatMax = arg(4);
  settings.SatMin = arg(5);
  settings.BriMax = arg(6);
  settings.BriMin = arg(7);
  settings.SmoothRunning = argc == 9 && arg(8) != 0;
  const ColorConverter converter;
  LabColour lab;
  const FixedTimeSource time({arg(1), arg(2), arg(3)});
  RecordingSurface surface;
  ClockFace face(settings, converter, lab, time, surface);
  face.DrawClock();
  for (const PackedRGB colour : {face.HourColour(), face.MinuteColour(), face.SecondColour()}) {
    std::printf("%02x%02x%02x ", colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff);
  }
  std::printf("\n");
  return 0;
}
