#pragma once

#include <cstdint>
#include <optional>

#include <QImage>
#include <QRectF>
#include <QString>

#include "base/result.h"
#include "editing/session/still_image_render_snapshot.h"
#include "foundation/application_settings.h"
#include "output/still/still_image_export_options.h"
#include "output/still/still_image_kind.h"

class QPainter;

namespace vlt {

struct StillImagePixelSize {
    std::int64_t width = 0;
    std::int64_t height = 0;

    friend bool operator==(const StillImagePixelSize&, const StillImagePixelSize&) = default;
};

// The Comparison's two panes and the canvas that holds them.
struct StillImageComparisonLayout {
    std::int64_t paneWidth = 0;
    std::int64_t paneHeight = 0;
    std::int64_t canvasWidth = 0;
    std::int64_t canvasHeight = 0;
    // Simulation above the Original (landscape); otherwise Original left, Simulation right.
    bool isStacked = false;

    friend bool operator==(const StillImageComparisonLayout&, const StillImageComparisonLayout&) = default;
};

// Where a text goes and at which size.
struct StillImageTextPlacement {
    double fontSize = 0.0;
    // The text's box: its top-left corner is where drawing starts.
    QRectF rect;
};

// Turns an editor snapshot into the finished picture of one kind: sized down to its
// limit (never up), annotations on the Simulation only, then the optional labels and
// contact block. Results are Format_ARGB32_Premultiplied, opaque on white for JPEG and
// on a transparent canvas for PNG. Stateless; every call owns its canvas, so any
// thread may compose (a QGuiApplication must exist for the fonts).
struct StillImageComposer {
    static constexpr double kMinimumContactFontSize = 6.0;

    // kind is original or simulation. Fails with renderFailed when no canvas can be
    // made. The snapshot's image of that kind must have a size (the other is not
    // read, and for the Original neither are the annotations) and the limit must be
    // at least 1.
    static Result<QImage> renderSingle(StillImageKind kind, const StillImageRenderSnapshot& snapshot,
                                       const StillImageExportOptions& options);
    // Both snapshot images must have a size and the limit must be at least 2.
    static Result<QImage> renderComparison(const StillImageRenderSnapshot& snapshot,
                                           const StillImageExportOptions& options);
    // The composed picture of any kind.
    static Result<QImage> render(StillImageKind kind, const StillImageRenderSnapshot& snapshot,
                                 const StillImageExportOptions& options);

    // The contact block's lines: name, e-mail, phone, website, each address line, then
    // the free text, each trimmed, blank ones left out; empty when nothing is left.
    static QString contactText(const ApplicationSettings& settings);

    // The size of the finished picture of a kind whose snapshot images measure width ×
    // height (the Original and the Simulation are of one size).
    static StillImagePixelSize canvasSize(StillImageKind kind, std::int64_t width, std::int64_t height,
                                          const StillImageExportOptions& options);
    // Each side times scale, rounded half away from zero, at least 1.
    static StillImagePixelSize scaledSize(std::int64_t width, std::int64_t height, double scale);
    // The panes fitted so that the doubled shorter side stays within the maximum.
    static StillImageComparisonLayout comparisonLayout(std::int64_t width, std::int64_t height, std::int64_t maximum);
    // Not painted yet: the pictures placed on it cover all of it, each over the
    // background of the file format (white for JPEG, transparent for PNG). None when
    // it cannot be had.
    static std::optional<QImage> makeCanvas(std::int64_t width, std::int64_t height);

    // The label and contact font size of a rectangle: 2 % of its shorter side, 7...36.
    static double watermarkFontSize(const QRectF& rect);
    // 1.2 % of the shorter side, 3...24.
    static double watermarkMargin(const QRectF& rect);
    // The label in the rectangle's top corner, left or right; nothing for a blank label.
    static void drawLabel(QPainter& painter, const QString& label, bool alignRight, const QRectF& rect);
    // The contact text at the lower left, wrapped at 60 % of the width: its size
    // shrinks one pixel at a time until it fits into 60 % of the height, and stops at 6
    // even when it does not fit. None for an empty text.
    static std::optional<StillImageTextPlacement> contactBlockPlacement(const QString& contactText, const QRectF& rect);
    static void drawContactBlock(QPainter& painter, const QString& contactText, const QRectF& rect);
};

}  // namespace vlt
