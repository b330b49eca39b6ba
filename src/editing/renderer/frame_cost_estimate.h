#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "editing/engine/pixel_region.h"

namespace vlt {

// How long a frame's work takes on this machine as it runs now, learnt from the
// frames that ran: composing its stamps and drawing it. Composing is counted in
// pixels of work: a stamp's affected region plus a fixed allowance for what any
// stamp costs however small. Times are wall times, so a machine busy with other
// programs shows as a slow one.
class FrameCostEstimate {
public:
    static constexpr std::int64_t kStampAllowancePixels = 4096;
    // The last few frames speak: enough to smooth out one that was preempted, few
    // enough to follow a machine that turns busy within a few frames.
    static constexpr std::size_t kRememberedFrames = 8;

    // The work of composing one stamp with this affected region; a stamp outside the
    // canvas is skipped and costs nothing.
    static std::int64_t stampWork(const PixelRegion& affectedRegion);

    // A composition of this much work took this many seconds; empty work says nothing.
    void recordComposition(std::int64_t work, double seconds);
    void recordDraw(double seconds);

    // The stamp work that composes, beside a frame's draw, in a frame of this many
    // seconds; none before a composition was recorded. A frame whose draw alone takes
    // that long has room for none.
    std::optional<std::int64_t> compositionWorkWithin(double frameSeconds) const;

private:
    struct Composition {
        std::int64_t work = 0;
        double seconds = 0.0;
    };
    std::array<Composition, kRememberedFrames> compositions_{};
    std::size_t nextComposition_ = 0;
    std::size_t compositionCount_ = 0;
    std::array<double, kRememberedFrames> draws_{};
    std::size_t nextDraw_ = 0;
    std::size_t drawCount_ = 0;
};

}  // namespace vlt
