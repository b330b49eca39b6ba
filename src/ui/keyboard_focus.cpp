#include "ui/keyboard_focus.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>
#include <QWidget>

namespace vlt {
namespace {

constexpr double kRingWidth = 2.0;
constexpr double kSeparatorWidth = 1.5;

}  // namespace

bool showsKeyboardFocus(const QWidget& widget) {
    const QWidget* window = widget.window();
    return widget.hasFocus() && window != nullptr && window->testAttribute(Qt::WA_KeyboardFocusChange);
}

bool showsKeyboardFocus(const QStyleOption& option) {
    const QStyle::State keyboardFocus = QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    return (option.state & keyboardFocus) == keyboardFocus && (option.state & QStyle::State_Enabled);
}

void paintFocusRing(QPainter& painter, const QPainterPath& shape, const QColor& accent) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipPath(shape, Qt::IntersectClip);
    painter.setBrush(Qt::NoBrush);
    // A stroke along the edge is half inside the shape: twice the width shows one width.
    painter.strokePath(shape, QPen(Qt::white, 2.0 * (kRingWidth + kSeparatorWidth)));
    painter.strokePath(shape, QPen(accent, 2.0 * kRingWidth));
    painter.restore();
}

void paintFocusRing(QPainter& painter, const QRectF& rect, double cornerRadius, const QColor& accent) {
    QPainterPath shape;
    shape.addRoundedRect(rect, cornerRadius, cornerRadius);
    paintFocusRing(painter, shape, accent);
}

bool isPlainReturn(const QKeyEvent& event) {
    const bool isReturn = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    return isReturn && (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool pressFocusedButtonOnReturn(const QWidget& scope, QKeyEvent& event) {
    if (!isPlainReturn(event)) return false;
    auto* button = qobject_cast<QAbstractButton*>(scope.window()->focusWidget());
    // Checkable buttons (tools, options) keep Space as their only key.
    if (button == nullptr || !scope.isAncestorOf(button) || !button->isEnabled() || button->isCheckable()) {
        return false;
    }
    event.accept();
    button->click();
    return true;
}

}  // namespace vlt
