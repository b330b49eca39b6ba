#include "screens/crop/crop_go_to_editor_button.h"

#include <QEvent>
#include <QPainter>

#include "foundation/localized_string.h"
#include "screens/crop/crop_primary_button_style.h"
#include "screens/crop/crop_palette.h"
#include "ui/activity_indicator.h"
#include "ui/keyboard_focus.h"

namespace vlt {

namespace {

const QString& titleText() {
    static const QString text = localizedString("Go to editor");
    return text;
}

const QString& arrowText() {
    static const QString text = QStringLiteral("→");
    return text;
}

}  // namespace

CropGoToEditorButton::CropGoToEditorButton(QWidget* parent)
    : QPushButton(titleText(), parent),
      indicator_(new ActivityIndicator(kTrailingSide, CropPrimaryButtonStyle::textColour(), this)) {
    setFont(CropPrimaryButtonStyle::font());
    setAutoDefault(false);
    setFocusPolicy(Qt::TabFocus);
    setToolTip(titleText());
    setAccessibleName(titleText());
    setAccessibleDescription(localizedString("Open the selected crop in the editor"));
    indicator_->hide();
}

void CropGoToEditorButton::setBusy(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    indicator_->setVisible(busy_);
    placeIndicator();
    update();
}

QSize CropGoToEditorButton::labelSize() const {
    const QFontMetrics metrics(font());
    const int trailingWidth = std::max(kTrailingSide, metrics.horizontalAdvance(arrowText()));
    const int width = metrics.horizontalAdvance(text()) + kLabelSpacing + trailingWidth;
    return {width, std::max(metrics.height(), kTrailingSide)};
}

QSize CropGoToEditorButton::sizeHint() const { return CropPrimaryButtonStyle{isEnabled()}.sizeForLabel(labelSize()); }

QRectF CropGoToEditorButton::trailingRect() const {
    const QSize label = labelSize();
    const double left = (width() - label.width()) / 2.0 + label.width() - kTrailingSide;
    return {left, (height() - kTrailingSide) / 2.0, double(kTrailingSide), double(kTrailingSide)};
}

void CropGoToEditorButton::placeIndicator() { indicator_->move(trailingRect().topLeft().toPoint()); }

void CropGoToEditorButton::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    placeIndicator();
}

void CropGoToEditorButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) updateGeometry();
}

void CropGoToEditorButton::paintEvent(QPaintEvent*) {
    const CropPrimaryButtonStyle style{isEnabled()};
    QPainter painter(this);
    const RoundedButtonFace face = style.face(isDown());
    face.paint(painter, QRectF(rect()));

    const QSize label = labelSize();
    const QFontMetrics metrics(font());
    const double left = (width() - label.width()) / 2.0;
    const QRectF textRect(left, 0, metrics.horizontalAdvance(text()), height());
    painter.setFont(font());
    painter.setPen(CropPrimaryButtonStyle::textColour());
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft, text());
    if (!busy_) painter.drawText(trailingRect().adjusted(-4, -4, 4, 4), Qt::AlignCenter, arrowText());
    painter.setOpacity(1.0);
    if (showsKeyboardFocus(*this)) paintFocusRing(painter, QRectF(rect()), face.cornerRadius, CropPalette::accent());
}

}  // namespace vlt
