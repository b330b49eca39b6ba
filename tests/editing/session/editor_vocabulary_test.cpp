#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/session/editor_help_texts.h"
#include "editing/session/editor_messages.h"
#include "editing/engine/editor_mode.h"
#include "editing/session/editor_tab.h"
#include "editing/engine/editor_tool.h"

namespace vlt {
namespace {

TEST(EditorTabTest, RawValuesAreExactAndInTabBarOrder) {
    std::vector<std::string> raws;
    for (EditorTab tab : kAllEditorTabs) raws.emplace_back(rawValue(tab));
    EXPECT_EQ(raws, (std::vector<std::string>{"Original", "Simulation", "Comparison", "Animate"}));
    for (EditorTab tab : kAllEditorTabs) EXPECT_EQ(editorTabFromRawValue(rawValue(tab)), tab);
    EXPECT_EQ(editorTabFromRawValue("original"), std::nullopt);
    EXPECT_EQ(editorTabFromRawValue("Animate "), std::nullopt);
}

TEST(EditorTabTest, EditRefusalOnlyWhereEditingIsImpossible) {
    const auto onAnimate = editRefusalMessage(EditorTab::animate, false);
    const auto onOriginal = editRefusalMessage(EditorTab::comparison, true);
    ASSERT_TRUE(onAnimate && onOriginal);
    EXPECT_NE(*onAnimate, *onOriginal);
    EXPECT_EQ(editRefusalMessage(EditorTab::comparison, false), std::nullopt);
    EXPECT_EQ(editRefusalMessage(EditorTab::simulation, true), std::nullopt);
    EXPECT_EQ(editRefusalMessage(EditorTab::original, false), std::nullopt);
}

TEST(EditorModeTest, RawValuesAreExactAndCaseSensitive) {
    EXPECT_EQ(rawValue(EditorMode::reshape), "Reshape");
    EXPECT_EQ(rawValue(EditorMode::annotate), "Annotate");
    EXPECT_EQ(editorModeFromRawValue("Annotate"), EditorMode::annotate);
    EXPECT_EQ(editorModeFromRawValue("annotate"), std::nullopt);
}

TEST(EditorToolTest, RawValuesAreExactAndCaseSensitive) {
    std::vector<std::string> raws;
    for (EditorTool tool : kAllEditorTools) raws.emplace_back(rawValue(tool));
    EXPECT_EQ(raws,
              (std::vector<std::string>{"Push", "Grow", "Shrink", "Reconstruct", "Select / Move", "Draw", "Line",
                                        "Rectangle", "Filled rectangle", "Circle", "Filled circle", "Text", "Eraser"}));
    for (EditorTool tool : kAllEditorTools) EXPECT_EQ(editorToolFromRawValue(rawValue(tool)), tool);
    EXPECT_EQ(editorToolFromRawValue("Select / Move"), EditorTool::selectMove);
    EXPECT_EQ(editorToolFromRawValue("Select/Move"), std::nullopt);
    EXPECT_EQ(editorToolFromRawValue("push"), std::nullopt);
    EXPECT_EQ(editorToolFromRawValue("filled rectangle"), std::nullopt);
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

TEST(EditorToolTest, ModesIconsAndRoundBrushes) {
    EXPECT_EQ(editorMode(EditorTool::reconstruct), EditorMode::reshape);
    EXPECT_EQ(editorMode(EditorTool::selectMove), EditorMode::annotate);
    EXPECT_EQ(iconName(EditorTool::push), "editor-brush-drag");
    EXPECT_EQ(iconResourcePath(EditorTool::eraser), QStringLiteral(":/icons/editor-eraser.svg"));

    std::vector<EditorTool> round;
    for (EditorTool tool : kAllEditorTools) {
        if (hasRoundAnnotationBrush(tool)) round.push_back(tool);
    }
    EXPECT_EQ(round, (std::vector<EditorTool>{EditorTool::draw, EditorTool::eraser}));
}

TEST(EditorTextsTest, ConstantsAreLookedUpOnceAndUsePlatformKeyNames) {
    EXPECT_EQ(&EditorMessages::undoLimitReached(), &EditorMessages::undoLimitReached());
    EXPECT_TRUE(EditorMessages::undoLimitReached().startsWith(QStringLiteral("You\u2019ve reached")));
    EXPECT_EQ(EditorHelpTexts::undo(), QStringLiteral("Undo the last action (Ctrl+Z)"));
    EXPECT_EQ(EditorHelpTexts::synchronizedZoom(), QStringLiteral("Synchronized zoom (Ctrl + mouse wheel)"));
    EXPECT_EQ(EditorHelpTexts::brushSize(),
              QStringLiteral("Adjust brush size (Alt + two-finger scroll or mouse wheel)"));
    EXPECT_FALSE(EditorHelpTexts::share().contains(QStringLiteral("macOS")));
}

}  // namespace
}  // namespace vlt
