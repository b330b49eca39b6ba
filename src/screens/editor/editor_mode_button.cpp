#include "screens/editor/editor_mode_button.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QPainter>

#include "editing/session/editor_help_texts.h"
#include "screens/editor/editor_font.h"
#include "screens/editor/editor_icon.h"
#include "screens/editor/editor_palette.h"
#include "screens/editor/editor_toggle_button_style.h"

namespace vlt {
namespace {

constexpr double kTitleSize = 11.0;
constexpr double kExpandedSpacing = 5.0;

}  // namespace

EditorModeButton::EditorModeButton(EditorMode mode, std::function<void()> action, QWidget* parent)
    : EditorButton(EditorToggleButtonStyle::mode(), parent), mode_(mode) {
    setText(title(mode));
    setToolTip(mode == EditorMode::reshape ? EditorHelpTexts::reshapeTools() : EditorHelpTexts::annotationTools());
    setAccessibleName(accessibilityLabel(mode));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFont(titleFont());
    runOnClick(std::move(action));
}

void EditorModeButton::setExpanded(bool expanded) {
    if (expanded_ == expanded) return;
    expanded_ = expanded;
    updateGeometry();
    update();
}

QString EditorModeButton::iconName() const {
    const QString base =
        mode_ == EditorMode::reshape ? QStringLiteral("editor-reshape") : QStringLiteral("editor-annotate");
    return isSelected() ? base + QStringLiteral("-selected") : base;
}

double EditorModeButton::iconSide() const { return mode_ == EditorMode::reshape ? 42.0 : 34.0; }

QFont EditorModeButton::titleFont() const {
    return editorSystemFont(kTitleSize, isSelected() ? QFont::DemiBold : QFont::Normal);
}

void EditorModeButton::checkStateSet() {
    EditorButton::checkStateSet();
    setFont(titleFont());
}

QSizeF EditorModeButton::contentSize() const {
    const double minimumHeight = expanded_ ? kMinimumHeightExpanded : kMinimumHeightCollapsed;
    double height = iconSide();
    if (expanded_) height += kExpandedSpacing + QFontMetricsF(font()).height();
    return {iconSide(), std::max(height, minimumHeight)};
}

void EditorModeButton::paintContent(QPainter& painter, const QRectF& contentRect, const QColor&) {
    const QColor ink = isSelected() ? QColor(Qt::white) : EditorPalette::ink();
    const double side = iconSide();
    const QFontMetricsF metrics(font());
    const double stackHeight = side + (expanded_ ? kExpandedSpacing + metrics.height() : 0.0);
    const double top = contentRect.top() + (contentRect.height() - stackHeight) / 2.0;
    EditorIcon::paint(painter, QRectF(contentRect.center().x() - side / 2.0, top, side, side), iconName());
    if (!expanded_) return;
    painter.setFont(font());
    painter.setPen(ink);
    painter.drawText(QRectF(contentRect.left(), top + side + kExpandedSpacing, contentRect.width(), metrics.height()),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, text());
}

}  // namespace vlt
