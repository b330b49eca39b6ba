#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vlt {

struct DecodedImageSize {
    std::int64_t width = 0;
    std::int64_t height = 0;

    friend bool operator==(const DecodedImageSize&, const DecodedImageSize&) = default;
};

// Decodes every pixel of a JPEG or PNG file, judged by its content, and answers its
// size. A header alone proves nothing about the rest of a file, so a truncated or
// damaged file, and any complaint of the decoder (a premature end, a bad checksum),
// gives none, as does content of another type.
std::optional<DecodedImageSize> readBackImageSize(const std::string& path);

}  // namespace vlt
