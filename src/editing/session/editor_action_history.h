#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "editing/annotations/annotation_object.h"
#include "editing/annotations/editor_action.h"
#include "editing/engine/deformation_undo_state.h"
#include "editing/session/editor_history_availability.h"
#include "editing/session/editor_history_step.h"

namespace vlt {

// The one undo and redo history of the editor, shared by brush strokes and
// annotation edits. At most five recorded actions can be undone: recording a sixth
// folds the oldest one permanently into the annotation baseline. Main thread only.
class EditorActionHistory {
public:
    static constexpr std::size_t kUndoLimit = 5;

    struct Entry {
        std::int64_t id = 0;
        EditorAction action;
        DeformationUndoStatePtr deformationState;
        bool isApplied = true;
    };
    using EntryPtr = std::shared_ptr<Entry>;

    // Records an action as applied. Ends every redo possibility.
    void record(EditorAction action, DeformationUndoStatePtr deformationState = nullptr);

    // The step to reverse; none when nothing can be undone.
    std::optional<EditorHistoryStep> undo();
    // The step to apply again; none when nothing can be redone.
    std::optional<EditorHistoryStep> redo();

    // Forgets every entry and the baseline; the revision only grows.
    void reset();

    EditorHistoryAvailability availability() const;

    // Every entry that can still be undone or redone, in recording order.
    const std::vector<EntryPtr>& timeline() const { return timeline_; }
    // The annotations left by every folded action.
    const std::vector<AnnotationObject>& annotationBaseline() const { return annotationBaseline_; }
    // The baseline with every applied entry's action applied in recording order:
    // the annotation list is never stored, always derived from here.
    std::vector<AnnotationObject> currentAnnotations() const;

    const std::vector<std::int64_t>& undoableIDs() const { return undoableIDs_; }
    const std::vector<std::int64_t>& redoableIDs() const { return redoableIDs_; }
    std::int64_t appliedCount() const { return appliedCount_; }
    std::int64_t permanentlyAppliedCount() const { return permanentlyAppliedCount_; }
    std::int64_t stateRevision() const { return stateRevision_; }

private:
    void discardRedoEntries();
    void foldOldestUndoableEntry();
    EntryPtr takeEntry(std::int64_t id) const;

    std::vector<EntryPtr> timeline_;
    std::unordered_map<std::int64_t, EntryPtr> entriesByID_;
    std::vector<std::int64_t> undoableIDs_;
    std::vector<std::int64_t> redoableIDs_;
    std::vector<AnnotationObject> annotationBaseline_;
    std::int64_t nextID_ = 0;
    std::int64_t appliedCount_ = 0;
    std::int64_t permanentlyAppliedCount_ = 0;
    std::int64_t stateRevision_ = 0;
};

}  // namespace vlt
