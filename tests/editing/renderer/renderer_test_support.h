#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include <QImage>

#include "editing/engine/brush_stamp.h"
#include "editing/engine/float2.h"
#include "editing/renderer/metal_deformation_renderer.h"
#include "platform/gpu/gpu_device.h"
#include "platform/gpu/gpu_test_support.h"

namespace vlt {

// Readable failures in test messages.
void PrintTo(const MetalDeformationFailure& failure, std::ostream* stream);

}  // namespace vlt

namespace vlt::testing {

std::shared_ptr<GpuDevice> makeDevice(int maximumConcurrency = 0);

// Light grey with a dark 16-pixel grid and a few coloured discs: every displacement
// shows in it. Opaque, Format_RGB32.
QImage syntheticCanvas(int width, int height);
// White with one black disc.
QImage discCanvas(int width, int height, Float2 center, float radius);

std::unique_ptr<MetalDeformationRenderer> makeRenderer(const std::shared_ptr<GpuDevice>& device, const QImage& canvas);

// The whole field's bytes, rows top to bottom.
std::vector<std::uint8_t> readField(MetalDeformationRenderer& renderer);

Result<QImage, MetalDeformationFailure> outputImage(MetalDeformationRenderer& renderer, float scale, std::int64_t width,
                                                    std::int64_t height);
// The output image; when there is none, the calling test fails and gets an empty image,
// instead of the whole test program ending on the missing value.
QImage renderedOutput(MetalDeformationRenderer& renderer, float scale, std::int64_t width, std::int64_t height);

// The stamps a stroke through the points makes, as the canvas queues it.
std::vector<BrushStamp> strokeStamps(DeformationTool tool, const std::vector<Float2>& points, float radius);

// The canvas image in the output image's layout and colour space, for comparisons.
QImage asOutput(const QImage& canvas);

// Count and centroid of the pixels darker than half grey.
struct DarkArea {
    std::int64_t count = 0;
    double centerX = 0.0;
    double centerY = 0.0;
};
DarkArea darkArea(const QImage& image);

}  // namespace vlt::testing
