#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "gpu_test_support.h"
#include "platform/gpu/gpu_device.h"

namespace vlt {
namespace {

// Adds 1 to every texel of its grid and records the grid position in y, so a test
// can see that each thread ran exactly once and where.
void countThreads(const GpuArguments& arguments, const GpuGridRegion& region) {
    GpuTexture& target = *arguments.texture(0);
    const auto offset = arguments.bytes<float>(0);
    for (std::uint32_t y = region.y0; y < region.y1; ++y) {
        float* row = target.row<float>(y);
        for (std::uint32_t x = region.x0; x < region.x1; ++x) {
            row[2 * x] += 1.0f;
            row[2 * x + 1] = static_cast<float>(y * 1000 + x) + offset;
        }
    }
}

std::vector<std::uint8_t> runCount(int concurrency, std::int64_t width, std::int64_t height) {
    auto device = GpuDevice::create({GpuFunctionLibrary({GpuFunction::compute("count", &countThreads)}), concurrency});
    auto queue = device->makeCommandQueue();
    auto texture = device->makeTexture(
        {GpuPixelFormat::rg32Float, width, height, GpuTextureUsage::shaderRead | GpuTextureUsage::shaderWrite});
    auto pipeline = device->makeComputePipeline(*device->makeDefaultLibrary()->makeFunction("count"));
    auto commands = queue->makeCommandBuffer();
    auto encoder = commands->makeComputeEncoder();
    encoder->setComputePipeline(pipeline);
    encoder->setTexture(texture, 0);
    const float offset = 0.25f;
    encoder->setBytes(&offset, sizeof offset, 0);
    encoder->dispatchThreads({width, height}, {32, 32});
    encoder->endEncoding();
    commands->commit();
    commands->waitUntilCompleted();
    return {texture->data(), texture->data() + texture->rowBytes() * height};
}

TEST(GpuCompute, RunsEveryThreadOfTheGridExactlyOnceGivingTheSameBytesWithOneThreadOrMany) {
    const std::int64_t width = 301;
    const std::int64_t height = 257;
    const std::vector<std::uint8_t> bytes = runCount(1, width, height);
    EXPECT_EQ(bytes, runCount(8, width, height));
    for (std::int64_t y = 0; y < height; ++y) {
        for (std::int64_t x = 0; x < width; ++x) {
            float texel[2];
            std::memcpy(texel, bytes.data() + (y * width + x) * 8, sizeof texel);
            ASSERT_EQ(texel[0], 1.0f) << x << "," << y;
            ASSERT_EQ(texel[1], static_cast<float>(y * 1000 + x) + 0.25f);
        }
    }
}

TEST(GpuCompute, RefusesAFunctionOfTheWrongKindAsAPipeline) {
    auto device = GpuDevice::create();
    const GpuFunction vertex = GpuFunction::vertex("v", [](std::uint32_t, const GpuArguments&) { return GpuFloat4{}; });
    EXPECT_EQ(device->makeComputePipeline(vertex), nullptr);
    EXPECT_EQ(device->makeRenderPipeline({vertex, vertex, GpuPixelFormat::bgra8UnormSrgb}), nullptr);
}

struct BlitFixture : ::testing::Test {
    std::shared_ptr<GpuDevice> device = GpuDevice::create();
    std::shared_ptr<GpuCommandQueue> queue = device->makeCommandQueue();

    void run(const std::function<void(GpuBlitEncoder&)>& encode) {
        auto commands = queue->makeCommandBuffer();
        auto blit = commands->makeBlitEncoder();
        encode(*blit);
        blit->endEncoding();
        commands->commit();
        commands->waitUntilCompleted();
    }
};

TEST_F(BlitFixture, CopiesATextureRectangleIntoPaddedBufferRowsAndBack) {
    auto source = testing::makeFilledTexture(*device, GpuPixelFormat::rg32Float, 50, 40, GpuTextureUsage::shaderRead);
    const GpuRegion region{{7, 3}, {20, 5}};
    const std::size_t pitch = 256;
    auto buffer = device->makeBuffer(pitch * 5);
    run([&](GpuBlitEncoder& blit) { blit.copy(source, region, buffer, 0, pitch); });
    for (std::int64_t r = 0; r < 5; ++r) {
        const std::uint8_t* expected = source->data() + (3 + r) * source->rowBytes() + 7 * 8;
        ASSERT_EQ(std::memcmp(buffer->contents() + r * pitch, expected, 160), 0);
        for (std::size_t pad = 160; pad < pitch; ++pad) ASSERT_EQ(buffer->contents()[r * pitch + pad], 0);
    }

    auto destination = device->makeTexture({GpuPixelFormat::rg32Float, 30, 30, GpuTextureUsage::shaderRead});
    run([&](GpuBlitEncoder& blit) { blit.copy(buffer, 0, pitch, destination, {{10, 20}, {20, 5}}); });
    for (std::int64_t r = 0; r < 5; ++r) {
        ASSERT_EQ(std::memcmp(destination->data() + (20 + r) * destination->rowBytes() + 10 * 8,
                              buffer->contents() + r * pitch, 160),
                  0);
    }
    EXPECT_EQ(destination->data()[0], 0);
}

TEST_F(BlitFixture, CopiesBetweenTexturesAndFillsBuffers) {
    auto source =
        testing::makeFilledTexture(*device, GpuPixelFormat::rgba8UnormSrgb, 16, 16, GpuTextureUsage::shaderRead);
    auto destination = device->makeTexture({GpuPixelFormat::rgba8UnormSrgb, 8, 8, GpuTextureUsage::shaderRead});
    auto buffer = device->makeBuffer(32);
    run([&](GpuBlitEncoder& blit) {
        blit.copy(source, {{4, 4}, {3, 2}}, destination, {5, 6});
        blit.fill(buffer, 8, 16, 0xAB);
    });
    EXPECT_EQ(std::memcmp(destination->data() + 6 * 32 + 5 * 4, source->data() + 4 * 64 + 4 * 4, 12), 0);
    EXPECT_EQ(std::memcmp(destination->data() + 7 * 32 + 5 * 4, source->data() + 5 * 64 + 4 * 4, 12), 0);
    EXPECT_EQ(destination->data()[6 * 32 + 4 * 4], 0);
    EXPECT_EQ(buffer->contents()[7], 0);
    EXPECT_EQ(buffer->contents()[8], 0xAB);
    EXPECT_EQ(buffer->contents()[23], 0xAB);
    EXPECT_EQ(buffer->contents()[24], 0);
}

}  // namespace
}  // namespace vlt
