#include "import/crop_document.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

namespace vlt {
namespace {

ImportedImage importedImage(ImageSize encodedSize, std::int32_t orientation) {
    ImportedImage image;
    image.fileAccess = SecurityScopedFileAccess::start(QUrl::fromLocalFile("/photos/face.jpg"));
    image.fileName = "face.jpg";
    image.format = SupportedImageFormat::jpeg;
    image.encodedSize = encodedSize;
    image.exifOrientedSize = sizeAfterExifOrientation(encodedSize, orientation);
    image.encodedOrientation = orientation;
    image.previewSize = {30, 40};
    image.previewImage = QImage(30, 40, QImage::Format_RGBA8888_Premultiplied);
    return image;
}

TEST(CropDocument, NotifiesOnlyWhenTheSelectionChanges) {
    CropDocument document(importedImage({4000, 3000}, 1));
    QSignalSpy spy(&document, &CropDocument::selectionChanged);

    document.setSelection(document.selection());
    EXPECT_EQ(spy.count(), 0);

    CropSelection moved = document.selection();
    moved.crop = {0, 0, 3999.99, 3000};
    moved.move(0.01, 0);
    document.setSelection(moved);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(document.selection(), moved);

    CropSelection turned = moved;
    turned.displayClockwiseQuarterTurns = 1;
    document.setSelection(turned);
    EXPECT_EQ(spy.count(), 2);
}

}  // namespace
}  // namespace vlt
