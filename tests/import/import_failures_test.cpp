#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "import/image_import_failure.h"
#include "import/startup_drop_failure.h"
#include "import/supported_image_format.h"
#include "import/validated_dropped_file_url.h"

namespace vlt {
namespace {

TEST(ImageImportFailure, HasStableCodesAndMessages) {
    const ImageImportFailure unsupported(ImageImportFailure::Case::unsupported);
    const ImageImportFailure corrupted(ImageImportFailure::Case::corrupted);
    const ImageImportFailure tooLarge(ImageImportFailure::Case::tooLarge);
    EXPECT_EQ(unsupported.diagnosticCode(), "unsupported-content");
    EXPECT_EQ(corrupted.diagnosticCode(), "corrupted-image");
    EXPECT_EQ(tooLarge.diagnosticCode(), "source-too-large");
    EXPECT_EQ(unsupported.userMessage(), "Choose a JPEG, PNG, BMP, TIFF, HEIC, or HEIF image.");
    EXPECT_EQ(corrupted.userMessage(), "This image could not be read. It may be damaged, or incompatible");
    EXPECT_EQ(tooLarge.userMessage(), "This image is too large to open safely.");
    EXPECT_EQ(corrupted.domain(), "VltMac.ImageImportFailure");
    EXPECT_EQ(unsupported.code(), 0);
    EXPECT_EQ(tooLarge.code(), 2);
}

TEST(StartupDropFailure, HasItsMessages) {
    EXPECT_EQ(StartupDropFailure(StartupDropFailure::Case::notAFile).userMessage(), "Please drop one image file.");
    EXPECT_EQ(StartupDropFailure(StartupDropFailure::Case::multipleItems).userMessage(),
              "Please choose exactly one image at a time.");
    EXPECT_EQ(StartupDropFailure(StartupDropFailure::Case::folder).userMessage(),
              "Folders cannot be opened here. Please choose one image file.");
}

TEST(ValidatedDroppedFileURL, AcceptsExactlyOneFileThatIsNoFolder) {
    QTemporaryDir directory;
    const QUrl file = QUrl::fromLocalFile(directory.filePath("face.jpg"));
    const QUrl missing = QUrl::fromLocalFile(directory.filePath("gone.jpg"));
    using Case = StartupDropFailure::Case;
    EXPECT_EQ(validatedDroppedFileURL({}).error().failureCase(), Case::notAFile);
    EXPECT_EQ(validatedDroppedFileURL({file, file}).error().failureCase(), Case::multipleItems);
    EXPECT_EQ(validatedDroppedFileURL({QUrl("https://example.com/a.jpg")}).error().failureCase(), Case::notAFile);
    EXPECT_EQ(validatedDroppedFileURL({QUrl::fromLocalFile(directory.path())}).error().failureCase(), Case::folder);
    EXPECT_EQ(validatedDroppedFileURL({missing}).value(), missing);
    EXPECT_EQ(validatedDroppedFileURL({file}).value(), file);
}

TEST(SupportedImageFormat, MapsTypeIdentifiersAndRawValues) {
    EXPECT_EQ(supportedImageFormatFromTypeIdentifier("public.jpeg"), SupportedImageFormat::jpeg);
    EXPECT_EQ(supportedImageFormatFromTypeIdentifier("public.png"), SupportedImageFormat::png);
    EXPECT_EQ(supportedImageFormatFromTypeIdentifier("com.microsoft.bmp"), SupportedImageFormat::bmp);
    EXPECT_EQ(supportedImageFormatFromTypeIdentifier("public.tiff"), SupportedImageFormat::tiff);
    EXPECT_EQ(supportedImageFormatFromTypeIdentifier("public.heic"), SupportedImageFormat::heif);
    EXPECT_EQ(supportedImageFormatFromTypeIdentifier("Public.HEIF"), SupportedImageFormat::heif);
    EXPECT_EQ(supportedImageFormatFromTypeIdentifier("public.heif-standard"), SupportedImageFormat::heif);
    EXPECT_EQ(supportedImageFormatFromTypeIdentifier("public.heics"), std::nullopt);
    EXPECT_EQ(supportedImageFormatFromTypeIdentifier("com.compuserve.gif"), std::nullopt);
    EXPECT_EQ(supportedImageFormatFromTypeIdentifier("public.unknown"), std::nullopt);
    EXPECT_EQ(supportedImageFormatFromRawValue("heif"), SupportedImageFormat::heif);
    EXPECT_EQ(supportedImageFormatFromRawValue("HEIF"), std::nullopt);
    EXPECT_EQ(rawValue(SupportedImageFormat::bmp), "bmp");
}

}  // namespace
}  // namespace vlt
