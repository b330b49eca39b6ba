#include "screens/editor/editor_rounded_panel.h"

#include <QPainter>
#include <QPainterPath>

namespace vlt {

EditorRoundedPanel::EditorRoundedPanel(const QColor& fill, double cornerRadius, QWidget* parent)
    : QWidget(parent), fill_(fill), cornerRadius_(cornerRadius) {}

void EditorRoundedPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), cornerRadius_, cornerRadius_);
    painter.fillPath(shape, fill_);
}

}  // namespace vlt
