#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>

#include <gtest/gtest.h>

#include "shaders/composition_tool_code.h"
#include "shaders/compose_displacement.h"
#include "shaders/deformation_constants.h"

namespace vlt {
namespace {

using Tool = CompositionToolCode;
constexpr Tool kTools[] = {Tool::push, Tool::grow, Tool::shrink, Tool::reconstruct};

template <typename Texel>
std::shared_ptr<GpuTexture> field(std::int64_t width, std::int64_t height, Texel texel) {
    auto texture = GpuTexture::allocate(
        {GpuPixelFormat::rg32Float, width, height, GpuTextureUsage::shaderRead | GpuTextureUsage::shaderWrite});
    for (std::int64_t y = 0; y < height; ++y) {
        for (std::int64_t x = 0; x < width; ++x) texture->row<PackedFloat2>(y)[x] = texel(x, y);
    }
    return texture;
}

CompositionUniforms stamp(Tool tool, PackedFloat2 center, float radius, PackedFloat2 movement = {}) {
    CompositionUniforms uniforms;
    uniforms.center = center;
    uniforms.movement = movement;
    uniforms.radius = radius;
    uniforms.intensity = 1.0f;
    uniforms.tool = static_cast<std::uint32_t>(tool);
    return uniforms;
}

bool isNegativeZero(float value) { return value == 0.0f && std::signbit(value); }

TEST(BrushFalloff, FallsFromFullStrengthAtTheCentreToNothingAtTheRadius) {
    EXPECT_EQ(brushFalloffWeight(0.0f, 10.0f, 1.0f), 1.0f);
    EXPECT_FLOAT_EQ(brushFalloffWeight(25.0f, 10.0f, 1.0f), 0.5625f);
    EXPECT_FLOAT_EQ(brushFalloffWeight(25.0f, 10.0f, 0.5f), 0.28125f);
    EXPECT_EQ(brushFalloffWeight(100.0f, 10.0f, 1.0f), 0.0f);
    EXPECT_EQ(brushFalloffWeight(400.0f, 10.0f, 1.0f), 0.0f);
}

TEST(ComposeDisplacement, EachToolsSpotValues) {
    // A stamp of radius 10 at (16, 16); pixel 21 lies halfway out, at weight 0.5625.
    constexpr float kHalf = 0.5625f;
    struct Case {
        Tool tool;
        PackedFloat2 before, movement;
        std::int64_t x;
        PackedFloat2 expected;
    };
    const Case cases[] = {
        // Push points the field back against the movement.
        {Tool::push, {0, 0}, {3, -2}, 16, {-3, 2}},
        {Tool::push, {0, 0}, {3, -2}, 21, {-3 * kHalf, 2 * kHalf}},
        // Grow shows content from nearer the centre, Shrink from farther away.
        {Tool::grow, {0, 0}, {}, 21, {-5 * kGrowShrinkStrength * kHalf, 0}},
        {Tool::shrink, {0, 0}, {}, 21, {5 * kGrowShrinkStrength * kHalf, 0}},
        // Reconstruct shrinks the field and snaps tiny components to +0.
        {Tool::reconstruct, {4, 5.0e-4f}, {}, 16, {4 * (1 - kReconstructRate), 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(c.tool) << " at " << c.x);
        auto texture = field(32, 32, [&](auto, auto) { return c.before; });
        const PackedFloat2 out = composeDisplacementTexel(stamp(c.tool, {16, 16}, 10, c.movement), *texture, c.x, 16);
        EXPECT_FLOAT_EQ(out.x, c.expected.x);
        EXPECT_FLOAT_EQ(out.y, c.expected.y);
        EXPECT_FALSE(isNegativeZero(out.y));
    }
}

TEST(ComposeDisplacement, NeverWritesNegativeZeroInsideTheCircle) {
    // Outside the circle texels are copied, and no writer ever stores −0 there.
    auto texture = field(24, 24, [](auto, auto) { return PackedFloat2{-0.0f, -0.0f}; });
    for (Tool tool : kTools) {
        const auto uniforms = stamp(tool, {12.0f, 12.0f}, 9.0f, {0.0f, 1.5f});
        for (std::int64_t y = 4; y < 20; ++y) {
            for (std::int64_t x = 4; x < 20; ++x) {
                if ((x - 12) * (x - 12) + (y - 12) * (y - 12) >= 81) continue;
                const PackedFloat2 out = composeDisplacementTexel(uniforms, *texture, x, y);
                ASSERT_FALSE(isNegativeZero(out.x) || isNegativeZero(out.y)) << x << "," << y;
            }
        }
    }
}

// Random stamps of every tool, partly off the canvas: each grid thread writes the
// per-texel rule into the scratch texture, which outside the circle is the field's
// texel bit for bit.
// Eight lanes where the processor has AVX2, and four as elsewhere: the same bytes.
class ComposeDisplacementKernel : public testing::TestWithParam<GpuComputeKernel> {};

TEST_P(ComposeDisplacementKernel, WritesThePerTexelRuleAndCopiesOutsideTheCircle) {
    std::mt19937 random(11);
    std::uniform_real_distribution<float> position(-10.0f, 90.0f);
    std::uniform_real_distribution<float> size(0.3f, 40.0f);
    auto texture = field(80, 60, [](auto x, auto y) { return PackedFloat2{std::sin(x * 0.2f), std::cos(y * 0.3f)}; });
    auto scratch = field(80, 60, [](auto, auto) { return PackedFloat2{}; });
    for (int trial = 0; trial < 300; ++trial) {
        auto uniforms = stamp(kTools[trial % 4], {position(random), position(random)}, size(random),
                              {size(random) * 0.2f, -size(random) * 0.1f});
        uniforms.intensity = 0.3f + 0.7f * static_cast<float>(trial % 5) / 4.0f;
        auto edge = [&](float value, std::int64_t last) {
            return std::clamp<std::int64_t>(static_cast<std::int64_t>(value), 0, last);
        };
        const std::int64_t x0 = edge(std::floor(uniforms.center.x - uniforms.radius), 79);
        const std::int64_t y0 = edge(std::floor(uniforms.center.y - uniforms.radius), 59);
        const std::int64_t x1 = edge(std::ceil(uniforms.center.x + uniforms.radius), 79);
        const std::int64_t y1 = edge(std::ceil(uniforms.center.y + uniforms.radius), 59);
        uniforms.regionOrigin = {static_cast<std::uint32_t>(x0), static_cast<std::uint32_t>(y0)};
        GpuArguments arguments;
        arguments.setTexture(kComposeFieldTextureIndex, texture);
        arguments.setTexture(kComposeScratchTextureIndex, scratch);
        arguments.setBytes(kComposeUniformsBufferIndex, &uniforms, sizeof uniforms);
        GetParam()(arguments, {0, 0, static_cast<std::uint32_t>(x1 - x0 + 1), static_cast<std::uint32_t>(y1 - y0 + 1)});
        for (std::int64_t y = y0; y <= y1; ++y) {
            for (std::int64_t x = x0; x <= x1; ++x) {
                const PackedFloat2 expected = composeDisplacementTexel(uniforms, *texture, x, y);
                const PackedFloat2 actual = scratch->row<PackedFloat2>(y - y0)[x - x0];
                ASSERT_EQ(std::memcmp(&expected, &actual, sizeof actual), 0) << trial << ": " << x << "," << y;
                const float dx = static_cast<float>(x) - uniforms.center.x;
                const float dy = static_cast<float>(y) - uniforms.center.y;
                if (dx * dx + dy * dy < uniforms.radius * uniforms.radius) continue;
                ASSERT_EQ(std::memcmp(&actual, &texture->row<PackedFloat2>(y)[x], sizeof actual), 0)
                    << trial << ": " << x << "," << y;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(LaneCounts, ComposeDisplacementKernel,
                         testing::Values(&composeDisplacement, &composeDisplacementInFourLanes));

}  // namespace
}  // namespace vlt
