#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stop_token>

#include <QImage>
#include <QString>
#include <QUrl>

#include "base/result.h"
#include "import/image_import_failure.h"
#include "import/image_size.h"
#include "import/security_scoped_file_access.h"
#include "import/supported_image_format.h"

namespace vlt {

class ImageDecodeCache;

// One opened photograph: the facts of its header and an upright preview.
struct ImportedImage {
    SharedFileAccess fileAccess;
    QString fileName;
    SupportedImageFormat format = SupportedImageFormat::jpeg;
    // As stored in the file, before orientation.
    ImageSize encodedSize;
    // encodedSize with its sides exchanged for orientations 5 to 8.
    ImageSize exifOrientedSize;
    // As the header gives it, 1 when it has none; values outside 1 to 8 are kept as
    // they are and turn nothing.
    std::int32_t encodedOrientation = 1;
    ImageSize previewSize;
    // Upright, at most kMaximumPreviewSide on its longer side, 8-bit sRGB with
    // premultiplied alpha (QImage::Format_RGBA8888_Premultiplied).
    QImage previewImage;
    // What the preview's decode kept for the editing canvas, which is made later from
    // the same file; none when the file changed while it was decoded.
    std::shared_ptr<const ImageDecodeCache> decodeCache;

    static constexpr std::int64_t kMaximumSide = 100'000;
    static constexpr std::int64_t kMaximumPixelCount = 1'000'000'000;
    static constexpr int kMaximumPreviewSide = 4096;

    // Reads the header, checks the limits and decodes the preview. Blocking: call it
    // off the main thread. Keeps fileAccess in the result. A stop asked for meanwhile
    // ends the decode early, as a failure.
    static Result<ImportedImage, ImageImportFailure> load(const QUrl& url, SharedFileAccess fileAccess,
                                                          std::stop_token stop = {});

    // The picture as 8-bit sRGB with premultiplied alpha; none for a null image.
    static std::optional<QImage> makeSRGBPreview(const QImage& image);
};

// The size after the EXIF orientation: exchanged for 5 to 8, else unchanged.
ImageSize sizeAfterExifOrientation(ImageSize encodedSize, std::int32_t encodedOrientation);

}  // namespace vlt
