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
        return presentedFrameImage(view);
    }
};

TEST_F(DrawFixture, WithoutPanesTheWholeDrawableIsTheWorkspaceColour) {
    const QImage frame = drawFrame({});
    ASSERT_EQ(frame.size(), QSize(400, 200));
    EXPECT_EQ(frame.format(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 200; y += 7) {
        for (int x = 0; x < 400; x += 7) ASSERT_EQ(frame.pixel(x, y), kBase) << x << "," << y;
    }
}

TEST_F(DrawFixture, PanesShowTheCanvasInTheirClipOverAGriddedBackground) {
    ASSERT_TRUE(renderer->apply(testing::strokeStamps(DeformationTool::push, {{20, 40}, {60, 40}}, 25)).ok());
    // Two comparison panes in points; each image is 1:1 in drawable pixels (2 per point).
    const std::vector<MetalRenderPane> panes = {
        {QRectF(10, 5, 50, 40), QRectF(0, 0, 98, 100), 0.0f},
        {QRectF(110, 5, 50, 40), QRectF(102, 0, 98, 100), 1.0f},
    };
    const QImage frame = drawFrame(panes);
    const QImage original = testing::asOutput(canvas);
    const QImage simulation = testing::outputImage(*renderer, 1.0f, 100, 80).value();
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 100; ++x) {
            ASSERT_EQ(frame.pixel(20 + x, 10 + y), original.pixel(x, y)) << x << "," << y;
            ASSERT_EQ(frame.pixel(220 + x, 10 + y), simulation.pixel(x, y)) << x << "," << y;
        }
    }
    // The gap between the panes keeps the plain workspace colour; each pane has a
    // grid line 32 points (64 pixels) in from its own left edge.
    EXPECT_EQ(frame.pixel(199, 150), kBase);
    EXPECT_NE(frame.pixel(64, 150), kBase);
    EXPECT_EQ(frame.pixel(63, 150), kBase);
    EXPECT_NE(frame.pixel(204 + 64, 150), kBase);
    EXPECT_EQ(frame.pixel(204 + 66, 150), kBase);
}

TEST_F(DrawFixture, AnImageLargerThanItsPaneIsCutAtTheClip) {
    const std::vector<MetalRenderPane> panes = {{QRectF(-20, -10, 300, 240), QRectF(10, 10, 50, 30), 1.0f}};
    const QImage frame = drawFrame(panes);
    EXPECT_EQ(frame.pixel(19, 40), kBase);
    EXPECT_NE(frame.pixel(20, 40), kBase);
    EXPECT_NE(frame.pixel(119, 79), kBase);
    EXPECT_EQ(frame.pixel(120, 40), kBase);
    EXPECT_EQ(frame.pixel(60, 80), kBase);
}

