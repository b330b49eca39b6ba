#include "screens/editor/editor_color_well.h"

#include <algorithm>

#include <QColorDialog>
#include <QFontMetricsF>
#include <QPainter>

#include "screens/editor/editor_palette.h"
#include "screens/editor/editor_plain_button_style.h"

namespace vlt {
namespace {
constexpr double kSwatchCornerRadius = 5.0;
constexpr double kSwatchInset = 3.0;
}  // namespace

EditorColorWell::EditorColorWell(const QString& label, QWidget* parent)
    : EditorButton(EditorPlainButtonStyle::shared(), parent) {
    setText(label);
    setAccessibleName(label);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(this, &QAbstractButton::clicked, this, &EditorColorWell::openDialog);
}

EditorColorWell::~EditorColorWell() {
    if (dialog_) dialog_->deleteLater();
}

void EditorColorWell::setColor(const QColor& color) {
    if (color_ == color) return;
    color_ = color;
    update();
}

void EditorColorWell::openDialog() {
    if (!dialog_) {
        dialog_ = new QColorDialog(window());
        dialog_->setWindowTitle(text());
        dialog_->setWindowModality(Qt::NonModal);
        connect(dialog_, &QColorDialog::currentColorChanged, this, [this](const QColor& picked) {
            if (picked.isValid()) emit colorPicked(picked);
        });
        connect(dialog_, &QDialog::rejected, this, [this] { emit colorPicked(colorAtOpening_); });
    }
    colorAtOpening_ = color_;
    dialog_->setCurrentColor(color_);
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

QSizeF EditorColorWell::contentSize() const {
    const QFontMetricsF metrics(font());
    return {metrics.horizontalAdvance(text()) + 12.0 + kSwatchSize.width(),
            std::max(metrics.height(), double(kSwatchSize.height()))};
}

void EditorColorWell::paintContent(QPainter& painter, const QRectF& contentRect, const QColor& foreground) {
    painter.setFont(font());
    painter.setPen(foreground);
    painter.drawText(contentRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());

    const QRectF swatch(contentRect.right() - kSwatchSize.width(),
                        contentRect.center().y() - kSwatchSize.height() / 2.0, kSwatchSize.width(),
                        kSwatchSize.height());
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(EditorPalette::controlBorder(), 1.0));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(swatch.adjusted(0.5, 0.5, -0.5, -0.5), kSwatchCornerRadius, kSwatchCornerRadius);
    painter.setPen(QPen(EditorPalette::divider(), 1.0));
    painter.setBrush(color_);
    const QRectF fill = swatch.adjusted(kSwatchInset, kSwatchInset, -kSwatchInset, -kSwatchInset);
    painter.drawRoundedRect(fill, kSwatchCornerRadius - 2.0, kSwatchCornerRadius - 2.0);
}

}  // namespace vlt
