#include "editing/engine/queued_stroke_processor.h"

namespace vlt {

void QueuedStrokeProcessor::drain(std::vector<BrushStamp>& into) {
    for (const StrokeSample& sample : pending_) {
        switch (sample.kind) {
        case StrokeSample::Kind::begin:
            planner_.begin(sample.tool, sample.point, sample.radius, into);
            break;
        case StrokeSample::Kind::move:
            planner_.appendStamps(sample.tool, sample.point, sample.radius, into);
            break;
        case StrokeSample::Kind::reconstructRepeat:
            planner_.appendReconstructRepeat(sample.point, sample.radius, into);
            break;
        case StrokeSample::Kind::end:
            planner_.clearActiveTool();
            break;
        }
    }
    pending_.clear();
}

void QueuedStrokeProcessor::reset() {
    pending_.clear();
    planner_.clearActiveTool();
}

}  // namespace vlt
