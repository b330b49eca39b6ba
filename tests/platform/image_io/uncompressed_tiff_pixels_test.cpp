#include "platform/image_io/uncompressed_tiff_pixels.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <vector>

#include <QTemporaryDir>

#include "base/regular_file.h"
#include "platform/image_io/image_io_runtime.h"
#include "platform/image_io/row_band_computation.h"
#include "platform/image_io/test_image_fixtures.h"
#include "platform/image_io/tiff_directory.h"

namespace vlt {
namespace {

std::vector<unsigned char> bytesOf(VipsImage* image) {
    size_t size = 0;
    void* pixels = image != nullptr ? vips_image_write_to_memory(image, &size) : nullptr;
    if (pixels == nullptr) {
        vips_error_clear();
        return {};
    }
    std::vector<unsigned char> bytes(static_cast<unsigned char*>(pixels), static_cast<unsigned char*>(pixels) + size);
    g_free(pixels);
    return bytes;
}

VipsImageRef decoded(const std::string& path) {
    VipsImageRef image;
    if (vips_tiffload(path.c_str(), image.out(), nullptr) != 0) vips_error_clear();
    return image;
}

VipsImageRef areaOf(VipsImage* image, int left, int top, int width, int height) {
    VipsImageRef area;
    if (vips_extract_area(image, area.out(), left, top, width, height, nullptr) != 0) vips_error_clear();
    return area;
}

class UncompressedTiffPixelsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureImageIORuntime();
        ASSERT_TRUE(directory_.isValid());
    }

    std::string write(const char* name, const QByteArray& bytes) const {
        const QString path = directory_.filePath(name);
        EXPECT_TRUE(test::writeFile(path, bytes));
        return path.toStdString();
    }

    static std::shared_ptr<const UncompressedTiffLayout> layoutOf(const std::string& path) {
        RegularFile file;
        if (RegularFile::open(path, file)) return nullptr;
        const auto directory = TiffDirectory::readFile(file);
        if (!directory) return nullptr;
        auto layout = UncompressedTiffLayout::of(*directory, file.size());
        return layout ? std::make_shared<const UncompressedTiffLayout>(*layout) : nullptr;
    }

    static std::unique_ptr<UncompressedTiffPixels> pixelsOf(const std::string& path) {
        const auto layout = layoutOf(path);
        const VipsImageRef header = decoded(path);
        const auto identity = FileIdentity::ofPath(path);
        if (!layout || !header || !identity) return nullptr;
        return UncompressedTiffPixels::open(path, layout, *identity, header.get());
    }

    QTemporaryDir directory_;
};

// Served layouts give the decoder's bytes and header, for the whole picture, for a part,
// and in bands read on several threads; any other layout is left to the decoder.
TEST_F(UncompressedTiffPixelsTest, ServesExactlyTheLayoutsWhoseBytesTheDecoderPassesOn) {
    const QImage picture = test::grainedImage(97, 61);
    const struct {
        const char* name;
        test::HandWrittenTiffOptions options;
        bool served;
    } layouts[] = {
        {"rgb, last strip shorter", {.samples = 3, .rowsPerStrip = 13}, true},
        {"rgb, strips last first", {.samples = 3, .rowsPerStrip = 1, .stripsReversed = true}, true},
        {"rgb, one strip, big-endian", {.samples = 3, .bigEndian = true}, true},
        {"grey", {.samples = 1, .rowsPerStrip = 7}, true},
        {"grey and straight alpha", {.samples = 2, .rowsPerStrip = 8}, true},
        {"rgba of unspecified alpha", {.samples = 4, .alphaKind = 0, .rowsPerStrip = 5}, true},
        {"rgb 16-bit", {.samples = 3, .bitsPerSample = 16, .rowsPerStrip = 4}, true},
        {"grey 16-bit with alpha", {.samples = 2, .bitsPerSample = 16, .rowsPerStrip = 60}, true},
        {"rgba premultiplied", {.samples = 4, .alphaKind = 1, .rowsPerStrip = 5}, false},
        {"grey, white is zero", {.samples = 1, .photometric = 0}, false},
        {"rgb 16-bit big-endian", {.samples = 3, .bitsPerSample = 16, .bigEndian = true}, false},
        {"tiles", {.samples = 3, .tileSide = 16}, false},
        {"compressed", {.samples = 3, .compression = 5}, false},
        {"last strip short of its rows", {.samples = 3, .rowsPerStrip = 13, .lastStripShortBy = 1}, false},
    };
    for (const auto& layout : layouts) {
        SCOPED_TRACE(layout.name);
        const std::string path = write("layout.tif", test::handWrittenTiffBytes(picture, layout.options));
        EXPECT_EQ(layoutOf(path) != nullptr, layout.served);
        if (!layout.served) continue;

        const auto pixels = pixelsOf(path);
        ASSERT_TRUE(pixels);
        const VipsImageRef image = pixels->image();
        const VipsImageRef decoder = decoded(path);
        ASSERT_TRUE(image && decoder);
        EXPECT_EQ(vips_image_get_interpretation(image.get()), vips_image_get_interpretation(decoder.get()));
        EXPECT_EQ(vips_image_get_format(image.get()), vips_image_get_format(decoder.get()));
        const std::vector<unsigned char> expected = bytesOf(decoder.get());
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(bytesOf(image.get()), expected);
        EXPECT_EQ(bytesOf(areaOf(image.get(), 31, 11, 40, 37).get()),
                  bytesOf(areaOf(decoder.get(), 31, 11, 40, 37).get()));
        size_t size = 0;
        void* bands = computeRowBands(image.get(), 4, 3, &size);
        ASSERT_NE(bands, nullptr);
        EXPECT_EQ(
            std::vector<unsigned char>(static_cast<unsigned char*>(bands), static_cast<unsigned char*>(bands) + size),
            expected);
        g_free(bands);
        EXPECT_TRUE(pixels->isIntact());
    }
}

