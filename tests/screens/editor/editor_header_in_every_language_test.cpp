#include <gtest/gtest.h>

#include <set>

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "editor_screen_test_support.h"
#include "screens/editor/editor_continuous_slider.h"
#include "screens/editor/editor_header_scroll_button.h"
#include "screens/editor/editor_tab_button.h"
#include "screens/editor/editor_text_button.h"
#include "screens/editor/editor_view.h"
#include "screens/editor/editor_viewport_header.h"
#include "screens/interface_language_under_test.h"

namespace vlt {
namespace {

void settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents();
    QApplication::processEvents();
}

// The editor at the window's default size, in the language under test.
class EditorHeaderInEveryLanguageTest : public ::testing::Test {
protected:
    EditorHeaderInEveryLanguageTest() {
        testing::installInterfaceLanguageUnderTest();
        view = std::make_unique<EditorView>(*fixture.model, fixture.session, fixture.services());
        view->resize(1180, 820);
        view->show();
        settle();
    }

    EditorViewportHeader& header() { return *view->viewportHeader(); }
    std::vector<QWidget*> controls() {
        std::vector<QWidget*> all;
        for (const EditorTab tab : kAllEditorTabs) all.push_back(header().tabButton(tab));
        for (QWidget* control :
             std::initializer_list<QWidget*>{header().zoomSlider(), header().zoomReadout(), header().fitButton(),
                                             header().moveButton(), header().labelButton()}) {
            all.push_back(control);
        }
        return all;
    }
    // The part of the band that no chevron covers.
    std::pair<int, int> clearSpan() {
        const int left = header().scrollBackButton()->isVisible() ? header().scrollBackButton()->width() : 0;
        const int right = header().width() -
                          (header().scrollForwardButton()->isVisible() ? header().scrollForwardButton()->width() : 0);
        return {left, right};
    }
    std::pair<int, int> spanOf(const QWidget* control) {
        const int left = control->mapTo(&header(), QPoint(0, 0)).x();
        return {left, left + control->width()};
    }
    bool isInView(const QWidget* control) {
        const auto [left, right] = spanOf(control);
        const auto [clearLeft, clearRight] = clearSpan();
        return left >= clearLeft && right <= clearRight;
    }

    testing::EditorScreenFixture fixture;
    std::unique_ptr<EditorView> view;
};

// Every control of the header either stands whole in view or lies beyond an end that
// shows a chevron; each comes into view as Tab reaches it, and the chevrons scroll.
TEST_F(EditorHeaderInEveryLanguageTest, EveryControlIsInViewOrBehindAChevronAndTabBringsItIntoView) {
    for (const EditorTab selected : {EditorTab::comparison, EditorTab::simulation}) {
        SCOPED_TRACE(header().tabButton(selected)->text().toStdString());
        fixture.session->setSelectedTab(selected);
        header().findChild<QScrollArea*>()->horizontalScrollBar()->setValue(0);
        settle();
        for (QWidget* control : controls()) {
            if (isInView(control)) continue;
            const auto [left, right] = spanOf(control);
            const auto [clearLeft, clearRight] = clearSpan();
            SCOPED_TRACE(control->metaObject()->className());
            if (right > clearRight) {
                EXPECT_TRUE(header().scrollForwardButton()->isVisible());
            }
            if (left < clearLeft) {
                EXPECT_TRUE(header().scrollBackButton()->isVisible());
            }
        }

        std::set<QWidget*> reached;
        header().tabButton(EditorTab::original)->setFocus(Qt::TabFocusReason);
        for (int press = 0; press < 12 && reached.size() < controls().size(); ++press) {
            QWidget* focused = QApplication::focusWidget();
            const std::vector<QWidget*> all = controls();
            if (std::find(all.begin(), all.end(), focused) == all.end()) break;
            settle();
            EXPECT_TRUE(isInView(focused))
                << focused->metaObject()->className() << " " << focused->accessibleName().toStdString();
            reached.insert(focused);
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        EXPECT_EQ(reached.size(), controls().size());
    }

    // The chevrons scroll the band a page at a time, from end to end.
    QScrollBar* band = header().findChild<QScrollArea*>()->horizontalScrollBar();
    band->setValue(0);
    settle();
    for (int click = 0; click < 8 && header().scrollForwardButton()->isVisible(); ++click) {
        header().scrollForwardButton()->click();
        settle();
    }
    EXPECT_EQ(band->value(), band->maximum());
    EXPECT_TRUE(isInView(header().labelButton()));
    for (int click = 0; click < 8 && header().scrollBackButton()->isVisible(); ++click) {
        header().scrollBackButton()->click();
        settle();
    }
    EXPECT_EQ(band->value(), 0);
}

// The chevron's end of the band is the band's own colour, not a patch over it.
TEST_F(EditorHeaderInEveryLanguageTest, TheChevronStandsOnTheBandsOwnColour) {
    ASSERT_TRUE(header().scrollForwardButton()->isVisible());
    const QImage band = header().grab().toImage();
    const QColor bare = band.pixelColor(2, 0);  // above the first tab, where nothing is drawn
    const QColor end = band.pixelColor(header().width() - 3, 2);
    EXPECT_TRUE(testing::colorNear(end, bare)) << end.name().toStdString() << " " << bare.name().toStdString();
}

}  // namespace
}  // namespace vlt
