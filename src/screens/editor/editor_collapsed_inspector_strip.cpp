#include "screens/editor/editor_collapsed_inspector_strip.h"

#include <QFontMetricsF>
#include <QPainter>

#include "editing/session/editor_help_texts.h"
#include "screens/editor/editor_chevron.h"
#include "screens/editor/editor_font.h"
#include "screens/editor/editor_palette.h"
#include "screens/editor/editor_plain_button_style.h"
#include "screens/editor/editor_screen_texts.h"
#include "ui/text_style.h"

namespace vlt {
namespace {

constexpr double kCaptionTracking = 1.2;
constexpr QSizeF kChevronSize{9, 14};
constexpr double kChevronBottomPadding = 14.0;

}  // namespace

EditorCollapsedInspectorStrip::EditorCollapsedInspectorStrip(QWidget* parent)
    : EditorButton(EditorPlainButtonStyle::shared(), parent) {
    setObjectName(QStringLiteral("editorCollapsedInspectorStrip"));
    setFixedWidth(kWidth);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    setFont(editorTextStyleFont(TextStyle::caption, QFont::Bold, kCaptionTracking));
    setText(EditorScreenTexts::inspectorCaption());
    setForegroundOverride(EditorPalette::mutedText());
    setAccessibleName(EditorHelpTexts::showInspector());
    setToolTip(EditorHelpTexts::showInspector());
}

QSizeF EditorCollapsedInspectorStrip::contentSize() const {
    const QFontMetricsF metrics(font());
    return {double(kWidth), metrics.horizontalAdvance(text()) + 2 * (kChevronSize.height() + kChevronBottomPadding)};
}

void EditorCollapsedInspectorStrip::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
    }
    EditorButton::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(QRect(0, 0, 1, height()), EditorPalette::divider());
}

void EditorCollapsedInspectorStrip::paintContent(QPainter& painter, const QRectF& contentRect,
                                                 const QColor& foreground) {
    const QFontMetricsF metrics(font());
    const double captionWidth = metrics.horizontalAdvance(text());
    painter.save();
    painter.translate(contentRect.center());
    painter.rotate(-90.0);
    painter.setFont(font());
    painter.setPen(foreground);
    painter.drawText(QRectF(-captionWidth / 2.0 - 1.0, -metrics.height() / 2.0, captionWidth + 2.0, metrics.height()),
                     Qt::AlignCenter | Qt::TextSingleLine, text());
    painter.restore();

    const QRectF chevron(contentRect.center().x() - kChevronSize.width() / 2.0,
                         contentRect.bottom() - kChevronBottomPadding - kChevronSize.height(), kChevronSize.width(),
                         kChevronSize.height());
    EditorChevron{EditorChevron::Direction::left}.paint(painter, chevron, foreground);
}

}  // namespace vlt
