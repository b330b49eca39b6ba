#include "screens/editor/editor_view.h"

#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "editing/session/editor_messages.h"
#include "screens/editor/editor_collapsed_inspector_strip.h"
#include "screens/editor/editor_inspector.h"
#include "screens/editor/editor_label_button.h"
#include "screens/editor/editor_output_button_surface.h"
#include "screens/editor/editor_paragraph_label.h"
#include "screens/editor/editor_persistent_message.h"
#include "screens/editor/editor_continuous_slider.h"
#include "screens/editor/editor_header_scroll_button.h"
#include "screens/editor/editor_tab_button.h"
#include "screens/editor/editor_text_button.h"
#include "screens/editor/editor_palette.h"
#include "screens/editor/editor_tool_button.h"
#include "screens/editor/editor_tool_rail.h"
#include "screens/editor/editor_toolbar.h"
#include "screens/editor/editor_transient_message.h"
#include "screens/editor/editor_viewport_header.h"
#include "editor_screen_test_support.h"
#include "ui/vertical_scroll_area.h"
#include "model/app_model_test_access.h"

namespace vlt {
namespace {

class EditorViewTest : public ::testing::Test {
protected:
    EditorViewTest() : view(*fixture.model, fixture.session, fixture.services()) {
        view.resize(1180, 820);
        view.show();
        settle();
    }

    void settle() {
        QApplication::processEvents();
        QApplication::sendPostedEvents();
        QApplication::processEvents();
    }

    QRect inView(QWidget* widget) const { return QRect(widget->mapTo(&view, QPoint(0, 0)), widget->size()); }

