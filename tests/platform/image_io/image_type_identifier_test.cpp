#include "platform/image_io/image_type_identifier.h"

#include <gtest/gtest.h>

#include <QByteArray>

#include "platform/image_io/test_image_fixtures.h"

namespace vlt {
namespace {

std::optional<std::string> sniff(const QByteArray& bytes) {
    return sniffImageTypeIdentifier(
        std::span(reinterpret_cast<const unsigned char*>(bytes.constData()), std::size_t(bytes.size())));
}

QByteArray isoMedia(const char* majorBrand, const char* compatibleBrand) {
    QByteArray box(
        "\x00\x00\x00\x18"
        "ftyp",
        8);
    box.append(majorBrand, 4).append("\0\0\0\0", 4).append("mif1", 4).append(compatibleBrand, 4);
    return box;
}

TEST(ImageTypeSniffing, AnswersTheTypeOfEachSupportedContent) {
    const QImage picture = test::fourColourImage(8, 8);
    EXPECT_EQ(sniff(test::jpegBytes(picture)), "public.jpeg");
    EXPECT_EQ(sniff(test::pngBytes(picture)), "public.png");
    EXPECT_EQ(sniff(test::bmpBytes(picture)), "com.microsoft.bmp");
    EXPECT_EQ(sniff(QByteArray("II*\0\x08\0\0\0", 8)), "public.tiff");
    EXPECT_EQ(sniff(QByteArray("MM\0*\0\0\0\x08", 8)), "public.tiff");
    EXPECT_EQ(sniff(isoMedia("heic", "heic")), "public.heic");
    EXPECT_EQ(sniff(isoMedia("mif1", "heic")), "public.heif");
}

TEST(ImageTypeSniffing, AnswersOtherImageTypesThatAreNotSupported) {
    EXPECT_EQ(sniff(QByteArray("GIF89a\x01\0\x01\0", 10)), "com.compuserve.gif");
    EXPECT_EQ(sniff(isoMedia("avif", "avif")), "public.avif");
    EXPECT_EQ(sniff(QByteArray("RIFF\0\0\0\0WEBPVP8 ", 16)), "org.webmproject.webp");
}

TEST(ImageTypeSniffing, AnswersNothingForTextEmptyOrShortContent) {
    EXPECT_EQ(sniff(QByteArray()), std::nullopt);
    EXPECT_EQ(sniff(QByteArray("\xFF\xD8", 2)), std::nullopt);
    EXPECT_EQ(sniff(QByteArray("BMW is not a bitmap, just a line of text.")), std::nullopt);
    EXPECT_EQ(sniff(QByteArray("hello, this is plain text")), std::nullopt);
    EXPECT_EQ(sniff(QByteArray("\0\0\0\x08"
                               "ftypheic",
                               12)),
              std::nullopt);
}

TEST(ImageTypeIdentifiers, KnowTheirTypesCaseInsensitivelyAndConformOnlyToThemselves) {
    EXPECT_TRUE(isKnownImageTypeIdentifier("public.jpeg"));
    EXPECT_TRUE(isKnownImageTypeIdentifier("PUBLIC.HEIC"));
    EXPECT_FALSE(isKnownImageTypeIdentifier("public.made-up"));
    EXPECT_TRUE(imageTypeConforms("public.JPEG", kJpegTypeIdentifier));
    EXPECT_FALSE(imageTypeConforms("public.jpeg-2000", kJpegTypeIdentifier));
    EXPECT_FALSE(imageTypeConforms("public.png", kTiffTypeIdentifier));
}

}  // namespace
}  // namespace vlt
