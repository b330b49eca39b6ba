#include "output/still/still_image_composer.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include <QPainter>
#include <QStringList>

#include "base/precondition.h"
#include "editing/annotations/annotation_drawing.h"
#include "output/still/still_image_canvas_reserve.h"
#include "output/still/still_image_output_failure.h"
#include "output/still/watermark_text_layout.h"

namespace vlt {
namespace {

constexpr double kFontSizeFraction = 0.02;
constexpr double kMinimumFontSize = 7.0;
constexpr double kMaximumFontSize = 36.0;
constexpr double kMarginFraction = 0.012;
constexpr double kMinimumMargin = 3.0;
constexpr double kMaximumMargin = 24.0;
constexpr double kContactExtentFraction = 0.6;
constexpr double kContactLetterSpacingFraction = 0.02;

ErrorPtr renderFailed() { return StillImageOutputFailure::make(StillImageOutputFailure::Case::renderFailed); }

void expectDrawable(const StillImageRenderSnapshot& snapshot) {
    VLT_PRECONDITION(!snapshot.original.isNull() && !snapshot.simulation.isNull(), "snapshot images without a size");
}

void prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QRgb background(const StillImageExportOptions& options) {
    return options.fileFormat == StillImageFileFormat::jpeg ? qRgb(255, 255, 255) : qRgba(0, 0, 0, 0);
}

// The 32-bit pixel layouts that the canvas takes without arithmetic: its own
// (0xAARRGGBB words) and bytes in the order R, G, B, A. Whether a layout is
// premultiplied makes no difference to an opaque pixel.
enum class PixelWord { argb, rgbaBytes };

std::optional<PixelWord> pixelWord(QImage::Format format) {
    if constexpr (std::endian::native != std::endian::little) return std::nullopt;
    switch (format) {
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_ARGB32:
    case QImage::Format_RGB32:
        return PixelWord::argb;
    case QImage::Format_RGBA8888_Premultiplied:
    case QImage::Format_RGBA8888:
    case QImage::Format_RGBX8888:
        return PixelWord::rgbaBytes;
    default:
        return std::nullopt;
    }
}

constexpr std::uint32_t kOpaqueAlpha = 0xFF000000u;

// One row of words copied as they are; the AND of all of them.
std::uint32_t copyWords(const std::uint32_t* in, std::uint32_t* out, int count) {
    std::memcpy(out, in, std::size_t(count) * sizeof(std::uint32_t));
    std::uint32_t all = ~0u;
    for (int x = 0; x < count; ++x) all &= in[x];
    return all;
}

// One row of R, G, B, A bytes as 0xAARRGGBB words (read as little-endian words the
// bytes are 0xAABBGGRR: red and blue trade places); the AND of the words read.
std::uint32_t swapRedAndBluePlainly(const std::uint32_t* in, std::uint32_t* out, int count) {
    std::uint32_t all = ~0u;
    for (int x = 0; x < count; ++x) {
        const std::uint32_t pixel = in[x];
        all &= pixel;
        out[x] = (pixel & 0xFF00FF00u) | ((pixel >> 16) & 0xFFu) | ((pixel & 0xFFu) << 16);
    }
    return all;
}

#if defined(__x86_64__)
// The same, four pixels per byte shuffle: a large picture is copied several times a save.
__attribute__((target("ssse3"))) std::uint32_t swapRedAndBlueShuffled(const std::uint32_t* in, std::uint32_t* out,
                                                                      int count) {
    const __m128i swap = _mm_setr_epi8(2, 1, 0, 3, 6, 5, 4, 7, 10, 9, 8, 11, 14, 13, 12, 15);
    __m128i all = _mm_set1_epi32(-1);
    int x = 0;
    for (; x + 4 <= count; x += 4) {
        const __m128i words = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + x));
        all = _mm_and_si128(all, words);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), _mm_shuffle_epi8(words, swap));
    }
    alignas(16) std::uint32_t lanes[4];
    _mm_store_si128(reinterpret_cast<__m128i*>(lanes), all);
    return lanes[0] & lanes[1] & lanes[2] & lanes[3] & swapRedAndBluePlainly(in + x, out + x, count - x);
}
#endif

using RowCopy = std::uint32_t (*)(const std::uint32_t*, std::uint32_t*, int);

