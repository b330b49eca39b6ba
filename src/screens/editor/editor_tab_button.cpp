#include "screens/editor/editor_tab_button.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QPainter>

#include "screens/editor/animation_tab_icon.h"
#include "screens/editor/editor_font.h"
#include "screens/editor/editor_icon.h"
#include "screens/editor/editor_palette.h"
#include "screens/editor/editor_toggle_button_style.h"

namespace vlt {
namespace {

constexpr double kTitleSize = 13.0;
constexpr double kSpacing = 7.0;
constexpr double kSidePadding = 12.0;

QString tabIconName(EditorTab tab) {
    switch (tab) {
    case EditorTab::original:
        return QStringLiteral("editor-original-tab");
    case EditorTab::simulation:
        return QStringLiteral("editor-simulation-tab");
    case EditorTab::comparison:
        return QStringLiteral("editor-combined-tab");
    case EditorTab::animate:
        break;
    }
    return {};
}

}  // namespace

EditorTabButton::EditorTabButton(EditorTab tab, std::function<void()> action, QWidget* parent)
    : EditorButton(EditorToggleButtonStyle::tab(), parent), tab_(tab) {
    setText(title(tab));
    setToolTip(help(tab));
    setAccessibleName(title(tab));
    setFont(titleFont());
    runOnClick(std::move(action));
}

QFont EditorTabButton::titleFont() const {
    return editorSystemFont(kTitleSize, isSelected() ? QFont::DemiBold : QFont::Normal);
}

void EditorTabButton::checkStateSet() {
    EditorButton::checkStateSet();
    setFont(titleFont());
    updateGeometry();
}

QSizeF EditorTabButton::contentSize() const {
    const QFontMetricsF metrics(font());
    const double icon = kIconSide + kSpacing;
    const double width = kSidePadding + icon + metrics.horizontalAdvance(text()) + kSidePadding;
    return {std::max(width, double(kMinimumWidth)),
            std::max(std::max(kIconSide, metrics.height()), double(kMinimumHeight))};
}

void EditorTabButton::paintContent(QPainter& painter, const QRectF& contentRect, const QColor&) {
    const QColor ink = isSelected() ? EditorPalette::ink() : EditorPalette::secondaryText();
    const double textWidth = QFontMetricsF(font()).horizontalAdvance(text());
    const double icon = kIconSide + kSpacing;
    const double left = contentRect.left() + (contentRect.width() - icon - textWidth) / 2.0;
    const QRectF iconFrame(left, contentRect.center().y() - kIconSide / 2.0, kIconSide, kIconSide);
    if (tab_ == EditorTab::animate) {
        AnimationTabIcon{}.paint(painter, iconFrame, ink);
    } else {
        EditorIcon::paint(painter, iconFrame, tabIconName(tab_), ink);
    }
    painter.setFont(font());
    painter.setPen(ink);
    painter.drawText(QRectF(left + icon, contentRect.top(), textWidth + 1.0, contentRect.height()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
}

}  // namespace vlt
