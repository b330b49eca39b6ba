#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QTemporaryDir>

#include "import/startup_drop_failure.h"
#include "import/supported_image_format.h"
#include "import/validated_dropped_file_url.h"

namespace vlt {
namespace {

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

// The common formats are told apart by their content when loaded; these are the names
// the HEIF family goes by, whose image sequences are no photograph.
TEST(SupportedImageFormat, TakesTheHeifFamilyButNotItsSequences) {
    EXPECT_EQ(supportedImageFormatFromTypeIdentifier("Public.HEIF"), SupportedImageFormat::heif);
    EXPECT_EQ(supportedImageFormatFromTypeIdentifier("public.heif-standard"), SupportedImageFormat::heif);
    EXPECT_EQ(supportedImageFormatFromTypeIdentifier("public.heics"), std::nullopt);
}

}  // namespace
}  // namespace vlt
