#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
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
// and planned into stamps once per frame; each frame takes as many planned stamps as
// its work limit allows, in stroke order, so that a frame stays short however far
// the stroke has fallen behind the pointer, and the stroke catches up over the
// frames that follow. The stamps that reached the displacement field stay here until
// the stroke is committed to the history or abandoned. It knows nothing of the GPU:
// the canvas applies, reads back and restores.
class BrushStrokeController {
public:
    enum class Phase {
        idle,
        // Between the press and the release.
        open,
        // Released: frames go on until its last stamps reached the field, and the
        // frame that applies them commits it.
        released,
    };

    // What composing one stamp costs, in the units of a frame's work limit.
    using StampWork = std::function<std::int64_t(const BrushStamp&)>;

    Phase phase() const { return phase_; }
    bool isOpen() const { return phase_ == Phase::open; }
    // Open or released: the canvas draws frames for it.
    bool needsFrames() const { return phase_ != Phase::idle; }
    // Something that no history holds yet: a stroke open or released, or stamps in
    // the field.
    bool isUnderWay() const { return phase_ != Phase::idle || !appliedStamps_.empty(); }

    // Opens a stroke; false, and nothing changes, for an unusable radius or point or
    // while another stroke is under way.
    bool begin(DeformationTool tool, Float2 point, float radius, double now);
    // A pointer move of the open stroke, which keeps the brush it began with.
    void move(Float2 point, float radius, double now);
    // Releases the open stroke; false when none was open.
    bool end();

    // The stamps of one frame: due Reconstruct repeats queue behind the samples, every
    // queued sample is planned, and the planned stamps are taken in order while their
    // work stays within workLimit (always at least one). The rest wait for the next
    // frame. The list's storage is kept from frame to frame.
    const std::vector<BrushStamp>& drainFrame(double now, std::int64_t workLimit, const StampWork& workOf);
    // The frame's stamps reached the field.
    void frameApplied();
    // Once a released stroke's last stamps reached the field: its stamps, to commit;
    // the controller is idle again. None before.
    std::optional<std::vector<BrushStamp>> takeFinishedStroke();
    // Abandons the stroke and returns the stamps already in the field, which must be
    // put back.
    std::vector<BrushStamp> cancel();

    // What the last frame took, until the next one.
    const std::vector<BrushStamp>& lastFrameStamps() const { return frameStamps_; }
    // Stamps planned and waiting for a frame: how far the stroke is behind.
    std::size_t waitingStampCount() const { return planned_.size() - plannedHead_; }
    // Stamps of the stroke that reached the field so far.
    std::size_t appliedStampCount() const { return appliedStamps_.size(); }

private:
    std::vector<BrushStamp> takeAppliedStamps();
    void forgetPlannedStamps();

    QueuedStrokeProcessor queue_;
    StationaryReconstructPlanner reconstructPlanner_;
    // Planned stamps; those before the head were handed to frames.
    std::vector<BrushStamp> planned_;
    std::size_t plannedHead_ = 0;
    std::vector<BrushStamp> frameStamps_;
    std::vector<BrushStamp> appliedStamps_;
    // Every sample of a stroke carries the brush of its press, whatever the current
    // tool became since.
    DeformationTool tool_ = DeformationTool::push;
    Phase phase_ = Phase::idle;
};

}  // namespace vlt
