#include "screens/crop/crop_surface.h"

#include <cmath>

#include <QMouseEvent>
#include <QPainter>
#include <QTransform>

#include "foundation/localized_string.h"
#include "import/crop_document.h"
#include "import/pixel_aligned_crop.h"
#include "screens/crop/crop_accessibility.h"
#include "screens/crop/crop_overlay.h"

namespace vlt {

namespace {

Qt::CursorShape cursorShape(const std::optional<CropInteraction>& interaction) {
    if (!interaction) return Qt::ArrowCursor;
    if (interaction->kind == CropInteraction::Kind::move) return Qt::OpenHandCursor;
    switch (interaction->corner) {
    case CropCorner::topLeft:
    case CropCorner::bottomRight:
        return Qt::SizeFDiagCursor;
    case CropCorner::topRight:
    case CropCorner::bottomLeft:
        return Qt::SizeBDiagCursor;
    }
    return Qt::ArrowCursor;
}

}  // namespace

CropSurface::CropSurface(std::shared_ptr<CropDocument> document, QWidget* parent)
    : QWidget(parent), document_(std::move(document)) {
    CropAccessibility::setValue(*this, selectionDescription());
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAccessibleName(localizedString("Crop preview"));
    setAccessibleDescription(localizedString("Drag the selection area or its corners if necessary"));
    connect(document_.get(), &CropDocument::selectionChanged, this, &CropSurface::selectionDidChange);
    previewRefresh_.setSingleShot(true);
    previewRefresh_.setInterval(kPreviewRefreshDelayMs);
    connect(&previewRefresh_, &QTimer::timeout, this, [this] {
        previewRefreshDue_ = true;
        update();
    });
}

CropViewMapping CropSurface::mapping() const {
    return CropViewMapping::make(QSizeF(size()), document_->selection(), document_->previewSize());
}

std::optional<CropInteraction> CropSurface::interaction(QPointF p) const {
    const QRectF crop = mapping().cropRect;
    const std::array<std::pair<CropCorner, QPointF>, 4> corners = {{
        {CropCorner::topLeft, crop.topLeft()},
        {CropCorner::topRight, crop.topRight()},
        {CropCorner::bottomRight, crop.bottomRight()},
        {CropCorner::bottomLeft, crop.bottomLeft()},
    }};
    for (const auto& [corner, point] : corners) {
        if (std::hypot(p.x() - point.x(), p.y() - point.y()) <= kCornerHitRadius)
            return CropInteraction::resize(corner);
    }
    // The border itself belongs to the crop.
    if (p.x() >= crop.left() && p.x() <= crop.right() && p.y() >= crop.top() && p.y() <= crop.bottom()) {
        return CropInteraction::move();
    }
    return std::nullopt;
}

QString CropSurface::selectionDescription() const {
    const CropSelection& selection = document_->selection();
    const PixelAlignedCrop aligned = PixelAlignedCrop::fromRect(selection.crop, selection.displayedSize());
    static const QString format = localizedString("Selection %1 by %2 source pixels");
    return format.arg(aligned.width).arg(aligned.height);
}

void CropSurface::selectionDidChange() {
    CropAccessibility::setValue(*this, selectionDescription());
    update();
}

QImage CropSurface::orientedPreview(const QImage& preview, const CropSelection& selection, QSize targetPixels) {
    const int turns = ((selection.clockwiseQuarterTurns % 4) + 4) % 4;
    // Scale before turning: the turn of the small picture is exact and cheap.
    const QSize unturned = turns % 2 == 0 ? targetPixels : targetPixels.transposed();
    QImage scaled = preview.scaled(unturned, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (turns == 0 && !selection.isHorizontallyFlipped) return scaled;
    QTransform transform;
    transform.rotate(90.0 * turns);
    if (selection.isHorizontallyFlipped) transform.scale(-1, 1);
    return scaled.transformed(transform, Qt::FastTransformation);
}

const QImage& CropSurface::scaledPreview(const CropSelection& selection, QSize targetPixels) {
    const int turns = ((selection.clockwiseQuarterTurns % 4) + 4) % 4;
    const bool sameOrientation = cache_.turns == turns && cache_.mirrored == selection.isHorizontallyFlipped;
    if (sameOrientation && cache_.size == targetPixels) return cache_.image;
    if (sameOrientation && !cache_.image.isNull() && !previewRefreshDue_) {
        // A window resize sends a size per step: smooth scaling the large preview each
        // time would stall it, so the last picture is stretched until the size rests.
        previewRefresh_.start();
        return cache_.image;
    }
    previewRefresh_.stop();
    previewRefreshDue_ = false;
    cache_.turns = turns;
    cache_.mirrored = selection.isHorizontallyFlipped;
    cache_.size = targetPixels;
    cache_.image = orientedPreview(document_->previewImage(), selection, targetPixels);
    return cache_.image;
}

void CropSurface::paintEvent(QPaintEvent*) {
    const CropViewMapping map = mapping();
    const CropSelection& selection = document_->selection();
    QPainter painter(this);
    const QRectF image = map.imageRect;
    if (image.width() >= 1 && image.height() >= 1 && !document_->previewImage().isNull()) {
        const qreal ratio = devicePixelRatioF();
        const QSize pixels(std::max(1, qRound(image.width() * ratio)), std::max(1, qRound(image.height() * ratio)));
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(image, scaledPreview(selection, pixels));
    }
    CropOverlay{map.imageRect, map.cropRect}.paint(painter);
}

void CropSurface::handleDragChanged(QPointF start, QPointF location) {
    const CropViewMapping map = mapping();
    if (!activeInteraction_) {
        activeInteraction_ = interaction(start);
        lastFullPoint_ = map.imagePoint(start);
    }
    if (!activeInteraction_ || !lastFullPoint_) return;
    const ImagePoint point = map.imagePoint(location);
    CropSelection selection = document_->selection();
    if (activeInteraction_->kind == CropInteraction::Kind::resize) {
        selection.dragCorner(activeInteraction_->corner, point);
    } else {
        selection.move(point.x - lastFullPoint_->x, point.y - lastFullPoint_->y);
    }
    document_->setSelection(selection);
    lastFullPoint_ = point;
    const bool moving = activeInteraction_->kind == CropInteraction::Kind::move;
    setCursor(moving ? Qt::ClosedHandCursor : cursorShape(activeInteraction_));
}

void CropSurface::handleDragEnded() {
    activeInteraction_.reset();
    lastFullPoint_.reset();
    dragStart_.reset();
    setCursor(Qt::ArrowCursor);
}

void CropSurface::showCursor(const std::optional<CropInteraction>& hovered) { setCursor(cursorShape(hovered)); }

void CropSurface::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    // A new press never continues an old drag (a release lost to another window).
    activeInteraction_.reset();
    lastFullPoint_.reset();
    dragStart_ = event->position();
    handleDragChanged(*dragStart_, event->position());
    event->accept();
}

void CropSurface::mouseMoveEvent(QMouseEvent* event) {
    if (dragStart_ && (event->buttons() & Qt::LeftButton)) {
        handleDragChanged(*dragStart_, event->position());
        return;
    }
    showCursor(interaction(event->position()));
}

void CropSurface::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragStart_) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    handleDragEnded();
}

void CropSurface::leaveEvent(QEvent* event) {
    if (!dragStart_) setCursor(Qt::ArrowCursor);
    QWidget::leaveEvent(event);
}

}  // namespace vlt
