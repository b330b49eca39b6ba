#pragma once

namespace vlt {

// What went wrong below the image source; callers turn it into their own failure.
enum class ImageSourceFailure {
    // The file cannot be opened for reading.
    unreadable,
    // The path names no regular file (a folder, a pipe, a device): nothing is read.
    notAFile,
    // The content is no image type that can be decoded.
    unknownType,
    // The content has the right signature but no readable image header.
    noImage,
    // The pixels have more samples than any supported layout (CMYK with alpha).
    unsupportedLayout,
    // Decoding would need more memory than the decoder budget allows.
    tooLargeToDecode,
    // The request lies outside the picture or asks for an output beyond what can be made.
    invalidRequest,
    // The pixels cannot be decoded (truncated or damaged data).
    decodeFailed,
    // A step after decoding (cropping, scaling, colour conversion, turning) failed.
    processingFailed,
};

}  // namespace vlt
