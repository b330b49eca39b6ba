#include "editor_screen/editor_command_button_style.h"

#include <QPainter>

#include "editor_screen/editor_palette.h"
#include "ui/text_style.h"

namespace vlt {
namespace {
constexpr double kCornerRadius = 6.0;
}

const EditorCommandButtonStyle& EditorCommandButtonStyle::shared() {
    static const EditorCommandButtonStyle style;
    return style;
}

QPainterPath EditorCommandButtonStyle::clipShape(const QRectF& rect) const { return roundedRect(rect, kCornerRadius); }

void EditorCommandButtonStyle::paintFace(QPainter& painter, const QRectF& rect, const EditorButtonState& state) const {
    painter.fillPath(clipShape(rect), state.isPressed ? EditorPalette::commandPressedFill() : QColor(Qt::white));
}

void EditorCommandButtonStyle::paintOutline(QPainter& painter, const QRectF& rect, const EditorButtonState&) const {
    strokeOutline(painter, clipShape(rect), EditorPalette::controlBorder());
}

QColor EditorCommandButtonStyle::foreground(const EditorButtonState&) const { return EditorPalette::ink(); }

double EditorCommandButtonStyle::opacity(const EditorButtonState& state) const { return state.isEnabled ? 1.0 : 0.45; }

std::optional<QFont> EditorCommandButtonStyle::font() const { return textStyleFont(TextStyle::body); }

QMarginsF EditorCommandButtonStyle::padding() const { return {14, 0, 14, 0}; }

QSizeF EditorCommandButtonStyle::minimumSize() const { return {0, 40}; }

}  // namespace vlt
