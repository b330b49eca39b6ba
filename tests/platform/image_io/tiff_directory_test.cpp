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

// Samples and strips have a value each: those tags keep them all, inline or not; a
// count that runs past the data keeps none, and other tags keep their first alone.
TEST(TiffDirectory, KeepsEveryValueOfTheTagsThatDescribeSamplesAndStrips) {
    const auto tiff = bytes({'M',  'M',  0, 42, 0, 0,    0,    8,                  // header
                             0,    4,                                              // four entries
                             0x01, 0x02, 0, 3,  0, 0,    0,    3,    0, 0, 0, 62,  // BitsPerSample, 3 SHORTs at 62
                             0x01, 0x11, 0, 4,  0, 0,    0,    2,    0, 0, 0, 68,  // StripOffsets, 2 LONGs at 68
                             0x01, 0x17, 0, 4,  0, 0x0F, 0x42, 0x40, 0, 0, 0, 76,  // StripByteCounts, a million
                             0x01, 0x52, 0, 3,  0, 0,    0,    2,    0, 0, 0, 2,   // ExtraSamples, 2 inline
                             0,    0,    0, 0,                                     // no next directory
                             0,    8,    0, 8,  0, 8,                              // 62: bits
                             0,    0,    1, 0,  0, 0,    2,    0,                  // 68: offsets
                             0,    0,    0, 16});                                  // 76: the first byte count
    const auto directory = TiffDirectory::readExif(tiff);
    ASSERT_TRUE(directory);
    EXPECT_FALSE(directory->isLittleEndian());
    const auto values = [&directory](std::uint16_t tag) {
        const auto all = directory->integers(tag);
        return std::vector<std::uint64_t>(all.begin(), all.end());
    };
    EXPECT_EQ(values(TiffDirectory::kBitsPerSampleTag), (std::vector<std::uint64_t>{8, 8, 8}));
    EXPECT_EQ(values(TiffDirectory::kStripOffsetsTag), (std::vector<std::uint64_t>{256, 512}));
    EXPECT_EQ(values(TiffDirectory::kExtraSamplesTag), (std::vector<std::uint64_t>{0, 2}));
    EXPECT_TRUE(values(TiffDirectory::kStripByteCountsTag).empty());
    EXPECT_EQ(directory->integer(TiffDirectory::kStripByteCountsTag), 16u);
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
