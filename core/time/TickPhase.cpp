#include "core/time/TickPhase.h"

namespace tintwatch {

int DelayToNextBoundary(std::int64_t nowMs, int intervalMs) {
  if (intervalMs <= 0) return 0;
  // Floored, so that a time before the epoch lands in its own interval too.
  std::int64_t intoInterval = nowMs % intervalMs;
  if (intoInterval < 0) intoInterval += intervalMs;
  return static_cast<int>(intervalMs - intoInterval);
}

}  // namespace tintwatch
