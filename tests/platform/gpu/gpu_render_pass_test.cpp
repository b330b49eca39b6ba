#include <array>
#include <random>

#include <gtest/gtest.h>

#include "platform/gpu/gpu_device.h"
#include "platform/gpu/gpu_triangle_coverage.h"
#include "platform/gpu/srgb_transfer.h"

namespace vlt {
namespace {

struct QuadBytes {
    float x0, y0, x1, y1;
    float width, height;
};

// Two triangles over a rectangle given in target pixels.
GpuFloat4 quadVertex(std::uint32_t vertexID, const GpuArguments& arguments) {
    const auto quad = arguments.bytes<QuadBytes>(0);
    constexpr std::array<int, 6> kXs = {0, 1, 0, 0, 1, 1};
    constexpr std::array<int, 6> kYs = {0, 0, 1, 1, 0, 1};
    const float x = kXs[vertexID] ? quad.x1 : quad.x0;
    const float y = kYs[vertexID] ? quad.y1 : quad.y0;
    return {x / quad.width * 2.0f - 1.0f, 1.0f - y / quad.height * 2.0f, 0.0f, 1.0f};
}

// Opaque red, with the pixel's column in green so spans can be checked.
GpuSpanColors columnFragment(const GpuArguments&, const GpuFragmentSpan& span, GpuFloat4* colors) {
    for (std::int64_t i = 0; i < span.count; ++i) {
        colors[i] = {1.0f, SrgbTransfer::decode(static_cast<std::uint8_t>(span.x + i)), 0.0f, 1.0f};
    }
    return GpuSpanColors::perPixel;
}

GpuFloat4 fullTargetVertex(std::uint32_t vertexID, const GpuArguments&) {
    constexpr std::array<GpuFloat4, 3> kTriangle = {GpuFloat4{-1, -1, 0, 1}, GpuFloat4{3, -1, 0, 1},
                                                    GpuFloat4{-1, 3, 0, 1}};
    return kTriangle[vertexID];
}

// Writes its colour once and declares it for the whole span.
GpuSpanColors halfRedFragment(const GpuArguments&, const GpuFragmentSpan&, GpuFloat4* colors) {
    colors[0] = {1.0f, 0.0f, 0.0f, 0.5f};
    return GpuSpanColors::uniform;
}

struct RenderFixture : ::testing::Test {
    std::shared_ptr<GpuDevice> device = GpuDevice::create();
    std::shared_ptr<GpuCommandQueue> queue = device->makeCommandQueue();
    std::shared_ptr<GpuTexture> target = device->makeTexture(
        {GpuPixelFormat::bgra8UnormSrgb, 64, 48, GpuTextureUsage::renderTarget | GpuTextureUsage::shaderRead});

    std::shared_ptr<GpuRenderPipeline> pipeline(GpuVertexFunction vertex, GpuFragmentFunction fragment) {
        return device->makeRenderPipeline(
            {GpuFunction::vertex("v", vertex), GpuFunction::fragment("f", fragment), GpuPixelFormat::bgra8UnormSrgb});
    }

    void render(GpuLoadAction load, const std::function<void(GpuRenderEncoder&)>& encode) {
        auto commands = queue->makeCommandBuffer();
        auto encoder = commands->makeRenderEncoder({target, load, {0.0, 0.0, 1.0, 1.0}});
        encode(*encoder);
        encoder->endEncoding();
        commands->commit();
        commands->waitUntilCompleted();
    }

