#pragma once

#include <QImage>

namespace vlt {

enum class ImageEncodingFormat { jpeg, png };

struct ImageEncodingOptions {
    ImageEncodingFormat format = ImageEncodingFormat::png;
    // 1...100, used for JPEG only; the caller applies its own limits.
    int jpegQuality = 95;
};

// How an encode ended. A failed write is told apart from the encoder's own failure,
// with the system's errno value (ENOSPC when the disk is full).
struct ImageEncodingResult {
    enum class Status { written, encoderFailed, writeFailed };
    Status status = Status::written;
    int writeErrno = 0;

    bool written() const { return status == Status::written; }
};

// Writes the image as one sRGB file without metadata to an open descriptor, which
// stays open and is neither synced nor rewound. JPEG drops the alpha channel (compose
// on an opaque background first); PNG keeps it, stored straight (not premultiplied).
// Any QImage format is accepted. Safe to call from any thread, also beside a decode.
ImageEncodingResult encodeImage(const QImage& image, const ImageEncodingOptions& options, int descriptor);

}  // namespace vlt
