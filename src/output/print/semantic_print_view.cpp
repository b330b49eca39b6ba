#include "output/print/semantic_print_view.h"

#include <algorithm>
#include <cmath>

#include <QPainter>

#include "base/main_thread.h"
#include "base/precondition.h"
#include "output/print/printing_failure.h"
#include "output/still/still_image_composer.h"
#include "output/still/still_image_output_failure.h"

namespace vlt {
namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kDefaultResolution = 72.0;
constexpr double kMaximumRenderingResolution = 300.0;
// Pixel limits at or above 2^63 cannot be held.
constexpr double kPixelLimitBound = 9223372036854775808.0;

bool isFinitePositive(double value) { return std::isfinite(value) && value > 0.0; }

double usableResolution(double component) { return isFinitePositive(component) ? component : kDefaultResolution; }

std::optional<std::int64_t> pixelLimit(double fitExtent, double dpi, std::int64_t minimum) {
    if (!isFinitePositive(fitExtent)) return std::nullopt;
    const double pixels = std::ceil(dpi * fitExtent / kPointsPerInch);
    if (!std::isfinite(pixels) || pixels >= kPixelLimitBound) return std::nullopt;
    return std::max(static_cast<std::int64_t>(pixels), minimum);
}

bool isLandscape(QSize original) { return original.height() < original.width(); }

}  // namespace

PrintPageGeometry printPageGeometry(QSizeF paperSize, QRectF imageableBounds) {
    const QRectF paper(QPointF(0.0, 0.0), paperSize);
    const QRectF page = imageableBounds.intersected(paper);
    if (isFinitePositive(page.width()) && isFinitePositive(page.height())) return {page.size(), page.topLeft()};
    return {paperSize, QPointF(0.0, 0.0)};
}

double printRenderingResolution(std::optional<PrinterResolution> resolution) {
    const PrinterResolution reported = resolution.value_or(PrinterResolution{});
    return std::min(
        {usableResolution(reported.horizontal), usableResolution(reported.vertical), kMaximumRenderingResolution});
}

std::optional<QRectF> aspectFit(const QRectF& rect, QSizeF size) {
    for (const double extent : {rect.width(), rect.height(), size.width(), size.height()}) {
        if (!isFinitePositive(extent)) return std::nullopt;
    }
    const double scale = std::min(rect.width() / size.width(), rect.height() / size.height());
    const QSizeF fitted = size * scale;
    return QRectF(rect.x() + (rect.width() - fitted.width()) / 2.0, rect.y() + (rect.height() - fitted.height()) / 2.0,
                  fitted.width(), fitted.height());
}

QSizeF printNominalSize(StillImageKind kind, QSize original) {
    const QSizeF single(original);
    if (kind != StillImageKind::comparison) return single;
    if (isLandscape(original)) return {single.width(), 2.0 * single.height()};
    return {2.0 * single.width(), single.height()};
}

std::optional<std::int64_t> printIndividualMaximum(const QRectF& fit, double dpi) {
    if (!isFinitePositive(fit.width()) || !isFinitePositive(fit.height())) return std::nullopt;
    return pixelLimit(std::max(fit.width(), fit.height()), dpi, 1);
}

std::optional<std::int64_t> printComparisonMaximum(const QRectF& fit, double dpi, QSize original) {
    if (!isFinitePositive(fit.width()) || !isFinitePositive(fit.height())) return std::nullopt;
    // The panes are joined along the height when stacked, along the width otherwise.
    return pixelLimit(isLandscape(original) ? fit.height() : fit.width(), dpi, 2);
}

SemanticPrintView::SemanticPrintView(StillImageRenderSnapshot snapshot, StillImageKind currentTab,
                                     ApplicationSettings settings, OptionsProvider optionsProvider, Compose compose)
    : snapshot_(std::move(snapshot)),
      currentTab_(currentTab),
      settings_(std::move(settings)),
      optionsProvider_(std::move(optionsProvider)),
      compose_(compose ? std::move(compose) : Compose(&StillImageComposer::render)) {}

std::vector<StillImageKind> SemanticPrintView::printedKinds() const {
    return stillImageKinds(optionsProvider_().selection, currentTab_);
}

