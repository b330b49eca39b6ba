#pragma once

#include <optional>
#include <vector>

#include "editing/engine/brush_stamp.h"
#include "editing/engine/deformation_tool.h"
#include "editing/engine/editor_tool.h"
#include "editing/engine/float2.h"
#include "editing/engine/queued_stroke_processor.h"
#include "editing/engine/stationary_reconstruct_planner.h"

namespace vlt {

// The brush of a reshape tool; annotation tools have none and give Push.
DeformationTool deformationTool(EditorTool tool);

// The brush stroke of the editor canvas. Its pointer samples are queued as they come
// and turned into stamps once per frame; the stamps that reached the displacement
// field stay here until the stroke is committed to the history or abandoned. It
// knows nothing of the GPU: the canvas applies, reads back and restores.
class BrushStrokeController {
public:
    enum class Phase {
        idle,
        // Between the press and the release.
        open,
        // Released: the next frame draws the last samples and commits the stroke.
        awaitingFinalFrame,
    };

    Phase phase() const { return phase_; }
    bool isOpen() const { return phase_ == Phase::open; }
    // Something that no history holds yet: a stroke open or awaiting its final frame,
    // or stamps in the field.
    bool isUnderWay() const { return phase_ != Phase::idle || !appliedStamps_.empty(); }

    // Opens a stroke; false, and nothing changes, for an unusable radius or point.
    bool begin(DeformationTool tool, Float2 point, float radius, double now);
    // A pointer move of the open stroke, which keeps the brush it began with.
    void move(Float2 point, float radius, double now);
    // Releases the open stroke; false when none was open.
    bool end();

    // The stamps of one frame: due Reconstruct repeats queue behind the samples, and
    // the queue is drained. The list's storage is kept from frame to frame.
    const std::vector<BrushStamp>& drainFrame(double now);
    // The frame's stamps reached the field.
    void frameApplied();
    // After the final frame: the stroke's stamps, to commit; the controller is idle
    // again. None while no stroke awaits its final frame.
    std::optional<std::vector<BrushStamp>> takeFinishedStroke();
    // Abandons the stroke and returns the stamps already in the field, which must be
    // put back.
    std::vector<BrushStamp> cancel();

private:
    std::vector<BrushStamp> takeAppliedStamps();

    QueuedStrokeProcessor queue_;
    StationaryReconstructPlanner reconstructPlanner_;
    std::vector<BrushStamp> frameStamps_;
    std::vector<BrushStamp> appliedStamps_;
    // Every sample of a stroke carries the brush of its press, whatever the current
    // tool became since.
    DeformationTool tool_ = DeformationTool::push;
    Phase phase_ = Phase::idle;
};

}  // namespace vlt
