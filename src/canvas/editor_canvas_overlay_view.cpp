#include "canvas/editor_canvas_overlay_view.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include "editing/annotations/annotation_bounds.h"
#include "editing/annotations/annotation_drawing.h"
#include "base/precondition.h"
#include "base/main_thread.h"
#include "ui/application_accent_color.h"
#include "ui/keyboard_focus.h"

namespace vlt {

namespace {

constexpr double kSelectionMarginPoints = 3.0;
constexpr double kSelectionOuterLinePoints = 3.0;
constexpr double kSelectionInnerLinePoints = 1.5;
constexpr double kMinimumSelectionScale = 0.0001;

constexpr double kMinimumLabelSide = 4.0;
constexpr double kLabelInset = 14.0;
constexpr double kLabelPadding = 10.0;
constexpr double kLabelChipHeight = 28.0;
constexpr double kLabelChipRadius = 6.0;

constexpr double kBrushOuterLineWidth = 3.0;
constexpr double kBrushInnerLineWidth = 1.2;
constexpr double kBrushOuterAlpha = 0.72;
constexpr double kBrushDotDiameter = 4.0;

const QColor& comparisonDividerColor() {
    static const QColor colour(200, 210, 212);
    return colour;
}

const QColor& comparisonLabelChipColor() {
    static const QColor colour = QColor::fromRgbF(0.086f, 0.298f, 0.322f, 0.9f);
    return colour;
}

QFont comparisonLabelFont() {
    QFont font = QApplication::font();
    font.setWeight(QFont::DemiBold);
    return font;
}

// The part of the view where the zoomed canvas lies in a pane, and what of it shows.
struct PaneImage {
    QRectF image;
    QRectF visible;
};

PaneImage paneImage(const EditorCanvasOverlayState& state, const QRectF& pane) {
    const QRectF image = state.geometry.imageRect(pane, state.center);
    return {image, image.intersected(pane)};
}

bool isUsable(const QRectF& rect) { return !rect.isNull() && rect.width() > 0.0 && rect.height() > 0.0; }

// Annotations belong to the Simulation: never on the Original, on the right pane of
// the Comparison.
std::vector<QRectF> annotatedPanes(const EditorCanvasOverlayState& state) {
    const std::vector<QRectF> panels = state.geometry.panelRects();
    switch (state.tab) {
    case EditorTab::original:
        return {};
    case EditorTab::comparison:
        if (panels.size() < 2) return {};
        return {panels[1]};
    case EditorTab::simulation:
    case EditorTab::animate:
        return {panels.front()};
    }
    return {};
}

const AnnotationObject* findObject(const std::vector<AnnotationObject>& objects, const QUuid& id) {
    const auto found =
        std::find_if(objects.begin(), objects.end(), [&](const AnnotationObject& object) { return object.id == id; });
    return found == objects.end() ? nullptr : &*found;
}

void drawDraft(QPainter& painter, const AnnotationDraft& draft) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (const auto* stroke = std::get_if<AnnotationStroke>(&draft)) {
        drawAnnotationStroke(painter, stroke->points, stroke->color, stroke->size);
    } else {
        drawAnnotationShape(painter, std::get<AnnotationShape>(draft));
    }
    painter.restore();
}

void drawAnnotationsInPane(QPainter& painter, const EditorCanvasOverlayState& state, const QRectF& pane) {
    const PaneImage placed = paneImage(state, pane);
    if (!(placed.image.width() > 0.0) || !(placed.image.height() > 0.0)) return;
    if (!isUsable(placed.visible)) return;

    const double canvasWidth = std::max(state.canvasSize.width(), 1);
    const double canvasHeight = std::max(state.canvasSize.height(), 1);
    const AnnotationPresentation& presentation = state.annotations;

    painter.save();
    painter.setClipRect(placed.visible, Qt::IntersectClip);
    painter.translate(placed.image.left(), placed.image.top());
    painter.scale(placed.image.width() / canvasWidth, placed.image.height() / canvasHeight);
    painter.setOpacity(std::clamp(static_cast<double>(state.annotationOpacity), 0.0, 1.0));

    for (const AnnotationObject& object : presentation.objects) {
        if (!presentation.hiddenIDs.contains(object.id)) drawAnnotationObject(painter, object);
    }

    if (presentation.selectedID) {
        if (const AnnotationObject* selected = findObject(presentation.objects, *presentation.selectedID)) {
            AnnotationObject moved = *selected;
            moved.translation += presentation.moveDelta;
            // The object being dragged is hidden in its place and drawn here instead.
            if (presentation.hiddenIDs.contains(moved.id)) drawAnnotationObject(painter, moved);
            if (state.tab != EditorTab::animate) {
                EditorCanvasOverlayView::drawSelectionOutline(painter, moved, placed.image.width() / canvasWidth);
            }
        }
    }

    if (presentation.draft) drawDraft(painter, *presentation.draft);
    painter.restore();
}

void drawAnnotations(QPainter& painter, const EditorCanvasOverlayState& state) {
    for (const QRectF& pane : annotatedPanes(state)) drawAnnotationsInPane(painter, state, pane);
}

void drawComparisonLabel(QPainter& painter, const EditorCanvasOverlayState& state, const QString& label,
                         Qt::Alignment alignment, const QRectF& pane) {
    const PaneImage placed = paneImage(state, pane);
    const auto chip = EditorCanvasOverlayView::comparisonLabelChip(label, alignment, placed.visible);
    if (!chip) return;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(comparisonLabelChipColor());
    painter.drawRoundedRect(chip->chipRect, kLabelChipRadius, kLabelChipRadius);
    painter.setFont(comparisonLabelFont());
    painter.setPen(Qt::white);
    painter.drawText(chip->textRect, static_cast<int>(alignment | Qt::AlignVCenter), chip->shownText);
    painter.restore();
}

void drawComparisonDecorations(QPainter& painter, const EditorCanvasOverlayState& state) {
    if (state.tab != EditorTab::comparison) return;
    const std::vector<QRectF> panels = state.geometry.panelRects();

    if (const auto gap = state.geometry.comparisonGapRect(); gap && gap->width() > 0.0) {
        painter.fillRect(QRectF(gap->center().x() - 0.5, gap->top(), 1.0, gap->height()), comparisonDividerColor());
    }
    if (!state.showsComparisonLabels || panels.size() < 2) return;
    if (!state.originalComparisonLabel.trimmed().isEmpty()) {
        drawComparisonLabel(painter, state, state.originalComparisonLabel, Qt::AlignLeft, panels[0]);
    }
    if (!state.simulationComparisonLabel.trimmed().isEmpty()) {
        drawComparisonLabel(painter, state, state.simulationComparisonLabel, Qt::AlignRight, panels[1]);
    }
}

std::optional<QRectF> brushPane(const EditorCanvasOverlayState& state, QPointF hover) {
    const std::vector<QRectF> panels = state.geometry.panelRects();
    switch (state.tab) {
    case EditorTab::original:
    case EditorTab::simulation:
        return panels.front();
    case EditorTab::comparison:
        if (panels.size() == 2 && EditorViewportGeometry::containsClosed(panels[1], hover)) return panels[1];
        return std::nullopt;
    case EditorTab::animate:
        return std::nullopt;
    }
    return std::nullopt;
}

// Where the brush outline goes: round the pointer, clipped to the visible image.
struct BrushOutline {
    QPointF centre;
    double radius;
    QRectF clip;
};

std::optional<BrushOutline> brushOutline(const EditorCanvasOverlayState& state) {
    if (!isReshapeTool(state.tool) && !hasRoundAnnotationBrush(state.tool)) return std::nullopt;
    if (!state.hoverPoint) return std::nullopt;
    const QPointF hover = *state.hoverPoint;
    const auto pane = brushPane(state, hover);
    if (!pane) return std::nullopt;

    const PaneImage placed = paneImage(state, *pane);
    if (!EditorViewportGeometry::containsClosed(placed.image, hover) || !isUsable(placed.visible)) return std::nullopt;
    const double diameter = state.toolDiameter * placed.image.width() / std::max(state.canvasSize.width(), 1);
    return BrushOutline{hover, diameter * 0.5, placed.visible};
}

// The view points the brush outline may touch, its antialiased edge included.
QRectF brushOutlineBounds(const EditorCanvasOverlayState& state) {
    const std::optional<BrushOutline> outline = brushOutline(state);
    if (!outline) return {};
    const double reach = std::max(outline->radius, kBrushDotDiameter * 0.5) + kBrushOuterLineWidth + 1.0;
    return QRectF(outline->centre.x() - reach, outline->centre.y() - reach, 2.0 * reach, 2.0 * reach)
        .intersected(outline->clip);
}

// The outline and its centre dot as drawn round `centre` in a painter of this user
// space.
void strokeBrushOutline(QPainter& painter, QPointF centre, double radius) {
    QColor outerColour(Qt::black);
    outerColour.setAlphaF(static_cast<float>(kBrushOuterAlpha));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(outerColour, kBrushOuterLineWidth));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(Qt::white, kBrushInnerLineWidth));
    painter.drawEllipse(centre, radius, radius);

    painter.setBrush(Qt::white);
    painter.setPen(QPen(Qt::black, 1.0));
    painter.drawEllipse(QRectF(centre.x() - kBrushDotDiameter * 0.5, centre.y() - kBrushDotDiameter * 0.5,
                               kBrushDotDiameter, kBrushDotDiameter));
}

