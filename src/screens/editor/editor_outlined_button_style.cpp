#include "screens/editor/editor_outlined_button_style.h"

#include <QPainter>

#include "screens/editor/editor_font.h"
#include "screens/editor/editor_palette.h"

namespace vlt {
namespace {
constexpr double kDisabledOpacity = 0.45;
}

EditorOutlinedButtonStyle::EditorOutlinedButtonStyle(Look look) : look_(std::move(look)) {}

QPainterPath EditorOutlinedButtonStyle::clipShape(const QRectF& rect) const {
    return roundedRect(rect, look_.cornerRadius);
}

void EditorOutlinedButtonStyle::paintFace(QPainter& painter, const QRectF& rect, const EditorButtonState& state) const {
    const bool lit = state.isPressed || (look_.isLitWhenSelected && state.isSelected);
    painter.fillPath(clipShape(rect), lit ? look_.litFill : QColor(Qt::white));
}

void EditorOutlinedButtonStyle::paintOutline(QPainter& painter, const QRectF& rect, const EditorButtonState&) const {
    strokeOutline(painter, clipShape(rect), EditorPalette::controlBorder());
}

QColor EditorOutlinedButtonStyle::foreground(const EditorButtonState&) const { return look_.foreground; }

double EditorOutlinedButtonStyle::opacity(const EditorButtonState& state) const {
    return state.isEnabled ? 1.0 : kDisabledOpacity;
}

std::optional<QFont> EditorOutlinedButtonStyle::font() const { return editorSystemFont(look_.fontSize); }

QMarginsF EditorOutlinedButtonStyle::padding() const {
    return {look_.horizontalPadding, 0, look_.horizontalPadding, 0};
}

QSizeF EditorOutlinedButtonStyle::minimumSize() const { return look_.minimumSize; }

const EditorCommandButtonStyle& EditorCommandButtonStyle::shared() {
    static const EditorCommandButtonStyle style;
    return style;
}

EditorCommandButtonStyle::EditorCommandButtonStyle()
    : EditorOutlinedButtonStyle(Look{6.0, EditorPalette::commandPressedFill(), false, EditorPalette::ink(),
                                     double(textStylePixelSize(TextStyle::body)), 14.0, QSizeF(0, 40)}) {}

const EditorViewportButtonStyle& EditorViewportButtonStyle::shared() {
    static const EditorViewportButtonStyle style;
    return style;
}

EditorViewportButtonStyle::EditorViewportButtonStyle()
    : EditorOutlinedButtonStyle(
          Look{4.0, EditorPalette::selectedFill(), true, EditorPalette::secondaryText(), 12.0, 10.0, QSizeF(43, 31)}) {}

}  // namespace vlt
