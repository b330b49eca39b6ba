#include "platform/image_io/tiff_directory.h"

#include <gtest/gtest.h>

#include <vector>

namespace vlt {
namespace {

std::vector<unsigned char> bytes(std::initializer_list<int> values) {
    std::vector<unsigned char> result;
    for (int value : values) result.push_back(static_cast<unsigned char>(value));
    return result;
}

TEST(TiffDirectory, ReadsNumbersInEitherByteOrderInsideOrOutsideTheirEntry) {
    // An EXIF block, little-endian: the orientation inside its entry, then a text.
    const auto exif = bytes({'E',  'x',  'i', 'f', 0, 0,          // prefix
                             'I',  'I',  42,  0,   8, 0, 0,   0,  // header
                             2,    0,                             // two entries
                             0x12, 0x01, 3,   0,   1, 0, 0,   0,   6,   0, 0, 0, 0x0F, 0x01,
                             2,    0,    4,   0,   0, 0, 'A', 'B', 'C', 0, 0, 0, 0,    0});
    // A TIFF header, big-endian: two LONGs at offset 26, outside their entry.
    const auto tiff = bytes({'M', 'M', 0, 42, 0,  0, 0, 8, 0, 1, 0x01, 0x16, 0, 4, 0, 0, 0,
                             2,   0,   0, 0,  26, 0, 0, 0, 0, 0, 0,    0x10, 0, 0, 0, 0, 1});
    const auto little = TiffDirectory::readExif(exif);
    const auto big = TiffDirectory::readExif(tiff);
    ASSERT_TRUE(little && big);
    EXPECT_EQ(little->integer(TiffDirectory::kOrientationTag), 6u);
    EXPECT_TRUE(little->contains(0x010F));
    EXPECT_EQ(little->integer(0x010F), std::nullopt) << "a text is no number";
    EXPECT_EQ(big->integer(TiffDirectory::kRowsPerStripTag), 4096u);
}

TEST(TiffDirectory, RefusesDamagedStructuresWithoutReadingOutside) {
    EXPECT_FALSE(TiffDirectory::readExif(bytes({})));
    EXPECT_FALSE(TiffDirectory::readExif(bytes({'X', 'X', 42, 0, 8, 0, 0, 0})));
    EXPECT_FALSE(TiffDirectory::readExif(bytes({'I', 'I', 42, 0, 0xFF, 0xFF, 0xFF, 0x7F})));
    // A directory that claims more entries than any image has.
    EXPECT_FALSE(TiffDirectory::readExif(bytes({'I', 'I', 42, 0, 8, 0, 0, 0, 0xFF, 0xFF})));
    // Entries that run past the end: the readable ones count, the rest is ignored.
    const auto cut =
        TiffDirectory::readExif(bytes({'I', 'I', 42, 0, 8, 0, 0, 0, 3, 0, 0x12, 0x01, 3, 0, 1, 0, 0, 0, 3, 0, 0, 0}));
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->integer(TiffDirectory::kOrientationTag), 3u);
}

}  // namespace
}  // namespace vlt
