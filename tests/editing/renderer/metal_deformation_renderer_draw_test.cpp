#include <optional>

#include <gtest/gtest.h>

#include "editing/renderer/metal_background_colors.h"
#include "editing/renderer/presented_frame_image.h"
#include "shaders/background_fragment.h"
#include "shaders/background_uniforms.h"
#include "shaders/background_vertex.h"
#include "shaders/image_fragment.h"
#include "shaders/image_uniforms.h"
#include "shaders/image_vertex.h"
#include "shaders/shader_library.h"
#include "renderer_test_support.h"

namespace vlt {
namespace {

const QRgb kBase = qRgb(236, 234, 227);

// A clip in points as whole drawable pixels, two per point.
GpuScissorRect scissor(const QRectF& clip) {
    const QRect pixels = QRectF(clip.topLeft() * 2, clip.size() * 2).toAlignedRect() & QRect(0, 0, 400, 200);
    return {pixels.x(), pixels.y(), pixels.width(), pixels.height()};
}

struct DrawFixture : ::testing::Test {
    std::shared_ptr<GpuDevice> device = testing::makeDevice();
    QImage canvas = testing::syntheticCanvas(100, 80);
    std::unique_ptr<MetalDeformationRenderer> renderer = testing::makeRenderer(device, canvas);
    GpuView view{device};

    DrawFixture() {
        view.setBoundsSize(200, 100);
        view.setDrawableSize(400, 200);
    }

    QImage drawFrame(const std::vector<MetalRenderPane>& panes, double backingScale = 2.0) {
        const std::uint64_t before = view.presentedFrameCount();
        renderer->draw(view, panes, backingScale);
        renderer->waitUntilScheduledWorkCompleted();
        EXPECT_EQ(view.presentedFrameCount(), before + 1);
        return testing::asOutput(presentedFrameImage(view).copy());
    }

