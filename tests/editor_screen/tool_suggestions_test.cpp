#include "editor_screen/tool_suggestions.h"

#include <gtest/gtest.h>

#include <QSet>

namespace vlt {
namespace {

TEST(ToolSuggestionsTest, OnlyTheThreeShapingBrushesHaveRows) {
    for (const EditorTool tool : kAllEditorTools) {
        const bool brush = tool == EditorTool::push || tool == EditorTool::grow || tool == EditorTool::shrink;
        EXPECT_EQ(suggestionRows(tool).empty(), !brush) << rawValue(tool);
    }
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

TEST(ToolSuggestionsTest, TheSameAreaHasADifferentHintPerBrush) {
    const QSet<QString> cheeks{suggestionHint(EditorTool::push, QStringLiteral("Cheeks")),
                               suggestionHint(EditorTool::grow, QStringLiteral("Cheeks")),
                               suggestionHint(EditorTool::shrink, QStringLiteral("Cheeks"))};
    EXPECT_EQ(cheeks.size(), 3);
    EXPECT_NE(suggestionHint(EditorTool::push, QStringLiteral("Nose")),
              suggestionHint(EditorTool::shrink, QStringLiteral("Nose")));
}

TEST(ToolSuggestionsTest, UnknownPairsAndKeysFallBackQuietly) {
    EXPECT_TRUE(suggestionHint(EditorTool::push, QStringLiteral("Lips")).isEmpty());
    EXPECT_TRUE(suggestionHint(EditorTool::draw, QStringLiteral("Nose")).isEmpty());
    EXPECT_EQ(suggestionAreaDisplayName(QStringLiteral("Forehead")), QStringLiteral("Forehead"));
}

}  // namespace
}  // namespace vlt
