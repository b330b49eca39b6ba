#include "screens/editor/editor_tool_button.h"

#include <algorithm>
#include <cmath>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>

#include "screens/editor/editor_font.h"
#include "screens/editor/editor_icon.h"
#include "screens/editor/editor_palette.h"
#include "screens/editor/editor_toggle_button_style.h"

namespace vlt {
namespace {

constexpr double kTitleSize = 11.0;
constexpr double kLabelSpacing = 4.0;
constexpr double kMinimumTitleScale = 0.85;
constexpr int kMaximumTitleLines = 2;

bool isShapeTool(EditorTool tool) {
    switch (tool) {
    case EditorTool::line:
    case EditorTool::rectangle:
    case EditorTool::filledRectangle:
    case EditorTool::circle:
    case EditorTool::filledCircle:
        return true;
    default:
        return false;
    }
}

constexpr int kTitleFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;

}  // namespace

EditorToolButton::EditorToolButton(EditorTool tool, std::function<void()> action, QWidget* parent)
    : EditorButton(EditorToggleButtonStyle::tool(), parent), tool_(tool) {
    setFont(editorSystemFont(kTitleSize));
    setText(title(tool));
    setToolTip(help(tool));
    setAccessibleName(accessibilityLabel(tool));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    runOnClick(std::move(action));
}

void EditorToolButton::setShowsLabel(bool shows) {
    if (showsLabel_ == shows) return;
    showsLabel_ = shows;
    updateGeometry();
    update();
}

double EditorToolButton::iconSide() const { return isShapeTool(tool_) ? 24.0 : 34.0; }

QSizeF EditorToolButton::titleSize(const QFont& font, double width) const {
    const QFontMetricsF metrics(font);
    return metrics.boundingRect(QRectF(0, 0, width, 1e6), kTitleFlags, text()).size();
}

QFont EditorToolButton::titleFont() const { return titleFont(std::max(1, width())); }

QFont EditorToolButton::titleFont(double width) const {
    QFont shrunk = font();
    if (titleSize(shrunk, width).height() <= kMaximumTitleLines * QFontMetricsF(shrunk).lineSpacing() + 0.5) {
        return shrunk;
    }
    shrunk.setPointSizeF(QFontInfo(font()).pointSizeF() * kMinimumTitleScale);
    return shrunk;
}

double EditorToolButton::contentHeight(double width) const {
    const double minimumHeight = showsLabel_ ? kMinimumHeightWithLabel : kMinimumHeightWithoutLabel;
    double height = iconSide();
    if (showsLabel_) {
        const QFont title = titleFont(width);
        height += kLabelSpacing +
                  std::min(titleSize(title, width).height(), kMaximumTitleLines * QFontMetricsF(title).lineSpacing());
    }
    return std::max(height, minimumHeight);
}

int EditorToolButton::heightForWidth(int width) const {
    return static_cast<int>(std::ceil(contentHeight(std::max(1, width))));
}

QSizeF EditorToolButton::contentSize() const { return {iconSide(), contentHeight(std::max(1, width()))}; }

void EditorToolButton::paintContent(QPainter& painter, const QRectF& contentRect, const QColor&) {
    const QColor ink = isSelected() ? EditorPalette::ink() : EditorPalette::secondaryText();
    const double side = iconSide();
    const QFont title = titleFont();
    const QFontMetricsF metrics(title);
    const double titleHeight = showsLabel_ ? std::min(titleSize(title, contentRect.width()).height(),
                                                      kMaximumTitleLines * metrics.lineSpacing())
                                           : 0.0;
    const double stackHeight = side + (showsLabel_ ? kLabelSpacing + titleHeight : 0.0);
    const double top = contentRect.top() + (contentRect.height() - stackHeight) / 2.0;

    const QRectF iconFrame(contentRect.center().x() - side / 2.0, top, side, side);
    EditorIcon::paint(painter, iconFrame, QString::fromLatin1(iconName(tool_).data(), iconName(tool_).size()), ink);
    if (!showsLabel_) return;

    painter.setFont(title);
    painter.setPen(ink);
    painter.drawText(QRectF(contentRect.left(), iconFrame.bottom() + kLabelSpacing, contentRect.width(), titleHeight),
                     kTitleFlags, text());
}

}  // namespace vlt
