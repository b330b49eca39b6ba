#include "import/imported_image.h"

#include <limits>

#include <QColorSpace>

#include "base/background_release.h"
#include "platform/image_io/image_source.h"

namespace vlt {
namespace {

ImageImportFailure failure(ImageImportFailure::Case failureCase) { return ImageImportFailure(failureCase); }

// Orientation values outside 32 bits cannot be stored; the header keeps the value in
// 16 bits, so a larger one is damage and counts as no orientation.
std::int32_t storedOrientation(const std::optional<std::int64_t>& orientation) {
    if (!orientation || *orientation < std::numeric_limits<std::int32_t>::min() ||
        *orientation > std::numeric_limits<std::int32_t>::max()) {
        return 1;
    }
    return std::int32_t(*orientation);
}

bool withinLimits(std::int64_t width, std::int64_t height) {
    // A side of 0 or less is no size at all: the header is damaged, not too large.
    return width <= ImportedImage::kMaximumSide && height <= ImportedImage::kMaximumSide &&
           width * height <= ImportedImage::kMaximumPixelCount;
}

}  // namespace

ImageSize sizeAfterExifOrientation(ImageSize encodedSize, std::int32_t encodedOrientation) {
    const bool swaps = encodedOrientation >= 5 && encodedOrientation <= 8;
    return swaps ? encodedSize.transposed() : encodedSize;
}

Result<ImportedImage, ImageImportFailure> ImportedImage::load(const QUrl& url, SharedFileAccess fileAccess,
                                                              std::stop_token stop) {
    // 1. A readable local file.
    if (!url.isLocalFile()) return failure(ImageImportFailure::Case::corrupted);
    auto opened = ImageSource::open(url.toLocalFile().toStdString());
    if (!opened) {
        // A pipe, a device or a folder holds no image to read.
        const bool isFile = opened.error() != ImageSourceFailure::notAFile;
        return failure(isFile ? ImageImportFailure::Case::corrupted : ImageImportFailure::Case::unsupported);
    }
    const ImageSource& source = opened.value();

    // 2. Content of a supported type, whatever the file is called.
    if (!source.typeIdentifier()) return failure(ImageImportFailure::Case::unsupported);
    const std::optional<SupportedImageFormat> format = supportedImageFormatFromTypeIdentifier(*source.typeIdentifier());
    if (!format) return failure(ImageImportFailure::Case::unsupported);

    // 3-4. A header with a pixel size.
    if (source.imageCount() < 1 || !source.properties()) return failure(ImageImportFailure::Case::corrupted);
    const ImageProperties& properties = *source.properties();
    const ImageSize encodedSize{properties.pixelWidth, properties.pixelHeight};
    if (encodedSize.width < 1 || encodedSize.height < 1) return failure(ImageImportFailure::Case::corrupted);

    // 5. Limits, before a single pixel is decoded.
    if (!withinLimits(encodedSize.width, encodedSize.height)) return failure(ImageImportFailure::Case::tooLarge);

    // 6. Orientation.
    const std::int32_t orientation = storedOrientation(properties.orientation);

    // 7-8. The upright preview, decoded from the image data itself.
    auto thumbnail = source.thumbnailKeepingDecode(kMaximumPreviewSide, std::move(stop));
    if (!thumbnail) {
        const bool tooLarge = thumbnail.error() == ImageSourceFailure::tooLargeToDecode;
        return failure(tooLarge ? ImageImportFailure::Case::tooLarge : ImageImportFailure::Case::corrupted);
    }
    std::optional<QImage> preview = makeSRGBPreview(thumbnail.value().image);
    if (!preview) return failure(ImageImportFailure::Case::corrupted);

    // 9. The record.
    ImportedImage image;
    image.fileAccess = std::move(fileAccess);
    image.fileName = url.fileName();
    image.format = *format;
    image.encodedSize = encodedSize;
    image.exifOrientedSize = sizeAfterExifOrientation(encodedSize, orientation);
    image.encodedOrientation = orientation;
    image.previewSize = {preview->width(), preview->height()};
    image.previewImage = *std::move(preview);
    // Its last holder is often the GUI thread (the crop screen going, the editor opening).
    image.decodeCache = destroyedAwayFromMainThread(std::move(thumbnail).value().cache);
    return image;
}

std::optional<QImage> ImportedImage::makeSRGBPreview(const QImage& image) {
    if (image.isNull()) return std::nullopt;
    QImage preview = image.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    if (preview.isNull()) return std::nullopt;
    // A picture already in sRGB keeps sharing its pixels.
    const QColorSpace sRGB(QColorSpace::SRgb);
    if (preview.colorSpace() != sRGB) preview.setColorSpace(sRGB);
    return preview;
}

}  // namespace vlt
