#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>

#include "screens/editor/editor_history_button.h"
#include "screens/editor/editor_label_button.h"
#include "screens/editor/editor_outlined_button_style.h"
#include "screens/editor/editor_palette.h"
#include "screens/editor/editor_suggestion_button_style.h"
#include "screens/editor/editor_suggestions_disclosure_button_style.h"
#include "screens/editor/editor_text_button.h"
#include "screens/editor/editor_zoom_readout_button_style.h"
#include "editor_screen_test_support.h"

namespace vlt {
namespace {

void hover(EditorButton& button) {
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(&button, &enter);
}

// A pixel of the face, inside the outline and away from the label.
QColor facePixel(const QImage& image) { return image.pixelColor(3, image.height() / 2); }
// A pixel on the 1-point outline, halfway down the left edge.
QColor outlinePixel(const QImage& image) { return image.pixelColor(0, image.height() / 2); }

TEST(EditorButtonStylesTest, ADisabledCommandButtonKeepsItsFaceAt45Percent) {
    EditorTextButton button(EditorCommandButtonStyle::shared(), QStringLiteral("Open another image"));
    button.resize(button.sizeHint());
    const QImage enabled = testing::render(button);
    EXPECT_TRUE(testing::colorNear(facePixel(enabled), Qt::white));

    button.setEnabled(false);
    const QImage disabled = testing::render(button);
    EXPECT_NEAR(qAlpha(disabled.pixel(3, disabled.height() / 2)), 115, 2);
    EXPECT_NEAR(qAlpha(disabled.pixel(0, disabled.height() / 2)), 115, 2);
}

TEST(EditorButtonStylesTest, ADisabledUndoDrawsAGreyGlyphWithoutAFace) {
    EditorHistoryButton undo(EditorHistoryGlyph::Kind::undo, QStringLiteral("Undo"), QString(), {});
    undo.setEnabled(false);
    const QImage image = testing::render(undo);
    EXPECT_EQ(qAlpha(image.pixel(2, 2)), 0);
    // The glyph's most covered pixel carries the grey ink, undimmed.
    QColor densest(Qt::transparent);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).alpha() > densest.alpha()) densest = image.pixelColor(x, y);
        }
    }
    EXPECT_GT(densest.alpha(), 200);
    densest.setAlpha(255);
    EXPECT_TRUE(testing::colorNear(densest, EditorPalette::historyDisabledInk(), 3));

    undo.setEnabled(true);
    undo.setDown(true);
    EXPECT_TRUE(testing::colorNear(testing::render(undo).pixelColor(4, 4), EditorPalette::historyIconPressedFill()));
}

TEST(EditorButtonStylesTest, ASelectedViewportButtonStaysLitWhilePressed) {
    EditorTextButton button(EditorViewportButtonStyle::shared(), QStringLiteral("Move"));
    button.resize(button.sizeHint());
    EXPECT_TRUE(testing::colorNear(facePixel(testing::render(button)), Qt::white));
    button.setSelected(true);
    EXPECT_TRUE(testing::colorNear(facePixel(testing::render(button)), EditorPalette::selectedFill()));
    button.setDown(true);
    EXPECT_TRUE(testing::colorNear(facePixel(testing::render(button)), EditorPalette::selectedFill()));
    EXPECT_TRUE(testing::colorNear(outlinePixel(testing::render(button)), EditorPalette::controlBorder(), 4));
}

TEST(EditorButtonStylesTest, TheZoomReadoutShowsNoFaceUntilPressed) {
    EditorTextButton readout(EditorZoomReadoutButtonStyle::shared(), QStringLiteral("35%"));
    readout.resize(readout.sizeHint());
    EXPECT_EQ(qAlpha(testing::render(readout).pixel(3, 3)), 0);
    readout.setDown(true);
    EXPECT_TRUE(testing::colorNear(testing::render(readout).pixelColor(3, readout.height() / 2),
                                   EditorPalette::selectedFill()));
}

TEST(EditorButtonStylesTest, PressingASuggestionDimsOnlyItsFace) {
    EditorTextButton chip(EditorSuggestionButtonStyle::shared(), QStringLiteral("Chin & jaw"));
    chip.resize(chip.sizeHint());
    const int faceX = chip.height() / 2;    // inside the capsule's round end
    const int outlineX = chip.width() / 2;  // on the flat top edge
    EXPECT_TRUE(
        testing::colorNear(testing::render(chip).pixelColor(outlineX, 0), EditorPalette::suggestionBorder(), 4));
    hover(chip);
    EXPECT_TRUE(
        testing::colorNear(testing::render(chip).pixelColor(outlineX, 0), EditorPalette::suggestionAccent(), 4));
    EXPECT_TRUE(testing::colorNear(testing::render(chip).pixelColor(faceX, 3), Qt::white));

    chip.setSelected(true);
    chip.setDown(true);
    const QImage pressed = testing::render(chip);
    EXPECT_NEAR(qAlpha(pressed.pixel(faceX, 4)), 209, 3);
    EXPECT_EQ(qAlpha(pressed.pixel(outlineX, 0)), 255);
    EXPECT_TRUE(testing::colorNear(pressed.pixelColor(outlineX, 0), EditorPalette::suggestionAccent(), 4));
}

TEST(EditorButtonStylesTest, TheDisclosureHeaderShowsPressedOverHover) {
    EditorLabelButton header(EditorSuggestionsDisclosureButtonStyle::shared(), QStringLiteral("Tool Suggestions"));
    header.resize(270, 46);
    EXPECT_TRUE(testing::colorNear(facePixel(testing::render(header)), EditorPalette::disclosureFill()));
    hover(header);
    EXPECT_TRUE(testing::colorNear(facePixel(testing::render(header)), EditorPalette::disclosureHoverFill()));
    EXPECT_TRUE(testing::colorNear(outlinePixel(testing::render(header)), EditorPalette::disclosureHoverBorder(), 4));
    header.setDown(true);
    EXPECT_TRUE(testing::colorNear(facePixel(testing::render(header)), EditorPalette::disclosurePressedFill()));
    EXPECT_TRUE(testing::colorNear(outlinePixel(testing::render(header)), EditorPalette::disclosureBorder(), 4));
}

}  // namespace
}  // namespace vlt
