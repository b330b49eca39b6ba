#include "import/crop_document.h"

#include "import/pixel_aligned_crop.h"

namespace vlt {

CropDocument::CropDocument(const ImportedImage& importedImage, QObject* parent)
    : QObject(parent),
      fileAccess_(importedImage.fileAccess),
      fileName_(importedImage.fileName),
      format_(importedImage.format),
      encodedSize_(importedImage.encodedSize),
      exifOrientedSize_(importedImage.exifOrientedSize),
      encodedOrientation_(importedImage.encodedOrientation),
      previewSize_(importedImage.previewSize),
      previewImage_(importedImage.previewImage),
      decodeCache_(importedImage.decodeCache),
      selection_(importedImage.exifOrientedSize, kMinimumCropSize) {}

void CropDocument::setSelection(const CropSelection& selection) {
    if (selection == selection_) return;
    selection_ = selection;
    emit selectionChanged();
}

ImageSize CropDocument::editingCanvasSize(std::int64_t maximumDimension) const {
    const PixelAlignedCrop aligned = PixelAlignedCrop::fromRect(selection_.crop, selection_.displayedSize());
    return aligned.size().fitting(maximumDimension);
}

}  // namespace vlt
