#include "platform/image_io/jpeg_region.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <stop_token>

#include "platform/image_io/test_image_fixtures.h"

namespace vlt {
namespace {

// A JPEG crop decoded by itself reads the file through libjpeg, past the decoder that a
// stop ends: it looks at the stop on its own and gives nothing once it is asked for,
// while the same crop unstopped is whole.
TEST(JpegRegionTest, ACropDecodedByItselfEndsWithoutPixelsOnceStopped) {
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const QString tall = directory.filePath(QStringLiteral("tall.jpg"));
    ASSERT_TRUE(test::writeFile(tall, test::jpegBytes(test::grainedImage(320, 2400), 90)));
    const std::string path = tall.toStdString();
    VipsImage* loaded = nullptr;
    ASSERT_EQ(vips_jpegload(path.c_str(), &loaded, "access", VIPS_ACCESS_SEQUENTIAL, nullptr), 0);
    const VipsImageRef decoder(loaded);
    const VipsRect crop{40, 1800, 200, 300};

    std::stop_source stop;
    stop.request_stop();
    EXPECT_FALSE(decodeJpegRegion(path, decoder.get(), 1, crop, stop.get_token()));

    const VipsImageRef whole = decodeJpegRegion(path, decoder.get(), 1, crop, std::stop_source().get_token());
    ASSERT_TRUE(whole);
    EXPECT_EQ(vips_image_get_width(whole.get()), crop.width);
    EXPECT_EQ(vips_image_get_height(whole.get()), crop.height);
}

}  // namespace
}  // namespace vlt