// The outline drawn once into an image of device pixels and kept while the brush size
// and the device pixel ratio stay the same, as they do through a drag; it is placed
// with its centre on the device pixel nearest the pointer. Stroking the antialiased
// circle at every shown frame hands its rows to Qt's thread pool and waits for them:
// on a machine busy with other programs each wait can cost the GUI thread a scheduler
// turn, and the frame its tick.
class BrushOutlineSprite {
public:
    void draw(QPainter& painter, QPointF centre, double radius, double ratio) {
        if (image_.isNull() || radius != radius_ || ratio != ratio_) {
            radius_ = radius;
            ratio_ = ratio;
            const double reach = std::max(radius, kBrushDotDiameter * 0.5) + kBrushOuterLineWidth + 1.0;
            halfSide_ = static_cast<int>(std::ceil(reach * ratio));
            image_ = QImage(2 * halfSide_, 2 * halfSide_, QImage::Format_ARGB32_Premultiplied);
            image_.fill(Qt::transparent);
            QPainter sprite(&image_);
            sprite.scale(ratio, ratio);
            strokeBrushOutline(sprite, QPointF(halfSide_, halfSide_) / ratio, radius);
            sprite.end();
            image_.setDevicePixelRatio(ratio);
        }
        const QPointF pixel(std::round(centre.x() * ratio) - halfSide_, std::round(centre.y() * ratio) - halfSide_);
        painter.drawImage(pixel / ratio, image_);
    }

private:
    QImage image_;
    double radius_ = 0.0;
    double ratio_ = 0.0;
    int halfSide_ = 0;
};

