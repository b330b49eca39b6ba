#include <algorithm>
#include <cstring>

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "renderer_test_support.h"

namespace vlt {
namespace {

using Case = MetalDeformationFailure::Case;
using Snapshots = Result<std::vector<DeformationTileSnapshot>, MetalDeformationFailure>;

constexpr int kWidth = 300;
constexpr int kHeight = 200;

std::vector<std::uint8_t> pattern(const PixelRegion& region, float seed) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(region.width * region.height * 8));
    for (std::int64_t i = 0; i < region.width * region.height; ++i) {
        const float texel[2] = {seed + static_cast<float>(i % 97) * 0.25f, -seed - static_cast<float>(i % 13)};
        std::memcpy(bytes.data() + i * 8, texel, 8);
    }
    return bytes;
}

struct TransferFixture : ::testing::Test {
    std::shared_ptr<GpuDevice> device = testing::makeDevice();
    QImage canvas = testing::syntheticCanvas(kWidth, kHeight);
    std::unique_ptr<MetalDeformationRenderer> renderer = testing::makeRenderer(device, canvas);

    std::optional<Snapshots> read(std::vector<PixelRegion> regions) {
        std::optional<Snapshots> outcome;
        auto started = renderer->readTiles(std::move(regions), [&](Snapshots result) { outcome = std::move(result); });
        if (!started) return Snapshots(started.error());
        EXPECT_TRUE(testing::processEventsUntil([&] { return outcome.has_value(); }));
        return outcome;
    }

    std::optional<Result<void, MetalDeformationFailure>> write(std::vector<DeformationTileUpload> tiles) {
        std::optional<Result<void, MetalDeformationFailure>> outcome;
        auto started = renderer->upload(
            std::move(tiles), [&](Result<void, MetalDeformationFailure> result) { outcome = std::move(result); });
        if (!started) return started;
        EXPECT_TRUE(testing::processEventsUntil([&] { return outcome.has_value(); }));
        return outcome;
    }
};

TEST_F(TransferFixture, EmptyListsCompleteBeforeReturningWithoutGpuWork) {
    const int buffersBefore = device->faultInjector().requestCount(GpuFaultPoint::commandBuffer);
    bool readDone = false;
    bool uploadDone = false;
    EXPECT_TRUE(
        renderer->readTiles({}, [&](Snapshots result) { readDone = result.ok() && result.value().empty(); }).ok());
    EXPECT_TRUE(
        renderer->upload({}, [&](Result<void, MetalDeformationFailure> result) { uploadDone = result.ok(); }).ok());
    EXPECT_TRUE(readDone);
    EXPECT_TRUE(uploadDone);
    EXPECT_EQ(device->faultInjector().requestCount(GpuFaultPoint::commandBuffer), buffersBefore);
}

TEST_F(TransferFixture, UploadedRectanglesReadBackByteForByteInRegionOrder) {
    const PixelRegion tile{128, 0, 128, 128};
    const PixelRegion edge{256, 128, 44, 72};
    const PixelRegion odd{3, 150, 100, 5};
    ASSERT_TRUE(write({{tile, pattern(tile, 1.5f)}, {edge, pattern(edge, 2.5f)}, {odd, pattern(odd, 3.5f)}})->ok());

    const auto snapshots = read({odd, tile, edge});
    ASSERT_TRUE(snapshots->ok());
    const auto& list = snapshots->value();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].region, odd);
    EXPECT_EQ(list[0].bytes.size(), 4000u);
    EXPECT_EQ(list[0].bytes, pattern(odd, 3.5f));
    EXPECT_EQ(list[1].bytes.size(), 131072u);
    EXPECT_EQ(list[1].bytes, pattern(tile, 1.5f));
    EXPECT_EQ(list[2].bytes, pattern(edge, 2.5f));
}

