#include "screens/editor/editor_button.h"

#include <algorithm>
#include <cmath>

#include <QEnterEvent>
#include <QImage>
#include <QPainter>

#include "screens/editor/editor_button_style.h"
#include "screens/editor/editor_palette.h"
#include "ui/keyboard_focus.h"

namespace vlt {

EditorButton::EditorButton(const EditorButtonStyle& style, QWidget* parent) : QAbstractButton(parent), style_(&style) {
    setFocusPolicy(Qt::TabFocus);
    if (const auto font = style.font()) setFont(*font);
}

void EditorButton::runOnClick(std::function<void()> action) {
    connect(this, &QAbstractButton::clicked, this, [action = std::move(action)] {
        if (action) action();
    });
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
    const EditorButtonState current = state();
    const double opacity = style_->opacity(current);
    QPainter painter(this);
    const QRectF bounds(rect());
    if (opacity >= 1.0) {
        paintLayers(painter, current);
        if (showsKeyboardFocus(*this)) paintFocusRing(painter, style_->clipShape(bounds), EditorPalette::ink());
        return;
    }
    // The opacity applies to the button as a whole, so an outline over its face does
    // not show through twice.
    const double ratio = devicePixelRatioF();
    QImage layer((QSizeF(size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(ratio);
    layer.fill(Qt::transparent);
    {
        QPainter layerPainter(&layer);
        paintLayers(layerPainter, current);
    }
    painter.setOpacity(opacity);
    painter.drawImage(QPointF(0, 0), layer);
    painter.setOpacity(1.0);
    if (showsKeyboardFocus(*this)) paintFocusRing(painter, style_->clipShape(bounds), EditorPalette::ink());
}

void EditorButton::paintLayers(QPainter& painter, const EditorButtonState& current) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const QRectF bounds(rect());
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
