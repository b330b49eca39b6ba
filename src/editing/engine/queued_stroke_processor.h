#pragma once

#include <vector>

#include "editing/engine/brush_stamp.h"
#include "editing/engine/brush_stamp_planner.h"
#include "editing/engine/stroke_sample.h"

namespace vlt {

// Collects the pointer samples that arrive between two display frames and turns
// them into one list of stamps per frame, so many events cost one compose pass.
class QueuedStrokeProcessor {
public:
    // Samples are queued in event order.
    void append(const StrokeSample& sample) { pending_.push_back(sample); }
    const std::vector<StrokeSample>& pending() const { return pending_; }

    // Appends the stamps of every pending sample, in order, and empties the queue
    // while keeping its storage for the next frame.
    void drain(std::vector<BrushStamp>& into);

    // Forgets queued samples and closes the stroke; the last point stays.
    void reset();

    const BrushStampPlanner& planner() const { return planner_; }

private:
    BrushStampPlanner planner_;
    std::vector<StrokeSample> pending_;
};

}  // namespace vlt
