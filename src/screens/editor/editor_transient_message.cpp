#include "screens/editor/editor_transient_message.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "screens/editor/editor_font.h"

namespace vlt {
namespace {

constexpr double kCornerRadius = 6.0;
constexpr double kTextSize = 12.0;
constexpr int kFillGrey = 43;
constexpr int kFillAlpha = 238;
constexpr int kOutlineAlpha = 122;
constexpr int kTextFlags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap;

}  // namespace

EditorTransientMessage::EditorTransientMessage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("editorTransientMessage"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFont(editorSystemFont(kTextSize, QFont::DemiBold));
}

void EditorTransientMessage::setMessage(const QString& message) {
    if (message_ == message) return;
    message_ = message;
    setAccessibleName(message);
    update();
}

bool EditorTransientMessage::wrapsWithin(int availableWidth) const {
    const QFontMetricsF metrics(font());
    const double oneLine = metrics.boundingRect(QRectF(0, 0, 1e6, 1e6), Qt::AlignLeft, message_).width();
    return oneLine + 2 * kHorizontalPadding > std::min(availableWidth, kMaximumWidth);
}

QSize EditorTransientMessage::sizeWithin(int availableWidth) const {
    const QFontMetricsF metrics(font());
    const int limit = std::max(2 * kHorizontalPadding + 1, std::min(availableWidth, kMaximumWidth));
    const QRectF oneLine = metrics.boundingRect(QRectF(0, 0, 1e6, 1e6), Qt::AlignLeft, message_);
    double textWidth = std::ceil(oneLine.width());
    double textHeight = oneLine.height();
    if (textWidth + 2 * kHorizontalPadding > limit) {
        textWidth = limit - 2 * kHorizontalPadding;
        textHeight = metrics.boundingRect(QRectF(0, 0, textWidth, 1e6), kTextFlags, message_).height();
    }
    return {static_cast<int>(textWidth) + 2 * kHorizontalPadding,
            static_cast<int>(std::ceil(textHeight)) + 2 * kVerticalPadding};
}

void EditorTransientMessage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath chip;
    chip.addRoundedRect(QRectF(rect()), kCornerRadius, kCornerRadius);
    painter.fillPath(chip, QColor(kFillGrey, kFillGrey, kFillGrey, kFillAlpha));
    painter.setClipPath(chip);
    painter.setPen(QPen(QColor(255, 255, 255, kOutlineAlpha), 2.0));
    painter.drawPath(chip);
    painter.setClipping(false);
    painter.setPen(Qt::white);
    painter.setFont(font());
    painter.drawText(
        QRectF(rect()).adjusted(kHorizontalPadding, kVerticalPadding, -kHorizontalPadding, -kVerticalPadding),
        kTextFlags, message_);
}

}  // namespace vlt
