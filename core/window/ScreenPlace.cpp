#include "core/window/ScreenPlace.h"

#include <algorithm>

namespace tintwatch {

namespace {

long long Overlap(const PlaceRect& a, const PlaceRect& b) {
  const long long w = std::min<long long>(a.left + a.width, b.left + b.width) - std::max(a.left, b.left);
  const long long h = std::min<long long>(a.top + a.height, b.top + b.height) - std::max(a.top, b.top);
  return w > 0 && h > 0 ? w * h : 0;
}

int Onto(int start, int size, int areaStart, int areaSize) {
  return std::max(areaStart, std::min(start, areaStart + areaSize - size));
}

}  // namespace

int ScreenOf(const PlaceRect& place, const std::vector<PlaceRect>& screens) {
  int best = -1;
  long long most = 0;
  for (int i = 0; i < static_cast<int>(screens.size()); ++i) {
    const long long overlap = Overlap(place, screens[static_cast<std::size_t>(i)]);
    if (overlap > most) {
      most = overlap;
      best = i;
    }
  }
  return best;
}

PlaceRect MovedOnto(const PlaceRect& place, const PlaceRect& area) {
  return {Onto(place.left, place.width, area.left, area.width), Onto(place.top, place.height, area.top, area.height),
          place.width, place.height};
}

int NearestScreen(const PlaceRect& place, const std::vector<PlaceRect>& screens) {
  const auto gap = [](long long start, long long size, long long otherStart, long long otherSize) {
    return std::max({0LL, otherStart - (start + size), start - (otherStart + otherSize)});
  };
  int best = -1;
  long long nearest = 0;
  for (int i = 0; i < static_cast<int>(screens.size()); ++i) {
    const PlaceRect& screen = screens[static_cast<std::size_t>(i)];
    const long long dx = gap(place.left, place.width, screen.left, screen.width);
    const long long dy = gap(place.top, place.height, screen.top, screen.height);
    if (best < 0 || dx * dx + dy * dy < nearest) {
      nearest = dx * dx + dy * dy;
      best = i;
    }
  }
  return best;
}

PlaceRect ReachablePlace(const PlaceRect& place, const std::vector<PlaceRect>& screens,
                         const std::vector<PlaceRect>& areas) {
  const PlaceRect centre{place.left + place.width / 2, place.top + place.height / 2, 1, 1};
  if (ScreenOf(centre, screens) >= 0) return place;
  const int nearest = NearestScreen(centre, screens);
  if (nearest < 0 || static_cast<std::size_t>(nearest) >= areas.size()) return place;
  return MovedOnto(place, areas[static_cast<std::size_t>(nearest)]);
}

}  // namespace tintwatch
