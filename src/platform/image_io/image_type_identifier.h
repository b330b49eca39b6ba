#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vlt {

// Content type identifiers in the system's own spelling.
inline constexpr std::string_view kJpegTypeIdentifier = "public.jpeg";
inline constexpr std::string_view kPngTypeIdentifier = "public.png";
inline constexpr std::string_view kBmpTypeIdentifier = "com.microsoft.bmp";
inline constexpr std::string_view kTiffTypeIdentifier = "public.tiff";
inline constexpr std::string_view kHeicTypeIdentifier = "public.heic";
inline constexpr std::string_view kHeifTypeIdentifier = "public.heif";

// How many leading bytes of a file the content sniffing looks at.
inline constexpr std::size_t kTypeSniffLength = 64;

// The identifier of the content that starts with these bytes, judged by the bytes
// alone (never by a file name); none for content that is no known image type.
std::optional<std::string> sniffImageTypeIdentifier(std::span<const unsigned char> head);

// Whether the identifier names a type this system knows (case-insensitive, as type
// identifiers are).
bool isKnownImageTypeIdentifier(std::string_view identifier);

// Whether a type is the given one or a specialisation of it.
bool imageTypeConforms(std::string_view identifier, std::string_view parent);

}  // namespace vlt