RowCopy swapRedAndBlue() {
#if defined(__x86_64__)
    static const RowCopy chosen = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("ssse3") ? &swapRedAndBlueShuffled : &swapRedAndBluePlainly;
    }();
    return chosen;
#else
    return &swapRedAndBluePlainly;
#endif
}

// Copies the picture's rows to `origin` on the canvas as long as every pixel is
// opaque; false at the first row that holds one that is not (the rows copied so far
// are to be painted over).
bool copyOpaqueRows(const QImage& image, QImage& canvas, QPoint origin) {
    const std::optional<PixelWord> word = pixelWord(image.format());
    if (!word) return false;
    const RowCopy copyRow = *word == PixelWord::argb ? &copyWords : swapRedAndBlue();
    uchar* canvasBits = canvas.bits();
    const qsizetype canvasStride = canvas.bytesPerLine();
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const auto* in = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        auto* out = reinterpret_cast<std::uint32_t*>(canvasBits + (origin.y() + y) * canvasStride) + origin.x();
        if ((copyRow(in, out, width) & kOpaqueAlpha) != kOpaqueAlpha) return false;
    }
    return true;
}

// The picture in its rectangle of a canvas not yet painted there, as drawing it over
// the canvas's background gives. An opaque picture covers any background, so its
// pixels are copied; any other is drawn over the filled rectangle. A reduction is
// made with area averaging first (bilinear sampling alone would alias it).
void placeImage(QImage& canvas, const QImage& image, const QRect& target, QRgb backgroundPixel) {
    const QImage sized = image.size() == target.size()
                             ? image
                             : image.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (copyOpaqueRows(sized, canvas, target.topLeft())) return;
    for (int y = target.top(); y <= target.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(canvas.scanLine(y)) + target.left();
        std::fill_n(row, target.width(), backgroundPixel);
    }
    QPainter painter(&canvas);
    prepare(painter);
    painter.drawImage(target.topLeft(), sized);
}

void drawAnnotations(QPainter& painter, const StillImageRenderSnapshot& snapshot, const QRect& pane) {
    if (snapshot.annotations.empty()) return;
    painter.save();
    painter.setClipRect(pane);
    painter.translate(pane.topLeft());
    painter.scale(double(pane.width()) / double(snapshot.simulation.width()),
                  double(pane.height()) / double(snapshot.simulation.height()));
    for (const AnnotationObject& object : snapshot.annotations) drawAnnotationObject(painter, object);
    painter.restore();
}

QRectF wholeRect(const QImage& canvas) { return QRectF(0.0, 0.0, canvas.width(), canvas.height()); }

double shorterSide(const QRectF& rect) { return std::min(rect.width(), rect.height()); }

WatermarkTextLayout contactLayout(const QString& text, double fontSize, double wrapWidth) {
    return WatermarkTextLayout(text, fontSize, kContactLetterSpacingFraction * fontSize, wrapWidth);
}

struct FittedContactBlock {
    StillImageTextPlacement placement;
    WatermarkTextLayout layout;
};

// The contact block's placement and the layout that fits there, so that drawing it
// lays the text out no second time.
std::optional<FittedContactBlock> fittedContactBlock(const QString& contactText, const QRectF& rect) {
    if (contactText.isEmpty()) return std::nullopt;
    const double margin = StillImageComposer::watermarkMargin(rect);
    const double maximumWidth = std::max(rect.width() * kContactExtentFraction - margin, 1.0);
    const double maximumHeight = std::max(rect.height() * kContactExtentFraction - margin, 1.0);

    double size = StillImageComposer::watermarkFontSize(rect);
    WatermarkTextLayout layout = contactLayout(contactText, size, maximumWidth);
    while (layout.size().height() > maximumHeight && size > StillImageComposer::kMinimumContactFontSize) {
        size = std::max(size - 1.0, StillImageComposer::kMinimumContactFontSize);
        layout = contactLayout(contactText, size, maximumWidth);
    }
    const double height = layout.size().height();
    const QRectF box(rect.left() + margin, rect.bottom() - margin - height, maximumWidth, height);
    return FittedContactBlock{StillImageTextPlacement{size, box}, std::move(layout)};
}

QStringList addressLines(const QString& address) {
    QString unified = address;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    unified.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines;
    for (const QString& line : unified.split(QLatin1Char('\n'))) {
        if (const QString trimmed = line.trimmed(); !trimmed.isEmpty()) lines.append(trimmed);
    }
    return lines;
}

}  // namespace

