#include "screens/editor/editor_paragraph_label.h"

#include <cmath>

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

namespace vlt {

EditorParagraphLabel::EditorParagraphLabel(const QFont& font, const QColor& color, double lineSpacing, QWidget* parent)
    : QWidget(parent), font_(font), color_(color), lineSpacing_(lineSpacing) {
    setFont(font);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void EditorParagraphLabel::setText(const QString& text) {
    if (text_ == text) return;
    text_ = text;
    setAccessibleName(text);
    updateGeometry();
    update();
}

EditorParagraphLabel::Layout EditorParagraphLabel::measure(double width, QPainter* painter) const {
    const QFontMetricsF metrics(font_);
    Layout result;
    double y = 0.0;
    const QStringList paragraphs = text_.split(QLatin1Char('\n'));
    for (const QString& paragraph : paragraphs) {
        QTextLayout layout(paragraph, font_);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            if (result.lines > 0) y += lineSpacing_;
            line.setPosition(QPointF(0.0, y));
            y += line.height();
            ++result.lines;
        }
        layout.endLayout();
        if (painter) layout.draw(painter, QPointF(0.0, 0.0));
    }
    result.height = result.lines > 0 ? y : 0.0;
    return result;
}

int EditorParagraphLabel::lineCount(int width) const { return measure(std::max(1, width), nullptr).lines; }

int EditorParagraphLabel::heightForWidth(int width) const {
    return static_cast<int>(std::ceil(measure(std::max(1, width), nullptr).height));
}

QSize EditorParagraphLabel::sizeHint() const {
    const int width = std::max(this->width(), 100);
    return {width, heightForWidth(width)};
}

QSize EditorParagraphLabel::minimumSizeHint() const { return {1, 0}; }

void EditorParagraphLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(color_);
    painter.setFont(font_);
    measure(width(), &painter);
}

}  // namespace vlt