void drawBrushOutline(QPainter& painter, const EditorCanvasOverlayState& state) {
    const std::optional<BrushOutline> outline = brushOutline(state);
    if (!outline) return;
    static BrushOutlineSprite sprite;
    const QPaintDevice* device = painter.device();
    const double ratio = device != nullptr ? device->devicePixelRatio() : 1.0;
    painter.save();
    painter.setClipRect(outline->clip, Qt::IntersectClip);
    sprite.draw(painter, outline->centre, outline->radius, ratio);
    painter.restore();
}

}  // namespace

EditorCanvasOverlayView::EditorCanvasOverlayView(QWidget* parent) : QWidget(parent) {
    VLT_PRECONDITION(isMainThread(), "the canvas overlay lives on the main thread");
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
    setAttribute(Qt::WA_NoSystemBackground, true);
    setAttribute(Qt::WA_TranslucentBackground, true);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
}

QRect EditorCanvasOverlayView::setState(EditorCanvasOverlayState state) {
    EditorCanvasOverlayState sameHover = state;
    sameHover.hoverPoint = state_.hoverPoint;
    if (!(sameHover == state_)) {
        state_ = std::move(state);
        update();
        return rect();
    }
    // Only the pointer moved (or nothing did): the brush outline's old and new places,
    // so that a drag repaints the brush's neighbourhood, not the whole canvas.
    const QRectF before = brushOutlineBounds(state_);
    state_ = std::move(state);
    const QRect changed = before.united(brushOutlineBounds(state_)).toAlignedRect();
    if (!changed.isEmpty()) update(changed);
    return changed;
}

