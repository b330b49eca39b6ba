#pragma once

#include <QColor>
#include <QSize>

class QPainter;
class QStyleOption;
class QWidget;

namespace vlt {

// What the two dialog button styles share: the size rule and the label drawing.
struct DialogButtonPainting {
    static QSize size(const QStyleOption* option, const QWidget* widget, int minimumWidth, int minimumHeight,
                      int horizontalPadding);
    static void drawLabel(QPainter& painter, const QStyleOption* option, const QWidget* widget,
                          const QColor& colour);
    static void drawFocusRing(QPainter& painter, const QStyleOption* option, double cornerRadius);
};

}  // namespace vlt
