#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace vlt {

// The formats that can be opened; HEIC files are heif too.
enum class SupportedImageFormat {
    jpeg,
    png,
    bmp,
    tiff,
    heif,
};

inline constexpr std::array<SupportedImageFormat, 5> kAllSupportedImageFormats = {
    SupportedImageFormat::jpeg, SupportedImageFormat::png,  SupportedImageFormat::bmp,
    SupportedImageFormat::tiff, SupportedImageFormat::heif,
};

std::string_view rawValue(SupportedImageFormat format);
// Exact, case-sensitive match.
std::optional<SupportedImageFormat> supportedImageFormatFromRawValue(std::string_view raw);

// The format of a content type identifier as the image reader reports it
// ("public.jpeg", "public.heic", …); none for any other type.
std::optional<SupportedImageFormat> supportedImageFormatFromTypeIdentifier(std::string_view identifier);

}  // namespace vlt
