#pragma once

#include <QIcon>
#include <QImage>
#include <cstdint>

namespace tintwatch {

// The face picture (at 10:10:30) as a square image of `pixels` pixels.
QImage FaceImage(std::int16_t faceType, bool expertMode, int pixels);
// The program's icon at one size, drawn by the face's own code: the Hue face
// with its white made transparent, as the clock floats see-through. Below 48
// pixels the rim's spokes would be all there is to see, so the small sizes
// show the three discs alone.
QImage IconImage(int pixels);
// The icon at the sizes a desktop asks for: nothing to decode, and never out
// of step with the face.
QIcon ClockIcon();

}  // namespace tintwatch
