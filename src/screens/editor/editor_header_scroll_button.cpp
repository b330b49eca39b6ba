#include "screens/editor/editor_header_scroll_button.h"

#include <QPainter>

#include "screens/editor/editor_chevron.h"
#include "screens/editor/editor_palette.h"
#include "screens/editor/editor_screen_texts.h"

namespace vlt {
namespace {

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
    // Its inner edge falls between controls, on the bare band, so the cover needs no
    // fade to meet it.
    painter.fillRect(rect(), band_);
    const bool back = direction_ == Direction::back;
    const QRectF cell(back ? 0.0 : width() - kWidth, 0.0, kWidth, height());
    const QRectF chevron(cell.center().x() - kChevronSize.width() / 2.0,
                         cell.center().y() - kChevronSize.height() / 2.0, kChevronSize.width(), kChevronSize.height());
    const bool active = isEnabled() && (underMouse() || isDown());
    const QColor ink = active ? EditorPalette::ink() : EditorPalette::secondaryText();
    EditorChevron{back ? EditorChevron::Direction::left : EditorChevron::Direction::right}.paint(painter, chevron, ink);
}

}  // namespace vlt