    // The frame of the renderer's current field encoded the plain way: the workspace
    // over the whole drawable, each pane's grid over its whole clip, then the images.
    QImage drawnWithEveryBackground(const std::vector<MetalRenderPane>& panes) {
        const std::vector<std::uint8_t> field = testing::readField(*renderer);
        const QImage pixels = canvas.convertToFormat(QImage::Format_RGBA8888);
        auto texture = [&](GpuPixelFormat format, const std::uint8_t* bytes, std::int64_t rowBytes) {
            auto made = device->makeTexture({format, 100, 80, GpuTextureUsage::shaderRead});
            made->replaceRegion({{0, 0}, {100, 80}}, bytes, rowBytes);
            return made;
        };
        const GpuFunctionLibrary library = makeShaderLibrary();
        auto pipeline = [&](std::string_view vertex, std::string_view fragment) {
            return device->makeRenderPipeline(
                {library.makeFunction(vertex), library.makeFunction(fragment), GpuPixelFormat::bgra8UnormSrgb});
        };
        auto target = device->makeTexture(
            {GpuPixelFormat::bgra8UnormSrgb, 400, 200, GpuTextureUsage::renderTarget | GpuTextureUsage::shaderRead});
        auto queue = device->makeCommandQueue();
        auto commands = queue->makeCommandBuffer();
        auto encoder = commands->makeRenderEncoder({target, GpuLoadAction::clear, {}});
        BackgroundUniforms background;
        background.backingScale = 2.0f;
        background.baseColor = MetalBackgroundColors::shared().base;
        background.accentColor = MetalBackgroundColors::shared().accent;
        background.constants = {32.0f, 1.0f};
        encoder->setRenderPipeline(pipeline(kBackgroundVertexFunctionName, kBackgroundFragmentFunctionName));
        encoder->setFragmentBytes(&background, sizeof background, kBackgroundUniformsBufferIndex);
        encoder->drawTriangles(0, kBackgroundVertexCount);
        for (const MetalRenderPane& pane : panes) {
            background.drawsPane = 1;
            background.origin = {static_cast<float>(pane.clipRect.x() * 2), static_cast<float>(pane.clipRect.y() * 2)};
            encoder->setScissorRect(scissor(pane.clipRect));
            encoder->setFragmentBytes(&background, sizeof background, kBackgroundUniformsBufferIndex);
            encoder->drawTriangles(0, kBackgroundVertexCount);
        }
        encoder->setRenderPipeline(pipeline(kImageVertexFunctionName, kImageFragmentFunctionName));
        encoder->setFragmentTexture(texture(GpuPixelFormat::rgba8UnormSrgb, pixels.constBits(), pixels.bytesPerLine()),
                                    kImageSourceTextureIndex);
        encoder->setFragmentTexture(texture(GpuPixelFormat::rg32Float, field.data(), 100 * 8),
                                    kImageDisplacementTextureIndex);
        for (const MetalRenderPane& pane : panes) {
            const QRectF r = pane.imageRect;
            ImageUniforms image;
            image.imageRect = {static_cast<float>(r.x() * 2), static_cast<float>(r.y() * 2),
                               static_cast<float>(r.width() * 2), static_cast<float>(r.height() * 2)};
            image.viewportSize = {400.0f, 200.0f};
            image.canvasSize = {100.0f, 80.0f};
            image.displacementScale = pane.displacementScale;
            encoder->setScissorRect(scissor(pane.clipRect));
            encoder->setVertexBytes(&image, sizeof image, kImageVertexUniformsBufferIndex);
            encoder->setFragmentBytes(&image, sizeof image, kImageUniformsBufferIndex);
            encoder->drawTriangles(0, kImageVertexCount);
        }
        encoder->endEncoding();
        commands->commit();
        commands->waitUntilCompleted();
        const QImage frame(target->data(), 400, 200, static_cast<qsizetype>(target->rowBytes()),
                           QImage::Format_ARGB32_Premultiplied);
        return testing::asOutput(frame.copy());
    }
};

TEST_F(DrawFixture, WithoutVisiblePanesTheWholeDrawableIsTheWorkspaceColour) {
    const QImage empty = drawFrame({});
    ASSERT_EQ(empty.size(), QSize(400, 200));
    EXPECT_EQ(empty.format(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 200; y += 7) {
        for (int x = 0; x < 400; x += 7) ASSERT_EQ(empty.pixel(x, y), kBase) << x << "," << y;
    }
    // A pane whose clip lies outside the drawable or is thinner than a pixel is skipped.
    EXPECT_EQ(drawFrame({{QRectF(0, 0, 100, 80), QRectF(300, 0, 50, 50), 1.0f},
                         {QRectF(0, 0, 100, 80), QRectF(10, 10, 0.2, 50), 1.0f}}),
              empty);
}

TEST_F(DrawFixture, PanesShowTheCanvasAndTheSimulationInTheirClips) {
    ASSERT_TRUE(renderer->apply(testing::strokeStamps(DeformationTool::push, {{20, 40}, {60, 40}}, 25)).ok());
    // Two comparison panes in points; each image is 1:1 in drawable pixels (2 per point).
    const QImage frame = drawFrame({{QRectF(10, 5, 50, 40), QRectF(0, 0, 98, 100), 0.0f},
                                    {QRectF(110, 5, 50, 40), QRectF(102, 0, 98, 100), 1.0f}});
    const QImage original = testing::asOutput(canvas);
    const QImage simulation = testing::renderedOutput(*renderer, 1.0f, 100, 80);
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 100; ++x) {
            ASSERT_EQ(frame.pixel(20 + x, 10 + y), original.pixel(x, y)) << x << "," << y;
            ASSERT_EQ(frame.pixel(220 + x, 10 + y), simulation.pixel(x, y)) << x << "," << y;
        }
    }
}

TEST_F(DrawFixture, EmptyBoundsUseTheDrawableItselfAsScale) {
    view.setBoundsSize(0, 0);
    // One point is then 400 × 200 drawable pixels: the image lands on 100 × 80 pixels.
    const QImage frame = drawFrame({{QRectF(0, 0, 0.25, 0.4), QRectF(0, 0, 0.5, 0.5), 0.0f}}, 1.0);
    EXPECT_EQ(frame.pixel(5, 5), testing::asOutput(canvas).pixel(5, 5));
    EXPECT_EQ(frame.pixel(99, 79), testing::asOutput(canvas).pixel(99, 79));
    EXPECT_EQ(frame.pixel(150, 5), kBase);
    EXPECT_EQ(frame.pixel(5, 150), kBase);
}

TEST_F(DrawFixture, TellsWhetherItsLastFrameIsStillBeingDrawn) {
    EXPECT_FALSE(renderer->isDrawingFrame());
    renderer->draw(view, {}, 1.0);
    renderer->waitUntilScheduledWorkCompleted();
    EXPECT_FALSE(renderer->isDrawingFrame());
    // A frame whose work failed is over as well.
    device->faultInjector().inject(GpuFaultPoint::commandExecution);
    renderer->draw(view, {}, 1.0);
    renderer->waitUntilScheduledWorkCompleted();
    EXPECT_FALSE(renderer->isDrawingFrame());
}

TEST_F(DrawFixture, AFrameWithoutAFreeDrawableOrCommandBufferIsSkipped) {
    device->faultInjector().inject(GpuFaultPoint::drawable);
    renderer->draw(view, {}, 1.0);
    device->faultInjector().inject(GpuFaultPoint::commandBuffer);
    renderer->draw(view, {}, 1.0);
    device->faultInjector().inject(GpuFaultPoint::renderEncoder);
    renderer->draw(view, {}, 1.0);
    renderer->waitUntilScheduledWorkCompleted();
    EXPECT_EQ(view.presentedFrameCount(), 0u);
    EXPECT_TRUE(presentedFrameImage(view).isNull());
}

// Frames drawn while the field changes redraw only near the changes and skip the
// backgrounds that panes and images cover for certain; each must be byte for byte
// the frame encoded the plain way.
TEST_F(DrawFixture, FramesDrawnWhileTheFieldChangesEqualPlainFullRedraws) {
    const std::vector<std::vector<MetalRenderPane>> layouts = {
        {{QRectF(10.3, 5.7, 50.2, 40.1), QRectF(0, 0, 98, 100), 0.0f},
         {QRectF(110.6, 5.2, 50.5, 40.4), QRectF(102, 0, 98, 100), 1.0f}},
        // Zoomed in and cut by its clip on every side, at a scale between 0 and 1.
        {{QRectF(-37.25, -20.5, 310.5, 248.25), QRectF(4, 3, 190, 94), 0.625f}},
        // An image that covers next to nothing of its clip.
        {{QRectF(150, 80, 1.2, 0.9), QRectF(100, 50, 100, 50), 1.0f}},
    };
    std::vector<QImage> held;
    int step = 0;
    auto change = [&](int index) {
        const float x = static_cast<float>((index * 37) % 110) - 5.0f;
        const float y = static_cast<float>((index * 23) % 90) - 5.0f;
        switch (index % 5) {
        case 0:
            return renderer->apply(testing::strokeStamps(DeformationTool::push, {{x, y}, {x + 9, y + 4}}, 12)).ok();
        case 1:
            return renderer->apply(testing::strokeStamps(DeformationTool::grow, {{x, y}, {x + 1, y}}, 20)).ok();
        case 2:
            return renderer->apply(testing::strokeStamps(DeformationTool::reconstruct, {{x, y}, {x, y + 2}}, 9)).ok();
        case 3: {
            bool uploaded = false;
            const bool started =
                renderer
                    ->upload({DeformationTileUpload{{60, 50, 40, 30}, std::nullopt}}, [&](auto) { uploaded = true; })
                    .ok();
            return started && testing::processEventsUntil([&] { return uploaded; });
        }
        default:
            return index % 10 == 9 ? renderer->clearDisplacement().ok() : true;
        }
    };
    for (const std::vector<MetalRenderPane>& panes : layouts) {
        for (int frame = 0; frame < 24; ++frame, ++step) {
            ASSERT_TRUE(change(step));
            // A failed frame leaves its drawable as it was; later frames must notice.
            const bool fails = step % 11 == 6;
            if (fails) device->faultInjector().inject(GpuFaultPoint::commandExecution);
            const std::uint64_t presented = view.presentedFrameCount();
            renderer->draw(view, panes, 2.0);
            renderer->waitUntilScheduledWorkCompleted();
            ASSERT_EQ(view.presentedFrameCount(), presented + (fails ? 0 : 1));
            if (fails) continue;
            const QImage shown = testing::asOutput(presentedFrameImage(view).copy());
            // Holding a frame now and then moves the view on to its other drawables.
            if (step % 4 == 1) held.push_back(presentedFrameImage(view));
            if (held.size() > 1) held.erase(held.begin());
            ASSERT_EQ(shown, drawnWithEveryBackground(panes)) << "frame " << frame;
        }
    }
}

}  // namespace
}  // namespace vlt
