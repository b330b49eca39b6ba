#include <array>
#include <functional>

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "screens/editor/animation_tab_icon.h"
#include "screens/editor/editor_chevron.h"
#include "screens/editor/editor_disclosure_chevron.h"
#include "screens/editor/editor_history_glyph.h"
#include "screens/editor/editor_message_close_icon.h"
#include "screens/editor/editor_output_chevron.h"
#include "editor_screen_test_support.h"

namespace vlt {
namespace {

using Paint = std::function<void(QPainter&, const QRectF&)>;

template <typename Glyph>
Paint glyph(Glyph made) {
    return [made](QPainter& painter, const QRectF& frame) { made.paint(painter, frame, Qt::black); };
}

// Each glyph drawn in black into its frame: the box its ink fills (to a pixel), where
// it leaves ink and where it must not.
TEST(EditorGlyphsTest, EachGlyphDrawsItsShapeWhereItBelongsInItsFrame) {
    using History = EditorHistoryGlyph::Kind;
    using Direction = EditorChevron::Direction;
    struct Case {
        const char* name;
        Paint paint;
        QSize frame;
        std::array<int, 4> ink;  // left, top, right, bottom
        std::vector<QPoint> inked;
        std::vector<QPoint> clear;
    };
    const Case cases[] = {
        // The 32-unit history grid is a 20-point square in the middle of a wide frame;
        // redo mirrors undo, its arrowhead at the upper right.
        {"undo", glyph(EditorHistoryGlyph{History::undo}), {40, 20}, {11, 0, 28, 19}, {{11, 3}}, {{28, 3}}},
        {"redo", glyph(EditorHistoryGlyph{History::redo}), {40, 20}, {11, 0, 28, 19}, {{28, 3}}, {{11, 3}}},
        {"reset", glyph(EditorHistoryGlyph{History::reset}), {40, 20}, {10, 0, 29, 19}, {{20, 18}}, {{20, 10}}},
        // Chevrons have their tip halfway down.
        {"left", glyph(EditorChevron{Direction::left}), {70, 120}, {14, 8, 55, 111}, {{15, 60}}, {{15, 12}}},
        {"right", glyph(EditorChevron{Direction::right}), {70, 120}, {14, 8, 55, 111}, {{54, 60}}, {{54, 12}}},
        {"up", glyph(EditorDisclosureChevron{true}), {100, 60}, {7, 12, 92, 47}, {{50, 14}}, {{50, 46}}},
        {"down", glyph(EditorDisclosureChevron{false}), {100, 60}, {7, 12, 92, 47}, {{50, 46}}, {{50, 14}}},
        {"output", glyph(EditorOutputChevron{}), {24, 48}, {6, 20, 17, 26}, {{12, 24}}, {{12, 21}}},
        // A play triangle inside a rounded frame.
        {"animation", glyph(AnimationTabIcon{}), {20, 20}, {0, 2, 19, 17}, {{10, 10}}, {{6, 10}}},
        {"close", glyph(EditorMessageCloseIcon{}), {24, 24}, {8, 8, 16, 16}, {{12, 12}, {8, 8}, {15, 8}}, {{12, 4}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QImage image(c.frame, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        c.paint(painter, QRectF(QPointF(0, 0), QSizeF(c.frame)));
        painter.end();
        const QRect ink = testing::inkBounds(image);
        const std::array<int, 4> edges{ink.left(), ink.top(), ink.right(), ink.bottom()};
        for (std::size_t i = 0; i < 4; ++i) EXPECT_NEAR(edges[i], c.ink[i], 1) << "edge " << i;
        for (const QPoint& point : c.inked) EXPECT_GT(qAlpha(image.pixel(point)), 64) << point.x() << "," << point.y();
        for (const QPoint& point : c.clear) EXPECT_LE(qAlpha(image.pixel(point)), 64) << point.x() << "," << point.y();
    }
}

}  // namespace
}  // namespace vlt