    testing::EditorScreenFixture fixture;
    EditorView view;
};

TEST_F(EditorViewTest, CollapsingChangesOnlyTheCollapsedColumn) {
    const int canvasWidth = view.canvas()->width();
    fixture.session->setToolRailExpanded(false);
    settle();
    EXPECT_EQ(view.toolRail()->width(), 58);
    EXPECT_EQ(view.inspector()->width(), 310);
    EXPECT_EQ(view.canvas()->width(), canvasWidth + 50);

    fixture.session->setInspectorExpanded(false);
    settle();
    EXPECT_FALSE(view.inspector()->isVisible());
    ASSERT_TRUE(view.inspectorStrip()->isVisible());
    EXPECT_EQ(view.inspectorStrip()->width(), 38);
    EXPECT_EQ(view.canvas()->width(), canvasWidth + 50 + 310 - 38);

    view.inspectorStrip()->click();
    settle();
    EXPECT_TRUE(fixture.session->isInspectorExpanded());
    EXPECT_TRUE(view.inspector()->isVisible());
}

TEST_F(EditorViewTest, TheAnimateTabAndAVideoSaveLockEditingButKeepItVisible) {
    fixture.session->setSelectedTab(EditorTab::animate);
    EXPECT_TRUE(view.isEditingLocked());
    EXPECT_FALSE(view.toolRail()->isEnabled());
    EXPECT_FALSE(view.inspector()->isEnabled());
    EXPECT_FALSE(view.inspectorStrip()->isEnabled());
    EXPECT_TRUE(view.toolRail()->isVisible());

    fixture.session->setSelectedTab(EditorTab::comparison);
    EXPECT_TRUE(view.toolRail()->isEnabled());
    AppModelTestAccess::changeAnimationVideoSaveState(*fixture.model,
                                                      [](AnimationVideoSaveState& state) { state.isSaving = true; });
    EXPECT_FALSE(view.toolRail()->isEnabled());
    EXPECT_FALSE(view.inspector()->isEnabled());
    EXPECT_TRUE(view.viewportHeader()->isOutputBusy());
}

// Between the open rail and inspector the band is narrower than its controls: it keeps
// the 150-point slider, the caption and every tab whole, and scrolls sideways instead;
// a chevron shows there is more.
TEST_F(EditorViewTest, ANarrowHeaderScrollsSidewaysKeepingEveryControlWhole) {
    EditorViewportHeader& header = *view.viewportHeader();
    ASSERT_EQ(header.width(), 1180 - 108 - 310);
    EXPECT_EQ(header.zoomSlider()->width(), 150);
    EXPECT_TRUE(header.zoomCaption()->isVisible());
    EXPECT_TRUE(header.scrollForwardButton()->isVisible());
    EXPECT_FALSE(header.scrollBackButton()->isVisible());
    for (const EditorTab tab : kAllEditorTabs) {
        EditorTabButton* button = header.tabButton(tab);
        const double title = QFontMetricsF(button->font()).horizontalAdvance(button->text());
        EXPECT_GE(button->width(), 12 + 20 + 7 + title + 12 - 1) << button->text().toStdString();
    }
    const auto shown = [&](QWidget* control) {
        return header.rect().contains(inView(control).translated(-inView(&header).topLeft()));
    };
    EXPECT_TRUE(shown(header.tabButton(EditorTab::original)));
    EXPECT_FALSE(shown(header.labelButton()));

    // A wheel turn over the band scrolls it to its far end.
    QWheelEvent wheel(QPointF(5, 5), header.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -2400), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    auto* band = header.findChild<QAbstractScrollArea*>();
    ASSERT_NE(band, nullptr);
    QApplication::sendEvent(band->viewport(), &wheel);
    EXPECT_TRUE(shown(header.labelButton()));
    EXPECT_FALSE(shown(header.tabButton(EditorTab::original)));
    EXPECT_TRUE(header.scrollBackButton()->isVisible());
    EXPECT_FALSE(header.scrollForwardButton()->isVisible());
    EXPECT_EQ(fixture.session->selectedTab(), EditorTab::comparison);
}

// The nine annotation tools do not fit under the toolbar of a window of the default
// size: a slim indicator at the rail's edge shows where the list stands, taking no
// width from the tools, and nothing is drawn over the selected tool.
TEST_F(EditorViewTest, TheToolListShowsItsScrollPositionAndLeavesTheSelectedToolClear) {
    fixture.session->setMode(EditorMode::annotate);
    fixture.session->selectTool(EditorTool::text);
    settle();
    VerticalScrollArea& list = *view.toolRail()->toolList();
    QScrollBar* indicator = nullptr;
    for (QScrollBar* bar : list.findChildren<QScrollBar*>()) {
        if (bar->isVisible()) indicator = bar;
    }
    ASSERT_NE(indicator, nullptr);
    EXPECT_GT(indicator->maximum(), 0);
    EXPECT_EQ(indicator->value(), list.verticalScrollBar()->value());
    EXPECT_EQ(list.viewport()->width(), view.toolRail()->width() - 1);

    // Text was brought into view at the bottom edge, with Eraser still below it.
    const QRect text = inView(view.toolRail()->toolButton(EditorTool::text));
    const QRect eraser = inView(view.toolRail()->toolButton(EditorTool::eraser));
    EXPECT_GT(eraser.bottom(), inView(list.viewport()).bottom());
    const QImage shot = view.grab().toImage();
    for (const QPoint& point : {QPoint(text.left() + 3, text.bottom() - 3), QPoint(text.right() - 3, text.bottom() - 3),
                                QPoint(text.right() - 3, text.top() + 3)}) {
        EXPECT_TRUE(testing::colorNear(shot.pixelColor(point), EditorPalette::selectedFill()))
            << point.x() << "," << point.y();
    }

    indicator->setValue(indicator->maximum());
    EXPECT_EQ(list.verticalScrollBar()->value(), list.verticalScrollBar()->maximum());
}

TEST_F(EditorViewTest, TheInteractionLockSuspendsTheCanvasButNotTheTools) {
    fixture.model->presentShortcuts();
    EXPECT_TRUE(view.toolRail()->isEnabled());
    EXPECT_TRUE(view.inspector()->isEnabled());
    ASSERT_FALSE(fixture.canvas->suspensions.empty());
    EXPECT_TRUE(fixture.canvas->suspensions.back());
    fixture.model->closeShortcuts();
    EXPECT_FALSE(fixture.canvas->suspensions.back());
}

TEST_F(EditorViewTest, AClickUnderTheTransientBannerReachesTheCanvas) {
    fixture.session->showTransientMessage(QStringLiteral("Zoom in before moving the image"), 4.0);
    settle();
    QWidget* banner = view.transientBanner();
    ASSERT_TRUE(banner->isVisible());
    const QRect bounds = inView(banner);
    EXPECT_NEAR(bounds.center().x(), inView(view.viewportBlock()).center().x(), 1);

    QTest::mouseClick(view.windowHandle(), Qt::LeftButton, {}, bounds.center());
    EXPECT_EQ(fixture.canvas->presses, 1);

    fixture.scheduler.advance(4.0);
    EXPECT_FALSE(banner->isVisible());
}

// Long messages wrap within the canvas column instead of being cut; both kinds can be
// up together, one above the other, and the persistent one is dismissed by its button.
TEST_F(EditorViewTest, LongMessagesWrapAndThePersistentOneIsDismissed) {
    fixture.session->showTransientMessage(
        EditorMessages::undoLimitReached() + QLatin1Char(' ') + EditorMessages::zoomedImageMoveHint(), 4.0);
    fixture.session->showPersistentMessage(
        QString(QStringLiteral("The temporary shared image is locked. ")).repeated(6));
    settle();
    auto* transient = view.transientBanner();
    auto* persistent = view.persistentBanner();
    ASSERT_TRUE(persistent->isVisible());
    EXPECT_LT(inView(transient).bottom(), inView(persistent).top());
    EXPECT_GT(transient->height(), 2 * QFontMetrics(transient->font()).height());
    EXPECT_EQ(transient->width(), 680);
    EXPECT_LE(persistent->width(), 680);
    EXPECT_GE(persistent->width(), 600);
    EXPECT_TRUE(inView(view.viewportBlock()).contains(inView(persistent)));
    EXPECT_GT(persistent->text()->lineCount(persistent->text()->width()), 1);

    persistent->dismissButton()->click();
    EXPECT_FALSE(fixture.session->persistentMessage().has_value());
    EXPECT_FALSE(persistent->isVisible());
}

TEST_F(EditorViewTest, AGraphicsFailureShowsTheBannerAndRaisesTheFlagOnce) {
    int notifications = 0;
    QObject::connect(fixture.model.get(), &AppModel::editorStateChanged, [&] { ++notifications; });
    fixture.reportGraphicsFailure();
    fixture.reportGraphicsFailure();
    EXPECT_EQ(fixture.session->persistentMessage(), QStringLiteral("The editing canvas cannot be used."));
    EXPECT_TRUE(fixture.model->editorState().showsGraphicsFailure);
    EXPECT_EQ(notifications, 1);

    fixture.session->clearPersistentMessage();
    EXPECT_TRUE(fixture.model->editorState().showsGraphicsFailure);
}

TEST_F(EditorViewTest, TheTextSheetIsUpExactlyWhileARequestIsPending) {
    const AnnotationTextRequest request{QUuid::createUuid(), AnnotationTextRequest::Add{}, QString()};
    fixture.session->setTextEntryRequest(request);
    ASSERT_EQ(fixture.sheets.size(), 1u);
    EXPECT_EQ(view.textEntrySheet(), fixture.sheets.front());

    // Without the canvas's commit command, committing only closes the sheet.
    fixture.commitSheet(QStringLiteral("Left cheek"));
    EXPECT_FALSE(fixture.session->textEntryRequest().has_value());
    settle();
    EXPECT_EQ(view.textEntrySheet(), nullptr);

    std::vector<QString> committed;
    fixture.session->commitTextEntry = [&](const AnnotationTextRequest& answered, const QString& text) {
        EXPECT_EQ(answered, request);
        committed.push_back(text);
    };
    fixture.session->setTextEntryRequest(request);
    fixture.commitSheet(QStringLiteral("  two\nlines "));
    EXPECT_EQ(committed, std::vector<QString>{QStringLiteral("  two\nlines ")});
    EXPECT_FALSE(fixture.session->textEntryRequest().has_value());

    fixture.session->setTextEntryRequest(request);
    fixture.cancelSheet();
    EXPECT_EQ(committed.size(), 1u);
    EXPECT_FALSE(fixture.session->textEntryRequest().has_value());
}

TEST(EditorViewLifetimeTest, TheScreenKeepsItsSessionUntilItIsGone) {
    testing::EditorScreenFixture fixture;
    std::weak_ptr<EditorSession> watched = fixture.session;
    auto view = std::make_unique<EditorView>(*fixture.model, fixture.session, fixture.services());
    AppModelTestAccess::setEditorSession(*fixture.model, nullptr);
    fixture.session.reset();
    ASSERT_FALSE(watched.expired());
    watched.lock()->setCanUndo(true);
    view.reset();
    EXPECT_TRUE(watched.expired());
}

TEST_F(EditorViewTest, RendersTheScreenAt1180By820) {
    fixture.session->setCanUndo(true);
    fixture.session->setCanReset(true);
    fixture.session->setZoom(1.6);
    fixture.session->setToolSuggestionsExpanded(true);
    settle();
    const QImage shot = view.grab().toImage();
    ASSERT_EQ(shot.size(), QSize(1180, 820));
    EXPECT_TRUE(shot.save(QStringLiteral(VLT_EDITOR_SCREENSHOT_PATH)));

    // The ink Output face over the white toolbar.
    EXPECT_TRUE(testing::colorNear(shot.pixelColor(600, 10), Qt::white));
    const QRect output = inView(view.toolbar()->outputButton());
    EXPECT_TRUE(testing::colorNear(shot.pixelColor(output.left() + 8, output.center().y()), EditorPalette::ink()));
}

}  // namespace
}  // namespace vlt
