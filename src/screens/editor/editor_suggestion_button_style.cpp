#include "screens/editor/editor_suggestion_button_style.h"

#include <QPainter>

#include "screens/editor/editor_font.h"
#include "screens/editor/editor_palette.h"

namespace vlt {

const EditorSuggestionButtonStyle& EditorSuggestionButtonStyle::shared() {
    static const EditorSuggestionButtonStyle style;
    return style;
}

QPainterPath EditorSuggestionButtonStyle::clipShape(const QRectF& rect) const { return capsule(rect); }

void EditorSuggestionButtonStyle::paintFace(QPainter& painter, const QRectF& rect,
                                            const EditorButtonState& state) const {
    constexpr double kPressedFaceOpacity = 0.82;
    QColor face = state.isSelected ? EditorPalette::suggestionAccent() : QColor(Qt::white);
    if (state.isPressed) face.setAlphaF(kPressedFaceOpacity);
    painter.fillPath(clipShape(rect), face);
}

void EditorSuggestionButtonStyle::paintOutline(QPainter& painter, const QRectF& rect,
                                               const EditorButtonState& state) const {
    const bool accented = state.isSelected || state.isHovered;
    strokeOutline(painter, clipShape(rect),
                  accented ? EditorPalette::suggestionAccent() : EditorPalette::suggestionBorder());
}

QColor EditorSuggestionButtonStyle::foreground(const EditorButtonState& state) const {
    return state.isSelected ? QColor(Qt::white) : EditorPalette::suggestionText();
}

std::optional<QFont> EditorSuggestionButtonStyle::font() const { return editorSystemFont(12.5); }

QMarginsF EditorSuggestionButtonStyle::padding() const { return {11, 5, 11, 5}; }

QSizeF EditorSuggestionButtonStyle::minimumSize() const { return {0, 34}; }

}  // namespace vlt
