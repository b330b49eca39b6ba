#pragma once

#include <array>
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

    // Encoding looks up the code at the start of the value's bucket and then steps
    // over the thresholds inside the bucket. Buckets are narrow enough that even the
    // steepest part of the curve puts at most one threshold inside one.
    static constexpr int kEncodeBucketCount = 4096;

    struct EncodeTables {
        // threshold[c]: the lowest linear value that encodes to code c.
        std::array<float, kCodeCount> threshold{};
        std::array<std::uint8_t, kEncodeBucketCount + 1> bucketCode{};
    };

    static const EncodeTables& encodeTables();

    // The code whose decoded value is nearest in encoded space; NaN and values at
    // or below 0 give 0, values at or above 1 give 255.
    static std::uint8_t encode(float linear) { return encode(linear, encodeTables()); }

    // The same with the tables at hand, for loops over many values.
    static std::uint8_t encode(float linear, const EncodeTables& tables) {
        if (!(linear > 0.0f)) return 0;
        if (linear >= 1.0f) return kCodeCount - 1;
        int code = tables.bucketCode[static_cast<int>(linear * static_cast<float>(kEncodeBucketCount))];
        while (code + 1 < kCodeCount && linear >= tables.threshold[code + 1]) ++code;
        return static_cast<std::uint8_t>(code);
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
