#pragma once

#include <cstdint>

namespace vlt {

// What the toolbar may offer, and the revision that tells unsaved changes apart.
struct EditorHistoryAvailability {
    bool canUndo = false;
    bool canRedo = false;
    bool canReset = false;
    // Everything undoable has been undone, but older changes remain that cannot be.
    bool isAtUndoLimitBoundary = false;
    std::int64_t stateRevision = 0;

    friend bool operator==(const EditorHistoryAvailability&, const EditorHistoryAvailability&) = default;
};

}  // namespace vlt
