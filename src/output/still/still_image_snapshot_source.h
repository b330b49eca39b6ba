#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>

#include <QImage>

#include "base/result.h"
#include "editing/session/still_image_render_snapshot.h"

namespace vlt {

// The editor's snapshot for one output as it comes: the Original at once (it is the
// editing canvas itself), the rendered Simulation and the annotations once the
// renderer has made them. A save starts on what it has and waits only where it needs
// the rest, so the full-size render overlaps the work on the Original.
//
// Fulfilled once, from any thread (the editor answers on the GUI thread); read from
// any thread.
class StillImageSnapshotSource {
public:
    // The original must be the snapshot's own (the editing canvas's image).
    explicit StillImageSnapshotSource(QImage original);
    // A source whose snapshot is there already.
    static std::shared_ptr<StillImageSnapshotSource> ready(StillImageRenderSnapshot snapshot);

    const QImage& original() const { return original_; }

    // The editor's answer; later answers are ignored.
    void fulfil(Result<StillImageRenderSnapshot> snapshot);
    // Whether the answer is there, and whether it is a snapshot.
    bool isFulfilled() const;
    bool hasFailed() const;
    // Waits for the answer; a stop request ends the wait with the cancellation error.
    Result<StillImageRenderSnapshot> wait(std::stop_token stop) const;

private:
    QImage original_;
    mutable std::mutex mutex_;
    mutable std::condition_variable_any answered_;
    std::optional<Result<StillImageRenderSnapshot>> snapshot_;
};

using SharedStillImageSnapshotSource = std::shared_ptr<StillImageSnapshotSource>;

}  // namespace vlt