    const std::uint8_t* pixel(std::int64_t x, std::int64_t y) const {
        return target->data() + y * target->rowBytes() + x * 4;
    }
    bool isRed(std::int64_t x, std::int64_t y) const { return pixel(x, y)[2] == 255 && pixel(x, y)[0] == 0; }
};

TEST_F(RenderFixture, AQuadCoversExactlyThePixelsWhoseCentresLieInIt) {
    const QuadBytes quad{10.5f, 5.0f, 20.5f, 8.7f, 64.0f, 48.0f};
    render(GpuLoadAction::clear, [&](GpuRenderEncoder& encoder) {
        encoder.setRenderPipeline(pipeline(&quadVertex, &columnFragment));
        encoder.setVertexBytes(&quad, sizeof quad, 0);
        encoder.drawTriangles(0, 6);
    });
    for (std::int64_t y = 0; y < 48; ++y) {
        for (std::int64_t x = 0; x < 64; ++x) {
            // Centres at x + 0.5: 10.5 lies on the left edge (drawn), 20.5 on the right (not).
            const bool inside = x >= 10 && x < 20 && y >= 5 && y < 9;
            ASSERT_EQ(isRed(x, y), inside) << x << "," << y;
            if (inside) {
                ASSERT_EQ(pixel(x, y)[1], x);
            }
        }
    }
    // The clear colour (opaque blue) everywhere else, in B, G, R, A order.
    EXPECT_EQ(pixel(0, 0)[0], 255);
    EXPECT_EQ(pixel(0, 0)[3], 255);
}

TEST_F(RenderFixture, TheScissorLimitsAFullTargetTriangleAndLoadKeepsOldContents) {
    for (const bool scissored : {true, false}) {
        render(GpuLoadAction::clear, [&](GpuRenderEncoder& encoder) {
            encoder.setRenderPipeline(pipeline(&fullTargetVertex, &columnFragment));
            if (scissored) encoder.setScissorRect({4, 6, 10, 3});
            encoder.drawTriangles(0, 3);
        });
        for (std::int64_t y = 0; y < 48; ++y) {
            for (std::int64_t x = 0; x < 64; ++x) {
                ASSERT_EQ(isRed(x, y), !scissored || (x >= 4 && x < 14 && y >= 6 && y < 9)) << x << "," << y;
            }
        }
    }
    const QuadBytes quad{0.0f, 0.0f, 2.0f, 1.0f, 64.0f, 48.0f};
    render(GpuLoadAction::load, [&](GpuRenderEncoder& encoder) {
        encoder.setRenderPipeline(pipeline(&quadVertex, &halfRedFragment));
        encoder.setVertexBytes(&quad, sizeof quad, 0);
        encoder.drawTriangles(0, 6);
    });
    for (std::int64_t y = 0; y < 48; ++y) {
        for (std::int64_t x = (y == 0 ? 2 : 0); x < 64; ++x) ASSERT_TRUE(isRed(x, y)) << x << "," << y;
    }
    // Half-transparent red is stored premultiplied: red code 255 scaled by alpha 128.
    EXPECT_EQ(pixel(0, 0)[2], 128);
    EXPECT_EQ(pixel(0, 0)[3], 128);
    EXPECT_EQ(pixel(1, 0)[2], 128);
}

TEST_F(RenderFixture, APartialRedrawWritesOnlyItsDamageWhenTheTargetShowsTheExpectedFrame) {
    auto drawColumns = [&](const GpuRenderPassDescriptor& pass, GpuFragmentFunction fragment) {
        auto commands = queue->makeCommandBuffer();
        auto encoder = commands->makeRenderEncoder(pass);
        encoder->setRenderPipeline(pipeline(&fullTargetVertex, fragment));
        encoder->drawTriangles(0, 3);
        encoder->endEncoding();
        commands->commit();
        commands->waitUntilCompleted();
    };
    const std::uint64_t first = GpuTexture::makeContentsTag();
    const std::uint64_t second = GpuTexture::makeContentsTag();
    EXPECT_EQ(target->contentsTag(), GpuTexture::kUnknownContents);
    drawColumns({target, GpuLoadAction::clear, {0.0, 0.0, 1.0, 1.0}, first}, &columnFragment);
    EXPECT_EQ(target->contentsTag(), first);

    // Half-red only inside the damage, the clear included; the rest keeps its columns.
    drawColumns({target, GpuLoadAction::clear, {0.0, 0.0, 1.0, 1.0}, second, GpuPartialRedraw{first, {5, 6, 7, 8}}},
                &halfRedFragment);
    EXPECT_EQ(target->contentsTag(), second);
    for (std::int64_t y = 0; y < 48; ++y) {
        for (std::int64_t x = 0; x < 64; ++x) {
            const bool damaged = x >= 5 && x < 12 && y >= 6 && y < 14;
            ASSERT_EQ(pixel(x, y)[3], damaged ? 128 : 255) << x << "," << y;
            if (!damaged) {
                ASSERT_EQ(pixel(x, y)[1], x);
            }
        }
    }

    // A target that does not show the expected frame is drawn in full.
    drawColumns({target, GpuLoadAction::clear, {0.0, 0.0, 1.0, 1.0}, first, GpuPartialRedraw{first, {0, 0, 1, 1}}},
                &columnFragment);
    for (std::int64_t y = 0; y < 48; ++y) {
        for (std::int64_t x = 0; x < 64; ++x) ASSERT_EQ(pixel(x, y)[1], x) << x << "," << y;
    }

    // Other writes make the contents unknown again.
    const std::array<std::uint8_t, 4> texel{1, 2, 3, 4};
    target->replaceRegion({{0, 0}, {1, 1}}, texel.data(), 4);
    EXPECT_EQ(target->contentsTag(), GpuTexture::kUnknownContents);
}

TEST(GpuTriangleCoverage, TwoTrianglesSharingAnEdgeCoverEachPixelOnce) {
    std::mt19937 random(42);
    std::uniform_real_distribution<double> coordinate(-5.0, 45.0);
    for (int trial = 0; trial < 200; ++trial) {
        // A convex quad split along a diagonal; many diagonals pass through centres.
        const GpuScreenPoint a{std::round(coordinate(random) * 2) / 2, std::round(coordinate(random) * 2) / 2};
        const GpuScreenPoint c{std::round(coordinate(random) * 2) / 2, std::round(coordinate(random) * 2) / 2};
        const GpuScreenPoint b{a.x, c.y};
        const GpuScreenPoint d{c.x, a.y};
        const GpuTriangleCoverage first({a, b, c});
        const GpuTriangleCoverage second({c, d, a});
        for (std::int64_t y = -6; y < 46; ++y) {
            int perRow = 0;
            for (std::int64_t x = -6; x < 46; ++x) {
                const int hits = (first.covers(x, y) ? 1 : 0) + (second.covers(x, y) ? 1 : 0);
                ASSERT_LE(hits, 1);
                const double cx = x + 0.5;
                const double cy = y + 0.5;
                const bool inRectangle = cx >= std::min(a.x, c.x) && cx < std::max(a.x, c.x) &&
                                         cy >= std::min(a.y, c.y) && cy < std::max(a.y, c.y);
                ASSERT_EQ(hits == 1, inRectangle) << trial << ": " << x << "," << y;
                perRow += hits;
            }
            const auto [begin1, end1] = first.rowSpan(y, -6, 46);
            const auto [begin2, end2] = second.rowSpan(y, -6, 46);
            ASSERT_EQ(std::max<std::int64_t>(end1 - begin1, 0) + std::max<std::int64_t>(end2 - begin2, 0), perRow);
        }
    }
}

}  // namespace
}  // namespace vlt
