#include "editing/session/editor_action_history.h"

#include <memory>
#include <vector>

#include <QUuid>
#include <gtest/gtest.h>

namespace vlt {
namespace {

EditorAction strokeAction(float x) {
    return EditorAction::deformation({{DeformationTool::grow, {x, x}, {}, 10.0f, 1.0f}});
}

DeformationUndoStatePtr someState() {
    return std::make_shared<DeformationUndoState>(std::vector<TileVersion>{{{0, 0, 128, 128}, std::nullopt}});
}

AnnotationObject dot(float x) { return {QUuid::createUuid(), AnnotationStroke{{{x, x}}, 4.0f, {255, 0, 0}}, {}}; }

std::vector<std::int64_t> ids(std::initializer_list<std::int64_t> list) { return list; }

void recordStrokes(EditorActionHistory& history, int count) {
    for (int stroke = 1; stroke <= count; ++stroke) {
        history.record(strokeAction(static_cast<float>(stroke)), someState());
    }
}

void undoTimes(EditorActionHistory& history, int count) {
    for (int undo = 0; undo < count; ++undo) {
        ASSERT_TRUE(history.undo().has_value());
    }
}

std::vector<std::int64_t> timelineIDs(const EditorActionHistory& history) {
    std::vector<std::int64_t> result;
    for (const EditorActionHistory::EntryPtr& entry : history.timeline()) {
        result.push_back(entry->id);
    }
    return result;
}

TEST(EditorActionHistoryTest, ASixthActionFoldsTheOldestOutOfReach) {
    EditorActionHistory history;
    recordStrokes(history, 6);
    EXPECT_EQ(history.undoableIDs(), ids({2, 3, 4, 5, 6}));
    EXPECT_EQ(timelineIDs(history), ids({2, 3, 4, 5, 6}));
    EXPECT_EQ(history.permanentlyAppliedCount(), 1);
    EXPECT_EQ(history.appliedCount(), 6);
    EXPECT_EQ(history.stateRevision(), 6);

    undoTimes(history, 5);
    EXPECT_FALSE(history.undo().has_value());
    const EditorHistoryAvailability availability = history.availability();
    EXPECT_FALSE(availability.canUndo);
    EXPECT_TRUE(availability.canRedo);
    EXPECT_TRUE(availability.canReset);
    EXPECT_TRUE(availability.isAtUndoLimitBoundary);
    EXPECT_EQ(history.appliedCount(), 1);
    EXPECT_EQ(availability.stateRevision, 11);

    // A reset there still counts the folded change.
    history.reset();
    EXPECT_EQ(history.stateRevision(), 12);
    EXPECT_EQ(history.permanentlyAppliedCount(), 0);
    EXPECT_FALSE(history.availability().isAtUndoLimitBoundary);
}

TEST(EditorActionHistoryTest, AFoldedStrokeReleasesItsTiles) {
    EditorActionHistory history;
    DeformationUndoStatePtr first = someState();
    const std::weak_ptr<DeformationUndoState> watched = first;
    history.record(strokeAction(1), std::move(first));
    recordStrokes(history, 4);
    EXPECT_FALSE(watched.expired());
    history.record(strokeAction(6), someState());
    EXPECT_TRUE(watched.expired());
}

TEST(EditorActionHistoryTest, RecordingAfterAnUndoDiscardsTheRedoEntries) {
    EditorActionHistory history;
    history.record(EditorAction::annotationAdd(dot(1)));
    history.record(EditorAction::annotationAdd(dot(2)));
    ASSERT_TRUE(history.undo().has_value());
    EXPECT_TRUE(history.availability().canRedo);

    history.record(EditorAction::annotationAdd(dot(3)));
    EXPECT_EQ(timelineIDs(history), ids({1, 3}));
    EXPECT_FALSE(history.availability().canRedo);
    EXPECT_TRUE(history.redoableIDs().empty());
    EXPECT_FALSE(history.redo().has_value());
}

TEST(EditorActionHistoryTest, TheRevisionMovesOnlyWhenSomethingChanges) {
    EditorActionHistory history;
    history.reset();
    EXPECT_FALSE(history.undo().has_value());
    EXPECT_FALSE(history.redo().has_value());
    EXPECT_EQ(history.stateRevision(), 0);

    history.record(strokeAction(1), someState());
    history.record(strokeAction(2), someState());
    ASSERT_TRUE(history.undo().has_value());
    ASSERT_TRUE(history.undo().has_value());
    const std::int64_t revision = history.stateRevision();
    history.reset();
    EXPECT_EQ(history.stateRevision(), revision);
    EXPECT_EQ(history.availability(), (EditorHistoryAvailability{false, false, false, false, revision}));

    history.record(EditorAction::annotationAdd(dot(1)));
    history.reset();
    EXPECT_EQ(history.stateRevision(), revision + 2);
    history.record(EditorAction::annotationAdd(dot(1)));
    EXPECT_EQ(timelineIDs(history), ids({1}));
}

TEST(EditorActionHistoryTest, FoldedAnnotationActionsLiveOnInTheBaseline) {
    EditorActionHistory history;
    const AnnotationObject first = dot(1);
    history.record(EditorAction::annotationAdd(first));
    history.record(EditorAction::annotationMove(first.id, {3, 4}));
    recordStrokes(history, 5);

    ASSERT_EQ(history.annotationBaseline().size(), 1u);
    EXPECT_EQ(history.annotationBaseline()[0].translation, (Float2{3, 4}));
    EXPECT_EQ(history.permanentlyAppliedCount(), 2);

    undoTimes(history, 5);
    EXPECT_EQ(history.currentAnnotations(), history.annotationBaseline());
}

TEST(EditorActionHistoryTest, CurrentAnnotationsFollowUndoAndRedo) {
    EditorActionHistory history;
    const AnnotationObject first = dot(1);
    const AnnotationObject second = dot(2);
    history.record(EditorAction::annotationAdd(first));
    history.record(strokeAction(5), someState());
    history.record(EditorAction::annotationAdd(second));
    history.record(EditorAction::annotationDelete({first.id}));
    EXPECT_EQ(history.currentAnnotations(), std::vector<AnnotationObject>{second});

    ASSERT_TRUE(history.undo().has_value());
    EXPECT_EQ(history.currentAnnotations(), (std::vector<AnnotationObject>{first, second}));
    ASSERT_TRUE(history.undo().has_value());
    EXPECT_EQ(history.currentAnnotations(), std::vector<AnnotationObject>{first});
    const std::int64_t revision = history.stateRevision();
    const std::optional<EditorHistoryStep> redone = history.redo();
    ASSERT_TRUE(redone.has_value());
    EXPECT_EQ(redone->action, EditorAction::annotationAdd(second));
    EXPECT_EQ(history.currentAnnotations(), (std::vector<AnnotationObject>{first, second}));
    EXPECT_EQ(history.stateRevision(), revision + 1);
}

}  // namespace
}  // namespace vlt
