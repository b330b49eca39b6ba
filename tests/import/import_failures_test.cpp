#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QTemporaryDir>

#include "import/image_import_failure.h"
#include "import/startup_drop_failure.h"
#include "import/supported_image_format.h"
#include "import/validated_dropped_file_url.h"

namespace vlt {
namespace {

// Codes are logged and are numbered in declaration order.
TEST(ImageImportFailure, HasStableCodes) {
    using Case = ImageImportFailure::Case;
    const std::pair<Case, const char*> cases[] = {{Case::unsupported, "unsupported-content"},
                                                  {Case::corrupted, "corrupted-image"},
                                                  {Case::tooLarge, "source-too-large"}};
    for (std::size_t index = 0; index < std::size(cases); ++index) {
        const ImageImportFailure failure(cases[index].first);
        EXPECT_EQ(failure.diagnosticCode(), cases[index].second);
        EXPECT_EQ(failure.code(), static_cast<std::int64_t>(index));
    }
}

TEST(ValidatedDroppedFileURL, AcceptsExactlyOneFileThatIsNoFolderNorPipe) {
    QTemporaryDir directory;
    const QUrl file = QUrl::fromLocalFile(directory.filePath("face.jpg"));
    const QUrl missing = QUrl::fromLocalFile(directory.filePath("gone.jpg"));
    using Case = StartupDropFailure::Case;
    EXPECT_EQ(validatedDroppedFileURL({}).error().failureCase(), Case::notAFile);
    EXPECT_EQ(validatedDroppedFileURL({file, file}).error().failureCase(), Case::multipleItems);
    EXPECT_EQ(validatedDroppedFileURL({QUrl("https://example.com/a.jpg")}).error().failureCase(), Case::notAFile);
    EXPECT_EQ(validatedDroppedFileURL({QUrl::fromLocalFile(directory.path())}).error().failureCase(), Case::folder);
    const QString pipe = directory.filePath("face.jpg.pipe");
    ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(validatedDroppedFileURL({QUrl::fromLocalFile(pipe)}).error().failureCase(), Case::notAFile);
    EXPECT_EQ(validatedDroppedFileURL({missing}).value(), missing);
    EXPECT_EQ(validatedDroppedFileURL({file}).value(), file);
}

TEST(SupportedImageFormat, MapsTypeIdentifiers) {
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
    EXPECT_EQ(rawValue(SupportedImageFormat::bmp), "bmp");
}

}  // namespace
}  // namespace vlt
