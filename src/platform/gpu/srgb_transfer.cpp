#include "platform/gpu/srgb_transfer.h"

#include <bit>
#include <cmath>
#include <limits>

namespace vlt {

namespace {

constexpr double kCodeMaximum = 255.0;
constexpr double kDecodeLinearLimit = 0.04045;
constexpr double kEncodeLinearLimit = 0.0031308;
constexpr double kLinearSlope = 12.92;
constexpr double kCurveOffset = 0.055;
constexpr double kCurveScale = 1.055;
constexpr double kCurveExponent = 2.4;

struct Tables {
    std::array<float, SrgbTransfer::kCodeCount> decoded{};
    std::array<float, SrgbTransfer::kCodeCount> unorm{};
    SrgbTransfer::EncodeTables encode;

    Tables() {
        for (int code = 0; code < SrgbTransfer::kCodeCount; ++code) {
            decoded[code] = static_cast<float>(SrgbTransfer::decodeExact(code / kCodeMaximum));
            unorm[code] = static_cast<float>(code) / static_cast<float>(kCodeMaximum);
        }
        const double halfCode = 0.5;
        encode.threshold[0] = 0.0f;
        for (int code = 1; code < SrgbTransfer::kCodeCount; ++code) {
            encode.threshold[code] = static_cast<float>(SrgbTransfer::decodeExact((code - halfCode) / kCodeMaximum));
        }
        encode.threshold[SrgbTransfer::kCodeCount] = std::numeric_limits<float>::infinity();
        int code = 0;
        for (int bucket = 0; bucket < SrgbTransfer::kEncodeBucketCount; ++bucket) {
            const auto startBits = SrgbTransfer::kEncodeFloorBits +
                                   (static_cast<std::uint32_t>(bucket) << SrgbTransfer::kEncodeBucketShift);
            const float start = std::bit_cast<float>(startBits);
            while (code + 1 < SrgbTransfer::kCodeCount && encode.threshold[code + 1] <= start) ++code;
            encode.bucketCode[bucket] = static_cast<std::uint8_t>(code);
        }
    }
};

const Tables& tables() {
    static const Tables instance;
    return instance;
}

}  // namespace

const std::array<float, SrgbTransfer::kCodeCount>& SrgbTransfer::decodeTable() { return tables().decoded; }

const std::array<float, SrgbTransfer::kCodeCount>& SrgbTransfer::unormTable() { return tables().unorm; }

const SrgbTransfer::EncodeTables& SrgbTransfer::encodeTables() { return tables().encode; }

double SrgbTransfer::decodeExact(double encoded) {
    if (encoded <= kDecodeLinearLimit) return encoded / kLinearSlope;
    return std::pow((encoded + kCurveOffset) / kCurveScale, kCurveExponent);
}

double SrgbTransfer::encodeExact(double linear) {
    if (linear <= kEncodeLinearLimit) return linear * kLinearSlope;
    return kCurveScale * std::pow(linear, 1.0 / kCurveExponent) - kCurveOffset;
}

std::uint8_t SrgbTransfer::alphaCode(float alpha) {
    if (!(alpha > 0.0f)) return 0;
    if (alpha >= 1.0f) return kAlphaMaximum;
    const float half = 0.5f;
    return static_cast<std::uint8_t>(alpha * static_cast<float>(kAlphaMaximum) + half);
}

}  // namespace vlt
