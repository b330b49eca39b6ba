#include "editing/annotations/annotation_font_style.h"

#include <algorithm>
#include <cmath>

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>

#include "editing/annotations/font_manager_weight.h"
#include "editing/annotations/unicode_text.h"
#include "base/precondition.h"

namespace vlt {

namespace {

constexpr double kDefaultSizePerLongerSide = 0.04;
constexpr int kMinimumDefaultFontSize = 24;
constexpr int kMaximumDefaultFontSize = 160;
constexpr float kMinimumFontSize = 1.0f;

const QString kPreferredFamily = QStringLiteral("Arial");
// Metric-compatible stand-in for Arial on this system.
const QString kPreferredFamilyTwin = QStringLiteral("Liberation Sans");

// Without a GUI application there is no font database to ask (command-line tools,
// model tests); the preferred font is then described rather than resolved.
bool hasFontDatabase() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

QFont preferredBoldFont(double size) {
    const QStringList families = QFontDatabase::families();
    for (const QString& family : {kPreferredFamily, kPreferredFamilyTwin}) {
        if (families.contains(family)) {
            QFont font(family);
            font.setPointSizeF(size);
            font.setWeight(QFont::Bold);
            return font;
        }
    }
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(size);
    font.setWeight(QFont::Bold);
    return font;
}

}  // namespace

bool operator==(const AnnotationFontStyle& a, const AnnotationFontStyle& b) {
    return canonicallyEquivalent(a.family, b.family) && a.size == b.size && a.weight == b.weight &&
           a.italic == b.italic;
}

int defaultAnnotationFontSize(int canvasWidth, int canvasHeight) {
    VLT_PRECONDITION(canvasWidth >= 1 && canvasHeight >= 1, "a canvas is never empty");
    const double longerSide = std::max(canvasWidth, canvasHeight);
    const auto size = static_cast<int>(std::round(longerSide * kDefaultSizePerLongerSide));
    return std::clamp(size, kMinimumDefaultFontSize, kMaximumDefaultFontSize);
}

AnnotationFontStyle AnnotationFontStyle::defaultStyle(int canvasWidth, int canvasHeight) {
    const double size = defaultAnnotationFontSize(canvasWidth, canvasHeight);
    if (!hasFontDatabase()) {
        return {kPreferredFamily, static_cast<float>(size), kFontManagerBoldWeight, false};
    }

    const QFont font = preferredBoldFont(size);
    const QFontInfo resolved(font);
    const QString family = resolved.family().isEmpty() ? kPreferredFamily : resolved.family();
    return {
        family,
        std::max(static_cast<float>(font.pointSizeF()), kMinimumFontSize),
        fontManagerWeight(resolved.weight()),
        resolved.italic(),
    };
}

}  // namespace vlt
