#include "output/still/watermark_text_layout.h"

#include <algorithm>
#include <cmath>

#include <QGlyphRun>
#include <QPainter>
#include <QPen>
#include <QRawFont>
#include <QStringList>
#include <QTextLayout>
#include <QTransform>

#include "editing/annotations/annotation_font_style.h"
#include "editing/annotations/annotation_text_layout.h"

namespace vlt {
namespace {

// The annotation layout's reference size, so both resolve the same face.
constexpr double kReferencePixelSize = 512.0;
constexpr double kOutlineFraction = 0.04;
// Wide enough for any unwrapped line at the reference size.
constexpr double kUnboundedLineWidth = 1.0e7;
const QString kWatermarkFamily = QStringLiteral("Arial-Black");

QFont watermarkFont(double referenceLetterSpacing) {
    AnnotationFontStyle style;
    style.family = kWatermarkFamily;
    QFont font = AnnotationTextLayout::resolvedFont(style);
    if (referenceLetterSpacing != 0.0) font.setLetterSpacing(QFont::AbsoluteSpacing, referenceLetterSpacing);
    return font;
}

QStringList paragraphs(const QString& text) {
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    unified.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    unified.replace(QChar(QChar::LineSeparator), QLatin1Char('\n'));
    unified.replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
    return unified.split(QLatin1Char('\n'));
}

void addGlyphs(QPainterPath& path, const QTextLine& line) {
    for (const QGlyphRun& run : line.glyphRuns()) {
        const QRawFont font = run.rawFont();
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype index = 0; index < indexes.size(); ++index) {
            path.addPath(font.pathForGlyph(indexes[index]).translated(positions[index]));
        }
    }
}

}  // namespace

WatermarkTextLayout::WatermarkTextLayout(const QString& text, double fontSize, double letterSpacing,
                                         std::optional<double> wrapWidth)
    : fontSize_(fontSize) {
    const double scale = kReferencePixelSize / std::max(fontSize, 1.0);
    const QFont font = watermarkFont(letterSpacing * scale);
    QTextOption option;
    option.setWrapMode(wrapWidth ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    const double lineWidth = wrapWidth ? std::max(*wrapWidth * scale, 1.0) : kUnboundedLineWidth;

    double top = 0.0;
    double widest = 0.0;
    for (const QString& paragraph : paragraphs(text)) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.setCacheEnabled(true);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLeadingIncluded(true);
            line.setLineWidth(lineWidth);
            line.setPosition(QPointF(0.0, top));
            top += line.height();
            widest = std::max(widest, line.naturalTextWidth());
        }
        layout.endLayout();
        for (int index = 0; index < layout.lineCount(); ++index) addGlyphs(glyphs_, layout.lineAt(index));
    }
    size_ = QSizeF(widest / scale, top / scale);
    glyphs_ = QTransform::fromScale(1.0 / scale, 1.0 / scale).map(glyphs_);
}

void WatermarkTextLayout::draw(QPainter& painter, QPointF topLeft) const {
    if (glyphs_.isEmpty()) return;
    const QPainterPath placed = glyphs_.translated(topLeft);
    QPen outline(Qt::black);
    outline.setWidthF(kOutlineFraction * fontSize_);
    outline.setJoinStyle(Qt::RoundJoin);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillPath(placed, Qt::white);
    // Over the fill, so half of the outline lies on the glyph's edge.
    painter.strokePath(placed, outline);
    painter.restore();
}

}  // namespace vlt
