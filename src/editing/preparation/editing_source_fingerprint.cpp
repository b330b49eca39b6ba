#include "editing/preparation/editing_source_fingerprint.h"

#include <limits>

#include "import/imported_image.h"
#include "platform/image_io/image_source.h"

namespace vlt {

Result<EditingSourceFingerprint, EditingCanvasPreparationFailure> EditingSourceFingerprint::read(const QUrl& url) {
    using Case = EditingCanvasPreparationFailure::Case;

    // 1. A file that still opens.
    if (!url.isLocalFile()) return EditingCanvasPreparationFailure(Case::sourceUnavailable);
    auto opened = ImageSource::open(url.toLocalFile().toStdString());
    if (!opened) return EditingCanvasPreparationFailure(Case::sourceUnavailable);
    const ImageSource& source = opened.value();

    // 2. Still an image of a supported type. Content of another image type (a GIF in
    //    place of the photograph) is a changed source even though it cannot be read
    //    here; content of no image type at all is simply no longer there.
    if (!source.typeIdentifier()) return EditingCanvasPreparationFailure(Case::sourceUnavailable);
    const std::optional<SupportedImageFormat> format = supportedImageFormatFromTypeIdentifier(*source.typeIdentifier());
    if (!format) return EditingCanvasPreparationFailure(Case::sourceChanged);
    if (source.imageCount() < 1) return EditingCanvasPreparationFailure(Case::sourceUnavailable);

    // 3. With a usable pixel size.
    const auto& properties = source.properties();
    if (!properties || properties->pixelWidth < 1 || properties->pixelHeight < 1) {
        return EditingCanvasPreparationFailure(Case::sourceChanged);
    }

    // 4-5. Orientation as the import stored it.
    std::int32_t orientation = 1;
    if (properties->orientation && *properties->orientation >= std::numeric_limits<std::int32_t>::min() &&
        *properties->orientation <= std::numeric_limits<std::int32_t>::max()) {
        orientation = std::int32_t(*properties->orientation);
    }
    const ImageSize encodedSize{properties->pixelWidth, properties->pixelHeight};
    return EditingSourceFingerprint{*format, encodedSize, sizeAfterExifOrientation(encodedSize, orientation),
                                    orientation};
}

}  // namespace vlt
