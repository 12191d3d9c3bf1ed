#pragma once

#include <QIcon>
#include <QImage>
#include <cstdint>

namespace tintwatch {

// The face picture (at 10:10:30) as a square image of `pixels` pixels.
QImage FaceImage(std::int16_t faceType, bool expertMode, int pixels);
// The same with its white made transparent, as the clock floats see-through.
QImage SeeThroughImage(const QImage& image);
// The program's icon, drawn by the face's own code: nothing to decode, and
// never out of step with the face. Below 48 pixels the rim's spokes would be
// all there is to see, so the small sizes show the three discs alone.
QIcon ClockIcon();

}  // namespace tintwatch
