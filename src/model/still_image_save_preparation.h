#pragma once

#include <cstdint>
#include <memory>

#include "output/still/still_image_export_options.h"
#include "output/still/still_image_snapshot_source.h"

namespace vlt {

class EditorSession;

// What a still-image save needs before it can start, made ready as soon as the save
// dialog opens, while the person reads it: the editor's snapshot (the full-size render
// of the Simulation) and the memory of the canvases the dialog's first choices would
// compose. The editor cannot change while the dialog is up; even so a snapshot is
// only handed to a save of the same editor at the same history revision, and asked
// for anew otherwise. GUI thread only.
class StillImageSavePreparation {
public:
    // Asks the session for its snapshot, unless one for its current state is on its
    // way, and sets canvas memory aside for the options.
    void start(const std::shared_ptr<EditorSession>& session, const StillImageExportOptions& options);
    // The snapshot for a save of the session: the prepared one when it still stands
    // for the session's state and has not failed, else a new request. The canvas
    // memory stays for the save; the snapshot is let go here either way.
    SharedStillImageSnapshotSource takeSnapshot(const std::shared_ptr<EditorSession>& session);
    // Lets go of all of it: the dialog closed without a save, or the save ended.
    void drop();

    // Asks the session for its snapshot now; the session must have its snapshot command.
    static SharedStillImageSnapshotSource requestSnapshot(EditorSession& session);

private:
    bool standsFor(const std::shared_ptr<EditorSession>& session) const;

    std::weak_ptr<EditorSession> session_;
    std::int64_t revision_ = 0;
    SharedStillImageSnapshotSource snapshot_;
};

}  // namespace vlt