TEST_F(UncompressedTiffPixelsTest, StripsOutsideTheFileAreNotServed) {
    const std::string path = write("photo.tif", test::handWrittenTiffBytes(test::grainedImage(40, 30)));
    RegularFile file;
    ASSERT_FALSE(RegularFile::open(path, file));
    const auto directory = TiffDirectory::readFile(file);
    ASSERT_TRUE(directory);
    EXPECT_TRUE(UncompressedTiffLayout::of(*directory, file.size()));
    // The directory comes after the pixels: as if the file ended inside them.
    EXPECT_FALSE(UncompressedTiffLayout::of(*directory, 40 * 30 * 3));
}

// Another file under the name, or a header of another size, is not read.
TEST_F(UncompressedTiffPixelsTest, OpensOnlyTheFileItsLayoutWasReadFrom) {
    const std::string path = write("photo.tif", test::handWrittenTiffBytes(test::grainedImage(40, 30)));
    const std::string other = write("other.tif", test::handWrittenTiffBytes(test::grainedImage(30, 40)));
    const auto layout = layoutOf(path);
    const auto identity = FileIdentity::ofPath(path);
    ASSERT_TRUE(layout && identity);
    EXPECT_TRUE(UncompressedTiffPixels::open(path, layout, *identity, decoded(path).get()));
    EXPECT_FALSE(UncompressedTiffPixels::open(path, layout, *identity, decoded(other).get()));
    ASSERT_EQ(std::rename(other.c_str(), path.c_str()), 0);
    EXPECT_FALSE(UncompressedTiffPixels::open(path, layout, *identity, decoded(path).get()));
}

// A file shortened under the pixels makes their reads fail; a file written in place
// reads, but what was read is no longer the file's picture.
TEST_F(UncompressedTiffPixelsTest, AShortenedOrRewrittenFileIsNeverTakenForItsPicture) {
    const QByteArray bytes = test::handWrittenTiffBytes(test::grainedImage(64, 48), {.rowsPerStrip = 8});
    const std::string shortened = write("shortened.tif", bytes);
    const auto cut = pixelsOf(shortened);
    ASSERT_TRUE(cut);
    ASSERT_EQ(::truncate(shortened.c_str(), 64 * 24 * 3), 0);
    EXPECT_TRUE(bytesOf(cut->image().get()).empty());
    EXPECT_FALSE(cut->isIntact());

    const std::string rewritten = write("rewritten.tif", bytes);
    // Last written long ago, so that the write below surely moves the time.
    const timespec longAgo[2] = {{1'000'000, 0}, {1'000'000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, rewritten.c_str(), longAgo, 0), 0);
    const auto written = pixelsOf(rewritten);
    ASSERT_TRUE(written);
    EXPECT_TRUE(written->isIntact());
    ASSERT_TRUE(test::writeFile(QString::fromStdString(rewritten), bytes));
    EXPECT_FALSE(bytesOf(written->image().get()).empty());
    EXPECT_FALSE(written->isIntact());
}

}  // namespace
}  // namespace vlt
