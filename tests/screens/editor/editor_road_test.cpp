#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/shell_test_support.h"
#include "canvas/annotation_text_editor_sheet.h"
#include "canvas/editor_canvas_view.h"
#include "screens/crop/crop_inspector.h"
#include "screens/crop/crop_preset_button.h"
#include "screens/crop/crop_surface.h"
#include "screens/crop/crop_view.h"
#include "screens/crop/crop_workspace.h"
#include "screens/editor/editor_continuous_slider.h"
#include "screens/editor/editor_history_button.h"
#include "screens/editor/editor_mode_button.h"
#include "screens/editor/editor_tab_button.h"
#include "screens/editor/editor_text_button.h"
#include "screens/editor/editor_tool_rail.h"
#include "screens/editor/editor_toolbar.h"
#include "screens/editor/editor_view.h"
#include "screens/editor/editor_viewport_header.h"
#include "import/crop_document.h"

namespace vlt {
namespace {

class EditorRoadTest : public ::testing::Test, protected testing::RoadFixture {
protected:
    QTemporaryDir folder;
};

TEST_F(EditorRoadTest, APhotographIsCroppedTurnedReshapedAnnotatedZoomedUndoneAndRedone) {
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // Crop: a square from a landscape photograph, turned by the window's key and moved
    // down on the surface.
    CropView* crop = open(testing::writeJpeg(folder.filePath(QStringLiteral("portrait.jpg")), 1600, 1200));
    ASSERT_NE(crop, nullptr);
    crop->inspector()->presetButton(CropPreset::square)->click();
    QTest::keyClick(&window, Qt::Key_BracketRight, Qt::ControlModifier);
    const CropSelection& selection = model->importState().document->selection();
    EXPECT_EQ(selection.displayClockwiseQuarterTurns, 1);
    EXPECT_EQ(selection.displayedSize(), (ImageSize{1200, 1600}));
    CropSurface* surface = crop->workspace()->surface();
    const QPoint middle = surface->mapping().cropRect.center().toPoint();
    QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, middle);
    QTest::mouseMove(surface, middle + QPoint(0, 30));
    QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, middle + QPoint(0, 30));
    EXPECT_GT(selection.crop.y, 200);
    EXPECT_NEAR(selection.crop.width, selection.crop.height, 1.0);
    ASSERT_NE(goToEditor(), nullptr) << "no editor whose canvas has a renderer";
    EXPECT_EQ(session().canvasSize().width, session().canvasSize().height);

    editor()->viewportHeader()->tabButton(EditorTab::simulation)->click();
    QTest::qWait(50);
    const double side = double(session().canvasSize().width);
    const QPointF centre(side / 2, side / 2);

    // Reshape with all four brushes over the same area.
    for (const EditorTool brush : {EditorTool::push, EditorTool::grow, EditorTool::shrink, EditorTool::reconstruct}) {
        selectTool(brush);
        EXPECT_TRUE(recordsAStep([&] { drag(centre - QPointF(side / 8, 0), centre + QPointF(side / 8, 0)); }))
            << rawValue(brush);
    }
    EXPECT_TRUE(session().canUndo());
    EXPECT_TRUE(session().canReset());

    // Annotate with every tool.
    editor()->toolRail()->modeButton(EditorMode::annotate)->click();
    const std::vector<std::pair<EditorTool, QRectF>> shapes = {
        {EditorTool::draw, QRectF(0.10, 0.10, 0.15, 0.10)},
        {EditorTool::line, QRectF(0.10, 0.30, 0.20, 0.05)},
        {EditorTool::rectangle, QRectF(0.60, 0.10, 0.20, 0.15)},
        {EditorTool::filledRectangle, QRectF(0.60, 0.35, 0.20, 0.10)},
        {EditorTool::circle, QRectF(0.10, 0.60, 0.15, 0.15)},
        {EditorTool::filledCircle, QRectF(0.60, 0.60, 0.15, 0.15)},
    };
    for (const auto& [tool, area] : shapes) {
        selectTool(tool);
        EXPECT_TRUE(recordsAStep([&] { drag(area.topLeft() * side, area.bottomRight() * side); })) << rawValue(tool);
    }
    const std::size_t drawn = canvas()->annotations().presentation().objects.size();
    EXPECT_EQ(drawn, shapes.size());

