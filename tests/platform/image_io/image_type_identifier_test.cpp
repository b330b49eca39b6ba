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

TEST(ImageTypeSniffing, AnswersTheTypeOfTheContentSupportedOrNotAndNothingForText) {
    const QImage picture = test::fourColourImage(8, 8);
    const std::pair<QByteArray, std::optional<std::string>> cases[] = {
        {test::jpegBytes(picture), "public.jpeg"},
        {test::pngBytes(picture), "public.png"},
        {test::bmpBytes(picture), "com.microsoft.bmp"},
        {QByteArray("II*\0\x08\0\0\0", 8), "public.tiff"},
        {QByteArray("MM\0*\0\0\0\x08", 8), "public.tiff"},
        {isoMedia("heic", "heic"), "public.heic"},
        {isoMedia("mif1", "heic"), "public.heif"},
        {QByteArray("GIF89a\x01\0\x01\0", 10), "com.compuserve.gif"},
        {isoMedia("avif", "avif"), "public.avif"},
        {QByteArray("RIFF\0\0\0\0WEBPVP8 ", 16), "org.webmproject.webp"},
        {QByteArray(), std::nullopt},
        {QByteArray("\xFF\xD8", 2), std::nullopt},
        {QByteArray("BMW is not a bitmap, just a line of text."), std::nullopt},
        {QByteArray("\0\0\0\x08", 4) + "ftypheic", std::nullopt},
    };
    for (const auto& [bytes, type] : cases) EXPECT_EQ(sniff(bytes), type) << bytes.left(12).toHex().toStdString();
}

}  // namespace
}  // namespace vlt
