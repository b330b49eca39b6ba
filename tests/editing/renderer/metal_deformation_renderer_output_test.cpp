#include <gtest/gtest.h>

#include <QColorSpace>
#include <QCoreApplication>

#include "renderer_test_support.h"

namespace vlt {
namespace {

using Case = MetalDeformationFailure::Case;

TEST(MetalDeformationRendererOutput, IsPremultipliedBgraInMemoryAndSrgb) {
    QImage canvas(4, 2, QImage::Format_ARGB32);
    canvas.fill(QColor(255, 0, 0));
    canvas.setPixel(1, 0, qRgba(0, 255, 0, 255));
    canvas.setPixel(2, 0, qRgba(0, 0, 255, 0));
    canvas.setPixel(3, 0, qRgba(255, 255, 255, 51));
    auto renderer = testing::makeRenderer(testing::makeDevice(), canvas);
    const QImage image = testing::renderedOutput(*renderer, 1.0f, 4, 2);

    EXPECT_EQ(image.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(image.colorSpace(), QColorSpace(QColorSpace::SRgb));
    EXPECT_EQ(image.bytesPerLine(), 16);
    const uchar* row = image.constScanLine(0);
    const std::vector<int> bytes(row, row + 16);
    EXPECT_EQ(bytes, (std::vector<int>{0, 0, 255, 255, 0, 255, 0, 255, 0, 0, 0, 0, 51, 51, 51, 51}));
}

TEST(MetalDeformationRendererOutput, ScalesTheWholeCanvasToAnySize) {
    QImage canvas(64, 32, QImage::Format_RGB32);
    canvas.fill(QColor(10, 200, 30));
    for (int y = 0; y < 32; ++y) {
        for (int x = 32; x < 64; ++x) canvas.setPixel(x, y, qRgb(250, 250, 250));
    }
    auto renderer = testing::makeRenderer(testing::makeDevice(), canvas);
    const QImage small = testing::renderedOutput(*renderer, 0.0f, 16, 8);
    EXPECT_EQ(small.size(), QSize(16, 8));
    EXPECT_EQ(small.pixel(2, 4), qRgb(10, 200, 30));
    EXPECT_EQ(small.pixel(13, 4), qRgb(250, 250, 250));
    const QImage single = testing::renderedOutput(*renderer, 1.0f, 1, 1);
    EXPECT_EQ(single.size(), QSize(1, 1));
    EXPECT_EQ(qAlpha(single.pixel(0, 0)), 255);
}

TEST(MetalDeformationRendererOutput, FailuresArriveOnceThroughTheCompletion) {
    auto device = testing::makeDevice();
    auto renderer = testing::makeRenderer(device, testing::syntheticCanvas(40, 30));
    EXPECT_EQ(testing::outputImage(*renderer, 1.0f, 0, 30).error(), MetalDeformationFailure(Case::textureCreation));
    EXPECT_EQ(testing::outputImage(*renderer, 1.0f, 40, -1).error(), MetalDeformationFailure(Case::textureCreation));

    const std::vector<std::pair<GpuFaultPoint, Case>> faults = {
        {GpuFaultPoint::texture, Case::textureCreation},
        {GpuFaultPoint::commandBuffer, Case::textureCreation},
        {GpuFaultPoint::renderEncoder, Case::commandEncoding},
        {GpuFaultPoint::commandExecution, Case::commandExecution},
    };
    for (const auto& [point, expected] : faults) {
        device->faultInjector().inject(point);
        int calls = 0;
        std::optional<MetalDeformationFailure> failure;
        renderer->makeOutputImage(1.0f, 40, 30, [&](Result<QImage, MetalDeformationFailure> result) {
            ++calls;
            if (!result) failure = result.error();
        });
        EXPECT_EQ(calls, 0) << "never inside the call";
        ASSERT_TRUE(testing::processEventsUntil([&] { return calls > 0; }));
        renderer->waitUntilScheduledWorkCompleted();
        QCoreApplication::processEvents();
        EXPECT_EQ(calls, 1);
        EXPECT_EQ(failure, MetalDeformationFailure(expected)) << toString(point);
    }
}

}  // namespace
}  // namespace vlt
