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

    // The code whose decoded value is nearest in encoded space; NaN and values at
    // or below 0 give 0, values at or above 1 give 255.
    static std::uint8_t encode(float linear);

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