    selectTool(EditorTool::text);
    send(QEvent::MouseButtonPress, QPointF(0.35, 0.85) * side, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, QPointF(0.35, 0.85) * side, Qt::LeftButton, Qt::NoButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return editor()->textEntrySheet() != nullptr; }, testing::kRoadPatience));
    auto* sheet = qobject_cast<AnnotationTextEditorSheet*>(editor()->textEntrySheet());
    ASSERT_NE(sheet, nullptr);
    EXPECT_FALSE(editor()->toolbar()->saveImagesAction()->isEnabled());
    QTest::keyClicks(sheet->textEditor(), QStringLiteral("Left cheek"));
    EXPECT_TRUE(recordsAStep([&] { sheet->saveButton()->click(); }));
    EXPECT_FALSE(session().textEntryRequest().has_value());
    EXPECT_EQ(canvas()->annotations().presentation().objects.size(), drawn + 1);

    // Select / Move drags the filled rectangle away; the eraser removes the line.
    selectTool(EditorTool::selectMove);
    EXPECT_TRUE(recordsAStep([&] { drag(QPointF(0.70, 0.40) * side, QPointF(0.70, 0.50) * side); }));
    selectTool(EditorTool::eraser);
    EXPECT_TRUE(recordsAStep([&] { drag(QPointF(0.20, 0.25) * side, QPointF(0.20, 0.40) * side); }));
    EXPECT_EQ(canvas()->annotations().presentation().objects.size(), drawn);

    // Tabs and zoom.
    EditorViewportHeader* header = editor()->viewportHeader();
    for (const EditorTab tab :
         {EditorTab::original, EditorTab::comparison, EditorTab::animate, EditorTab::simulation}) {
        header->tabButton(tab)->click();
        QTest::qWait(30);
        EXPECT_EQ(session().selectedTab(), tab);
    }
    header->zoomSlider()->setValue(EditorContinuousSlider::kSteps / 2);
    EXPECT_NEAR(session().zoomFactor(), 4.0, 0.01);
    QTest::qWait(50);
    EXPECT_NEAR(canvas()->sessionState().zoomFactor, 4.0, 0.01);
    header->fitButton()->click();
    EXPECT_DOUBLE_EQ(session().zoomFactor(), 1.0);
    QTest::qWait(50);
    EXPECT_NEAR(canvas()->sessionState().zoomFactor, 1.0, 1e-9);

    // Undo the eraser, then redo it.
    EditorToolbar* toolbar = editor()->toolbar();
    ASSERT_TRUE(toolbar->undoButton()->isEnabled());
    EXPECT_TRUE(recordsAStep([&] { toolbar->undoButton()->click(); }));
    EXPECT_EQ(canvas()->annotations().presentation().objects.size(), drawn + 1);
    EXPECT_TRUE(toolbar->redoButton()->isEnabled());
    EXPECT_TRUE(recordsAStep([&] { toolbar->redoButton()->click(); }));
    EXPECT_EQ(canvas()->annotations().presentation().objects.size(), drawn);
    EXPECT_FALSE(toolbar->redoButton()->isEnabled());

    // The canvas draws its frames asynchronously; give the last one time to land
    // before keeping a picture of the finished editor beside the screenshot.
    QTest::qWait(300);
    editor()->grab().save(
        QStringLiteral(VLT_EDITOR_SCREENSHOT_PATH).replace(QStringLiteral(".png"), QStringLiteral("_road.png")));
}

}  // namespace
}  // namespace vlt
