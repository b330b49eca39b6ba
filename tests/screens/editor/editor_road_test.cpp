#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadialGradient>
#include <QTemporaryDir>
#include <QTest>

#include "app/app_content_view.h"
#include "model/app_model.h"
#include "canvas/annotation_text_editor_sheet.h"
#include "canvas/editor_canvas_view.h"
#include "editing/preparation/editing_canvas.h"
#include "editing/session/editor_session.h"
#include "screens/editor/editor_continuous_slider.h"
#include "screens/editor/editor_history_button.h"
#include "screens/editor/editor_mode_button.h"
#include "screens/editor/editor_tab_button.h"
#include "screens/editor/editor_text_button.h"
#include "screens/editor/editor_tool_button.h"
#include "screens/editor/editor_tool_rail.h"
#include "screens/editor/editor_toolbar.h"
#include "screens/editor/editor_view.h"
#include "screens/editor/editor_viewport_header.h"
#include "editor_screen_test_support.h"
#include "screens/crop/crop_go_to_editor_button.h"
#include "screens/crop/crop_inspector.h"
#include "screens/crop/crop_preset_button.h"
#include "screens/crop/crop_toolbar.h"
#include "screens/crop/crop_surface.h"
#include "screens/crop/crop_view.h"
#include "screens/crop/crop_workspace.h"
#include "import/crop_document.h"
#include "ui/motion_preference.h"

namespace vlt {
namespace {

constexpr int kPatience = 20000;

// A portrait-like photograph with enough structure that reshaping changes pixels.
QString writePhotograph(const QTemporaryDir& folder) {
    QImage photo(1600, 1200, QImage::Format_RGB32);
    QPainter painter(&photo);
    QLinearGradient backdrop(0, 0, 0, 1200);
    backdrop.setColorAt(0.0, QColor(92, 118, 128));
    backdrop.setColorAt(1.0, QColor(40, 52, 58));
    painter.fillRect(photo.rect(), backdrop);
    QRadialGradient skin(QPointF(800, 560), 320);
    skin.setColorAt(0.0, QColor(236, 200, 174));
    skin.setColorAt(1.0, QColor(190, 144, 118));
    painter.setPen(Qt::NoPen);
    painter.setBrush(skin);
    painter.drawEllipse(QPointF(800, 560), 260, 340);
    painter.setBrush(QColor(60, 40, 30));
    painter.drawEllipse(QPointF(700, 500), 28, 16);
    painter.drawEllipse(QPointF(900, 500), 28, 16);
    painter.end();
    const QString path = folder.filePath(QStringLiteral("portrait.jpg"));
    photo.save(path, "JPEG", 92);
    return path;
}

class EditorRoadTest : public ::testing::Test {
protected:
    EditorRoadTest() {
        MotionPreference::shared().setReduceMotion(true);
        model = std::make_unique<AppModel>(
            std::make_shared<testing::MemorySettingsStore>(), std::make_shared<testing::MemoryLanguageStore>(),
            AppLanguage::english, nullptr, nullptr,
            [](const EditingCanvasDescriptor& descriptor) { return EditingCanvas::prepare(descriptor); },
            QtScheduler::shared());
        window.resize(1180, 820);
        root = new AppContentView(*model, QtScheduler::shared(), MotionPreference::shared(), &window,
                                  AppContentView::RootTasks::leftToTheShell);
        root->useApplicationScreens();
        root->resize(window.size());
        window.show();
        window.activateWindow();
    }
    ~EditorRoadTest() override { MotionPreference::shared().setReduceMotion(false); }

    EditorSession& session() { return *model->editorState().editorSession; }
    EditorView* editor() { return qobject_cast<EditorView*>(root->baseScreenWidget()); }
    EditorCanvasView* canvas() { return qobject_cast<EditorCanvasView*>(editor()->canvas()); }

    // The canvas point over a pixel of the editing canvas, on the single pane of the
    // Original or Simulation tab.
    QPointF pointFor(QPointF pixel) {
        const EditorViewportGeometry geometry = canvas()->viewportGeometry();
        const QRectF image =
            geometry.imageRect(geometry.panelRects().front(), geometry.clampedCenter(canvas()->sessionState().center));
        const ImageSize size = session().canvasSize();
        return {image.x() + pixel.x() / double(size.width - 1) * image.width(),
                image.y() + pixel.y() / double(size.height - 1) * image.height()};
    }

    void send(QEvent::Type type, QPointF pixel, Qt::MouseButton button, Qt::MouseButtons held) {
        const QPointF point = pointFor(pixel);
        QMouseEvent event(type, point, canvas()->mapToGlobal(point), button, held, Qt::NoModifier);
        QApplication::sendEvent(canvas(), &event);
    }

    // A drag as a hand makes it: press, moves a frame apart, release.
    void drag(QPointF from, QPointF to, int steps = 10) {
        send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        QTest::qWait(20);
        for (int step = 1; step <= steps; ++step) {
            send(QEvent::MouseMove, from + (to - from) * (double(step) / steps), Qt::NoButton, Qt::LeftButton);
            QTest::qWait(20);
        }
        send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    }

    // Runs the action and waits until the history has recorded a new step.
    template <typename Action>
    bool recordsAStep(Action action) {
        const std::int64_t before = session().historyStateRevision();
        action();
        return QTest::qWaitFor([&] { return session().historyStateRevision() != before; }, kPatience);
    }

    void selectTool(EditorTool tool) {
        editor()->toolRail()->toolButton(tool)->click();
        QTest::qWait(30);
        ASSERT_EQ(session().activeTool(), tool);
    }

    QTemporaryDir folder;
    std::unique_ptr<AppModel> model;
    QWidget window;
    AppContentView* root = nullptr;
};

TEST_F(EditorRoadTest, APhotographIsCroppedTurnedReshapedAnnotatedZoomedUndoneAndRedone) {
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    model->importImage(QUrl::fromLocalFile(writePhotograph(folder)), ImageImportOrigin::openPanel);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return model->importState().document && !model->importState().isImporting; }, kPatience));

    // Crop: a square from the landscape photograph, turned by the window's key and
    // moved down on the surface.
    auto* crop = qobject_cast<CropView*>(root->baseScreenWidget());
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
    crop->toolbar()->goToEditorButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return model->editorState().editorSession && editor() != nullptr; }, kPatience));
    EXPECT_EQ(session().canvasSize().width, session().canvasSize().height);
    ASSERT_NE(canvas(), nullptr);
    ASSERT_NE(canvas()->renderer(), nullptr) << "the canvas has no renderer";

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
    ASSERT_TRUE(QTest::qWaitFor([&] { return editor()->textEntrySheet() != nullptr; }, kPatience));
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
