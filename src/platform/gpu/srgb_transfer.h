#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace vlt {

// The sRGB transfer function between 8-bit encoded values and linear light, as the
// sRGB texture formats apply it on read and on store. Decoding is a table lookup;
// encoding rounds to the nearest code in encoded space, so decoding a code and
// encoding the result gives the same code back, bit for bit.
class SrgbTransfer {
public:
    static constexpr int kCodeCount = 256;

    // Linear value of every code, 0 → 0 and 255 → 1.
    static const std::array<float, kCodeCount>& decodeTable();
    static float decode(std::uint8_t code) { return decodeTable()[code]; }

    // Plain 8-bit values (alpha) as code / 255, 255 giving exactly 1.
    static const std::array<float, kCodeCount>& unormTable();

    // Encoding looks up the code at the start of the value's bucket and then checks
    // the one threshold that may lie inside the bucket. Buckets are runs of float bit
    // patterns (a fixed share of each binade), narrow enough that even the steepest
    // part of the curve puts at most one threshold inside one; values below the
    // lowest bucket are below the first threshold.
    static constexpr int kEncodeBucketShift = 15;
    static constexpr std::uint32_t kEncodeFloorBits = 114u << 23;  // 2⁻¹³
    static constexpr std::uint32_t kOneBits = 127u << 23;
    static constexpr std::uint32_t kInfinityBits = 255u << 23;
    static constexpr int kEncodeBucketCount = static_cast<int>((kOneBits - kEncodeFloorBits) >> kEncodeBucketShift);

    struct EncodeTables {
        // threshold[c]: the lowest linear value that encodes to code c; one more
        // entry, +∞, ends the search at the top code.
        std::array<float, kCodeCount + 1> threshold{};
        std::array<std::uint8_t, kEncodeBucketCount> bucketCode{};
    };

    static const EncodeTables& encodeTables();

    // The code whose decoded value is nearest in encoded space; NaN and values at
    // or below 0 give 0, values at or above 1 give 255.
    static std::uint8_t encode(float linear) { return encode(linear, encodeTables()); }

    // The same with the tables at hand, for loops over many values.
    static std::uint8_t encode(float linear, const EncodeTables& tables) {
        const std::uint32_t bits = std::bit_cast<std::uint32_t>(linear);
        if (bits < kEncodeFloorBits) return 0;
        // 1 up to +∞ give the top code; NaN and every negative value (sign bit set) 0.
        if (bits >= kOneBits) return bits <= kInfinityBits ? kCodeCount - 1 : 0;
        const int code = tables.bucketCode[(bits - kEncodeFloorBits) >> kEncodeBucketShift];
        return static_cast<std::uint8_t>(code + (linear >= tables.threshold[code + 1] ? 1 : 0));
    }

    // The continuous transfer functions, for building tables and constants.
    static double decodeExact(double encoded);
    static double encodeExact(double linear);

    // Straight alpha in [0, 1] as an 8-bit value, rounded to nearest.
    static std::uint8_t alphaCode(float alpha);

    // Scales an encoded colour code by an 8-bit alpha, rounded to nearest.
    static std::uint8_t premultiply(std::uint8_t code, std::uint8_t alpha) {
        return static_cast<std::uint8_t>((code * alpha + kHalfAlphaMaximum) / kAlphaMaximum);
    }

private:
    static constexpr int kAlphaMaximum = 255;
    static constexpr int kHalfAlphaMaximum = 127;
};

}  // namespace vlt
