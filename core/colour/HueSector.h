#pragma once

namespace tintwatch {

// The largest and smallest of three channels, by the nested comparisons
// both HSB conversions use.
struct ChannelRange {
  int max;
  int min;
  int delta() const { return max - min; }
};

inline ChannelRange RangeOf(int R, int G, int B) {
  return {R > G ? (R > B ? R : B) : (G > B ? G : B), R < G ? (R < B ? R : B) : (G < B ? G : B)};
}

// The hue sector value x (hue = x * 60) in double precision, for delta > 0.
// A tie for the maximum goes to red, then to green.
inline double HueSector(int R, int G, int B, const ChannelRange& range) {
  const double delta = range.delta();
  if (range.max == R) return (G - B) / delta;
  if (range.max == G) return (B - R) / delta + 2.0;
  return (R - G) / delta + 4.0;
}

}  // namespace tintwatch
