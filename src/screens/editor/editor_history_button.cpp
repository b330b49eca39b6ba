#include "screens/editor/editor_history_button.h"

#include "screens/editor/editor_history_button_style.h"

namespace vlt {

EditorHistoryButton::EditorHistoryButton(EditorHistoryGlyph::Kind glyph, const QString& label, const QString& help,
                                         std::function<void()> action, QWidget* parent)
    : EditorButton(EditorHistoryIconButtonStyle::shared(), parent), glyph_{glyph} {
    setFixedSize(kSide, kSide);
    setAccessibleName(label);
    setToolTip(help);
    runOnClick(std::move(action));
}

QSizeF EditorHistoryButton::contentSize() const { return {kSide, kSide}; }

void EditorHistoryButton::paintContent(QPainter& painter, const QRectF& contentRect, const QColor& foreground) {
    const QRectF frame(contentRect.center() - QPointF(kGlyphSide / 2.0, kGlyphSide / 2.0),
                       QSizeF(kGlyphSide, kGlyphSide));
    glyph_.paint(painter, frame, foreground);
}

}  // namespace vlt
