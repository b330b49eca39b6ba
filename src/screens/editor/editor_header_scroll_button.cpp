#include "screens/editor/editor_header_scroll_button.h"

#include <QLinearGradient>
#include <QPainter>

#include "screens/editor/editor_chevron.h"
#include "screens/editor/editor_palette.h"
#include "screens/editor/editor_screen_texts.h"

namespace vlt {
namespace {

constexpr int kFadeWidth = 10;
constexpr QSizeF kChevronSize{7.0, 12.0};

}  // namespace

EditorHeaderScrollButton::EditorHeaderScrollButton(Direction direction, QWidget* parent)
    : QAbstractButton(parent), direction_(direction), band_(Qt::white) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    const QString& name =
        direction == Direction::back ? EditorScreenTexts::scrollHeaderBack() : EditorScreenTexts::scrollHeaderForward();
    setAccessibleName(name);
    setToolTip(name);
}

void EditorHeaderScrollButton::setBandColour(const QColor& colour) {
    if (band_ == colour) return;
    band_ = colour;
    update();
}

QSize EditorHeaderScrollButton::sizeHint() const { return {kWidth, kWidth}; }

void EditorHeaderScrollButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    update();
}

void EditorHeaderScrollButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    update();
}

void EditorHeaderScrollButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The fade faces the controls; the chevron sits on the band's opaque end.
    const bool back = direction_ == Direction::back;
    const double solidWidth = width() - kFadeWidth;
    const QRectF fadeRect(back ? solidWidth : 0.0, 0.0, kFadeWidth, height());
    const QRectF solidRect(back ? 0.0 : kFadeWidth, 0.0, solidWidth, height());
    QLinearGradient fade(back ? fadeRect.right() : fadeRect.left(), 0.0, back ? fadeRect.left() : fadeRect.right(),
                         0.0);
    QColor clear = band_;
    clear.setAlpha(0);
    fade.setColorAt(0.0, clear);
    fade.setColorAt(1.0, band_);
    painter.fillRect(fadeRect, fade);
    painter.fillRect(solidRect, band_);

    const QRectF chevron(solidRect.center().x() - kChevronSize.width() / 2.0,
                         solidRect.center().y() - kChevronSize.height() / 2.0, kChevronSize.width(),
                         kChevronSize.height());
    const bool active = isEnabled() && (underMouse() || isDown());
    const QColor ink = active ? EditorPalette::ink() : EditorPalette::secondaryText();
    EditorChevron{back ? EditorChevron::Direction::left : EditorChevron::Direction::right}.paint(painter, chevron, ink);
}

}  // namespace vlt
