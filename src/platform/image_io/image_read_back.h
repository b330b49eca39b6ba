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

// Reads a JPEG or PNG file that this system wrote, judged by its content, through
// all of its compressed data and answers its size. A header alone proves nothing
// about the rest of a file, so every entropy-coded segment (JPEG) or the whole
// compressed stream with every checksum (PNG) is decoded; only the reconstruction of
// the pixels from what was decoded is left out, which costs more than the rest and
// can no longer fail. A truncated or damaged file, any complaint of the decoder (a
// premature end, a bad code or checksum), another layout or another type gives none.
std::optional<DecodedImageSize> readBackImageSize(const std::string& path);

}  // namespace vlt
