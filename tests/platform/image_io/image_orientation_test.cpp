#include "platform/image_io/image_orientation.h"

#include <gtest/gtest.h>

#include <QImage>

#include "platform/image_io/test_image_fixtures.h"

namespace vlt {
namespace {

// A 3 × 2 picture whose six pixels all differ.
QImage numberedPicture() {
    QImage picture(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) picture.setPixel(x, y, qRgb(x * 80, y * 120, 7));
    }
    return picture;
}

QImage applied(const QImage& picture, ImageOrientation orientation) {
    return test::turned(picture, orientation.clockwiseQuarterTurns, orientation.mirrored);
}

TEST(ImageOrientation, ShowsEachExifCodeAsItsStoredPictureDemandsAndOthersAsStored) {
    const QImage upright = numberedPicture();
    for (int code = 1; code <= 8; ++code) {
        const QImage stored = test::storedForExifOrientation(upright, code);
        EXPECT_EQ(applied(stored, ImageOrientation::fromExifCode(code)), upright) << "orientation " << code;
        EXPECT_EQ(ImageOrientation::fromExifCode(code).exifCode(), code);
    }
    // Codes outside the table turn nothing.
    for (int code : {0, 9, -3}) EXPECT_EQ(ImageOrientation::fromExifCode(code), ImageOrientation{}) << code;
}

TEST(ImageOrientation, ComposesAndInvertsLikeThePictureOperations) {
    const QImage picture = numberedPicture();
    for (int first = 1; first <= 8; ++first) {
        const auto a = ImageOrientation::fromExifCode(first);
        EXPECT_EQ(applied(applied(picture, a), a.inverse()), picture) << "inverse of " << first;
        for (int second = 1; second <= 8; ++second) {
            const auto b = ImageOrientation::fromExifCode(second);
            EXPECT_EQ(applied(picture, b.after(a)), applied(applied(picture, a), b)) << first << " then " << second;
        }
    }
}

TEST(ImageOrientation, MapsARectangleWhereItsPixelsLand) {
    // Mark a 2 × 1 block of a 5 × 4 picture, turn the picture, and find the block.
    QImage picture(5, 4, QImage::Format_RGB32);
    picture.fill(Qt::black);
    picture.setPixel(1, 2, qRgb(255, 255, 255));
    picture.setPixel(2, 2, qRgb(255, 255, 255));
    for (int code = 1; code <= 8; ++code) {
        const auto orientation = ImageOrientation::fromExifCode(code);
        const PixelRect mapped = orientation.map({1, 2, 2, 1}, 5, 4);
        const QImage result = applied(picture, orientation);
        int marked = 0;
        for (int y = 0; y < result.height(); ++y) {
            for (int x = 0; x < result.width(); ++x) {
                const bool inside =
                    x >= mapped.x && x < mapped.x + mapped.width && y >= mapped.y && y < mapped.y + mapped.height;
                const bool white = result.pixel(x, y) == qRgb(255, 255, 255);
                EXPECT_EQ(inside, white) << "orientation " << code << " at " << x << "," << y;
                marked += white;
            }
        }
        EXPECT_EQ(marked, 2);
    }
}

}  // namespace
}  // namespace vlt
