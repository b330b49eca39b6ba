#include <algorithm>
#include <tuple>
#include <utility>

#include <gtest/gtest.h>

#include "editing/renderer/default_gpu_device.h"
#include "renderer_test_support.h"
#include "shaders/shader_library.h"

namespace vlt {
namespace {

using Case = MetalDeformationFailure::Case;

MetalDeformationFailure failureOf(const std::shared_ptr<GpuDevice>& device,
                                  const QImage& canvas = testing::syntheticCanvas(64, 48)) {
    auto made = MetalDeformationRenderer::create(device, canvas, GpuPixelFormat::bgra8UnormSrgb);
    EXPECT_FALSE(made.ok());
    return made.ok() ? MetalDeformationFailure() : made.error();
}

// The default device is shared and carries the shader library.
TEST(MetalDeformationRendererSetUp, BuildsOnTheDefaultDeviceWithAClearedFieldOfTheCanvasSize) {
    EXPECT_EQ(defaultGpuDevice(), defaultGpuDevice());
    auto renderer = testing::makeRenderer(defaultGpuDevice(), testing::syntheticCanvas(70, 30));
    ASSERT_NE(renderer, nullptr);
    EXPECT_EQ(renderer->width(), 70);
    EXPECT_EQ(renderer->height(), 30);
    const std::vector<std::uint8_t> field = testing::readField(*renderer);
    ASSERT_EQ(field.size(), 70u * 30u * 8u);
    EXPECT_TRUE(std::all_of(field.begin(), field.end(), [](std::uint8_t b) { return b == 0; }));
}

// Each step of the set-up that the device refuses, the first time or after one success.
TEST(MetalDeformationRendererSetUp, RefusedStepsFailWithTheirCase) {
    EXPECT_EQ(failureOf(nullptr), MetalDeformationFailure(Case::noDevice));
    EXPECT_EQ(failureOf(testing::makeDevice(), QImage()), MetalDeformationFailure(Case::textureCreation));
    const std::vector<std::tuple<GpuFaultPoint, int, Case>> cases = {
        {GpuFaultPoint::commandQueue, 0, Case::noDevice},
        {GpuFaultPoint::texture, 0, Case::textureCreation},
        {GpuFaultPoint::texture, 1, Case::textureCreation},
        {GpuFaultPoint::computePipeline, 0, Case::pipelineCreation},
        {GpuFaultPoint::computePipeline, 1, Case::pipelineCreation},
        {GpuFaultPoint::renderPipeline, 0, Case::pipelineCreation},
        {GpuFaultPoint::renderPipeline, 1, Case::pipelineCreation},
        // The initial clear.
        {GpuFaultPoint::commandBuffer, 0, Case::commandEncoding},
        {GpuFaultPoint::computeEncoder, 0, Case::commandEncoding},
    };
    for (const auto& [point, skipped, expected] : cases) {
        auto device = testing::makeDevice();
        device->faultInjector().inject(point, skipped);
        EXPECT_EQ(failureOf(device), MetalDeformationFailure(expected)) << toString(point) << " after " << skipped;
    }
}

// Frames are opaque only when every pixel of the canvas is. An opaque premultiplied
// canvas, the application's, is taken as it is and shows the same pixels as its straight
// copy; one translucent pixel anywhere, in the middle of a row or in its last few
// pixels, makes the frames translucent.
TEST(MetalDeformationRendererSetUp, FramesAreOpaqueOnlyWhenEveryCanvasPixelIs) {
    constexpr int kWidth = 37;
    constexpr int kHeight = 5;
    const QImage premultiplied =
        testing::syntheticCanvas(kWidth, kHeight).convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    auto opaque = testing::makeRenderer(defaultGpuDevice(), premultiplied);
    auto straight = testing::makeRenderer(defaultGpuDevice(), premultiplied.convertToFormat(QImage::Format_RGBA8888));
    ASSERT_NE(opaque, nullptr);
    ASSERT_NE(straight, nullptr);
    EXPECT_TRUE(opaque->drawsOpaqueFrames());
    EXPECT_TRUE(straight->drawsOpaqueFrames());
    EXPECT_EQ(testing::renderedOutput(*opaque, 1.0f, kWidth, kHeight),
              testing::renderedOutput(*straight, 1.0f, kWidth, kHeight));

    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{9, 2}, std::pair{kWidth - 1, 3}, std::pair{kWidth - 2, 4}}) {
        for (const int alpha : {0, 254}) {
            QImage translucent = premultiplied;
            translucent.setPixelColor(x, y, QColor(0, 0, 0, alpha));
            auto renderer = testing::makeRenderer(defaultGpuDevice(), translucent);
            ASSERT_NE(renderer, nullptr);
            EXPECT_FALSE(renderer->drawsOpaqueFrames()) << x << "," << y << " alpha " << alpha;
        }
    }
}

TEST(MetalDeformationRendererSetUp, MissingShaderFunctionsAreNamed) {
    EXPECT_EQ(failureOf(GpuDevice::create({std::nullopt, 0})),
              MetalDeformationFailure::shaderFunction("default library"));
    const GpuFunctionLibrary library = makeShaderLibrary();
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"clearDisplacement", "clearDisplacement"},
        {"composeDisplacement", "composeDisplacement"},
        {"imageVertex", "imageVertex/imageFragment"},
        {"imageFragment", "imageVertex/imageFragment"},
        {"backgroundVertex", "backgroundVertex/backgroundFragment"},
        {"backgroundFragment", "backgroundVertex/backgroundFragment"},
    };
    for (const auto& [missing, reported] : cases) {
        EXPECT_EQ(failureOf(GpuDevice::create({library.without(missing), 0})),
                  MetalDeformationFailure::shaderFunction(reported))
            << missing;
    }
}

}  // namespace
}  // namespace vlt