Result<QImage> StillImageComposer::renderSingle(StillImageKind kind, const StillImageRenderSnapshot& snapshot,
                                                const StillImageExportOptions& options) {
    VLT_PRECONDITION(options.individualMaximumDimension >= 1, "individual maximum below 1");
    VLT_PRECONDITION(kind != StillImageKind::comparison, "a comparison is no single image");

    // 1. The output size of the image being output; only that image need be there.
    const QImage& image = kind == StillImageKind::original ? snapshot.original : snapshot.simulation;
    VLT_PRECONDITION(!image.isNull(), "snapshot image without a size");
    const StillImagePixelSize size = canvasSize(kind, image.width(), image.height(), options);

    // 2. The canvas, the picture over all of it.
    std::optional<QImage> canvas = makeCanvas(size.width, size.height);
    if (!canvas) return renderFailed();
    const QRect whole(0, 0, canvas->width(), canvas->height());
    placeImage(*canvas, image, whole, background(options));
    QPainter painter;
    if (!painter.begin(&*canvas)) return renderFailed();
    prepare(painter);

    // 3. Annotations, label and contact block.
    if (kind == StillImageKind::simulation) drawAnnotations(painter, snapshot, whole);
    const ApplicationSettings& texts = options.watermarkSettings;
    if (options.includeLabels) {
        const bool isOriginal = kind == StillImageKind::original;
        drawLabel(painter, isOriginal ? texts.originalComparisonLabel : texts.simulationComparisonLabel, !isOriginal,
                  wholeRect(*canvas));
    }
    if (options.includeContactInformation) drawContactBlock(painter, contactText(texts), wholeRect(*canvas));
    if (!painter.end()) return renderFailed();
    return *std::move(canvas);
}

Result<QImage> StillImageComposer::renderComparison(const StillImageRenderSnapshot& snapshot,
                                                    const StillImageExportOptions& options) {
    expectDrawable(snapshot);
    VLT_PRECONDITION(options.comparisonMaximumStackedDimension >= 2, "comparison maximum below 2");

    // 1. Layout from the Original's size.
    const StillImageComparisonLayout layout = comparisonLayout(snapshot.original.width(), snapshot.original.height(),
                                                               options.comparisonMaximumStackedDimension);
    std::optional<QImage> canvas = makeCanvas(layout.canvasWidth, layout.canvasHeight);
    if (!canvas) return renderFailed();

    // 2. Panes, which tile the canvas: Original left or below, Simulation right or on top.
    const int paneWidth = int(layout.paneWidth);
    const int paneHeight = int(layout.paneHeight);
    const QRect originalPane =
        layout.isStacked ? QRect(0, paneHeight, paneWidth, paneHeight) : QRect(0, 0, paneWidth, paneHeight);
    const QRect simulationPane =
        layout.isStacked ? QRect(0, 0, paneWidth, paneHeight) : QRect(paneWidth, 0, paneWidth, paneHeight);
    placeImage(*canvas, snapshot.original, originalPane, background(options));
    placeImage(*canvas, snapshot.simulation, simulationPane, background(options));
    QPainter painter;
    if (!painter.begin(&*canvas)) return renderFailed();
    prepare(painter);
    drawAnnotations(painter, snapshot, simulationPane);

    // 3. Labels in the halves, contact block over the whole.
    const QRectF whole = wholeRect(*canvas);
    const ApplicationSettings& texts = options.watermarkSettings;
    if (options.includeLabels) {
        const double halfWidth = whole.width() / 2.0;
        const double halfHeight = whole.height() / 2.0;
        if (layout.isStacked) {
            drawLabel(painter, texts.originalComparisonLabel, false,
                      QRectF(whole.x(), whole.y() + halfHeight, whole.width(), halfHeight));
            drawLabel(painter, texts.simulationComparisonLabel, true,
                      QRectF(whole.x(), whole.y(), whole.width(), halfHeight));
        } else {
            drawLabel(painter, texts.originalComparisonLabel, false,
                      QRectF(whole.x(), whole.y(), halfWidth, whole.height()));
            drawLabel(painter, texts.simulationComparisonLabel, true,
                      QRectF(whole.x() + halfWidth, whole.y(), halfWidth, whole.height()));
        }
    }
    if (options.includeContactInformation) drawContactBlock(painter, contactText(texts), whole);
    if (!painter.end()) return renderFailed();
    return *std::move(canvas);
}

