#include "core/huetest/Random.h"

#include <chrono>
#include <cmath>

namespace tintwatch {

void RandomSource::SeedFromClock() {
  const auto now = std::chrono::system_clock::now().time_since_epoch().count();
  engine_.seed(static_cast<std::uint32_t>(now ^ (now >> 32)));
}

float RandomSource::Next() {
  // 24 random bits scaled by 2^-24 are exact in a float and stay below 1,
  // which generate_canonical<float> does not promise.
  return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}

std::int32_t RandomBetween(RandomSource& random, std::int32_t lo, std::int32_t hi) {
  const double r = random.Next();
  const double count = static_cast<double>(hi) - lo + 1.0;
  return static_cast<std::int32_t>(std::floor(r * count) + lo);
}

}  // namespace tintwatch
