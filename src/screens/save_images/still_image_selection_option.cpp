#include "screens/save_images/still_image_selection_option.h"

#include <algorithm>

#include <QPainter>

#include "ui/keyboard_focus.h"
#include "ui/modal_palette.h"
#include "ui/text_style.h"

namespace vlt {

StillImageSelectionOption::StillImageSelectionOption(QWidget* parent) : QAbstractButton(parent) {
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Minimum);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setFont(textStyleFont(TextStyle::body));
}

void StillImageSelectionOption::setSelected(bool selected) {
    if (selected == isChecked()) return;
    setChecked(selected);
    setFont(textStyleFont(TextStyle::body, selected ? QFont::DemiBold : QFont::Normal));
    update();
}

QSize StillImageSelectionOption::sizeHint() const {
    const QFontMetrics metrics(textStyleFont(TextStyle::body, QFont::DemiBold));
    const int width = 2 * horizontalPadding + int(ringSide) + spacing + metrics.horizontalAdvance(text());
    return {width, minimumHeight};
}

QSize StillImageSelectionOption::minimumSizeHint() const {
    return {2 * horizontalPadding + int(ringSide), minimumHeight};
}

int StillImageSelectionOption::textLeft() const { return horizontalPadding + int(ringSide) + spacing; }

QRect StillImageSelectionOption::titleArea(int width, int height) const {
    return {textLeft(), verticalPadding, std::max(width - textLeft() - horizontalPadding, 1),
            height - 2 * verticalPadding};
}

int StillImageSelectionOption::heightForWidth(int width) const {
    // Measured in the chosen weight, so that choosing an option never changes its height.
    const QFontMetrics metrics(textStyleFont(TextStyle::body, QFont::DemiBold));
    const QRect room = titleArea(width, QWIDGETSIZE_MAX);
    const int textHeight = metrics.boundingRect(room, Qt::TextWordWrap, text()).height();
    return std::max(minimumHeight, textHeight + 2 * verticalPadding);
}

void StillImageSelectionOption::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(rect());
    if (isSelected()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ModalPalette::selectionFill());
        painter.drawRoundedRect(area, cornerRadius, cornerRadius);
    }
    if (showsKeyboardFocus(*this)) paintFocusRing(painter, area, cornerRadius, ModalPalette::accent());

    const QRectF ring(horizontalPadding, (area.height() - ringSide) / 2.0, ringSide, ringSide);
    const double half = ringWidth / 2.0;
    painter.setPen(QPen(isSelected() ? ModalPalette::accent() : ModalPalette::cardBorder(), ringWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(ring.adjusted(half, half, -half, -half));
    if (isSelected()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ModalPalette::accent());
        painter.drawEllipse(ring.adjusted(dotInset, dotInset, -dotInset, -dotInset));
    }

    painter.setPen(ModalPalette::textPrimary());
    painter.setFont(font());
    painter.drawText(titleArea(width(), height()), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text());
}

}  // namespace vlt
