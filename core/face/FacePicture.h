#pragma once

#include <cstdint>

#include "core/face/Surface.h"

namespace tintwatch {

// The face as the program's pictures show it (the help page, the icon): at
// 10:10:30 with the default levels, drawn as the clock window draws it at
// start-up (clear, rim, clock) for a window of 2 x clockSize + 50 twips.
void DrawFacePicture(Surface& surface, std::int16_t faceType, bool expertMode, std::int16_t clockSize);

}  // namespace tintwatch
