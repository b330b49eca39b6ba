#include "screens/editor/tool_suggestions.h"

#include <gtest/gtest.h>

namespace vlt {
namespace {

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
