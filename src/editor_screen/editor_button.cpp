#include "editor_screen/editor_button.h"

#include <algorithm>
#include <cmath>

#include <QEnterEvent>
#include <QPainter>

#include "editor_screen/editor_button_style.h"

namespace vlt {

EditorButton::EditorButton(const EditorButtonStyle& style, QWidget* parent) : QAbstractButton(parent), style_(&style) {
    setFocusPolicy(Qt::TabFocus);
    if (const auto font = style.font()) setFont(*font);
}

void EditorButton::setSelected(bool selected) {
    if (selected && !isCheckable()) setCheckable(true);
    if (isCheckable()) setChecked(selected);
}

EditorButtonState EditorButton::state() const {
    return EditorButtonState{isEnabled(), isDown(), hovered_, isChecked()};
}

void EditorButton::setForegroundOverride(std::optional<QColor> color) {
    if (foregroundOverride_ == color) return;
    foregroundOverride_ = std::move(color);
    update();
}

QColor EditorButton::foregroundColor() const {
    if (foregroundOverride_) return *foregroundOverride_;
    const QColor styled = style_->foreground(state());
    return styled.isValid() ? styled : palette().color(QPalette::ButtonText);
}

QSize EditorButton::sizeHint() const {
    const QSizeF content = contentSize();
    const QMarginsF padding = style_->padding();
    const QSizeF minimum = style_->minimumSize();
    const double width = std::max(content.width() + padding.left() + padding.right(), minimum.width());
    const double height = std::max(content.height() + padding.top() + padding.bottom(), minimum.height());
    return QSize(static_cast<int>(std::ceil(width)), static_cast<int>(std::ceil(height)));
}

QSize EditorButton::minimumSizeHint() const { return sizeHint(); }

void EditorButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const EditorButtonState current = state();
    const QRectF bounds(rect());
    painter.setOpacity(style_->opacity(current));
    style_->paintFace(painter, bounds, current);
    painter.save();
    painter.setClipPath(style_->clipShape(bounds), Qt::IntersectClip);
    paintContent(painter, bounds.marginsRemoved(style_->padding()), foregroundColor());
    painter.restore();
    style_->paintOutline(painter, bounds, current);
}

void EditorButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    setHovered(true);
}

void EditorButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    setHovered(false);
}

void EditorButton::changeEvent(QEvent* event) {
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) update();
}

void EditorButton::nextCheckState() {}

void EditorButton::setHovered(bool hovered) {
    if (hovered_ == hovered) return;
    hovered_ = hovered;
    update();
    emit hoveredChanged(hovered);
}

}  // namespace vlt