void SemanticPrintView::drawPage(QPainter& painter, int pageNumber, QSizeF pageSize, double dpi) {
    VLT_PRECONDITION(isMainThread(), "print pages are drawn on the GUI thread");
    // 1. Nothing after a failure, nothing outside the document.
    if (renderFailure_) return;
    const PrintOptions options = optionsProvider_();
    const std::vector<StillImageKind> kinds = stillImageKinds(options.selection, currentTab_);
    if (pageNumber < 1 || pageNumber > static_cast<int>(kinds.size())) return;

    // 2. A white page, the picture's place on it and its pixel limits.
    const QRectF page(QPointF(0.0, 0.0), pageSize);
    painter.fillRect(page, Qt::white);
    const StillImageKind kind = kinds[static_cast<std::size_t>(pageNumber - 1)];
    const std::optional<QRectF> fit = aspectFit(page, printNominalSize(kind, snapshot_.original.size()));
    if (!fit) {
        fail(StillImageOutputFailure::make(StillImageOutputFailure::Case::renderFailed));
        return;
    }
    Result<QImage> image = pageImage(kind, *fit, dpi, options);
    if (!image.ok()) {
        fail(image.error());
        return;
    }

    // 3. The picture, then the watermarks in its own top-left based space.
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(*fit, image.value());
    drawWatermarks(painter, kind, *fit, options);
    painter.restore();
}

Result<QImage> SemanticPrintView::pageImage(StillImageKind kind, const QRectF& fit, double dpi,
                                            const PrintOptions& options) {
    const std::optional<std::int64_t> individual = printIndividualMaximum(fit, dpi);
    const std::optional<std::int64_t> comparison = printComparisonMaximum(fit, dpi, snapshot_.original.size());
    if (!individual || !comparison) return StillImageOutputFailure::make(StillImageOutputFailure::Case::renderFailed);

    const RenderKey key{kind, *individual, *comparison, options.includeLabels, options.includeContactInformation};
    if (auto cached = renderedImages_.find(key); cached != renderedImages_.end()) return cached->second;

    // The page draws the watermarks itself, at the printer's resolution; the JPEG
    // format only asks for an opaque white canvas, nothing is encoded.
    StillImageExportOptions exportOptions;
    exportOptions.individualMaximumDimension = *individual;
    exportOptions.comparisonMaximumStackedDimension = *comparison;
    exportOptions.fileFormat = StillImageFileFormat::jpeg;
    exportOptions.jpegQuality = 100;
    exportOptions.selection = options.selection;
    exportOptions.currentTab = currentTab_;
    exportOptions.includeLabels = false;
    exportOptions.includeContactInformation = false;
    exportOptions.watermarkSettings = settings_;
    Result<QImage> composed = compose_(kind, snapshot_, exportOptions);
    if (composed.ok()) renderedImages_[key] = composed.value();
    return composed;
}

void SemanticPrintView::drawWatermarks(QPainter& painter, StillImageKind kind, const QRectF& fit,
                                       const PrintOptions& options) const {
    painter.translate(fit.topLeft());
    const double width = fit.width();
    const double height = fit.height();
    const QRectF whole(0.0, 0.0, width, height);
    if (options.includeLabels) {
        const QString& originalLabel = settings_.originalComparisonLabel;
        const QString& simulationLabel = settings_.simulationComparisonLabel;
        switch (kind) {
        case StillImageKind::original:
            StillImageComposer::drawLabel(painter, originalLabel, false, whole);
            break;
        case StillImageKind::simulation:
            StillImageComposer::drawLabel(painter, simulationLabel, true, whole);
            break;
        case StillImageKind::comparison:
            // The composer's own pane regions of a Comparison.
            if (isLandscape(snapshot_.original.size())) {
                StillImageComposer::drawLabel(painter, originalLabel, false, QRectF(0, height / 2, width, height / 2));
                StillImageComposer::drawLabel(painter, simulationLabel, true, QRectF(0, 0, width, height / 2));
            } else {
                StillImageComposer::drawLabel(painter, originalLabel, false, QRectF(0, 0, width / 2, height));
                StillImageComposer::drawLabel(painter, simulationLabel, true, QRectF(width / 2, 0, width / 2, height));
            }
            break;
        }
    }
    if (options.includeContactInformation) {
        StillImageComposer::drawContactBlock(painter, StillImageComposer::contactText(settings_), whole);
    }
}

void SemanticPrintView::fail(ErrorPtr underlying) {
    renderFailure_ = PrintingFailure::make(PrintingFailureCategory::rendering, std::move(underlying));
}

}  // namespace vlt
