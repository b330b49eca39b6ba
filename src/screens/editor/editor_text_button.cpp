#include "screens/editor/editor_text_button.h"

#include <QFontMetricsF>
#include <QPainter>

namespace vlt {

EditorTextButton::EditorTextButton(const EditorButtonStyle& style, const QString& text, QWidget* parent)
    : EditorButton(style, parent) {
    setText(text);
}

QSizeF EditorTextButton::contentSize() const {
    const QFontMetricsF metrics(font());
    return {metrics.horizontalAdvance(text()), metrics.height()};
}

void EditorTextButton::paintContent(QPainter& painter, const QRectF& contentRect, const QColor& foreground) {
    painter.setFont(font());
    painter.setPen(foreground);
    painter.drawText(contentRect, Qt::AlignCenter | Qt::TextSingleLine, text());
}

}  // namespace vlt
