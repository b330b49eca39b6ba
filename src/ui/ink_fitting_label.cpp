#include "ui/ink_fitting_label.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>

namespace vlt {
namespace {

// Capitals with one mark above or below, as the interface languages write them.
const QString& accentedCapitals() {
    static const QString capitals = QStringLiteral("ÂÉÖĞİÑÇŞ");
    return capitals;
}

}  // namespace

int InkFittingLabel::markRoom(const QFont& font, const QString& text) {
    const QFontMetricsF metrics(font);
    const QRectF ink = metrics.tightBoundingRect(text + accentedCapitals());
    const double overflow = std::max(-ink.top() - metrics.ascent(), ink.bottom() - metrics.descent());
    return std::max(0, static_cast<int>(std::ceil(overflow)));
}

QSize InkFittingLabel::sizeHint() const { return QLabel::sizeHint() + QSize(0, 2 * markRoom(font(), text())); }

QSize InkFittingLabel::minimumSizeHint() const {
    return QLabel::minimumSizeHint() + QSize(0, 2 * markRoom(font(), text()));
}

}  // namespace vlt
