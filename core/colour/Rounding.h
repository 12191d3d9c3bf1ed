#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace tintwatch {

// Every fraction that lands in a whole-number field is rounded to nearest with
// ties to even (100.5 -> 100, 101.5 -> 102). nearbyint does exactly that in the
// default floating-point environment, which the program never changes.
inline double RoundHalfEven(double value) { return std::nearbyint(value); }

// Rounds, then saturates instead of wrapping: a stray huge value must never
// turn into undefined behaviour or a different colour's worth of bits.
template <typename Int>
Int RoundSaturated(double value) {
  if (std::isnan(value)) return 0;
  const double r = RoundHalfEven(value);
  if (r <= static_cast<double>(std::numeric_limits<Int>::min())) return std::numeric_limits<Int>::min();
  if (r >= static_cast<double>(std::numeric_limits<Int>::max())) return std::numeric_limits<Int>::max();
  return static_cast<Int>(r);
}

inline std::int16_t RoundToInt16(double value) { return RoundSaturated<std::int16_t>(value); }
inline std::int32_t RoundToInt32(double value) { return RoundSaturated<std::int32_t>(value); }

// Whole-number state is 16-bit; sums that could leave that range are clamped
// rather than wrapped.
inline std::int16_t SaturateToInt16(std::int64_t value) {
  if (value < std::numeric_limits<std::int16_t>::min()) return std::numeric_limits<std::int16_t>::min();
  if (value > std::numeric_limits<std::int16_t>::max()) return std::numeric_limits<std::int16_t>::max();
  return static_cast<std::int16_t>(value);
}

// Degrees to radians with the program's own constant.
inline constexpr double kRadiansPerDegree = 0.017453292519943278;

}  // namespace tintwatch
