#include "platform/image_io/image_encoding.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "base/file_descriptor.h"
#include "platform/image_io/image_read_back.h"

#include <fcntl.h>

namespace vlt {
namespace {

TEST(ImageEncodingTest, PngKeepsStraightAlphaAndJpegTheOpaqueColours) {
    QImage image(40, 30, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(30, 160, 90));
    image.setPixelColor(5, 5, QColor(250, 20, 10, 128));
    QTemporaryDir folder;
    for (const auto& [format, name] :
         {std::pair{ImageEncodingFormat::png, "a.png"}, std::pair{ImageEncodingFormat::jpeg, "a.jpg"}}) {
        SCOPED_TRACE(name);
        const std::string path = folder.filePath(name).toStdString();
        {
            const FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644));
            ASSERT_TRUE(encodeImage(image, ImageEncodingOptions{format, 95}, file.get()).written());
        }
        EXPECT_EQ(readBackImageSize(path), (DecodedImageSize{40, 30}));
        const QImage written(QString::fromStdString(path));
        EXPECT_NEAR(written.pixelColor(20, 20).green(), 160, 4);
        EXPECT_EQ(written.hasAlphaChannel(), format == ImageEncodingFormat::png);
        if (format == ImageEncodingFormat::png) {
            // Stored straight: the half-covered red stays red instead of darkening.
            EXPECT_NEAR(written.pixelColor(5, 5).red(), 250, 2);
            EXPECT_NEAR(written.pixelColor(5, 5).alpha(), 128, 1);
        }
    }
}

// Every width exercises the row conversion's whole steps and its remainder: a pixel
// taken from the wrong place or channel would be far off, not within the rounding of
// a quality-100 encode.
TEST(ImageEncodingTest, JpegKeepsEachPixelsColourAtEveryRowWidth) {
    QTemporaryDir folder;
    for (const int width : {1, 2, 3, 4, 5, 6, 7, 9, 10, 13, 37}) {
        SCOPED_TRACE(width);
        QImage image(width, 8, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(40 + 5 * x, 200 - 3 * x, 60 + 17 * (x % 4)));
        }
        const std::string path = folder.filePath(QStringLiteral("w%1.jpg").arg(width)).toStdString();
        {
            const FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644));
            ASSERT_TRUE(encodeImage(image, ImageEncodingOptions{ImageEncodingFormat::jpeg, 100}, file.get()).written());
        }
        const QImage written = QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
        for (int x = 0; x < width; ++x) {
            const QColor expected = image.pixelColor(x, 4);
            const QColor found = written.pixelColor(x, 4);
            EXPECT_NEAR(found.red(), expected.red(), 6) << x;
            EXPECT_NEAR(found.green(), expected.green(), 6) << x;
            EXPECT_NEAR(found.blue(), expected.blue(), 6) << x;
        }
    }
}

}  // namespace
}  // namespace vlt
