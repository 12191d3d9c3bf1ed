#pragma once

#include <vector>

namespace tintwatch {

// A window's or a screen's rectangle in pixels.
struct PlaceRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const PlaceRect&) const = default;
};

// The screen a window at `place` belongs to: the one that holds the most of
// it; -1 when no part of it is on any screen.
int ScreenOf(const PlaceRect& place, const std::vector<PlaceRect>& screens);

// `place` moved as little as puts it wholly on `area`; one larger than the
// area keeps to the area's top or left edge, so that its title bar stays in reach.
PlaceRect MovedOnto(const PlaceRect& place, const PlaceRect& area);

// The screen closest to `place` (by the gap between the two rectangles; the
// first of equals); -1 when there is no screen.
int NearestScreen(const PlaceRect& place, const std::vector<PlaceRect>& screens);

// Where a window at `place` can be reached: where it is while its centre is
// on a screen (the middle of the face, which every face colours, so that
// even a see-through clock shows there); else moved as little as puts it
// wholly on the free area of the screen nearest that centre. `areas` are the
// free parts of `screens`, in their order. A clock has no taskbar entry to
// fetch it back with.
PlaceRect ReachablePlace(const PlaceRect& place, const std::vector<PlaceRect>& screens,
                         const std::vector<PlaceRect>& areas);

}  // namespace tintwatch
