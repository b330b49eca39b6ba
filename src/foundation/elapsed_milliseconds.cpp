#include "foundation/elapsed_milliseconds.h"

#include <cmath>
#include <limits>

namespace vlt {

namespace {

// Keeps a corrupt or absurd start reading from overflowing the conversion.
std::int64_t clampedToRange(double milliseconds) {
    if (!(milliseconds > 0.0)) return 0;
    constexpr double kLargest = 9.0e18;
    if (milliseconds >= kLargest) return static_cast<std::int64_t>(kLargest);
    return static_cast<std::int64_t>(milliseconds);
}

}  // namespace

std::int64_t elapsedMilliseconds(double sinceSeconds, const Clock& clock) {
    const double milliseconds = (clock.uptimeSeconds() - sinceSeconds) * 1000.0;
    // std::round takes halves away from zero.
    return clampedToRange(std::round(milliseconds));
}

std::int64_t wholeElapsedMilliseconds(double sinceSeconds, const Clock& clock) {
    const double seconds = clock.uptimeSeconds() - sinceSeconds;
    return clampedToRange(std::trunc(std::max(seconds, 0.0) * 1000.0));
}

}  // namespace vlt
