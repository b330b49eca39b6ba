#include "import/supported_image_format.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "platform/image_io/image_type_identifier.h"

namespace vlt {

std::string_view rawValue(SupportedImageFormat format) {
    switch (format) {
    case SupportedImageFormat::jpeg:
        return "jpeg";
    case SupportedImageFormat::png:
        return "png";
    case SupportedImageFormat::bmp:
        return "bmp";
    case SupportedImageFormat::tiff:
        return "tiff";
    case SupportedImageFormat::heif:
        return "heif";
    }
    return {};
}

std::optional<SupportedImageFormat> supportedImageFormatFromRawValue(std::string_view raw) {
    for (SupportedImageFormat format : kAllSupportedImageFormats) {
        if (rawValue(format) == raw) return format;
    }
    return std::nullopt;
}

std::optional<SupportedImageFormat> supportedImageFormatFromTypeIdentifier(std::string_view identifier) {
    // Conformance first, in this order, then the HEIF family by name.
    if (!isKnownImageTypeIdentifier(identifier)) return std::nullopt;
    if (imageTypeConforms(identifier, kJpegTypeIdentifier)) return SupportedImageFormat::jpeg;
    if (imageTypeConforms(identifier, kPngTypeIdentifier)) return SupportedImageFormat::png;
    if (imageTypeConforms(identifier, kBmpTypeIdentifier)) return SupportedImageFormat::bmp;
    if (imageTypeConforms(identifier, kTiffTypeIdentifier)) return SupportedImageFormat::tiff;

    std::string lowered(identifier);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (lowered == "public.heic" || lowered == "public.heif" || lowered == "public.heif-standard") {
        return SupportedImageFormat::heif;
    }
    return std::nullopt;
}

}  // namespace vlt
