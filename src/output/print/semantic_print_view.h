#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>

#include "base/result.h"
#include "editing/session/still_image_render_snapshot.h"
#include "foundation/application_settings.h"
#include "output/print/print_options.h"
#include "output/still/still_image_export_options.h"
#include "output/still/still_image_kind.h"

class QPainter;

namespace vlt {

// A printed page in points: its size and where it sits on the paper.
struct PrintPageGeometry {
    QSizeF size{612.0, 792.0};
    QPointF origin{0.0, 0.0};

    friend bool operator==(const PrintPageGeometry&, const PrintPageGeometry&) = default;
};

// The imageable bounds cut to the paper (0, 0, paper size); the whole paper at the
// origin when nothing finite and positive is left.
PrintPageGeometry printPageGeometry(QSizeF paperSize, QRectF imageableBounds);

// Dots per inch as the printer reports them.
struct PrinterResolution {
    double horizontal = 72.0;
    double vertical = 72.0;
};

// The resolution pages are composed at: the smaller of the two components, at most
// 300; a component that is not finite and positive counts as 72, and so does a
// printer that reports nothing.
double printRenderingResolution(std::optional<PrinterResolution> resolution);

// The size scaled to fit the rectangle and centred in it, up or down; none unless all
// four extents are finite and positive.
std::optional<QRectF> aspectFit(const QRectF& rect, QSizeF size);

// The picture's proportions before sizing: the Original's for a single image, twice as
// wide (portrait or square) or twice as tall (landscape) for the Comparison.
QSizeF printNominalSize(StillImageKind kind, QSize original);

// The pixel limits that give the fitted rectangle `dpi` dots per inch (at least 1 and
// 2); none for an empty or unbounded fit.
std::optional<std::int64_t> printIndividualMaximum(const QRectF& fit, double dpi);
std::optional<std::int64_t> printComparisonMaximum(const QRectF& fit, double dpi, QSize original);

// The printed document: one page per printed kind, each the composed picture fitted
// into the page, with the labels and the contact block drawn over it at the printer's
// resolution. Composed pictures are kept per kind, size and watermark choice, so the
// preview and the job compose each page once. The first page that cannot be made
// ends the document: it stays white, later pages draw nothing, and the failure is
// kept for the outcome. GUI thread only.
class SemanticPrintView {
public:
    using OptionsProvider = std::function<PrintOptions()>;
    using Compose =
        std::function<Result<QImage>(StillImageKind, const StillImageRenderSnapshot&, const StillImageExportOptions&)>;

    struct RenderKey {
        StillImageKind kind = StillImageKind::original;
        std::int64_t individualMaximum = 0;
        std::int64_t comparisonMaximum = 0;
        bool includeLabels = false;
        bool includeContactInformation = false;

        friend bool operator==(const RenderKey&, const RenderKey&) = default;
        friend bool operator<(const RenderKey& a, const RenderKey& b) {
            return std::tie(a.kind, a.individualMaximum, a.comparisonMaximum, a.includeLabels,
                            a.includeContactInformation) < std::tie(b.kind, b.individualMaximum, b.comparisonMaximum,
                                                                    b.includeLabels, b.includeContactInformation);
        }
    };

    // The options are asked for anew at every use, so the accessory's choices apply
    // to the next page drawn. Composing defaults to the still-image composer.
    SemanticPrintView(StillImageRenderSnapshot snapshot, StillImageKind currentTab, ApplicationSettings settings,
                      OptionsProvider optionsProvider, Compose compose = {});

    // The kinds of the current choice, one per page, in page order.
    std::vector<StillImageKind> printedKinds() const;
    int pageCount() const { return static_cast<int>(printedKinds().size()); }

    // Draws page `pageNumber` (from 1) of the page size with the painter in points,
    // its origin at the page's top-left corner; pages outside the document draw
    // nothing. `dpi` is the rendering resolution.
    void drawPage(QPainter& painter, int pageNumber, QSizeF pageSize, double dpi);

    // The PrintingFailure of category rendering of the first failed page; null until then.
    const ErrorPtr& renderFailure() const { return renderFailure_; }

private:
    Result<QImage> pageImage(StillImageKind kind, const QRectF& fit, double dpi, const PrintOptions& options);
    void drawWatermarks(QPainter& painter, StillImageKind kind, const QRectF& fit, const PrintOptions& options) const;
    void fail(ErrorPtr underlying);

    StillImageRenderSnapshot snapshot_;
    StillImageKind currentTab_;
    ApplicationSettings settings_;
    OptionsProvider optionsProvider_;
    Compose compose_;
    std::map<RenderKey, QImage> renderedImages_;
    ErrorPtr renderFailure_;
};

}  // namespace vlt
