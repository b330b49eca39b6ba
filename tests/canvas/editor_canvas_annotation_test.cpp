#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "editor_canvas_test_support.h"

namespace vlt {
namespace {

using testing::CanvasHarness;

double doubleClickInterval() { return QApplication::doubleClickInterval() / 1000.0; }

class EditorCanvasAnnotationTest : public ::testing::Test {
protected:
    void SetUp() override { harness.selectTool(EditorTool::draw); }

    // A horizontal freehand line across the middle of the canvas at a height.
    void drawLine(double y) {
        harness.selectTool(EditorTool::draw);
        harness.stroke({60, y}, {200, y}, 4);
    }

    std::size_t annotationCount() { return harness.view().currentAnnotations().size(); }
    std::size_t timelineSize() { return harness.view().editorHistory().timeline().size(); }
    void click(QPointF pixel) { harness.click(pixel); }

    CanvasHarness harness;
};

TEST_F(EditorCanvasAnnotationTest, DrawClickOnAnAnnotationDrawsItsDotAfterTheIntervalAndADoubleClickSelectsIt) {
    drawLine(120);
    const QUuid line = harness.view().currentAnnotations().front().id;

    click({130, 120});
    EXPECT_TRUE(harness.view().annotations().hasHeldClick());
    harness.scheduler.advance(doubleClickInterval() * 0.5);
    EXPECT_EQ(annotationCount(), 1u);
    harness.scheduler.advance(doubleClickInterval());
    EXPECT_FALSE(harness.view().annotations().hasHeldClick());
    ASSERT_EQ(annotationCount(), 2u);
    // The list comes by value: it must outlive the pointer into it.
    const std::vector<AnnotationObject> annotations = harness.view().currentAnnotations();
    const auto* dot = std::get_if<AnnotationStroke>(&annotations.back().content);
    ASSERT_NE(dot, nullptr);
    EXPECT_EQ(dot->points.size(), 1u);

    // A second click close to the first selects the annotation for moving instead.
    click({180, 120});
    click({181, 121});
    harness.scheduler.advance(doubleClickInterval() * 2);
    harness.settle();
    EXPECT_EQ(annotationCount(), 2u);
    EXPECT_EQ(harness.view().annotations().presentation().selectedID, line);
    EXPECT_EQ(harness.session().activeTool(), EditorTool::selectMove);
    EXPECT_TRUE(harness.session().hasSelectedAnnotation());
    EXPECT_FALSE(harness.session().hasSelectedTextAnnotation());
}

// A brush press on an annotation is held; a tool change meanwhile, to a brush or an
// annotation tool, must not change the stroke that the drag then starts.
TEST_F(EditorCanvasAnnotationTest, HeldBrushPressStartsItsStrokeBeyondTheDragThresholdOnItsOwnTool) {
    drawLine(120);
    for (const EditorTool changedTo : {EditorTool::grow, EditorTool::eraser}) {
        SCOPED_TRACE(std::string(rawValue(changedTo)));
        harness.selectTool(EditorTool::push);
        const QPointF start = harness.viewPointFor({130, 120});
        harness.press(start);
        harness.selectTool(changedTo);
        harness.drag(start + QPointF(3, 0));
        EXPECT_TRUE(harness.view().annotations().hasHeldClick());
        EXPECT_FALSE(harness.view().strokes().isOpen());

        harness.drag(start + QPointF(5, 0));
        EXPECT_FALSE(harness.view().annotations().hasHeldClick());
        EXPECT_TRUE(harness.view().strokes().isOpen());
        for (int step = 1; step <= 6; ++step) {
            harness.drag(start + QPointF(8.0 * step, 3.0 * step));
            harness.view().renderFrame();
        }
        harness.release(start + QPointF(48, 18));
        EXPECT_FALSE(harness.view().strokes().isOpen());
        EXPECT_FALSE(harness.view().isHistoryBusy());
        EXPECT_EQ(annotationCount(), 1u);

        const auto& last = harness.view().editorHistory().timeline().back()->action;
        ASSERT_TRUE(last.isDeformation());
        const auto& stamps = std::get<EditorAction::Deformation>(last.value).stamps;
        ASSERT_FALSE(stamps.empty());
        for (const BrushStamp& stamp : stamps) EXPECT_EQ(stamp.tool, DeformationTool::push);
    }
}

TEST_F(EditorCanvasAnnotationTest, EraserClickDeletesTheUpperOfTwoLaterAndADragThreeInOneUndoableAction) {
    drawLine(60);
    drawLine(120);
    drawLine(120);
    drawLine(180);
    const QUuid upper = harness.view().currentAnnotations().at(2).id;
    harness.selectTool(EditorTool::eraser);
    click({130, 120});
    EXPECT_EQ(annotationCount(), 4u);
    harness.scheduler.advance(doubleClickInterval() * 1.5);
    ASSERT_EQ(annotationCount(), 3u);
    for (const AnnotationObject& object : harness.view().currentAnnotations()) EXPECT_NE(object.id, upper);

    harness.press(harness.viewPointFor({130, 20}));
    for (double y = 40; y <= 230; y += 20) {
        harness.drag(harness.viewPointFor({130, y}));
        if (y == 140) {
            EXPECT_EQ(harness.view().annotations().presentation().hiddenIDs.size(), 2);
        }
    }
    harness.release(harness.viewPointFor({130, 230}));
    EXPECT_EQ(annotationCount(), 0u);
    const auto& action = harness.view().editorHistory().timeline().back()->action;
    ASSERT_EQ(action.kind(), EditorAction::Kind::annotationDelete);
    EXPECT_EQ(std::get<EditorAction::AnnotationDelete>(action.value).ids.size(), 3u);
    harness.undo();
    EXPECT_EQ(annotationCount(), 3u);
}

// A pass quicker than the pointer's events erases along the whole way between two of
// them, but only where it passed.
TEST_F(EditorCanvasAnnotationTest, OneLongEraserMoveErasesWhatItCrossedBetweenTwoEvents) {
    for (const double y : {60.0, 120.0, 180.0}) drawLine(y);
    harness.selectTool(EditorTool::eraser);
    harness.press(harness.viewPointFor({130, 20}));
    harness.drag(harness.viewPointFor({130, 150}));
    harness.release(harness.viewPointFor({130, 150}));
    const std::vector<AnnotationObject> annotations = harness.view().currentAnnotations();
    ASSERT_EQ(annotations.size(), 1u);
    const auto* left = std::get_if<AnnotationStroke>(&annotations.front().content);
    ASSERT_NE(left, nullptr);
    EXPECT_FLOAT_EQ(left->points.front().y, 180.0f);
}

TEST_F(EditorCanvasAnnotationTest, ShapesThatDrawNothingRecordNothingAndOnePointStrokesRecord) {
    harness.selectTool(EditorTool::line);
    click({40, 40});
    harness.selectTool(EditorTool::rectangle);
    harness.stroke({40, 200}, {120, 200}, 2);
    EXPECT_EQ(annotationCount(), 0u);
    // A circle dragged the same way grows its square below the line: it is kept.
    harness.selectTool(EditorTool::circle);
    harness.stroke({40, 100}, {120, 100}, 2);
    ASSERT_EQ(annotationCount(), 1u);
    EXPECT_EQ(std::get<AnnotationShape>(harness.view().currentAnnotations().front().content).tool, EditorTool::circle);

    harness.selectTool(EditorTool::draw);
    click({200, 40});
    harness.settle();
    ASSERT_EQ(annotationCount(), 2u);
    EXPECT_EQ(std::get<AnnotationStroke>(harness.view().currentAnnotations().back().content).points.size(), 1u);
}

TEST_F(EditorCanvasAnnotationTest, SelectMoveDragsTheSelectionEmptyCanvasOrEscapeClearsItAndDeleteRemovesIt) {
    drawLine(120);
    const QUuid line = harness.view().currentAnnotations().front().id;
    harness.selectTool(EditorTool::selectMove);
    harness.stroke({130, 120}, {130, 150}, 3);
    ASSERT_EQ(annotationCount(), 1u);
    EXPECT_NEAR(harness.view().currentAnnotations().front().translation.y, 30.0f, 0.5f);
    EXPECT_EQ(harness.view().annotations().presentation().selectedID, line);

    click({20, 230});
    harness.settle();
    EXPECT_FALSE(harness.view().annotations().presentation().selectedID.has_value());
    EXPECT_FALSE(harness.session().hasSelectedAnnotation());

    click({130, 150});
    ASSERT_TRUE(harness.view().annotations().presentation().selectedID.has_value());
    QTest::keyClick(&harness.view(), Qt::Key_Escape);
    EXPECT_FALSE(harness.view().annotations().presentation().selectedID.has_value());
    click({130, 150});
    QTest::keyClick(&harness.view(), Qt::Key_Delete);
    harness.settle();
    EXPECT_EQ(annotationCount(), 0u);
    EXPECT_FALSE(harness.session().hasSelectedAnnotation());
}

TEST_F(EditorCanvasAnnotationTest, TextToolAsksForTextAndCommitsAddAndEditByTheirRules) {
    harness.selectTool(EditorTool::text);
    click({40, 40});
    harness.settle();
    ASSERT_TRUE(harness.session().textEntryRequest().has_value());
    const AnnotationTextRequest add = *harness.session().textEntryRequest();
    EXPECT_TRUE(std::holds_alternative<AnnotationTextRequest::Add>(add.purpose));

    harness.session().commitTextEntry(add, QStringLiteral("  \n "));
    EXPECT_EQ(annotationCount(), 0u);
    harness.session().commitTextEntry(add, QStringLiteral(" Hello\n"));
    ASSERT_EQ(annotationCount(), 1u);
    const AnnotationObject text = harness.view().currentAnnotations().front();
    EXPECT_EQ(std::get<AnnotationText>(text.content).text, QStringLiteral(" Hello\n"));

    const AnnotationTextRequest edit{QUuid::createUuid(), AnnotationTextRequest::Edit{text.id},
                                     QStringLiteral(" Hello\n")};
    const std::size_t recorded = timelineSize();
    harness.session().commitTextEntry(edit, QStringLiteral(" Hello\n"));
    harness.session().commitTextEntry(edit, QStringLiteral(" "));
    EXPECT_EQ(timelineSize(), recorded);
    harness.session().commitTextEntry(edit, QStringLiteral("Bye"));
    EXPECT_EQ(timelineSize(), recorded + 1);
    EXPECT_EQ(std::get<AnnotationText>(harness.view().currentAnnotations().front().content).text,
              QStringLiteral("Bye"));
}

TEST_F(EditorCanvasAnnotationTest, SuspendingDuringAHeldClickDropsItWithoutPerformingIt) {
    drawLine(120);
    click({130, 120});
    ASSERT_TRUE(harness.view().annotations().hasHeldClick());
    harness.bridge().setInteractionSuspended(true);
    EXPECT_FALSE(harness.view().annotations().hasHeldClick());
    harness.scheduler.advance(doubleClickInterval() * 2);
    EXPECT_EQ(annotationCount(), 1u);
}

}  // namespace
}  // namespace vlt
