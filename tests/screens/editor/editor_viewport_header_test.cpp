#include "screens/editor/editor_viewport_header.h"

#include <gtest/gtest.h>

#include <cmath>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include "editing/session/editor_messages.h"
#include "screens/editor/editor_continuous_slider.h"
#include "screens/editor/editor_header_scroll_button.h"
#include "screens/editor/editor_tab_button.h"
#include "screens/editor/editor_text_button.h"
#include "editor_screen_test_support.h"

namespace vlt {
namespace {

class EditorViewportHeaderTest : public ::testing::Test {
protected:
    EditorViewportHeaderTest() : header(*fixture.session) {}

    // A move of the slider as the user makes it.
    void slideTo(double value) {
        EditorContinuousSlider* slider = header.zoomSlider();
        slider->setValue(static_cast<int>(std::lround(value / slider->upper() * EditorContinuousSlider::kSteps)));
    }

    testing::EditorScreenFixture fixture;
    EditorViewportHeader header;
};

TEST_F(EditorViewportHeaderTest, SliderAndZoomFollowEachOther) {
    EXPECT_DOUBLE_EQ(header.zoomSlider()->doubleValue(), 0.0);
    EXPECT_EQ(header.zoomReadout()->text(), QStringLiteral("0%"));
    fixture.session->setZoom(16.0);
    EXPECT_DOUBLE_EQ(header.zoomSlider()->doubleValue(), 4.0);

    slideTo(3.0);
    EXPECT_NEAR(fixture.session->zoomFactor(), 8.0, 1e-2);
    fixture.session->setMoveMode(true);
    fixture.session->setCenter(QPointF(0.3, 0.7));

    // Back at the left end the image is fitted: recentred, move mode off.
    slideTo(0.0);
    EXPECT_DOUBLE_EQ(fixture.session->zoomFactor(), 1.0);
    EXPECT_EQ(fixture.session->center(), QPointF(0.5, 0.5));
    EXPECT_FALSE(fixture.session->isMoveMode());
}

TEST_F(EditorViewportHeaderTest, TheReadoutShowsThePercentageAndGoesOneToOne) {
    fixture.session->setFitScale(0.25);
    fixture.session->setZoom(2.5);
    EXPECT_EQ(header.zoomReadout()->text(), QStringLiteral("50%"));
    header.zoomReadout()->click();
    EXPECT_DOUBLE_EQ(fixture.session->zoomFactor(), 4.0);
    EXPECT_EQ(header.zoomReadout()->text(), QStringLiteral("100%"));
    // One to one never goes below Fit or beyond sixteen times Fit.
    EXPECT_DOUBLE_EQ(EditorViewportHeader::oneToOneZoom(2.0), 1.0);
    EXPECT_DOUBLE_EQ(EditorViewportHeader::oneToOneZoom(0.01), 16.0);
    EXPECT_DOUBLE_EQ(EditorViewportHeader::oneToOneZoom(0.0), 16.0);
}

TEST_F(EditorViewportHeaderTest, ChoosingAnimateFitsTheImageAndAVideoSaveDisablesTheHeader) {
    fixture.session->setZoom(3.0);
    header.tabButton(EditorTab::animate)->click();
    EXPECT_EQ(fixture.session->selectedTab(), EditorTab::animate);
    EXPECT_DOUBLE_EQ(fixture.session->zoomFactor(), 1.0);
    EXPECT_EQ(fixture.session->lastNonAnimationTab(), EditorTab::comparison);
    EXPECT_FALSE(header.zoomGroup()->isEnabled());
    EXPECT_TRUE(header.tabBar()->isEnabled());

    header.tabButton(EditorTab::original)->click();
    EXPECT_EQ(fixture.session->selectedTab(), EditorTab::original);
    EXPECT_EQ(fixture.session->lastNonAnimationTab(), EditorTab::original);
    EXPECT_TRUE(header.zoomGroup()->isEnabled());
    EXPECT_TRUE(header.tabButton(EditorTab::original)->isSelected());
    EXPECT_FALSE(header.tabButton(EditorTab::animate)->isSelected());

    // A video save disables tabs and zoom on any tab.
    header.setOutputBusy(true);
    EXPECT_FALSE(header.tabBar()->isEnabled() || header.zoomGroup()->isEnabled());
    EXPECT_FALSE(header.tabButton(EditorTab::original)->isEnabled());
    header.setOutputBusy(false);
    EXPECT_TRUE(header.tabButton(EditorTab::original)->isEnabled());
}

TEST_F(EditorViewportHeaderTest, ChoosingTheSelectedTabWritesNothingButRefreshesTheHint) {
    fixture.session->setSelectedTab(EditorTab::simulation);
    fixture.session->setLastNonAnimationTab(EditorTab::simulation);
    fixture.session->setZoomFactor(2.0);
    int tabWrites = 0;
    QObject::connect(fixture.session.get(), &EditorSession::selectedTabChanged, [&] { ++tabWrites; });
    header.tabButton(EditorTab::simulation)->click();
    EXPECT_EQ(tabWrites, 0);
    EXPECT_EQ(fixture.session->transientMessage(), EditorMessages::zoomedImageMoveHint());
}

TEST_F(EditorViewportHeaderTest, LabelIsShownSelectedOnlyOnComparison) {
    EXPECT_TRUE(header.labelButton()->isSelected());
    fixture.session->setSelectedTab(EditorTab::simulation);
    EXPECT_FALSE(header.labelButton()->isSelected());
    header.labelButton()->click();
    EXPECT_FALSE(fixture.session->showsComparisonLabels());
    header.labelButton()->click();
    EXPECT_TRUE(fixture.session->showsComparisonLabels());
    EXPECT_FALSE(header.labelButton()->isSelected());
    fixture.session->setSelectedTab(EditorTab::comparison);
    EXPECT_TRUE(header.labelButton()->isSelected());
}

TEST_F(EditorViewportHeaderTest, MoveAndFitGoThroughTheSession) {
    header.moveButton()->click();
    EXPECT_FALSE(fixture.session->isMoveMode());
    EXPECT_EQ(fixture.session->transientMessage(), EditorMessages::zoomInBeforeMoving());
    fixture.session->setZoom(2.0);
    header.moveButton()->click();
    EXPECT_TRUE(fixture.session->isMoveMode());
    EXPECT_TRUE(header.moveButton()->isSelected());
    header.fitButton()->click();
    EXPECT_DOUBLE_EQ(fixture.session->zoomFactor(), 1.0);
    EXPECT_FALSE(header.moveButton()->isSelected());
    EXPECT_FALSE(header.fitButton()->isSelected());
}

// A tab's heavier title when selected widens it; the band measures itself anew, so
// the zoom group is never cut off at its end.
TEST_F(EditorViewportHeaderTest, TheBandFollowsTheSelectedTabsWidth) {
    header.resize(500, EditorViewportHeader::kHeight);
    header.show();
    QApplication::processEvents();
    QWidget* row = header.tabBar()->parentWidget();
    for (const EditorTab tab : kAllEditorTabs) {
        SCOPED_TRACE(header.tabButton(tab)->text().toStdString());
        header.tabButton(tab)->click();
        QApplication::processEvents();
        EXPECT_GE(header.tabButton(tab)->width(), header.tabButton(tab)->sizeHint().width());
        EXPECT_EQ(header.zoomGroup()->geometry().right(), row->width() - 1);
        EXPECT_GE(row->width(), row->sizeHint().width());
    }
}

// A band too narrow for its controls scrolls rather than squeezing them: the caption
// stays, every tab keeps its whole title, and a chevron shows that more lies beyond.
TEST_F(EditorViewportHeaderTest, ANarrowBandScrollsRatherThanSqueezeItsControls) {
    const auto readoutEnd = [&] { return header.zoomReadout()->geometry().right() + header.zoomGroup()->x(); };
    header.resize(1200, EditorViewportHeader::kHeight);
    header.show();
    QApplication::processEvents();
    const int tight = readoutEnd() - header.zoomCaption()->width() - 40;
    header.resize(tight, EditorViewportHeader::kHeight);
    QApplication::processEvents();
    EXPECT_FALSE(header.zoomCaption()->isHidden());
    EXPECT_TRUE(header.scrollForwardButton()->isVisible());
    for (const EditorTab tab : kAllEditorTabs) {
        EXPECT_GE(header.tabButton(tab)->width(), header.tabButton(tab)->sizeHint().width());
    }
}

TEST_F(EditorViewportHeaderTest, ADragOfTheSliderSurvivesTheZoomItWrites) {
    header.resize(1000, EditorViewportHeader::kHeight);
    header.show();
    QApplication::processEvents();
    EditorContinuousSlider* slider = header.zoomSlider();
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = Qt::Horizontal;
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    const QRect handle = slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider);

    QTest::mousePress(slider, Qt::LeftButton, {}, handle.center());
    ASSERT_TRUE(slider->isSliderDown());
    QMouseEvent move(QEvent::MouseMove, QPointF(handle.center() + QPoint(60, 0)),
                     slider->mapToGlobal(QPointF(handle.center() + QPoint(60, 0))), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(slider, &move);
    EXPECT_GT(fixture.session->zoomFactor(), 1.5);
    // The same slider is still held: nothing was rebuilt under the pointer.
    EXPECT_TRUE(slider->isSliderDown());
    EXPECT_EQ(header.zoomSlider(), slider);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, handle.center() + QPoint(60, 0));
}

}  // namespace
}  // namespace vlt
