#pragma once

#include <cstdint>

namespace tintwatch {

// Milliseconds from the wall-clock time `nowMs` (since the epoch) to the next
// multiple of `intervalMs`: every whole second for 1000, the seconds 0, 5, 10,
// ... of each minute for 5000. A timer armed with it fires no earlier than
// the boundary: `nowMs` is the time cut down to the millisecond, so the rest
// of that millisecond is a margin. Only the present time counts, so a clock
// set by hand or a resume from suspend is caught up with at the next tick.
// From 1 to the interval, also when the time stands still (on a boundary: a
// whole interval), so a timer re-armed with it never spins; 0 for no interval.
int DelayToNextBoundary(std::int64_t nowMs, int intervalMs);

}  // namespace tintwatch
