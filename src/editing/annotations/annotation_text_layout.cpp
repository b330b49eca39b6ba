#include "editing/annotations/annotation_text_layout.h"

#include <algorithm>
#include <cmath>

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLocale>
#include <QStringList>
#include <QTransform>

#include "editing/annotations/font_manager_weight.h"

namespace vlt {

namespace {

// Large enough that glyph advances scale linearly to any annotation size.
constexpr int kReferencePixelSize = 512;
constexpr double kMinimumFontSize = 1.0;

const QString kArialFamily = QStringLiteral("Arial");
const QString kArialTwinFamily = QStringLiteral("Liberation Sans");
const QString kArialBlackFamily = QStringLiteral("Arial Black");
const QString kSystemFamily = QStringLiteral("DejaVu Sans");

bool namesSystemFont(const QString& family) {
    return family.isEmpty() || family == QLatin1String("System") || family.startsWith(QLatin1Char('.'));
}

bool namesArialBlack(const QString& family) {
    return family == QLatin1String("Arial-Black") || family == kArialBlackFamily;
}

QString systemFamily() {
    if (QFontDatabase::hasFamily(kSystemFamily)) return kSystemFamily;
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

// The black faces of the CJK family, to stand after the system family: kana, kanji and
// hangul come from a fallback face, which Qt picks at the weight the system family
// reached (its bold), so they would look thin beside black Latin letters. The face of
// the interface's language comes first, for its shapes of the shared Han characters.
QStringList blackCjkFamilies() {
    QStringList families = {QStringLiteral("Noto Sans CJK JP Black"), QStringLiteral("Noto Sans CJK SC Black"),
                            QStringLiteral("Noto Sans CJK KR Black")};
    const QLocale::Language language = QLocale().language();
    if (language == QLocale::Chinese) families.move(1, 0);
    if (language == QLocale::Korean) families.move(2, 0);
    return families;
}

QStringList lines(const QString& text) {
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    unified.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    unified.replace(QChar(QChar::LineSeparator), QLatin1Char('\n'));
    unified.replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
    return unified.split(QLatin1Char('\n'));
}

}  // namespace

QFont AnnotationTextLayout::resolvedFont(const AnnotationFontStyle& style) {
    QString family = style.family;
    QFont::Weight weight = qtFontWeight(style.weight);
    QStringList fallbacks;
    if (namesSystemFont(family)) {
        family = systemFamily();
    } else if (family == kArialFamily && !QFontDatabase::hasFamily(kArialFamily)) {
        family = kArialTwinFamily;
    } else if (namesArialBlack(family) && !QFontDatabase::hasFamily(kArialBlackFamily)) {
        family = systemFamily();
        weight = QFont::Black;
        fallbacks = blackCjkFamilies();
    } else if (!QFontDatabase::hasFamily(family)) {
        family = systemFamily();
    }

    QFont font(family);
    if (!fallbacks.isEmpty()) font.setFamilies(QStringList{family} + fallbacks);
    font.setPixelSize(kReferencePixelSize);
    font.setWeight(weight);
    font.setItalic(style.italic);
    // Hinting would snap advances to whole pixels at the reference size and break
    // the linear scaling to the annotation's size.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::ForceOutline | QFont::PreferAntialias));
    return font;
}

AnnotationTextLayout::AnnotationTextLayout(const QString& text, const AnnotationFontStyle& style)
    : text_(text),
      font_(resolvedFont(style)),
      scale_(std::max(static_cast<double>(style.size), kMinimumFontSize) / kReferencePixelSize) {
    if (!std::isfinite(scale_)) scale_ = kMinimumFontSize / kReferencePixelSize;
}

QSizeF AnnotationTextLayout::boxSize() const {
    if (text_.isEmpty()) return QSizeF(1.0, 1.0);
    const QFontMetricsF metrics(font_);
    const QStringList textLines = lines(text_);
    double widest = 0.0;
    for (const QString& line : textLines) widest = std::max(widest, metrics.horizontalAdvance(line));
    const double height = metrics.lineSpacing() * static_cast<double>(textLines.size());
    return QSizeF(std::max(std::ceil(widest * scale_), 1.0), std::max(std::ceil(height * scale_), 1.0));
}

QPainterPath AnnotationTextLayout::glyphPath() const {
    const QFontMetricsF metrics(font_);
    QPainterPath path;
    double baseline = metrics.ascent();
    for (const QString& line : lines(text_)) {
        if (!line.isEmpty()) path.addText(QPointF(0.0, baseline), font_, line);
        baseline += metrics.lineSpacing();
    }
    return QTransform::fromScale(scale_, scale_).map(path);
}

QSizeF annotationTextBoxSize(const AnnotationText& text) {
    return AnnotationTextLayout(text.text, text.font).boxSize();
}

}  // namespace vlt