TEST_F(TransferFixture, DrawingFollowsUploadsIntoAndOutOfZeroTiles) {
    // A uniform displacement of 4 pixels to the right, then zeros again: tiles
    // without bytes.
    std::vector<DeformationTileUpload> shifted;
    std::vector<DeformationTileUpload> zeros;
    for (std::int64_t y = 0; y < kHeight; y += 128) {
        for (std::int64_t x = 0; x < kWidth; x += 128) {
            const PixelRegion region{x, y, std::min<std::int64_t>(128, kWidth - x),
                                     std::min<std::int64_t>(128, kHeight - y)};
            std::vector<std::uint8_t> bytes(static_cast<std::size_t>(region.width * region.height * 8));
            for (std::size_t i = 0; i < bytes.size(); i += 8) {
                const float texel[2] = {4.0f, 0.0f};
                std::memcpy(bytes.data() + i, texel, 8);
            }
            shifted.push_back({region, std::move(bytes)});
            zeros.push_back({region, std::nullopt});
        }
    }
    ASSERT_TRUE(write(shifted)->ok());
    const QImage moved = testing::renderedOutput(*renderer, 1.0f, kWidth, kHeight);
    const QImage expected = testing::asOutput(canvas);
    EXPECT_EQ(moved.pixel(10, 50), expected.pixel(14, 50));
    EXPECT_EQ(moved.pixel(200, 150), expected.pixel(204, 150));
    EXPECT_NE(moved, expected);

    ASSERT_TRUE(write(zeros)->ok());
    EXPECT_EQ(testing::renderedOutput(*renderer, 1.0f, kWidth, kHeight), expected);
    const std::vector<std::uint8_t> field = testing::readField(*renderer);
    EXPECT_TRUE(std::all_of(field.begin(), field.end(), [](std::uint8_t b) { return b == 0; }));
}

// Never zero-filled tiles as if they were real, nor a write taken for done.
TEST_F(TransferFixture, TransfersWhoseWorkFailedReportIt) {
    ASSERT_TRUE(renderer->apply(testing::strokeStamps(DeformationTool::push, {{60, 60}, {120, 90}}, 40)).ok());
    const PixelRegion tile{0, 0, 128, 128};
    device->faultInjector().inject(GpuFaultPoint::commandExecution);
    EXPECT_EQ(read({tile})->error(), MetalDeformationFailure(Case::commandExecution));
    device->faultInjector().inject(GpuFaultPoint::commandExecution);
    EXPECT_EQ(write({{tile, pattern(tile, 1.0f)}})->error(), MetalDeformationFailure(Case::commandExecution));

    const auto retried = read({tile});
    ASSERT_TRUE(retried->ok());
    const auto& bytes = retried->value().front().bytes;
    EXPECT_FALSE(std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST_F(TransferFixture, FailuresWhileEncodingAreReturnedAndNothingCompletes) {
    bool completed = false;
    const PixelRegion tile{0, 0, 128, 128};
    const std::vector<std::pair<GpuFaultPoint, Case>> faults = {
        {GpuFaultPoint::commandBuffer, Case::commandEncoding},
        {GpuFaultPoint::blitEncoder, Case::commandEncoding},
        {GpuFaultPoint::buffer, Case::textureCreation},
    };
    for (const auto& [point, expected] : faults) {
        device->faultInjector().inject(point);
        auto readStarted = renderer->readTiles({tile}, [&](Snapshots) { completed = true; });
        ASSERT_FALSE(readStarted.ok());
        EXPECT_EQ(readStarted.error(), MetalDeformationFailure(expected));
        device->faultInjector().inject(point);
        auto uploadStarted =
            renderer->upload({{tile, std::nullopt}}, [&](Result<void, MetalDeformationFailure>) { completed = true; });
        ASSERT_FALSE(uploadStarted.ok());
        EXPECT_EQ(uploadStarted.error(), MetalDeformationFailure(expected));
    }
    renderer->waitUntilScheduledWorkCompleted();
    QCoreApplication::processEvents();
    EXPECT_FALSE(completed);
}

}  // namespace
}  // namespace vlt