TEST_F(DrawFixture, PanesOutsideTheDrawableOrThinnerThanAPixelAreSkipped) {
    const std::vector<MetalRenderPane> panes = {
        {QRectF(0, 0, 100, 80), QRectF(300, 0, 50, 50), 1.0f},
        {QRectF(0, 0, 100, 80), QRectF(10, 10, 0.2, 50), 1.0f},
    };
    const QImage frame = drawFrame(panes);
    for (int y = 0; y < 200; y += 5) {
        for (int x = 0; x < 400; x += 5) ASSERT_EQ(frame.pixel(x, y), kBase) << x << "," << y;
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

// The frame encoded the plain way: the workspace over the whole drawable, each pane's
// grid over its whole clip, then the images.
QImage drawnWithEveryBackground(GpuDevice& device, const QImage& canvas, const std::vector<std::uint8_t>& field,
                                const std::vector<MetalRenderPane>& panes, const std::vector<GpuScissorRect>& clips) {
    const GpuFunctionLibrary library = makeShaderLibrary();
    auto pipeline = [&](std::string_view vertex, std::string_view fragment) {
        return device.makeRenderPipeline(
            {library.makeFunction(vertex), library.makeFunction(fragment), GpuPixelFormat::bgra8UnormSrgb});
    };
    const QImage pixels = canvas.convertToFormat(QImage::Format_RGBA8888);
    auto source = device.makeTexture({GpuPixelFormat::rgba8UnormSrgb, pixels.width(), pixels.height(),
                                      GpuTextureUsage::shaderRead});
    source->replaceRegion({{0, 0}, {pixels.width(), pixels.height()}}, pixels.constBits(), pixels.bytesPerLine());
    auto displacement = device.makeTexture({GpuPixelFormat::rg32Float, pixels.width(), pixels.height(),
                                            GpuTextureUsage::shaderRead | GpuTextureUsage::shaderWrite});
    displacement->replaceRegion({{0, 0}, {pixels.width(), pixels.height()}}, field.data(), pixels.width() * 8);
    auto target = device.makeTexture(
        {GpuPixelFormat::bgra8UnormSrgb, 400, 200, GpuTextureUsage::renderTarget | GpuTextureUsage::shaderRead});

    auto queue = device.makeCommandQueue();
    auto commands = queue->makeCommandBuffer();
    auto encoder = commands->makeRenderEncoder({target, GpuLoadAction::clear, {236 / 255.0, 234 / 255.0, 227 / 255.0, 1}});
    const MetalBackgroundColors& colors = MetalBackgroundColors::shared();
    BackgroundUniforms background;
    background.backingScale = 2.0f;
    background.baseColor = colors.base;
    background.accentColor = colors.accent;
    background.constants = {32.0f, 1.0f};
    encoder->setRenderPipeline(pipeline(kBackgroundVertexFunctionName, kBackgroundFragmentFunctionName));
    encoder->setFragmentBytes(&background, sizeof background, kBackgroundUniformsBufferIndex);
    encoder->drawTriangles(0, kBackgroundVertexCount);
    for (std::size_t i = 0; i < panes.size(); ++i) {
        background.drawsPane = 1;
        background.origin = {static_cast<float>(panes[i].clipRect.x() * 2), static_cast<float>(panes[i].clipRect.y() * 2)};
        encoder->setScissorRect(clips[i]);
        encoder->setFragmentBytes(&background, sizeof background, kBackgroundUniformsBufferIndex);
        encoder->drawTriangles(0, kBackgroundVertexCount);
    }
    encoder->setRenderPipeline(pipeline(kImageVertexFunctionName, kImageFragmentFunctionName));
    encoder->setFragmentTexture(source, kImageSourceTextureIndex);
    encoder->setFragmentTexture(displacement, kImageDisplacementTextureIndex);
    for (std::size_t i = 0; i < panes.size(); ++i) {
        const QRectF& r = panes[i].imageRect;
        ImageUniforms image;
        image.imageRect = {static_cast<float>(r.x() * 2), static_cast<float>(r.y() * 2), static_cast<float>(r.width() * 2),
                           static_cast<float>(r.height() * 2)};
        image.viewportSize = {400.0f, 200.0f};
        image.canvasSize = {static_cast<float>(pixels.width()), static_cast<float>(pixels.height())};
        image.displacementScale = panes[i].displacementScale;
        encoder->setScissorRect(clips[i]);
        encoder->setVertexBytes(&image, sizeof image, kImageVertexUniformsBufferIndex);
        encoder->setFragmentBytes(&image, sizeof image, kImageUniformsBufferIndex);
        encoder->drawTriangles(0, kImageVertexCount);
    }
    encoder->endEncoding();
    commands->commit();
    commands->waitUntilCompleted();
    QImage frame(target->data(), 400, 200, static_cast<qsizetype>(target->rowBytes()),
                 QImage::Format_ARGB32_Premultiplied);
    return frame.copy();
}

// Backgrounds that the images or the panes cover are not drawn at all; the frame
// must be exactly the one that draws them and then covers them.
TEST_F(DrawFixture, SkippingCoveredBackgroundsChangesNoPixel) {
    ASSERT_TRUE(renderer->apply(testing::strokeStamps(DeformationTool::grow, {{40, 30}, {44, 33}}, 30)).ok());
    ASSERT_TRUE(renderer->apply(testing::strokeStamps(DeformationTool::push, {{80, 60}, {60, 70}}, 18)).ok());
    const std::vector<std::uint8_t> field = testing::readField(*renderer);
    const std::vector<std::vector<MetalRenderPane>> layouts = {
        {{QRectF(10.3, 5.7, 50.2, 40.1), QRectF(0, 0, 98, 100), 0.0f},
         {QRectF(110.6, 5.2, 50.5, 40.4), QRectF(102, 0, 98, 100), 1.0f}},
        // Larger than its clip on every side, and one that covers nothing of its clip.
        {{QRectF(-37.25, -20.5, 310.5, 248.25), QRectF(4, 3, 190, 94), 0.625f}},
        {{QRectF(150, 80, 1.2, 0.9), QRectF(100, 50, 100, 50), 1.0f}},
    };
    const std::vector<std::vector<GpuScissorRect>> clips = {
        {{0, 0, 196, 200}, {204, 0, 196, 200}},
        {{8, 6, 380, 188}},
        {{200, 100, 200, 100}},
    };
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        const QImage frame = drawFrame(layouts[i]);
        const QImage expected = drawnWithEveryBackground(*device, canvas, field, layouts[i], clips[i]);
        for (int y = 0; y < 200; ++y) {
            for (int x = 0; x < 400; ++x) ASSERT_EQ(frame.pixel(x, y), expected.pixel(x, y)) << i << ": " << x << "," << y;
        }
    }
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

// Frames drawn while the field changes redraw only near the changes; each must be
// byte for byte the frame a fresh view draws in full.
TEST_F(DrawFixture, FramesDrawnWhileTheFieldChangesEqualFullRedraws) {
    const std::vector<std::vector<MetalRenderPane>> layouts = {
        {{QRectF(10, 5, 50, 40), QRectF(0, 0, 98, 100), 0.0f}, {QRectF(110, 5, 50, 40), QRectF(102, 0, 98, 100), 1.0f}},
        // Zoomed in and cut by its clip, at a scale between 0 and 1.
        {{QRectF(-37.25, -20.5, 310.5, 248.25), QRectF(4, 3, 190, 94), 0.625f}},
    };
    auto fullRedraw = [&](const std::vector<MetalRenderPane>& panes) {
        GpuView fresh(device);
        fresh.setBoundsSize(200, 100);
        fresh.setDrawableSize(400, 200);
        renderer->draw(fresh, panes, 2.0);
        renderer->waitUntilScheduledWorkCompleted();
        return presentedFrameImage(fresh).copy();
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
                renderer->upload({DeformationTileUpload{{60, 50, 40, 30}, std::nullopt}}, [&](auto) { uploaded = true; })
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
            const QImage shown = presentedFrameImage(view).copy();
            // Holding a frame now and then moves the view on to its other drawables.
            if (step % 4 == 1) held.push_back(presentedFrameImage(view));
            if (held.size() > 1) held.erase(held.begin());
            ASSERT_EQ(shown, fullRedraw(panes)) << "frame " << frame;
        }
    }
}

}  // namespace
}  // namespace vlt
