#include "editor_screen/editor_viewport_button_style.h"

#include <QPainter>

#include "editor_screen/editor_font.h"
#include "editor_screen/editor_palette.h"

namespace vlt {
namespace {
constexpr double kCornerRadius = 4.0;
}

const EditorViewportButtonStyle& EditorViewportButtonStyle::shared() {
    static const EditorViewportButtonStyle style;
    return style;
}

QPainterPath EditorViewportButtonStyle::clipShape(const QRectF& rect) const { return roundedRect(rect, kCornerRadius); }

void EditorViewportButtonStyle::paintFace(QPainter& painter, const QRectF& rect, const EditorButtonState& state) const {
    const bool lit = state.isSelected || state.isPressed;
    painter.fillPath(clipShape(rect), lit ? EditorPalette::selectedFill() : QColor(Qt::white));
}

void EditorViewportButtonStyle::paintOutline(QPainter& painter, const QRectF& rect, const EditorButtonState&) const {
    strokeOutline(painter, clipShape(rect), EditorPalette::controlBorder());
}

QColor EditorViewportButtonStyle::foreground(const EditorButtonState&) const { return EditorPalette::secondaryText(); }

double EditorViewportButtonStyle::opacity(const EditorButtonState& state) const { return state.isEnabled ? 1.0 : 0.45; }

std::optional<QFont> EditorViewportButtonStyle::font() const { return editorSystemFont(12); }

QMarginsF EditorViewportButtonStyle::padding() const { return {10, 0, 10, 0}; }

QSizeF EditorViewportButtonStyle::minimumSize() const { return {43, 31}; }

}  // namespace vlt
