#include "editing/preparation/editing_canvas_descriptor.h"

#include "import/crop_document.h"

namespace vlt {

std::int32_t userOrientationCode(int clockwiseQuarterTurns, bool isHorizontallyFlipped) {
    static constexpr std::int32_t kPlain[4] = {1, 6, 3, 8};
    static constexpr std::int32_t kMirrored[4] = {2, 7, 4, 5};
    const int turns = ((clockwiseQuarterTurns % 4) + 4) % 4;
    return isHorizontallyFlipped ? kMirrored[turns] : kPlain[turns];
}

Result<EditingCanvasDescriptor, EditingCanvasPreparationFailure> EditingCanvasDescriptor::make(
    const CropDocument& document, std::int64_t maximumDimension) {
    // 1-2. The selection in the turned image.
    const CropSelection& selection = document.selection();
    const ImageSize turnedSize = selection.displayedSize();

    // 3. Whole pixels of the crop.
    const PixelAlignedCrop sourceCrop = PixelAlignedCrop::fromRect(selection.crop, turnedSize);
    if (sourceCrop.width < 1 || sourceCrop.height < 1) {
        return EditingCanvasPreparationFailure(EditingCanvasPreparationFailure::Case::invalidCrop);
    }

    // 4-6. Where it comes from, how big it becomes, and the facts to recheck.
    EditingCanvasDescriptor descriptor;
    descriptor.sourceURL = document.fileAccess() ? document.fileAccess()->url() : QUrl();
    descriptor.encodedOrientation = document.encodedOrientation();
    descriptor.userOrientation = userOrientationCode(selection.clockwiseQuarterTurns, selection.isHorizontallyFlipped);
    descriptor.currentImageSize = turnedSize;
    descriptor.sourceCrop = sourceCrop;
    descriptor.canvasSize = sourceCrop.size().fitting(maximumDimension);
    descriptor.sourceFingerprint = EditingSourceFingerprint{document.format(), document.encodedSize(),
                                                            document.exifOrientedSize(), document.encodedOrientation()};
    descriptor.decodeCache = document.decodeCache();
    return descriptor;
}

}  // namespace vlt
