#include "ui/modal_navigation_row_painting.h"

#include <algorithm>

#include <QAbstractButton>
#include <QPainter>

#include "ui/keyboard_focus.h"
#include "ui/modal_palette.h"

namespace vlt {
namespace {

constexpr double kBarCornerRadius = 2.0;

}  // namespace

void paintModalNavigationRow(QAbstractButton& row, bool selected, const QColor& textColor,
                             const ModalNavigationRowMetrics& metrics) {
    QPainter painter(&row);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(row.rect());
    const double radius = metrics.cornerRadius;
    if (selected) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ModalPalette::selectionFill());
        painter.drawRoundedRect(area, radius, radius);
        painter.setBrush(ModalPalette::accent());
        const QRectF bar(0.0, (area.height() - metrics.barHeight) / 2.0, metrics.barWidth, metrics.barHeight);
        painter.drawRoundedRect(bar, kBarCornerRadius, kBarCornerRadius);
    }
    if (showsKeyboardFocus(row)) paintFocusRing(painter, area, radius, ModalPalette::accent());
    painter.setPen(textColor);
    painter.setFont(row.font());
    const QRect label = row.rect().adjusted(metrics.horizontalPadding, 0, -metrics.horizontalPadding, 0);
    const bool fits = row.fontMetrics().horizontalAdvance(row.text()) <= label.width();
    painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter | (fits ? 0 : Qt::TextWordWrap), row.text());
}

int modalNavigationRowMinimumWidth(const QAbstractButton& row, const ModalNavigationRowMetrics& metrics) {
    int widest = 0;
    for (const QString& word : row.text().split(u' ', Qt::SkipEmptyParts)) {
        widest = std::max(widest, row.fontMetrics().horizontalAdvance(word));
    }
    return widest + 2 * metrics.horizontalPadding;
}

}  // namespace vlt
