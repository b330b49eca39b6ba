#include "platform/gpu/srgb_transfer.h"

#include <cmath>

namespace vlt {

namespace {

constexpr double kCodeMaximum = 255.0;
constexpr double kDecodeLinearLimit = 0.04045;
constexpr double kEncodeLinearLimit = 0.0031308;
constexpr double kLinearSlope = 12.92;
constexpr double kCurveOffset = 0.055;
constexpr double kCurveScale = 1.055;
constexpr double kCurveExponent = 2.4;

// Encoding first looks up the code at the start of the value's bucket and then steps
// over the thresholds inside the bucket. Buckets are narrow enough that even the
// steepest part of the curve puts at most one threshold inside one.
constexpr int kEncodeBucketCount = 4096;

struct Tables {
    std::array<float, SrgbTransfer::kCodeCount> decoded{};
    // threshold[c]: the lowest linear value that encodes to code c (threshold[0] unused).
    std::array<float, SrgbTransfer::kCodeCount> threshold{};
    std::array<std::uint8_t, kEncodeBucketCount + 1> bucketCode{};

    Tables() {
        for (int code = 0; code < SrgbTransfer::kCodeCount; ++code) {
            decoded[code] = static_cast<float>(SrgbTransfer::decodeExact(code / kCodeMaximum));
        }
        const double halfCode = 0.5;
        threshold[0] = 0.0f;
        for (int code = 1; code < SrgbTransfer::kCodeCount; ++code) {
            threshold[code] = static_cast<float>(SrgbTransfer::decodeExact((code - halfCode) / kCodeMaximum));
        }
        int code = 0;
        for (int bucket = 0; bucket <= kEncodeBucketCount; ++bucket) {
            const float start = static_cast<float>(bucket) / static_cast<float>(kEncodeBucketCount);
            while (code + 1 < SrgbTransfer::kCodeCount && threshold[code + 1] <= start) ++code;
            bucketCode[bucket] = static_cast<std::uint8_t>(code);
        }
    }
};

const Tables& tables() {
    static const Tables instance;
    return instance;
}

}  // namespace

const std::array<float, SrgbTransfer::kCodeCount>& SrgbTransfer::decodeTable() {
    return tables().decoded;
}

std::uint8_t SrgbTransfer::encode(float linear) {
    if (!(linear > 0.0f)) return 0;
    if (linear >= 1.0f) return kCodeCount - 1;
    const Tables& t = tables();
    int code = t.bucketCode[static_cast<int>(linear * static_cast<float>(kEncodeBucketCount))];
    while (code + 1 < kCodeCount && linear >= t.threshold[code + 1]) ++code;
    return static_cast<std::uint8_t>(code);
}

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
