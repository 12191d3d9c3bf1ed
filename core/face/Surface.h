#pragma once

#include "core/colour/ColorConverter.h"

namespace tintwatch {

// What the faces and the hue test draw on. Coordinates are twips (1/1440 inch,
// 15 to a logical pixel), x to the right and y downwards; directions are
// degrees counter-clockwise from 3 o'clock.
class Surface {
 public:
  virtual ~Surface() = default;

  // The whole surface becomes the white background.
  virtual void Clear() = 0;
  // Drawing state, kept until changed.
  virtual void SetFillSolid(bool solid) = 0;
  virtual void SetFillColour(PackedRGB colour) = 0;
  virtual void SetForeColour(PackedRGB colour) = 0;
  // Outlined in `outline`; the interior takes the fill colour while the fill is solid.
  virtual void Disc(float cx, float cy, float radius, PackedRGB outline) = 0;
  // The slice from `startDeg` counter-clockwise to `endDeg` (wrapping through 0
  // when end < start), closed by both radii, outlined and filled as a disc is.
  virtual void Pie(float cx, float cy, float radius, float startDeg, float endDeg, PackedRGB outline) = 0;
  // One pixel wide, in the foreground colour.
  virtual void Line(float x1, float y1, float x2, float y2) = 0;
  // Axis-parallel, outlined and filled in `colour`; corners in either order.
  virtual void Box(float x1, float y1, float x2, float y2, PackedRGB colour) = 0;
};

}  // namespace tintwatch
