#include <gtest/gtest.h>

#include "gpu_test_support.h"
#include "platform/gpu/gpu_view.h"

namespace vlt {
namespace {

struct ViewFixture : ::testing::Test {
    std::shared_ptr<GpuDevice> device = GpuDevice::create();
    std::shared_ptr<GpuCommandQueue> queue = device->makeCommandQueue();
    GpuView view{device};

    void presentCleared(const std::shared_ptr<GpuDrawable>& drawable, const GpuClearColor& color) {
        view.setClearColor(color);
        auto commands = queue->makeCommandBuffer();
        commands->makeRenderEncoder(view.renderPassDescriptor(*drawable))->endEncoding();
        commands->present(drawable);
        commands->commit();
        commands->waitUntilCompleted();
    }
};

// Frames presented before the GUI thread runs share one notification.
TEST_F(ViewFixture, PresentingShowsTheFrameAndTellsTheGuiThreadOnce) {
    view.setDrawableSize(8, 4);
    int notified = 0;
    view.setPresentedHandler([&] { ++notified; });
    auto drawable = view.nextDrawable();
    ASSERT_NE(drawable, nullptr);
    presentCleared(drawable, {1.0, 0.0, 0.0, 1.0});
    auto shown = view.presentedTexture();
    ASSERT_EQ(shown, drawable->texture());
    EXPECT_EQ(shown->width(), 8);
    EXPECT_EQ(shown->data()[2], 255);
    EXPECT_EQ(view.presentedFrameCount(), 1u);
    shown.reset();
    drawable.reset();
    for (int frame = 0; frame < 2; ++frame) presentCleared(view.nextDrawable(), {0.0, 0.0, 1.0, 1.0});
    ASSERT_TRUE(testing::processEventsUntil([&] { return notified == 1; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(notified, 1);
    presentCleared(view.nextDrawable(), {1.0, 0.0, 0.0, 1.0});
    ASSERT_TRUE(testing::processEventsUntil([&] { return notified == 2; }));
}

TEST_F(ViewFixture, NeverHandsOutTheShownFrameOrOneStillInUse) {
    view.setDrawableSize(4, 4);
    auto first = view.nextDrawable();
    presentCleared(first, {0.0, 1.0, 0.0, 1.0});
    const GpuTexture* shown = first->texture().get();
    first.reset();

    auto second = view.nextDrawable();
    auto third = view.nextDrawable();
    ASSERT_NE(second, nullptr);
    ASSERT_NE(third, nullptr);
    EXPECT_NE(second->texture().get(), shown);
    EXPECT_NE(third->texture().get(), shown);
    EXPECT_EQ(view.nextDrawable(), nullptr);

    presentCleared(second, {0.0, 0.0, 1.0, 1.0});
    second.reset();
    auto reused = view.nextDrawable();
    ASSERT_NE(reused, nullptr);
    EXPECT_EQ(reused->texture().get(), shown);
}

// Paced, a finished frame waits for its hand-over; only the newest waits, so frames
// are shown in order and none twice, and nothing stays held once pacing ends.
TEST_F(ViewFixture, PacedFramesAreShownAtTheirHandOverNewestFirstAndNoneIsLeftBehind) {
    view.setDrawableSize(4, 4);
    int notified = 0;
    view.setPresentedHandler([&] { ++notified; });
    presentCleared(view.nextDrawable(), {1.0, 0.0, 0.0, 1.0});
    ASSERT_TRUE(testing::processEventsUntil([&] { return notified == 1; }));
    const std::shared_ptr<const GpuTexture> first = view.presentedTexture();
    view.setPacedPresentation(true);
    EXPECT_FALSE(view.handOver());

    auto second = view.nextDrawable();
    presentCleared(second, {0.0, 1.0, 0.0, 1.0});
    EXPECT_EQ(view.presentedTexture(), first);
    EXPECT_TRUE(view.hasHeldFrame());
    // The worker says the frame is ready, so a late hand-over need not wait for a tick.
    ASSERT_TRUE(testing::processEventsUntil([&] { return notified == 2; }));
    EXPECT_EQ(view.presentedFrameCount(), 1u);

    // A newer frame takes the place of the held one, which is never shown; the held
    // and the shown frame are not handed out for drawing meanwhile.
    auto third = view.nextDrawable();
    EXPECT_NE(third->texture(), second->texture());
    second.reset();
    presentCleared(third, {0.0, 0.0, 1.0, 1.0});
    EXPECT_TRUE(view.handOver());
    EXPECT_EQ(view.presentedTexture(), third->texture());
    EXPECT_EQ(view.presentedFrameCount(), 2u);
    EXPECT_FALSE(view.hasHeldFrame());
    EXPECT_FALSE(view.handOver());

    // Turning pacing off shows a held frame at once, and later frames as they end.
    third.reset();
    auto fourth = view.nextDrawable();
    presentCleared(fourth, {1.0, 1.0, 0.0, 1.0});
    view.setPacedPresentation(false);
    EXPECT_EQ(view.presentedTexture(), fourth->texture());
    EXPECT_FALSE(view.hasHeldFrame());
    fourth.reset();
    auto fifth = view.nextDrawable();
    presentCleared(fifth, {0.0, 1.0, 1.0, 1.0});
    EXPECT_EQ(view.presentedTexture(), fifth->texture());
    EXPECT_EQ(view.presentedFrameCount(), 4u);
}

TEST_F(ViewFixture, DrawablesHaveTheLatestSizeAndNeedASizeAndADevice) {
    EXPECT_EQ(view.nextDrawable(), nullptr);
    view.setDrawableSize(4, 4);
    view.nextDrawable();
    view.setDrawableSize(6, 2);
    auto drawable = view.nextDrawable();
    ASSERT_NE(drawable, nullptr);
    EXPECT_EQ(drawable->texture()->width(), 6);
    EXPECT_EQ(drawable->texture()->height(), 2);
    GpuView withoutDevice(nullptr);
    withoutDevice.setDrawableSize(10, 10);
    EXPECT_EQ(withoutDevice.nextDrawable(), nullptr);
}

}  // namespace
}  // namespace vlt
