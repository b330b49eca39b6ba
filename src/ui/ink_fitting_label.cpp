#include "ui/ink_fitting_label.h"

#include <algorithm>
#include <cmath>

#include <QEvent>
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

int InkFittingLabel::lineRoom() const {
    if (measuredRoom_ < 0 || measuredText_ != text() || measuredFont_ != font()) {
        measuredText_ = text();
        measuredFont_ = font();
        measuredRoom_ = markRoom(measuredFont_, measuredText_);
    }
    return measuredRoom_;
}

QSize InkFittingLabel::sizeHint() const { return QLabel::sizeHint() + QSize(0, wordWrap() ? 0 : 2 * lineRoom()); }

QSize InkFittingLabel::minimumSizeHint() const {
    return QLabel::minimumSizeHint() + QSize(0, wordWrap() ? 0 : 2 * lineRoom());
}

void InkFittingLabel::reserveParagraphRoom() {
    // Rich text is drawn clipped to its document, so its room belongs in the document.
    const bool rich = textFormat() == Qt::RichText || (textFormat() == Qt::AutoText && Qt::mightBeRichText(text()));
    const int room = wordWrap() && !rich ? markRoom(font(), QString()) : 0;
    if (room == paragraphRoom_) return;
    QMargins margins = contentsMargins();
    margins.setTop(margins.top() - paragraphRoom_ + room);
    margins.setBottom(margins.bottom() - paragraphRoom_ + room);
    paragraphRoom_ = room;
    setContentsMargins(margins);
}

bool InkFittingLabel::event(QEvent* event) {
    // Before the first showing, once the font and the wrapping are settled.
    if (event->type() == QEvent::Polish) reserveParagraphRoom();
    return QLabel::event(event);
}

void InkFittingLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) reserveParagraphRoom();
}

}  // namespace vlt
