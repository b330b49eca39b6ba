#include "screens/editor/editor_tool_rail.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>

#include "screens/editor/editor_label_button.h"
#include "screens/editor/editor_mode_button.h"
#include "screens/editor/editor_tool_button.h"
#include "editor_screen_test_support.h"
#include "ui/vertical_scroll_area.h"

namespace vlt {
namespace {

class EditorToolRailTest : public ::testing::Test {
protected:
    EditorToolRailTest() : rail(*fixture.session) {
        rail.resize(rail.width(), 754);
        rail.show();
        QApplication::processEvents();
    }

    std::vector<EditorTool> visibleTools() const {
        std::vector<EditorTool> tools;
        for (const EditorTool tool : kAllEditorTools) {
            if (rail.toolButton(tool)->isVisibleTo(&rail)) tools.push_back(tool);
        }
        return tools;
    }

    testing::EditorScreenFixture fixture;
    EditorToolRail rail;
};

TEST_F(EditorToolRailTest, ListsTheToolsOfTheCurrentMode) {
    EXPECT_EQ(visibleTools(), (std::vector<EditorTool>{EditorTool::push, EditorTool::grow, EditorTool::shrink,
                                                       EditorTool::reconstruct}));
    // Pressing the selected mode still sets it, which leaves move mode.
    fixture.session->setMoveMode(true);
    rail.modeButton(EditorMode::reshape)->click();
    EXPECT_FALSE(fixture.session->isMoveMode());
    rail.modeButton(EditorMode::annotate)->click();
    EXPECT_EQ(fixture.session->mode(), EditorMode::annotate);
    const auto tools = visibleTools();
    ASSERT_EQ(tools.size(), 9u);
    EXPECT_EQ(tools.front(), EditorTool::selectMove);
    EXPECT_EQ(tools.back(), EditorTool::eraser);
}

TEST_F(EditorToolRailTest, ShowsWhichModeAndToolAreSelected) {
    rail.modeButton(EditorMode::annotate)->click();
    EXPECT_TRUE(rail.modeButton(EditorMode::annotate)->isSelected());
    EXPECT_FALSE(rail.modeButton(EditorMode::reshape)->isSelected());
    EXPECT_TRUE(rail.toolButton(EditorTool::selectMove)->isSelected());

    rail.toolButton(EditorTool::text)->click();
    EXPECT_EQ(fixture.session->activeTool(), EditorTool::text);
    EXPECT_TRUE(rail.toolButton(EditorTool::text)->isSelected());
    EXPECT_FALSE(rail.toolButton(EditorTool::selectMove)->isSelected());
    // A click never toggles the selection away.
    rail.toolButton(EditorTool::text)->click();
    EXPECT_TRUE(rail.toolButton(EditorTool::text)->isSelected());
}

TEST_F(EditorToolRailTest, CollapsesToIconsOnly) {
    const int expanded = rail.width();
    rail.collapseButton()->click();
    QApplication::processEvents();
    EXPECT_FALSE(fixture.session->isToolRailExpanded());
    EXPECT_LT(rail.width(), expanded);
    EXPECT_FALSE(rail.modeButton(EditorMode::reshape)->isExpanded());
    EXPECT_FALSE(rail.toolButton(EditorTool::push)->showsLabel());
}

// Under the toolbar of a window of the default height the nine annotation tools do
// not fit; the list scrolls under a floating scroller that takes none of its width.
TEST_F(EditorToolRailTest, TheListScrollsWhileTheModesAndCollapseStay) {
    rail.resize(rail.width(), 820 - 66);
    rail.modeButton(EditorMode::annotate)->click();
    QApplication::processEvents();
    VerticalScrollArea& list = *rail.toolList();
    QScrollBar* scroller = list.overlayScroller();
    EXPECT_GT(list.widget()->height(), list.viewport()->height());
    EXPECT_TRUE(scroller->isVisible());
    EXPECT_EQ(rail.collapseButton()->geometry().bottom(), rail.height() - 1);
    EXPECT_GE(rail.modeButton(EditorMode::reshape)->y(), 15);

    QWheelEvent wheel(QPointF(20, 20), list.viewport()->mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, -1200),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list.viewport(), &wheel);
    EXPECT_EQ(list.verticalScrollBar()->value(), list.verticalScrollBar()->maximum());
    EXPECT_EQ(scroller->value(), scroller->maximum());

    // Back in Reshape everything fits, and the scroller goes.
    rail.modeButton(EditorMode::reshape)->click();
    QApplication::processEvents();
    EXPECT_FALSE(scroller->isVisible());
}

}  // namespace
}  // namespace vlt
