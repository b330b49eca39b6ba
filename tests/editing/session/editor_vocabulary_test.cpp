#include <gtest/gtest.h>

#include <string>

#include "editing/engine/editor_tool.h"
#include "editing/session/editor_help_texts.h"
#include "editing/session/editor_messages.h"
#include "editing/session/editor_tab.h"

namespace vlt {
namespace {

TEST(EditorTabTest, EditingIsRefusedOnlyWhereItIsImpossible) {
    const auto onAnimate = editRefusalMessage(EditorTab::animate, false);
    const auto onOriginal = editRefusalMessage(EditorTab::comparison, true);
    ASSERT_TRUE(onAnimate && onOriginal);
    EXPECT_NE(*onAnimate, *onOriginal);
    EXPECT_EQ(editRefusalMessage(EditorTab::comparison, false), std::nullopt);
    EXPECT_EQ(editRefusalMessage(EditorTab::simulation, true), std::nullopt);
    EXPECT_EQ(editRefusalMessage(EditorTab::original, false), std::nullopt);
}

TEST(EditorToolTest, ShortcutLettersAndHelpTextsAgree) {
    std::string letters;
    for (EditorTool tool : kAllEditorTools) letters += shortcutKey(tool).value_or('-');
    EXPECT_EQ(letters, "PGSRVD-----TE");

    for (EditorTool tool : kAllEditorTools) {
        const QString helpText = help(tool);
        if (const auto key = shortcutKey(tool)) {
            EXPECT_TRUE(helpText.endsWith(QStringLiteral("(%1)").arg(QLatin1Char(*key)))) << helpText.toStdString();
            EXPECT_EQ(editorToolForShortcut(QChar::fromLatin1(*key).toLower()), tool);
        } else {
            EXPECT_FALSE(helpText.endsWith(QLatin1Char(')'))) << helpText.toStdString();
        }
    }
    EXPECT_EQ(editorToolForShortcut(QLatin1Char('l')), std::nullopt);
}

// Keys are named as this system names them, never with the other platform's words.
TEST(EditorTextsTest, HelpTextsNameCtrlAndAlt) {
    EXPECT_EQ(EditorHelpTexts::undo(), QStringLiteral("Undo the last action (Ctrl+Z)"));
    EXPECT_EQ(EditorHelpTexts::synchronizedZoom(), QStringLiteral("Synchronized zoom (Ctrl + mouse wheel)"));
    EXPECT_EQ(EditorHelpTexts::brushSize(),
              QStringLiteral("Adjust brush size (Alt + two-finger scroll or mouse wheel)"));
    EXPECT_FALSE(EditorHelpTexts::share().contains(QStringLiteral("macOS")));
}

}  // namespace
}  // namespace vlt
