#include "screens/editor/editor_toggle_button_style.h"

#include <QPainter>

#include "screens/editor/editor_palette.h"
#include "screens/editor/editor_plain_button_style.h"

namespace vlt {
namespace {
constexpr double kCornerRadius = 4.0;
}

EditorToggleButtonStyle::EditorToggleButtonStyle(QColor selectedFill, QColor selectedOutline)
    : selectedFill_(std::move(selectedFill)), selectedOutline_(std::move(selectedOutline)) {}

const EditorToggleButtonStyle& EditorToggleButtonStyle::mode() {
    static const EditorToggleButtonStyle style(EditorPalette::ink(), QColor());
    return style;
}

const EditorToggleButtonStyle& EditorToggleButtonStyle::tool() {
    static const EditorToggleButtonStyle style(EditorPalette::selectedFill(), QColor());
    return style;
}

const EditorToggleButtonStyle& EditorToggleButtonStyle::tab() {
    static const EditorToggleButtonStyle style(Qt::white, EditorPalette::tabBorder());
    return style;
}

QPainterPath EditorToggleButtonStyle::clipShape(const QRectF& rect) const { return roundedRect(rect, kCornerRadius); }

void EditorToggleButtonStyle::paintFace(QPainter& painter, const QRectF& rect, const EditorButtonState& state) const {
    if (state.isSelected) painter.fillPath(clipShape(rect), selectedFill_);
}

void EditorToggleButtonStyle::paintOutline(QPainter& painter, const QRectF& rect,
                                           const EditorButtonState& state) const {
    if (state.isSelected && selectedOutline_.isValid()) strokeOutline(painter, clipShape(rect), selectedOutline_);
}

double EditorToggleButtonStyle::opacity(const EditorButtonState& state) const {
    return EditorPlainButtonStyle::shared().opacity(state);
}

}  // namespace vlt
