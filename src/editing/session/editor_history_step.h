#pragma once

#include "editing/annotations/editor_action.h"
#include "editing/engine/deformation_undo_state.h"

namespace vlt {

// What undo and redo hand back to be carried out: a deformation step swaps the
// state's tiles, an annotation step rebuilds the annotation list.
struct EditorHistoryStep {
    EditorAction action;
    // Set for deformation steps only.
    DeformationUndoStatePtr deformationState;
};

}  // namespace vlt
