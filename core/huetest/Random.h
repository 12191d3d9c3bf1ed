#pragma once

#include <cstdint>
#include <random>

namespace tintwatch {

// The program's one pseudo-random generator, seeded once at start-up. It sits
// apart from the window code so that the hue test's timing runs without one.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  void Seed(std::uint32_t seed) { engine_.seed(seed); }
  void SeedFromClock();
  // Uniform in [0, 1), never 1.
  virtual float Next();

 private:
  std::mt19937 engine_;
};

// A uniformly random whole number from lo to hi inclusive.
std::int32_t RandomBetween(RandomSource& random, std::int32_t lo, std::int32_t hi);

}  // namespace tintwatch
