#include "editing/session/editor_session.h"

#include <gtest/gtest.h>

#include <memory>

#include "editing/session/editor_messages.h"
#include "base/clock.h"

namespace vlt {
namespace {

SharedEditingCanvas makeCanvas(std::int64_t width, std::int64_t height) {
    EditingCanvasDescriptor descriptor;
    descriptor.canvasSize = {width, height};
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGBA8888_Premultiplied);
    image.fill(Qt::black);
    return std::make_shared<const EditingCanvas>(QUuid::createUuid(), descriptor, image);
}

class EditorSessionTest : public ::testing::Test {
protected:
    std::unique_ptr<EditorSession> makeSession(std::int64_t width, std::int64_t height) {
        return std::make_unique<EditorSession>(nullptr, makeCanvas(width, height), QStringLiteral("Before"),
                                               QStringLiteral("After"), scheduler);
    }

    ManualClock clock{0.0};
    ManualScheduler scheduler{&clock};
};

TEST_F(EditorSessionTest, InitialBrushIsAFifthOfTheLongerSideWithinTheReshapeRange) {
    EXPECT_EQ(makeSession(40, 30)->deformationToolDiameter(), 16.0);
    EXPECT_EQ(makeSession(2, 2)->deformationToolDiameter(), 1.0);
    EXPECT_EQ(makeSession(20, 10)->deformationToolDiameter(), 10.0);
    EXPECT_EQ(makeSession(4096, 3)->deformationToolDiameter(), 819.0);

    EXPECT_EQ(makeSession(1, 1)->toolDiameterRange(), (ToolDiameterRange{1.0, 1.0}));
}

TEST_F(EditorSessionTest, ToolAndModeSwitchesClampTheirOwnDiameters) {
    const auto session = makeSession(1000, 800);
    session->setMode(EditorMode::annotate);
    EXPECT_EQ(session->toolDiameterRange(), (ToolDiameterRange{1.0, 300.0}));
    session->setToolDiameter(450.0);  // stored as given
    EXPECT_EQ(session->annotationToolDiameter(), 450.0);
    session->setDeformationToolDiameter(900.0);

    session->setZoom(4.0);
    session->toggleMoveMode();
    ASSERT_TRUE(session->isMoveMode());
    session->selectTool(EditorTool::grow);
    EXPECT_EQ(session->mode(), EditorMode::reshape);
    EXPECT_FALSE(session->isMoveMode());
    EXPECT_EQ(session->deformationToolDiameter(), 500.0);
    EXPECT_EQ(session->annotationToolDiameter(), 450.0);

    session->selectTool(EditorTool::draw);
    EXPECT_EQ(session->mode(), EditorMode::annotate);
    EXPECT_EQ(session->activeTool(), EditorTool::draw);
    EXPECT_EQ(session->toolDiameter(), 300.0);

    session->setToolDiameter(0.25);
    session->selectTool(EditorTool::eraser);
    EXPECT_EQ(session->toolDiameter(), 1.0);

    session->setMode(EditorMode::reshape);
    EXPECT_EQ(session->activeTool(), EditorTool::grow);
    EXPECT_EQ(session->toolDiameter(), 500.0);
    session->setMode(EditorMode::annotate);
    EXPECT_EQ(session->activeTool(), EditorTool::eraser);
}

TEST_F(EditorSessionTest, ZoomIsClampedAndTheFitRecentresAndEndsMoveMode) {
    const auto session = makeSession(1000, 800);
    session->setSelectedTab(EditorTab::original);
    session->setZoom(3.0);
    session->setCenter(QPointF(0.2, 0.7));
    session->toggleMoveMode();
    ASSERT_TRUE(session->isMoveMode());
    session->setZoom(0.5);
    EXPECT_EQ(session->zoomFactor(), 1.0);
    EXPECT_EQ(session->center(), QPointF(0.5, 0.5));
    EXPECT_FALSE(session->isMoveMode());

    session->setZoom(40.0);
    EXPECT_EQ(session->zoomFactor(), 16.0);
    session->setCenter(QPointF(0.9, 0.1));
    session->setZoom(1.0000005);
    EXPECT_EQ(session->center(), QPointF(0.5, 0.5));
    session->setZoom(std::nan(""));
    EXPECT_EQ(session->zoomFactor(), 1.0);
}

TEST_F(EditorSessionTest, ZoomHintOnlyOnEditableTabsAndTheFitRemovesOnlyIt) {
    const auto session = makeSession(1000, 800);
    session->setSelectedTab(EditorTab::original);
    session->setZoom(2.0);
    EXPECT_FALSE(session->transientMessage().has_value());

    session->setSelectedTab(EditorTab::simulation);
    session->setZoom(3.0);
    EXPECT_EQ(session->transientMessage(), EditorMessages::zoomedImageMoveHint());
    scheduler.advance(9.9);
    EXPECT_TRUE(session->transientMessage().has_value());
    scheduler.advance(0.1);
    EXPECT_FALSE(session->transientMessage().has_value());

    session->setZoom(4.0);
    session->fitImage();
    EXPECT_FALSE(session->transientMessage().has_value());

    session->setZoom(2.0);
    session->showTransientMessage(QStringLiteral("Saved"), 4.0);
    session->fitImage();
    EXPECT_EQ(session->transientMessage(), QStringLiteral("Saved"));
}

// A newer transient message replaces the shown one and restarts its timer; blank ones
// are ignored; clearing names the message it removes. A persistent one stays until cleared.
TEST_F(EditorSessionTest, MessagesReplaceIgnoreBlanksAndClearByName) {
    const auto session = makeSession(1000, 800);
    session->showTransientMessage(QStringLiteral("First"), 4.0);
    scheduler.advance(3.0);
    session->showTransientMessage(QStringLiteral("Second"), 4.0);
    scheduler.advance(2.0);
    session->showTransientMessage(QStringLiteral("  \n\t "), 4.0);
    EXPECT_EQ(session->transientMessage(), QStringLiteral("Second"));
    scheduler.advance(2.0);
    EXPECT_FALSE(session->transientMessage().has_value());
    EXPECT_EQ(scheduler.pendingCount(), 0u);

    session->showTransientMessage(QStringLiteral("Shown"), 4.0);
    session->clearTransientMessage(QStringLiteral("Other"));
    EXPECT_EQ(session->transientMessage(), QStringLiteral("Shown"));
    session->clearTransientMessage(QStringLiteral("Shown"));
    EXPECT_FALSE(session->transientMessage().has_value());
    EXPECT_EQ(scheduler.pendingCount(), 0u);

    session->showPersistentMessage(QStringLiteral(" \n"));
    EXPECT_FALSE(session->persistentMessage().has_value());
    session->showPersistentMessage(EditorMessages::sharedImageLocked());
    scheduler.advance(60.0);
    EXPECT_EQ(session->persistentMessage(), EditorMessages::sharedImageLocked());
    session->clearPersistentMessage();
    EXPECT_FALSE(session->persistentMessage().has_value());
}

TEST_F(EditorSessionTest, APendingTimerOutlivesItsSessionHarmlessly) {
    auto session = makeSession(1000, 800);
    session->showTransientMessage(QStringLiteral("Bye"), 4.0);
    session.reset();
    scheduler.advance(5.0);
    SUCCEED();
}

TEST_F(EditorSessionTest, TabEdgesShowMessagesAndAnimateReturnsToTheLastTab) {
    const auto session = makeSession(1000, 800);
    session->setSelectedTab(EditorTab::original);
    session->selectAdjacentTab(-1);
    EXPECT_EQ(session->selectedTab(), EditorTab::original);
    EXPECT_EQ(session->transientMessage(), QStringLiteral("You are already on the Original picture tab"));

    session->selectAdjacentTab(1);
    EXPECT_EQ(session->selectedTab(), EditorTab::simulation);
    EXPECT_EQ(session->lastNonAnimationTab(), EditorTab::simulation);
    session->selectAdjacentTab(1);
    session->setZoom(3.0);
    session->selectAdjacentTab(1);
    EXPECT_EQ(session->selectedTab(), EditorTab::animate);
    EXPECT_EQ(session->zoomFactor(), 1.0);
    EXPECT_EQ(session->lastNonAnimationTab(), EditorTab::comparison);

    session->selectAdjacentTab(1);
    EXPECT_EQ(session->selectedTab(), EditorTab::animate);
    EXPECT_EQ(session->transientMessage(), QStringLiteral("You are already on the Animation tab"));
    scheduler.advance(4.0);
    EXPECT_FALSE(session->transientMessage().has_value());

    // Leaving Animate stops the playback once; without a canvas it only switches the tab.
    session->exitAnimationTab();
    EXPECT_EQ(session->selectedTab(), EditorTab::comparison);
    session->setSelectedTab(EditorTab::animate);
    int stops = 0;
    session->stopAnimationPlayback = [&] { ++stops; };
    session->exitAnimationTab();
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(session->selectedTab(), EditorTab::comparison);
    session->exitAnimationTab();
    EXPECT_EQ(stops, 1);
}

// The readout at a fit below one pixel per point is held with the viewport header.
TEST_F(EditorSessionTest, ZoomSliderPercentWhenTheFitIsAlreadyLarge) {
    const auto session = makeSession(1000, 800);
    session->setFitScale(2.0);
    session->setZoomFactor(1.5);
    EXPECT_EQ(session->zoomSliderPercent(), 50);
    session->setFitScale(0.0);
    session->setZoomFactor(16.0);
    EXPECT_EQ(session->zoomSliderPercent(), 0);
}

TEST_F(EditorSessionTest, WritesNotifyOnlyWhenTheValueChanges) {
    const auto session = makeSession(1000, 800);
    int centres = 0;
    int fonts = 0;
    int requests = 0;
    int diameters = 0;
    QObject::connect(session.get(), &EditorSession::centerChanged, [&] { ++centres; });
    QObject::connect(session.get(), &EditorSession::annotationFontChanged, [&] { ++fonts; });
    QObject::connect(session.get(), &EditorSession::textEntryRequestChanged, [&] { ++requests; });
    QObject::connect(session.get(), &EditorSession::deformationToolDiameterChanged, [&] { ++diameters; });

    session->setCenter(QPointF(0.5, 0.5));
    session->setCenter(QPointF(0.25, 0.5));
    session->setCenter(QPointF(0.25, 0.5));
    session->setCenter(QPointF(0.25, 0.5000001));
    EXPECT_EQ(centres, 2);

    AnnotationFontStyle font = session->annotationFont();
    session->setAnnotationFont(font);
    font.italic = !font.italic;
    session->setAnnotationFont(font);
    EXPECT_EQ(fonts, 1);

    const AnnotationTextRequest request{QUuid::createUuid(), AnnotationTextRequest::Edit{QUuid::createUuid()},
                                        QStringLiteral("Hi")};
    session->setTextEntryRequest(request);
    session->setTextEntryRequest(request);
    session->setTextEntryRequest(std::nullopt);
    session->setTextEntryRequest(std::nullopt);
    EXPECT_EQ(requests, 2);

    session->selectTool(EditorTool::shrink);  // already within range
    session->setToolDiameter(200.0);
    EXPECT_EQ(diameters, 0);
}

}  // namespace
}  // namespace vlt
