#pragma once

#include <QImage>

namespace vlt {

enum class ImageEncodingFormat { jpeg, png };

struct ImageEncodingOptions {
    ImageEncodingFormat format = ImageEncodingFormat::png;
    // 1...100, used for JPEG only; the caller applies its own limits.
    int jpegQuality = 95;
};

// Writes the image as one sRGB file without metadata to an open descriptor, which
// stays open and is neither synced nor rewound. JPEG drops the alpha channel (compose
// on an opaque background first); PNG keeps it, stored straight (not premultiplied).
// Any QImage format is accepted. False when the image cannot be encoded or written.
// Safe to call from any thread, also beside a decode.
bool encodeImage(const QImage& image, const ImageEncodingOptions& options, int descriptor);

}  // namespace vlt
