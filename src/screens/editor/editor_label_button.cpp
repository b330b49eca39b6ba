#include "screens/editor/editor_label_button.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QPainter>

#include "screens/editor/editor_button_style.h"

namespace vlt {

EditorLabelButton::EditorLabelButton(const EditorButtonStyle& style, const QString& text, QWidget* parent)
    : EditorButton(style, parent) {
    setText(text);
}

void EditorLabelButton::setArrangement(Arrangement arrangement) {
    arrangement_ = arrangement;
    updateGeometry();
    update();
}

void EditorLabelButton::setSpacing(double spacing) {
    spacing_ = spacing;
    updateGeometry();
    update();
}

void EditorLabelButton::setLabelPadding(const QMarginsF& padding) {
    labelPadding_ = padding;
    updateGeometry();
    update();
}

void EditorLabelButton::setLeadingGlyph(std::optional<EditorButtonGlyph> glyph) {
    leadingGlyph_ = std::move(glyph);
    updateGeometry();
    update();
}

void EditorLabelButton::setTrailingGlyph(std::optional<EditorButtonGlyph> glyph) {
    trailingGlyph_ = std::move(glyph);
    updateGeometry();
    update();
}

void EditorLabelButton::setTrailingText(const QString& text, std::optional<QColor> color) {
    trailingText_ = text;
    trailingTextColor_ = std::move(color);
    updateGeometry();
    update();
}

void EditorLabelButton::setLabelOutline(const QColor& color, double cornerRadius) {
    outlineColor_ = color;
    outlineRadius_ = cornerRadius;
    update();
}

double EditorLabelButton::leadingWidth() const {
    if (!leadingGlyph_) return 0.0;
    return leadingGlyph_->size.width() + (text().isEmpty() ? 0.0 : spacing_);
}

double EditorLabelButton::trailingWidth() const {
    double width = 0.0;
    if (trailingGlyph_) width += trailingGlyph_->size.width();
    if (!trailingText_.isEmpty()) width += QFontMetricsF(font()).horizontalAdvance(trailingText_);
    return width > 0.0 ? width + spacing_ : 0.0;
}

QSizeF EditorLabelButton::contentSize() const {
    const QFontMetricsF metrics(font());
    double height = text().isEmpty() && trailingText_.isEmpty() ? 0.0 : metrics.height();
    if (leadingGlyph_) height = std::max(height, leadingGlyph_->size.height());
    if (trailingGlyph_) height = std::max(height, trailingGlyph_->size.height());
    const double width = leadingWidth() + metrics.horizontalAdvance(text()) + trailingWidth();
    return {width + labelPadding_.left() + labelPadding_.right(),
            height + labelPadding_.top() + labelPadding_.bottom()};
}

QRectF EditorLabelButton::labelRect(const QRectF& contentRect) const {
    return contentRect.marginsRemoved(labelPadding_);
}

QString EditorLabelButton::displayedText() const {
    const QRectF label = labelRect(QRectF(rect()).marginsRemoved(buttonStyle().padding()));
    const double room = std::max(0.0, label.width() - leadingWidth() - trailingWidth());
    return QFontMetricsF(font()).elidedText(text(), Qt::ElideRight, room);
}

void EditorLabelButton::paintContent(QPainter& painter, const QRectF& contentRect, const QColor& foreground) {
    const QRectF label = labelRect(contentRect);
    const QFontMetricsF metrics(font());
    const QString shown = displayedText();
    const double textWidth = metrics.horizontalAdvance(shown);
    const double rowWidth = leadingWidth() + textWidth + trailingWidth();
    double x = arrangement_ == Arrangement::centred ? label.left() + (label.width() - rowWidth) / 2.0 : label.left();
    const double midY = label.center().y();

    if (outlineColor_) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(*outlineColor_, 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(contentRect.adjusted(0.5, 0.5, -0.5, -0.5), outlineRadius_, outlineRadius_);
        painter.restore();
    }
    painter.setFont(font());
    if (leadingGlyph_) {
        const QSizeF size = leadingGlyph_->size;
        leadingGlyph_->paint(painter, QRectF(QPointF(x, midY - size.height() / 2.0), size),
                             leadingGlyph_->color.value_or(foreground));
        x += leadingWidth();
    }
    if (!shown.isEmpty()) {
        painter.setPen(foreground);
        painter.drawText(QRectF(x, label.top(), textWidth + 1.0, label.height()),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    }
    double trailingX =
        arrangement_ == Arrangement::spread ? label.right() - trailingWidth() + spacing_ : x + textWidth + spacing_;
    if (!trailingText_.isEmpty()) {
        const double width = metrics.horizontalAdvance(trailingText_);
        painter.setPen(trailingTextColor_.value_or(foreground));
        painter.drawText(QRectF(trailingX, label.top(), width + 1.0, label.height()),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, trailingText_);
        trailingX += width;
    }
    if (trailingGlyph_) {
        const QSizeF size = trailingGlyph_->size;
        trailingGlyph_->paint(painter, QRectF(QPointF(trailingX, midY - size.height() / 2.0), size),
                              trailingGlyph_->color.value_or(foreground));
    }
}

}  // namespace vlt
