#include "editing/session/editor_viewport_geometry.h"

#include <algorithm>
#include <cmath>

namespace vlt {

namespace {

constexpr double kMaximumHorizontalMargin = 24.0;
constexpr double kMaximumVerticalMargin = 20.0;
constexpr double kMaximumComparisonGap = 24.0;
constexpr double kMinimumComparisonPanelWidth = 1.0;
// A scroller appears only when the image exceeds the panel by more than this, so that
// rounding of a fitted image never shows one.
constexpr double kScrollerSlack = 0.5;
constexpr double kMinimumScrollableShare = 0.000001;

QRectF contentRect(const QSizeF& viewport) {
    const double dx = std::min(std::max((viewport.width() - 1.0) * 0.5, 0.0), kMaximumHorizontalMargin);
    const double dy = std::min(std::max((viewport.height() - 1.0) * 0.5, 0.0), kMaximumVerticalMargin);
    return QRectF(0.0, 0.0, viewport.width(), viewport.height()).adjusted(dx, dy, -dx, -dy);
}

// Keeps one normalised coordinate so that a panel-sized window into an image of the
// given displayed length stays inside the image.
double clampAxis(double value, double panelLength, double imageLength) {
    if (!(panelLength < imageLength)) return 0.5;
    const double half = panelLength / (2.0 * imageLength);
    const double finite = std::isfinite(value) ? value : 0.5;
    return std::min(1.0 - half, std::max(finite, half));
}

}  // namespace

std::vector<QRectF> EditorViewportGeometry::panelRects() const {
    const QRectF content = contentRect(viewportSize);
    if (!isComparison) return {content};

    const double gap = std::min(std::max(content.width() - 2.0, 0.0), kMaximumComparisonGap);
    const double panelWidth = std::max((content.width() - gap) * 0.5, kMinimumComparisonPanelWidth);
    return {
        QRectF(content.left(), content.top(), panelWidth, content.height()),
        QRectF(content.left() + panelWidth + gap, content.top(), panelWidth, content.height()),
    };
}

double EditorViewportGeometry::fitScale() const {
    const bool hasArea = viewportSize.width() > 0.0 && viewportSize.height() > 0.0 && imageSize.width() > 0.0 &&
                         imageSize.height() > 0.0;
    if (!hasArea) return 1.0;
    const QRectF panel = panelRects().front();
    return std::min(panel.width() / imageSize.width(), panel.height() / imageSize.height());
}

QSizeF EditorViewportGeometry::displayedImageSize() const {
    const double scale = fitScale() * zoomFactor;
    return QSizeF(imageSize.width() * scale, imageSize.height() * scale);
}

QPointF EditorViewportGeometry::clampedCenter(QPointF center) const {
    const QSizeF displayed = displayedImageSize();
    const QRectF panel = panelRects().front();
    return QPointF(clampAxis(center.x(), panel.width(), displayed.width()),
                   clampAxis(center.y(), panel.height(), displayed.height()));
}

QRectF EditorViewportGeometry::imageRect(const QRectF& panel, QPointF center) const {
    const QSizeF displayed = displayedImageSize();
    const QPointF clamped = clampedCenter(center);
    return QRectF(panel.center().x() - displayed.width() * clamped.x(),
                  panel.center().y() - displayed.height() * clamped.y(), displayed.width(), displayed.height());
}

std::optional<EditorViewportGeometry::ScrollerKnob> EditorViewportGeometry::scrollerKnob(bool horizontal,
                                                                                         QPointF center) const {
    const QRectF panel = panelRects().front();
    const QSizeF displayed = displayedImageSize();
    const double extent = horizontal ? panel.width() : panel.height();
    const double size = horizontal ? displayed.width() : displayed.height();
    if (extent + kScrollerSlack >= size) return std::nullopt;

    const double proportion = std::min(extent / size, 1.0);
    const QPointF clamped = clampedCenter(center);
    const double position = horizontal ? clamped.x() : clamped.y();
    const double value = (position - proportion * 0.5) / std::max(1.0 - proportion, kMinimumScrollableShare);
    return ScrollerKnob{std::clamp(value, 0.0, 1.0), proportion};
}

std::optional<QRectF> EditorViewportGeometry::comparisonGapRect() const {
    if (!isComparison) return std::nullopt;
    const std::vector<QRectF> panels = panelRects();
    const QRectF content = contentRect(viewportSize);
    const double left = panels[0].right();
    return QRectF(left, content.top(), std::max(panels[1].left() - left, 0.0), content.height());
}

bool EditorViewportGeometry::operator==(const EditorViewportGeometry& other) const {
    return viewportSize.width() == other.viewportSize.width() && viewportSize.height() == other.viewportSize.height() &&
           imageSize.width() == other.imageSize.width() && imageSize.height() == other.imageSize.height() &&
           isComparison == other.isComparison && zoomFactor == other.zoomFactor;
}

}  // namespace vlt
