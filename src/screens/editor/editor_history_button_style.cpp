#include "screens/editor/editor_history_button_style.h"

#include <QPainter>

#include "screens/editor/editor_palette.h"

namespace vlt {

QPainterPath EditorHistoryButtonStyle::clipShape(const QRectF& rect) const {
    constexpr double kCornerRadius = 5.0;
    return roundedRect(rect, kCornerRadius);
}

void EditorHistoryButtonStyle::paintFace(QPainter& painter, const QRectF& rect, const EditorButtonState& state) const {
    if (state.isPressed) painter.fillPath(clipShape(rect), pressedFill());
}

QColor EditorHistoryButtonStyle::foreground(const EditorButtonState& state) const {
    return state.isEnabled ? EditorPalette::ink() : EditorPalette::historyDisabledInk();
}

const EditorHistoryIconButtonStyle& EditorHistoryIconButtonStyle::shared() {
    static const EditorHistoryIconButtonStyle style;
    return style;
}

const QColor& EditorHistoryIconButtonStyle::pressedFill() const { return EditorPalette::historyIconPressedFill(); }

const EditorHistoryResetButtonStyle& EditorHistoryResetButtonStyle::shared() {
    static const EditorHistoryResetButtonStyle style;
    return style;
}

const QColor& EditorHistoryResetButtonStyle::pressedFill() const { return EditorPalette::historyResetPressedFill(); }

}  // namespace vlt
