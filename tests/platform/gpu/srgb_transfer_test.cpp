#include <bit>
#include <cmath>
#include <limits>
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

// The code of a value is the last whose threshold it reaches; the bucketed lookup
// must agree wherever the answer can change and anywhere else.
TEST(SrgbTransfer, EncodingAgreesWithTheThresholdsAroundEveryThresholdAndBucket) {
    const SrgbTransfer::EncodeTables& tables = SrgbTransfer::encodeTables();
    auto byThresholds = [&](float value) {
        int code = 0;
        while (code + 1 < SrgbTransfer::kCodeCount && value >= tables.threshold[code + 1]) ++code;
        return code;
    };
    auto check = [&](float value) {
        if (!(value > 0.0f) || value >= 1.0f) return;
        ASSERT_EQ(SrgbTransfer::encode(value), byThresholds(value)) << value;
    };
    for (int code = 1; code < SrgbTransfer::kCodeCount; ++code) {
        const float threshold = tables.threshold[code];
        check(threshold);
        check(std::nextafter(threshold, 0.0f));
        check(std::nextafter(threshold, 1.0f));
    }
    for (int bucket = 0; bucket < SrgbTransfer::kEncodeBucketCount; ++bucket) {
        const auto bits =
            SrgbTransfer::kEncodeFloorBits + (static_cast<std::uint32_t>(bucket) << SrgbTransfer::kEncodeBucketShift);
        check(std::bit_cast<float>(bits));
        check(std::bit_cast<float>(bits - 1));
    }
    std::mt19937 random(3);
    std::uniform_int_distribution<std::uint32_t> pattern(0, SrgbTransfer::kOneBits - 1);
    for (int i = 0; i < 200000; ++i) check(std::bit_cast<float>(pattern(random)));
}

TEST(SrgbTransfer, OutOfRangeValuesClampAndPremultiplyRounds) {
    constexpr float kInfinity = std::numeric_limits<float>::infinity();
    const std::pair<float, int> cases[] = {{-0.0f, 0},          {std::numeric_limits<float>::denorm_min(), 0},
                                           {kInfinity, 255},    {-kInfinity, 0},
                                           {-std::nanf(""), 0}, {std::nanf(""), 0},
                                           {-1.0f, 0},          {7.0f, 255}};
    for (const auto& [value, code] : cases) EXPECT_EQ(SrgbTransfer::encode(value), code) << value;
    EXPECT_EQ(SrgbTransfer::alphaCode(0.5f), 128);
    EXPECT_EQ(SrgbTransfer::premultiply(200, 255), 200);
    EXPECT_EQ(SrgbTransfer::premultiply(255, 128), 128);
    EXPECT_EQ(SrgbTransfer::premultiply(3, 128), 2);
}

}  // namespace
}  // namespace vlt
