#include "screens/editor/editor_rule.h"

#include <QPainter>

namespace vlt {

EditorRule::EditorRule(const QColor& color, QSize size, QWidget* parent) : QWidget(parent), color_(color) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (size.width() > 0) setFixedWidth(size.width());
    if (size.height() > 0) setFixedHeight(size.height());
    setSizePolicy(size.width() > 0 ? QSizePolicy::Fixed : QSizePolicy::Expanding,
                  size.height() > 0 ? QSizePolicy::Fixed : QSizePolicy::Expanding);
}

void EditorRule::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), color_);
}

}  // namespace vlt
