#include "renderer_test_support.h"

#include <gtest/gtest.h>

#include <QColorSpace>
#include <QPainter>

#include "editing/engine/queued_stroke_processor.h"
#include "shaders/shader_library.h"

namespace vlt {

void PrintTo(const MetalDeformationFailure& failure, std::ostream* stream) {
    *stream << failure.diagnosticCode();
    if (!failure.functionName().empty()) *stream << " (" << failure.functionName() << ")";
}

}  // namespace vlt

namespace vlt::testing {

std::shared_ptr<GpuDevice> makeDevice(int maximumConcurrency) {
    return GpuDevice::create({makeShaderLibrary(), maximumConcurrency});
}

QImage syntheticCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(220, 220, 215));
    QPainter painter(&image);
    painter.setPen(QPen(QColor(40, 40, 60), 2));
    for (int x = 0; x < width; x += 16) painter.drawLine(x, 0, x, height);
    for (int y = 0; y < height; y += 16) painter.drawLine(0, y, width, y);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 40, 40));
    painter.drawEllipse(QPointF(width * 0.3, height * 0.4), width * 0.12, width * 0.12);
    painter.setBrush(QColor(40, 120, 200));
    painter.drawEllipse(QPointF(width * 0.7, height * 0.6), width * 0.08, width * 0.08);
    return image;
}

QImage discCanvas(int width, int height, Float2 center, float radius) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(center.x + 0.5, center.y + 0.5), radius, radius);
    return image;
}

std::unique_ptr<MetalDeformationRenderer> makeRenderer(const std::shared_ptr<GpuDevice>& device, const QImage& canvas) {
    auto made = MetalDeformationRenderer::create(device, canvas, GpuPixelFormat::bgra8UnormSrgb);
    if (!made) return nullptr;
    return std::move(made).value();
}

std::vector<std::uint8_t> readField(MetalDeformationRenderer& renderer) {
    std::optional<std::vector<DeformationTileSnapshot>> snapshots;
    auto started =
        renderer.readTiles({{0, 0, renderer.width(), renderer.height()}},
                           [&](Result<std::vector<DeformationTileSnapshot>, MetalDeformationFailure> result) {
                               if (result) snapshots = std::move(result).value();
                           });
    if (!started || !processEventsUntil([&] { return snapshots.has_value(); })) return {};
    return std::move(snapshots->front().bytes);
}

Result<QImage, MetalDeformationFailure> outputImage(MetalDeformationRenderer& renderer, float scale, std::int64_t width,
                                                    std::int64_t height) {
    std::optional<Result<QImage, MetalDeformationFailure>> outcome;
    renderer.makeOutputImage(scale, width, height,
                             [&](Result<QImage, MetalDeformationFailure> result) { outcome = std::move(result); });
    if (!processEventsUntil([&] { return outcome.has_value(); })) return MetalDeformationFailure();
    return std::move(*outcome);
}

QImage renderedOutput(MetalDeformationRenderer& renderer, float scale, std::int64_t width, std::int64_t height) {
    Result<QImage, MetalDeformationFailure> made = outputImage(renderer, scale, width, height);
    if (made) return std::move(made).value();
    ADD_FAILURE() << "no output image of " << width << " by " << height;
    return {};
}

std::vector<BrushStamp> strokeStamps(DeformationTool tool, const std::vector<Float2>& points, float radius) {
    QueuedStrokeProcessor processor;
    processor.append(StrokeSample::begin(tool, points.front(), radius));
    for (std::size_t i = 1; i < points.size(); ++i) processor.append(StrokeSample::move(tool, points[i], radius));
    processor.append(StrokeSample::end());
    std::vector<BrushStamp> stamps;
    processor.drain(stamps);
    return stamps;
}

QImage asOutput(const QImage& canvas) {
    QImage image = canvas.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setColorSpace(QColorSpace(QColorSpace::SRgb));
    return image;
}

DarkArea darkArea(const QImage& image) {
    DarkArea area;
    double sumX = 0.0;
    double sumY = 0.0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) >= 128) continue;
            ++area.count;
            sumX += x;
            sumY += y;
        }
    }
    if (area.count > 0) {
        area.centerX = sumX / static_cast<double>(area.count);
        area.centerY = sumY / static_cast<double>(area.count);
    }
    return area;
}

}  // namespace vlt::testing
