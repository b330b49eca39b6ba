#include <gtest/gtest.h>

#include "editing/renderer/default_gpu_device.h"
#include "renderer_test_support.h"
#include "shaders/shader_library.h"

namespace vlt {
namespace {

using Case = MetalDeformationFailure::Case;

Result<std::unique_ptr<MetalDeformationRenderer>, MetalDeformationFailure> create(
    const std::shared_ptr<GpuDevice>& device) {
    return MetalDeformationRenderer::create(device, testing::syntheticCanvas(64, 48), GpuPixelFormat::bgra8UnormSrgb);
}

MetalDeformationFailure failureOf(const std::shared_ptr<GpuDevice>& device) {
    auto made = create(device);
    EXPECT_FALSE(made.ok());
    return made.ok() ? MetalDeformationFailure() : made.error();
}

TEST(MetalDeformationFailure, NamesItsCasesWithStableCodes) {
    const MetalDeformationFailure missing = MetalDeformationFailure::shaderFunction("imageVertex/imageFragment");
    EXPECT_EQ(missing.diagnosticCode(), "metal-shader-unavailable");
    EXPECT_EQ(missing.functionName(), "imageVertex/imageFragment");
    EXPECT_EQ(missing.domain(), "VltMac.MetalDeformationFailure");
    EXPECT_EQ(missing.code(), 0);
    EXPECT_EQ(missing.userMessage(), "");

    const std::vector<std::pair<Case, std::string>> others = {
        {Case::noDevice, "metal-device-unavailable"},
        {Case::textureCreation, "metal-texture-creation-failed"},
        {Case::pipelineCreation, "metal-pipeline-creation-failed"},
        {Case::commandEncoding, "metal-command-encoding-failed"},
        {Case::commandExecution, "metal-command-execution-failed"},
    };
    for (std::size_t i = 0; i < others.size(); ++i) {
        const MetalDeformationFailure failure(others[i].first);
        EXPECT_EQ(failure.diagnosticCode(), others[i].second);
        EXPECT_EQ(failure.code(), static_cast<std::int64_t>(i));
    }
}

TEST(MetalDeformationRendererSetUp, BuildsWithAClearedFieldOfTheCanvasSize) {
    auto renderer = testing::makeRenderer(testing::makeDevice(), testing::syntheticCanvas(70, 30));
    ASSERT_NE(renderer, nullptr);
    EXPECT_EQ(renderer->width(), 70);
    EXPECT_EQ(renderer->height(), 30);
    const std::vector<std::uint8_t> field = testing::readField(*renderer);
    ASSERT_EQ(field.size(), 70u * 30u * 8u);
    EXPECT_TRUE(std::all_of(field.begin(), field.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST(MetalDeformationRendererSetUp, TheDefaultDeviceIsSharedAndCarriesTheShaderLibrary) {
    EXPECT_EQ(defaultGpuDevice(), defaultGpuDevice());
    EXPECT_NE(testing::makeRenderer(defaultGpuDevice(), testing::syntheticCanvas(8, 8)), nullptr);
}

TEST(MetalDeformationRendererSetUp, WithoutADeviceOrQueueTheDeviceIsUnavailable) {
    EXPECT_EQ(failureOf(nullptr), MetalDeformationFailure(Case::noDevice));
    auto device = testing::makeDevice();
    device->faultInjector().inject(GpuFaultPoint::commandQueue);
    EXPECT_EQ(failureOf(device), MetalDeformationFailure(Case::noDevice));
}

TEST(MetalDeformationRendererSetUp, TexturesThatCannotBeMadeFailTextureCreation) {
    for (int skipped : {0, 1}) {
        auto device = testing::makeDevice();
        device->faultInjector().inject(GpuFaultPoint::texture, skipped);
        EXPECT_EQ(failureOf(device), MetalDeformationFailure(Case::textureCreation)) << skipped;
    }
    auto device = testing::makeDevice();
    EXPECT_EQ(MetalDeformationRenderer::create(device, QImage(), GpuPixelFormat::bgra8UnormSrgb).error(),
              MetalDeformationFailure(Case::textureCreation));
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
        const MetalDeformationFailure failure = failureOf(testing::makeDevice(library.without(missing)));
        EXPECT_EQ(failure, MetalDeformationFailure::shaderFunction(reported)) << missing;
        EXPECT_EQ(failure.diagnosticCode(), "metal-shader-unavailable");
    }
}

TEST(MetalDeformationRendererSetUp, RefusedPipelinesFailPipelineCreation) {
    for (GpuFaultPoint point : {GpuFaultPoint::computePipeline, GpuFaultPoint::renderPipeline}) {
        for (int skipped : {0, 1}) {
            auto device = testing::makeDevice();
            device->faultInjector().inject(point, skipped);
            EXPECT_EQ(failureOf(device), MetalDeformationFailure(Case::pipelineCreation));
        }
    }
}

TEST(MetalDeformationRendererSetUp, AFailedInitialClearFailsCommandEncoding) {
    for (GpuFaultPoint point : {GpuFaultPoint::commandBuffer, GpuFaultPoint::computeEncoder}) {
        auto device = testing::makeDevice();
        device->faultInjector().inject(point);
        EXPECT_EQ(failureOf(device), MetalDeformationFailure(Case::commandEncoding));
    }
}

}  // namespace
}  // namespace vlt
