#include <vector>

#include <gtest/gtest.h>

#include "gpu_test_support.h"
#include "platform/gpu/gpu_device.h"
#include "base/main_thread.h"

namespace vlt {
namespace {

using testing::processEventsUntil;

struct QueueFixture : ::testing::Test {
    std::shared_ptr<GpuDevice> device = GpuDevice::create();
    std::shared_ptr<GpuCommandQueue> queue = device->makeCommandQueue();
    std::shared_ptr<GpuBuffer> buffer = device->makeBuffer(16);

    std::shared_ptr<GpuCommandBuffer> fillCommand(std::uint8_t value) {
        auto commands = queue->makeCommandBuffer();
        auto blit = commands->makeBlitEncoder();
        blit->fill(buffer, 0, buffer->length(), value);
        blit->endEncoding();
        return commands;
    }
};

TEST_F(QueueFixture, RunsCommandBuffersInCommitOrderAndReportsOnTheGuiThreadLater) {
    std::vector<int> order;
    bool handlersOnGuiThread = true;
    for (int i = 1; i <= 5; ++i) {
        auto commands = fillCommand(static_cast<std::uint8_t>(i));
        commands->addCompletedHandler([&, i](const GpuCommandBuffer& finished) {
            handlersOnGuiThread = handlersOnGuiThread && isMainThread();
            EXPECT_EQ(finished.status(), GpuCommandBufferStatus::completed);
            order.push_back(i);
        });
        commands->commit();
    }
    // Never inside commit, nor before the event loop runs.
    queue->waitUntilIdle();
    EXPECT_TRUE(order.empty());
    ASSERT_TRUE(processEventsUntil([&] { return order.size() == 5; }));
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(handlersOnGuiThread);
    EXPECT_EQ(buffer->contents()[0], 5);
}

TEST_F(QueueFixture, AFailedCommandBufferRunsNoneOfItsWorkAndStillReports) {
    device->faultInjector().inject(GpuFaultPoint::commandExecution);
    std::optional<GpuCommandBufferStatus> status;
    auto failing = fillCommand(9);
    failing->addCompletedHandler([&](const GpuCommandBuffer& finished) { status = finished.status(); });
    failing->commit();
    ASSERT_TRUE(processEventsUntil([&] { return status.has_value(); }));
    EXPECT_EQ(*status, GpuCommandBufferStatus::error);
    EXPECT_EQ(buffer->contents()[0], 0);

    auto next = fillCommand(4);
    next->commit();
    next->waitUntilCompleted();
    EXPECT_EQ(next->status(), GpuCommandBufferStatus::completed);
    EXPECT_EQ(buffer->contents()[0], 4);
}

TEST_F(QueueFixture, FinishedCommandBuffersAreRecycledOnceTheirOwnersLetGo) {
    auto held = fillCommand(1);
    held->commit();
    GpuCommandBuffer* released = nullptr;
    {
        auto commands = fillCommand(2);
        released = commands.get();
        commands->commit();
    }
    queue->waitUntilIdle();
    auto again = queue->makeCommandBuffer();
    EXPECT_EQ(again.get(), released);
    EXPECT_EQ(again->status(), GpuCommandBufferStatus::notEnqueued);
    EXPECT_NE(queue->makeCommandBuffer().get(), held.get());
    EXPECT_EQ(held->status(), GpuCommandBufferStatus::completed);
}

TEST_F(QueueFixture, DestroyingTheQueueFinishesCommittedWork) {
    auto commands = fillCommand(7);
    commands->commit();
    queue.reset();
    EXPECT_EQ(commands->status(), GpuCommandBufferStatus::completed);
    EXPECT_EQ(buffer->contents()[15], 7);
}

TEST(GpuFaultInjector, FailsTheChosenRequestsOnly) {
    GpuFaultInjector faults;
    faults.inject(GpuFaultPoint::texture, 2, 2);
    std::vector<bool> outcomes;
    for (int i = 0; i < 6; ++i) outcomes.push_back(faults.shouldFail(GpuFaultPoint::texture));
    EXPECT_EQ(outcomes, (std::vector<bool>{false, false, true, true, false, false}));
    EXPECT_FALSE(faults.shouldFail(GpuFaultPoint::buffer));
    EXPECT_EQ(faults.requestCount(GpuFaultPoint::texture), 6);

    faults.inject(GpuFaultPoint::buffer, 0, GpuFaultInjector::kEveryTime);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(faults.shouldFail(GpuFaultPoint::buffer));
    faults.clear();
    EXPECT_FALSE(faults.shouldFail(GpuFaultPoint::buffer));
}

TEST(GpuDevice, RefusesTexturesItCannotHold) {
    auto device = GpuDevice::create();
    EXPECT_EQ(device->makeTexture({GpuPixelFormat::rgba8UnormSrgb, 0, 10, GpuTextureUsage::shaderRead}), nullptr);
    EXPECT_EQ(device->makeTexture({GpuPixelFormat::rgba8UnormSrgb, GpuDevice::kMaximumTextureDimension + 1, 1,
                                   GpuTextureUsage::shaderRead}),
              nullptr);
    auto texture = device->makeTexture({GpuPixelFormat::rg32Float, 3, 2, GpuTextureUsage::shaderRead});
    ASSERT_NE(texture, nullptr);
    for (std::int64_t i = 0; i < texture->rowBytes() * 2; ++i) EXPECT_EQ(texture->data()[i], 0);
}

}  // namespace
}  // namespace vlt
