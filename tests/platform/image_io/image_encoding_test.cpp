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

}  // namespace
}  // namespace vlt
