#pragma once

#include <cstdint>

#include "base/clock.h"

namespace vlt {

// Milliseconds of uptime since `sinceSeconds` (an earlier reading of the same clock),
// rounded to the nearest whole millisecond with halves away from zero and never
// below 0: the elapsed_ms of still-image, share, video and print events.
std::int64_t elapsedMilliseconds(double sinceSeconds, const Clock& clock = SystemClock::shared());

// The same with the fraction dropped instead of rounded: the elapsed_ms of the
// feedback events and of session_ended.
std::int64_t wholeElapsedMilliseconds(double sinceSeconds, const Clock& clock = SystemClock::shared());

}  // namespace vlt
