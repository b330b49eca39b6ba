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