void EditorCanvasOverlayView::paint(QPainter& painter, const EditorCanvasOverlayState& state) {
    drawAnnotations(painter, state);
    drawComparisonDecorations(painter, state);
    drawBrushOutline(painter, state);
}

void EditorCanvasOverlayView::drawSelectionOutline(QPainter& painter, const AnnotationObject& object, double scale) {
    const QRectF bounds = annotationContentBounds(object.content);
    if (bounds.isNull()) return;
    const double s = std::max(scale, kMinimumSelectionScale);
    const double margin = kSelectionMarginPoints / s;
    const QRectF outline =
        bounds.translated(object.translation.x, object.translation.y).adjusted(-margin, -margin, margin, margin);

    QPen outer(Qt::black, kSelectionOuterLinePoints / s);
    outer.setJoinStyle(Qt::MiterJoin);
    QPen inner(applicationAccentColor(), kSelectionInnerLinePoints / s);
    inner.setJoinStyle(Qt::MiterJoin);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(outer);
    painter.drawRect(outline);
    painter.setPen(inner);
    painter.drawRect(outline);
    painter.restore();
}

std::optional<EditorCanvasOverlayView::LabelChip> EditorCanvasOverlayView::comparisonLabelChip(
    const QString& label, Qt::Alignment alignment, const QRectF& visibleImageRect) {
    const QRectF& visible = visibleImageRect;
    if (visible.isNull() || visible.width() <= kMinimumLabelSide || visible.height() <= kMinimumLabelSide) {
        return std::nullopt;
    }
    const QFontMetricsF metrics(comparisonLabelFont());
    const double textWidth = metrics.horizontalAdvance(label);
    const double chipWidth =
        std::min(textWidth + 2.0 * kLabelPadding, std::max(visible.width() - 2.0 * kLabelInset, kMinimumLabelSide));
    if (chipWidth <= kMinimumLabelSide) return std::nullopt;

    const double chipLeft =
        alignment.testFlag(Qt::AlignRight) ? visible.right() - kLabelInset - chipWidth : visible.left() + kLabelInset;
    const QRectF chip(chipLeft, visible.top() + kLabelInset, chipWidth, kLabelChipHeight);
    const double textHeight = metrics.height();
    const QRectF text(chip.left() + kLabelPadding, chip.center().y() - textHeight * 0.5,
                      std::max(chipWidth - 2.0 * kLabelPadding, 1.0), textHeight);
    return LabelChip{chip, text, metrics.elidedText(label, Qt::ElideRight, text.width())};
}

void EditorCanvasOverlayView::paintEvent(QPaintEvent*) {
    VLT_PRECONDITION(isMainThread(), "the canvas overlay draws on the main thread");
    QPainter painter(this);
    paint(painter, state_);
    // The canvas beneath takes keys (brush size, zoom, tabs); its focus shows on top.
    if (parentWidget() != nullptr && showsKeyboardFocus(*parentWidget())) {
        paintFocusRing(painter, QRectF(rect()), 0.0, applicationAccentColor());
    }
}

}  // namespace vlt
