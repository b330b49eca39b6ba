#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "editor_screen/animation_tab_icon.h"
#include "editor_screen/editor_chevron.h"
#include "editor_screen/editor_disclosure_chevron.h"
#include "editor_screen/editor_history_glyph.h"
#include "editor_screen/editor_message_close_icon.h"
#include "editor_screen/editor_output_chevron.h"
#include "editor_screen_test_support.h"

namespace vlt {
namespace {

template <typename Glyph>
QImage paintGlyph(const Glyph& glyph, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    glyph.paint(painter, QRectF(QPointF(0, 0), QSizeF(size)), Qt::black);
    return image;
}

bool inked(const QImage& image, int x, int y) { return qAlpha(image.pixel(x, y)) > 64; }

// The leftmost inked column of one row, or -1.
int leftmostInk(const QImage& image, int y) {
    for (int x = 0; x < image.width(); ++x) {
        if (inked(image, x, y)) return x;
    }
    return -1;
}

TEST(EditorHistoryGlyphTest, StaysSquareAndCentredInAWideFrame) {
    const QSizeF frame(40, 20);
    EXPECT_DOUBLE_EQ(EditorHistoryGlyph::scale(frame), 0.625);
    EXPECT_DOUBLE_EQ(EditorHistoryGlyph::lineWidth(frame), 1.25);
    // Very small glyphs keep a visible stroke.
    EXPECT_DOUBLE_EQ(EditorHistoryGlyph::lineWidth(QSizeF(4, 4)), 0.875);

    for (const auto kind :
         {EditorHistoryGlyph::Kind::undo, EditorHistoryGlyph::Kind::redo, EditorHistoryGlyph::Kind::reset}) {
        const QRect ink = testing::inkBounds(paintGlyph(EditorHistoryGlyph{kind}, QSize(40, 20)));
        // The 32-unit grid becomes a 20-point square from x 10 to 30.
        EXPECT_GE(ink.left(), 9) << int(kind);
        EXPECT_LE(ink.right(), 30) << int(kind);
        EXPECT_GE(ink.top(), 0) << int(kind);
        EXPECT_GE(ink.height(), 18) << int(kind);
    }
}

TEST(EditorHistoryGlyphTest, RedoIsUndoMirroredAcrossTheWholeFrame) {
    const QImage undo = paintGlyph(EditorHistoryGlyph{EditorHistoryGlyph::Kind::undo}, QSize(40, 20));
    const QImage redo = paintGlyph(EditorHistoryGlyph{EditorHistoryGlyph::Kind::redo}, QSize(40, 20));
    const QRect undoInk = testing::inkBounds(undo);
    const QRect redoInk = testing::inkBounds(redo);
    EXPECT_NEAR(redoInk.left(), 40 - 1 - undoInk.right(), 1);
    EXPECT_NEAR(redoInk.right(), 40 - 1 - undoInk.left(), 1);
    // The undo arrowhead sits at the upper left, the redo one at the upper right.
    EXPECT_TRUE(inked(undo, 11, 3));
    EXPECT_TRUE(inked(redo, 28, 3));
    EXPECT_FALSE(inked(redo, 11, 3));
}

TEST(EditorChevronTest, ChevronsPointTheWayTheyAreTold) {
    const QImage left = paintGlyph(EditorChevron{EditorChevron::Direction::left}, QSize(70, 120));
    const QImage right = paintGlyph(EditorChevron{EditorChevron::Direction::right}, QSize(70, 120));
    // The tip of a left chevron is its leftmost point, halfway down.
    EXPECT_LT(leftmostInk(left, 60), leftmostInk(left, 12));
    EXPECT_GT(leftmostInk(right, 60), leftmostInk(right, 12));
    const QRect ink = testing::inkBounds(left);
    EXPECT_NEAR(ink.left(), 0.22 * 70 - 0.8, 1.5);
    EXPECT_NEAR(ink.right(), 0.78 * 70 + 0.8, 1.5);

    const QImage up = paintGlyph(EditorDisclosureChevron{true}, QSize(100, 60));
    const QImage down = paintGlyph(EditorDisclosureChevron{false}, QSize(100, 60));
    EXPECT_TRUE(inked(up, 50, 14));
    EXPECT_FALSE(inked(up, 50, 46));
    EXPECT_TRUE(inked(down, 50, 46));
    EXPECT_FALSE(inked(down, 50, 14));
}

TEST(AnimationTabIconTest, FramesAPlayTriangle) {
    const QImage icon = paintGlyph(AnimationTabIcon{}, QSize(20, 20));
    const QRect ink = testing::inkBounds(icon);
    EXPECT_NEAR(ink.left(), 1, 1);
    EXPECT_NEAR(ink.right(), 18, 1);
    EXPECT_NEAR(ink.top(), 2, 1);
    EXPECT_NEAR(ink.bottom(), 17, 1);
    EXPECT_TRUE(inked(icon, 10, 10));  // inside the triangle
    EXPECT_FALSE(inked(icon, 6, 10));  // between outline and triangle
}

TEST(EditorOutputChevronTest, IsADownwardChevronCentredInItsFrame) {
    const QImage chevron = paintGlyph(EditorOutputChevron{}, QSize(24, 48));
    const QRect ink = testing::inkBounds(chevron);
    // A 24-unit square centred 12 points down.
    EXPECT_NEAR(ink.left(), 6, 1);
    EXPECT_NEAR(ink.right(), 17, 1);
    EXPECT_NEAR(ink.top(), 12 + 8, 1);
    EXPECT_NEAR(ink.bottom(), 12 + 14, 2);
    EXPECT_DOUBLE_EQ(EditorOutputChevron::lineWidth(QSizeF(12, 12)), 0.9);
}

TEST(EditorMessageCloseIconTest, CrossesTheFrameDiagonally) {
    const QImage cross = paintGlyph(EditorMessageCloseIcon{}, QSize(24, 24));
    EXPECT_TRUE(inked(cross, 12, 12));
    EXPECT_TRUE(inked(cross, 8, 8));
    EXPECT_TRUE(inked(cross, 15, 8));
    EXPECT_FALSE(inked(cross, 12, 4));
    const QRect ink = testing::inkBounds(cross);
    // Each 12-point bar turned by 45 degrees spans about 8.5 points.
    EXPECT_NEAR(ink.width(), 9, 2);
}

}  // namespace
}  // namespace vlt
