#include "screens/editor/tool_suggestions.h"

#include <gtest/gtest.h>

namespace vlt {
namespace {

TEST(ToolSuggestionsTest, OnlyTheThreeShapingBrushesHaveRows) {
    for (const EditorTool tool : kAllEditorTools) {
        const bool brush = tool == EditorTool::push || tool == EditorTool::grow || tool == EditorTool::shrink;
        EXPECT_EQ(suggestionRows(tool).empty(), !brush) << rawValue(tool);
    }
    EXPECT_TRUE(suggestionHint(EditorTool::draw, QStringLiteral("Nose")).isEmpty());
}

TEST(ToolSuggestionsTest, EveryListedAreaHasAHintAndAName) {
    for (const EditorTool tool : {EditorTool::push, EditorTool::grow, EditorTool::shrink}) {
        for (const QStringList& row : suggestionRows(tool)) {
            for (const QString& area : row) {
                EXPECT_FALSE(suggestionHint(tool, area).isEmpty()) << area.toStdString();
                EXPECT_EQ(suggestionAreaDisplayName(area), area);
            }
        }
    }
}

}  // namespace
}  // namespace vlt