Result<QImage> StillImageComposer::render(StillImageKind kind, const StillImageRenderSnapshot& snapshot,
                                          const StillImageExportOptions& options) {
    if (kind == StillImageKind::comparison) return renderComparison(snapshot, options);
    return renderSingle(kind, snapshot, options);
}

QString StillImageComposer::contactText(const ApplicationSettings& settings) {
    QStringList pieces;
    for (const QString* field :
         {&settings.contactName, &settings.contactEmail, &settings.contactPhoneNumber, &settings.contactWebsite}) {
        if (const QString trimmed = field->trimmed(); !trimmed.isEmpty()) pieces.append(trimmed);
    }
    pieces.append(addressLines(settings.contactAddress));
    if (const QString freeText = settings.contactFreeText.trimmed(); !freeText.isEmpty()) pieces.append(freeText);
    return pieces.join(QLatin1Char('\n'));
}

StillImagePixelSize StillImageComposer::scaledSize(std::int64_t width, std::int64_t height, double scale) {
    auto side = [scale](std::int64_t length) {
        return std::max<std::int64_t>(std::llround(double(length) * scale), 1);
    };
    return {side(width), side(height)};
}

StillImageComparisonLayout StillImageComposer::comparisonLayout(std::int64_t width, std::int64_t height,
                                                                std::int64_t maximum) {
    const double scale = std::min(double(maximum) / (2.0 * double(std::min(width, height))), 1.0);
    const StillImagePixelSize pane = scaledSize(width, height, scale);
    const bool stacked = height < width;
    return {pane.width, pane.height, stacked ? pane.width : 2 * pane.width, stacked ? 2 * pane.height : pane.height,
            stacked};
}

StillImagePixelSize StillImageComposer::canvasSize(StillImageKind kind, std::int64_t width, std::int64_t height,
                                                   const StillImageExportOptions& options) {
    if (kind == StillImageKind::comparison) {
        const StillImageComparisonLayout layout =
            comparisonLayout(width, height, options.comparisonMaximumStackedDimension);
        return {layout.canvasWidth, layout.canvasHeight};
    }
    const double longer = double(std::max(width, height));
    const double scale = std::min(double(options.individualMaximumDimension) / longer, 1.0);
    return scaledSize(width, height, scale);
}

std::optional<QImage> StillImageComposer::makeCanvas(std::int64_t width, std::int64_t height) {
    if (width < 1 || height < 1 || width > INT_MAX || height > INT_MAX) return std::nullopt;
    QImage canvas =
        StillImageCanvasReserve::shared().takeCanvas(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    if (canvas.isNull()) canvas = QImage(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    if (canvas.isNull()) return std::nullopt;
    return canvas;
}

double StillImageComposer::watermarkFontSize(const QRectF& rect) {
    const double shorter = std::min(std::floor(rect.height()), std::floor(rect.width()));
    return std::clamp(shorter * kFontSizeFraction, kMinimumFontSize, kMaximumFontSize);
}

double StillImageComposer::watermarkMargin(const QRectF& rect) {
    return std::clamp(shorterSide(rect) * kMarginFraction, kMinimumMargin, kMaximumMargin);
}

void StillImageComposer::drawLabel(QPainter& painter, const QString& label, bool alignRight, const QRectF& rect) {
    const QString text = label.trimmed();
    if (text.isEmpty()) return;
    const double margin = watermarkMargin(rect);
    const WatermarkTextLayout layout(text, watermarkFontSize(rect));
    const double x = alignRight ? rect.right() - margin - layout.size().width() : rect.left() + margin;
    layout.draw(painter, QPointF(x, rect.top() + margin));
}

std::optional<StillImageTextPlacement> StillImageComposer::contactBlockPlacement(const QString& contactText,
                                                                                 const QRectF& rect) {
    const std::optional<FittedContactBlock> fitted = fittedContactBlock(contactText, rect);
    if (!fitted) return std::nullopt;
    return fitted->placement;
}

void StillImageComposer::drawContactBlock(QPainter& painter, const QString& contactText, const QRectF& rect) {
    const std::optional<FittedContactBlock> fitted = fittedContactBlock(contactText, rect);
    if (!fitted) return;
    fitted->layout.draw(painter, fitted->placement.rect.topLeft());
}

}  // namespace vlt
