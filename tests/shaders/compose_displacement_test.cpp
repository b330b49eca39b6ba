#include <bit>
#include <cmath>
#include <cstring>
#include <random>
#include <algorithm>

#include <gtest/gtest.h>

#include "shaders/composition_tool_code.h"
#include "shaders/compose_displacement.h"
#include "shaders/deformation_constants.h"

namespace vlt {
namespace {

std::shared_ptr<GpuTexture> field(std::int64_t width, std::int64_t height, PackedFloat2 value) {
    auto texture = GpuTexture::allocate({GpuPixelFormat::rg32Float, width, height,
                                         GpuTextureUsage::shaderRead | GpuTextureUsage::shaderWrite});
    for (std::int64_t y = 0; y < height; ++y) {
        for (std::int64_t x = 0; x < width; ++x) texture->row<PackedFloat2>(y)[x] = value;
    }
    return texture;
}

CompositionUniforms stamp(CompositionToolCode tool, PackedFloat2 center, float radius, PackedFloat2 movement = {}) {
    CompositionUniforms uniforms;
    uniforms.center = center;
    uniforms.movement = movement;
    uniforms.radius = radius;
    uniforms.intensity = 1.0f;
    uniforms.tool = static_cast<std::uint32_t>(tool);
    return uniforms;
}

bool hasSignBit(float value) {
    return (std::bit_cast<std::uint32_t>(value) >> 31) != 0;
}

TEST(BrushFalloff, FallsFromFullStrengthAtTheCentreToNothingAtTheRadius) {
    EXPECT_EQ(brushFalloffWeight(0.0f, 10.0f, 1.0f), 1.0f);
    EXPECT_FLOAT_EQ(brushFalloffWeight(25.0f, 10.0f, 1.0f), 0.5625f);
    EXPECT_FLOAT_EQ(brushFalloffWeight(25.0f, 10.0f, 0.5f), 0.28125f);
    EXPECT_EQ(brushFalloffWeight(100.0f, 10.0f, 1.0f), 0.0f);
    EXPECT_EQ(brushFalloffWeight(400.0f, 10.0f, 1.0f), 0.0f);
}

TEST(ComposeDisplacement, CopiesEveryTexelOutsideTheCircleBitForBit) {
    auto texture = field(40, 40, {0.0f, 0.0f});
    for (std::int64_t y = 0; y < 40; ++y) {
        for (std::int64_t x = 0; x < 40; ++x) {
            texture->row<PackedFloat2>(y)[x] = {std::sin(x * 0.37f) * 3.0f, std::cos(y * 0.11f) * -2.0f};
        }
    }
    for (auto tool : {CompositionToolCode::push, CompositionToolCode::grow, CompositionToolCode::shrink,
                      CompositionToolCode::reconstruct}) {
        const auto uniforms = stamp(tool, {20.3f, 19.6f}, 8.0f, {2.0f, -1.0f});
        for (std::int64_t y = 0; y < 40; ++y) {
            for (std::int64_t x = 0; x < 40; ++x) {
                const float dx = x - 20.3f;
                const float dy = y - 19.6f;
                if (dx * dx + dy * dy < 64.0f) continue;
                const PackedFloat2 out = composeDisplacementTexel(uniforms, *texture, x, y);
                const PackedFloat2 in = texture->row<PackedFloat2>(y)[x];
                ASSERT_EQ(std::memcmp(&out, &in, sizeof out), 0) << x << "," << y;
            }
        }
    }
}

TEST(ComposeDisplacement, PushOnAnEmptyFieldPointsBackAgainstTheMovement) {
    auto texture = field(32, 32, {0.0f, 0.0f});
    const auto uniforms = stamp(CompositionToolCode::push, {16.0f, 16.0f}, 10.0f, {3.0f, -2.0f});
    const PackedFloat2 centre = composeDisplacementTexel(uniforms, *texture, 16, 16);
    EXPECT_EQ(centre.x, -3.0f);
    EXPECT_EQ(centre.y, 2.0f);
    const PackedFloat2 halfway = composeDisplacementTexel(uniforms, *texture, 21, 16);
    EXPECT_FLOAT_EQ(halfway.x, -3.0f * 0.5625f);
}

TEST(ComposeDisplacement, GrowSamplesTowardTheCentreAndShrinkAwayFromIt) {
    auto texture = field(64, 64, {0.0f, 0.0f});
    const auto grow = composeDisplacementTexel(stamp(CompositionToolCode::grow, {32, 32}, 20), *texture, 42, 32);
    const auto shrink = composeDisplacementTexel(stamp(CompositionToolCode::shrink, {32, 32}, 20), *texture, 42, 32);
    // Pixel 10 to the right of the centre, weight 0.5625: it shows content from
    // 10 · 0.08 · 0.5625 pixels closer to (Grow) or farther from (Shrink) the centre.
    EXPECT_FLOAT_EQ(grow.x, -10.0f * kGrowShrinkStrength * 0.5625f);
    EXPECT_FLOAT_EQ(shrink.x, 10.0f * kGrowShrinkStrength * 0.5625f);
    EXPECT_EQ(grow.y, 0.0f);
    EXPECT_FALSE(hasSignBit(grow.y));
}

TEST(ComposeDisplacement, ReconstructShrinksTheFieldAndSnapsTinyComponentsToZero) {
    auto texture = field(16, 16, {4.0f, 5.0e-4f});
    const auto uniforms = stamp(CompositionToolCode::reconstruct, {8, 8}, 6);
    const PackedFloat2 centre = composeDisplacementTexel(uniforms, *texture, 8, 8);
    EXPECT_FLOAT_EQ(centre.x, 4.0f * (1.0f - kReconstructRate));
    EXPECT_EQ(std::bit_cast<std::uint32_t>(centre.y), 0u);
}

TEST(ComposeDisplacement, NeverWritesNegativeZeroInsideTheCircle) {
    // Outside the circle texels are copied, and no writer ever stores −0 there.
    auto texture = field(24, 24, {-0.0f, -0.0f});
    for (auto tool : {CompositionToolCode::push, CompositionToolCode::grow, CompositionToolCode::shrink,
                      CompositionToolCode::reconstruct}) {
        const auto uniforms = stamp(tool, {12.0f, 12.0f}, 9.0f, {0.0f, 1.5f});
        for (std::int64_t y = 4; y < 20; ++y) {
            for (std::int64_t x = 4; x < 20; ++x) {
                if ((x - 12) * (x - 12) + (y - 12) * (y - 12) >= 81) continue;
                const PackedFloat2 out = composeDisplacementTexel(uniforms, *texture, x, y);
                ASSERT_FALSE(out.x == 0.0f && hasSignBit(out.x)) << x << "," << y;
                ASSERT_FALSE(out.y == 0.0f && hasSignBit(out.y)) << x << "," << y;
            }
        }
    }
}

TEST(ComposeDisplacement, KernelWritesEachRegionTexelToTheScratchTexture) {
    auto texture = field(30, 30, {1.0f, 1.0f});
    auto scratch = field(12, 12, {9.0f, 9.0f});
    auto uniforms = stamp(CompositionToolCode::reconstruct, {15, 15}, 5);
    uniforms.regionOrigin = {10, 10};
    GpuArguments arguments;
    arguments.setTexture(kComposeFieldTextureIndex, texture);
    arguments.setTexture(kComposeScratchTextureIndex, scratch);
    arguments.setBytes(kComposeUniformsBufferIndex, &uniforms, sizeof uniforms);
    composeDisplacement(arguments, {0, 0, 11, 11});
    for (std::int64_t gy = 0; gy < 11; ++gy) {
        for (std::int64_t gx = 0; gx < 11; ++gx) {
            const PackedFloat2 expected = composeDisplacementTexel(uniforms, *texture, 10 + gx, 10 + gy);
            ASSERT_EQ(scratch->row<PackedFloat2>(gy)[gx], expected);
        }
    }
    EXPECT_EQ(scratch->row<PackedFloat2>(11)[11].x, 9.0f);
}

TEST(ComposeDisplacement, KernelMatchesThePerTexelRuleForAnyStamp) {
    std::mt19937 random(11);
    std::uniform_real_distribution<float> position(-10.0f, 90.0f);
    std::uniform_real_distribution<float> size(0.3f, 40.0f);
    auto texture = field(80, 60, {0.0f, 0.0f});
    for (std::int64_t y = 0; y < 60; ++y) {
        for (std::int64_t x = 0; x < 80; ++x) texture->row<PackedFloat2>(y)[x] = {std::sin(x * 0.2f), std::cos(y * 0.3f)};
    }
    auto scratch = field(80, 60, {0.0f, 0.0f});
    for (int trial = 0; trial < 300; ++trial) {
        auto uniforms = stamp(static_cast<CompositionToolCode>(trial % 4), {position(random), position(random)},
                              size(random), {size(random) * 0.2f, -size(random) * 0.1f});
        uniforms.intensity = 0.3f + 0.7f * static_cast<float>(trial % 5) / 4.0f;
        const auto x0 = std::clamp<std::int64_t>(static_cast<std::int64_t>(std::floor(uniforms.center.x - uniforms.radius)), 0, 79);
        const auto y0 = std::clamp<std::int64_t>(static_cast<std::int64_t>(std::floor(uniforms.center.y - uniforms.radius)), 0, 59);
        const auto x1 = std::clamp<std::int64_t>(static_cast<std::int64_t>(std::ceil(uniforms.center.x + uniforms.radius)), 0, 79);
        const auto y1 = std::clamp<std::int64_t>(static_cast<std::int64_t>(std::ceil(uniforms.center.y + uniforms.radius)), 0, 59);
        uniforms.regionOrigin = {static_cast<std::uint32_t>(x0), static_cast<std::uint32_t>(y0)};
        GpuArguments arguments;
        arguments.setTexture(kComposeFieldTextureIndex, texture);
        arguments.setTexture(kComposeScratchTextureIndex, scratch);
        arguments.setBytes(kComposeUniformsBufferIndex, &uniforms, sizeof uniforms);
        const auto width = static_cast<std::uint32_t>(x1 - x0 + 1);
        const auto height = static_cast<std::uint32_t>(y1 - y0 + 1);
        composeDisplacement(arguments, {0, 0, width, height});
        for (std::uint32_t gy = 0; gy < height; ++gy) {
            for (std::uint32_t gx = 0; gx < width; ++gx) {
                const PackedFloat2 expected = composeDisplacementTexel(uniforms, *texture, x0 + gx, y0 + gy);
                const PackedFloat2 actual = scratch->row<PackedFloat2>(gy)[gx];
                ASSERT_EQ(std::memcmp(&expected, &actual, sizeof actual), 0) << trial << ": " << gx << "," << gy;
            }
        }
    }
}

}  // namespace
}  // namespace vlt
