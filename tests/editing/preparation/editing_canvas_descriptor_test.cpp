#include "editing/preparation/editing_canvas_descriptor.h"

#include <gtest/gtest.h>

#include "import/crop_document.h"

namespace vlt {
namespace {

ImportedImage importedImage(ImageSize encodedSize, std::int32_t orientation) {
    ImportedImage image;
    image.fileAccess = SecurityScopedFileAccess::start(QUrl::fromLocalFile("/photos/face.tif"));
    image.fileName = "face.tif";
    image.format = SupportedImageFormat::tiff;
    image.encodedSize = encodedSize;
    image.exifOrientedSize = sizeAfterExifOrientation(encodedSize, orientation);
    image.encodedOrientation = orientation;
    image.previewSize = image.exifOrientedSize;
    image.previewImage = QImage(1, 1, QImage::Format_RGBA8888_Premultiplied);
    return image;
}

TEST(EditingCanvasDescriptor, FreezesTheTurnedMirroredCrop) {
    CropDocument document(importedImage({4000, 3000}, 8));
    CropSelection selection = document.selection();
    selection.apply(CropTransformCommand::rotateRight);
    selection.apply(CropTransformCommand::flipHorizontal);
    selection.apply(CropTransformCommand::flipHorizontal);
    selection.apply(CropTransformCommand::flipVertical);
    selection.apply(CropTransformCommand::flipVertical);
    selection.crop = {10.4, 20.5, 3000, 1000};
    CropSelection mirrored = selection;
    mirrored.isHorizontallyFlipped = true;
    document.setSelection(mirrored);

    const auto descriptor = EditingCanvasDescriptor::make(document, 2000);
    ASSERT_TRUE(descriptor.ok());
    const EditingCanvasDescriptor& value = descriptor.value();
    EXPECT_EQ(value.sourceURL, QUrl::fromLocalFile("/photos/face.tif"));
    EXPECT_EQ(value.encodedOrientation, 8);
    EXPECT_EQ(value.userOrientation, 7);
    EXPECT_EQ(value.currentImageSize, (ImageSize{4000, 3000}));
    EXPECT_EQ(value.sourceCrop, (PixelAlignedCrop{10, 21, 3000, 1000}));
    EXPECT_EQ(value.canvasSize, (ImageSize{2000, 667}));
    ASSERT_TRUE(value.sourceFingerprint);
    EXPECT_EQ(*value.sourceFingerprint,
              (EditingSourceFingerprint{SupportedImageFormat::tiff, {4000, 3000}, {3000, 4000}, 8}));
}

}  // namespace
}  // namespace vlt
