#include "editing/session/editor_action_history.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

namespace vlt {

void EditorActionHistory::record(EditorAction action, DeformationUndoStatePtr deformationState) {
    discardRedoEntries();

    const bool windowWasFull = undoableIDs_.size() >= kUndoLimit;
    ++nextID_;
    auto entry = std::make_shared<Entry>(Entry{nextID_, std::move(action), std::move(deformationState), true});
    timeline_.push_back(entry);
    entriesByID_.emplace(nextID_, entry);
    undoableIDs_.push_back(nextID_);

    ++appliedCount_;
    ++stateRevision_;

    if (windowWasFull) {
        foldOldestUndoableEntry();
    }
}

std::optional<EditorHistoryStep> EditorActionHistory::undo() {
    if (undoableIDs_.empty()) {
        return std::nullopt;
    }
    const std::int64_t id = undoableIDs_.back();
    undoableIDs_.pop_back();
    const EntryPtr entry = takeEntry(id);
    if (!entry) {
        return std::nullopt;
    }

    entry->isApplied = false;
    --appliedCount_;
    redoableIDs_.push_back(id);
    ++stateRevision_;
    return EditorHistoryStep{entry->action, entry->deformationState};
}

std::optional<EditorHistoryStep> EditorActionHistory::redo() {
    if (redoableIDs_.empty()) {
        return std::nullopt;
    }
    const std::int64_t id = redoableIDs_.back();
    redoableIDs_.pop_back();
    const EntryPtr entry = takeEntry(id);
    if (!entry) {
        return std::nullopt;
    }

    entry->isApplied = true;
    ++appliedCount_;
    undoableIDs_.push_back(id);
    ++stateRevision_;
    return EditorHistoryStep{entry->action, entry->deformationState};
}

void EditorActionHistory::reset() {
    const bool hadApplied = appliedCount_ >= 1;
    timeline_.clear();
    entriesByID_.clear();
    undoableIDs_.clear();
    redoableIDs_.clear();
    annotationBaseline_.clear();
    nextID_ = 0;
    appliedCount_ = 0;
    permanentlyAppliedCount_ = 0;
    if (hadApplied) {
        ++stateRevision_;
    }
}

EditorHistoryAvailability EditorActionHistory::availability() const {
    return {
        !undoableIDs_.empty(), !redoableIDs_.empty(),
        appliedCount_ > 0,     undoableIDs_.empty() && permanentlyAppliedCount_ >= 1,
        stateRevision_,
    };
}

std::vector<AnnotationObject> EditorActionHistory::currentAnnotations() const {
    std::vector<AnnotationObject> annotations = annotationBaseline_;
    for (const EntryPtr& entry : timeline_) {
        if (entry->isApplied) {
            entry->action.apply(annotations);
        }
    }
    return annotations;
}

void EditorActionHistory::discardRedoEntries() {
    if (redoableIDs_.empty()) {
        return;
    }
    const std::unordered_set<std::int64_t> discarded(redoableIDs_.begin(), redoableIDs_.end());
    std::erase_if(timeline_, [&discarded](const EntryPtr& entry) { return discarded.contains(entry->id); });
    for (std::int64_t id : discarded) {
        entriesByID_.erase(id);
    }
    redoableIDs_.clear();
}

void EditorActionHistory::foldOldestUndoableEntry() {
    const std::int64_t oldest = undoableIDs_.front();
    undoableIDs_.erase(undoableIDs_.begin());
    const auto found = entriesByID_.find(oldest);
    if (found == entriesByID_.end()) {
        return;
    }
    // The folded stroke's tiles stay in the field and the mirror; its undo state
    // can no longer be swapped and is released with the entry.
    const EntryPtr entry = found->second;
    entriesByID_.erase(found);
    entry->action.apply(annotationBaseline_);
    std::erase_if(timeline_, [oldest](const EntryPtr& candidate) { return candidate->id == oldest; });
    ++permanentlyAppliedCount_;
}

EditorActionHistory::EntryPtr EditorActionHistory::takeEntry(std::int64_t id) const {
    const auto found = entriesByID_.find(id);
    return found == entriesByID_.end() ? nullptr : found->second;
}

}  // namespace vlt
