#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "platform/gpu/srgb_transfer.h"

namespace vlt {
namespace {

TEST(SrgbTransfer, DecodingAndEncodingEveryCodeGivesItBack) {
    for (int code = 0; code < 256; ++code) {
        EXPECT_EQ(SrgbTransfer::encode(SrgbTransfer::decode(static_cast<std::uint8_t>(code))), code);
    }
    EXPECT_EQ(SrgbTransfer::decode(0), 0.0f);
    EXPECT_EQ(SrgbTransfer::decode(255), 1.0f);
}

TEST(SrgbTransfer, EncodingRoundsToTheNearestCodeInEncodedSpace) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> linear(0.0f, 1.0f);
    for (int i = 0; i < 20000; ++i) {
        const float value = i % 2 == 0 ? linear(random) : linear(random) * 0.01f;
        const double exact = SrgbTransfer::encodeExact(value) * 255.0;
        const int code = SrgbTransfer::encode(value);
        // Values within a hair of a midpoint may go either way; all others must match.
        if (std::abs(exact - std::floor(exact) - 0.5) < 1e-4) continue;
        ASSERT_EQ(code, static_cast<int>(std::lround(exact))) << value;
    }
}

TEST(SrgbTransfer, OutOfRangeValuesClampAndPremultiplyRounds) {
    EXPECT_EQ(SrgbTransfer::encode(-1.0f), 0);
    EXPECT_EQ(SrgbTransfer::encode(std::nanf("")), 0);
    EXPECT_EQ(SrgbTransfer::encode(7.0f), 255);
    EXPECT_EQ(SrgbTransfer::alphaCode(0.5f), 128);
    EXPECT_EQ(SrgbTransfer::premultiply(200, 255), 200);
    EXPECT_EQ(SrgbTransfer::premultiply(255, 128), 128);
    EXPECT_EQ(SrgbTransfer::premultiply(3, 128), 2);
}

}  // namespace
}  // namespace vlt
