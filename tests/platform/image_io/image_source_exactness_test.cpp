// GLib names a struct member "signals", which Qt defines as a keyword: libvips comes
// before any Qt header.
#include <vips/vips.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include <QColorSpace>
#include <QTemporaryDir>
#include <QTransform>

#include "platform/image_io/image_source.h"
#include "platform/image_io/test_image_fixtures.h"

namespace vlt {
namespace {

ImageRenderRequest requestFor(PixelRect crop, std::int64_t width, std::int64_t height, int user = 1) {
    ImageRenderRequest request;
    request.userOrientation = ImageOrientation::fromExifCode(user);
    request.crop = crop;
    request.outputWidth = width;
    request.outputHeight = height;
    return request;
}

// What one libvips pipeline, read in sequence on one worker, makes of an opaque 8-bit
// file: the crop stretched onto the size, as sRGB with an opaque alpha. A JPEG is
// decoded at 1/`shrink` of its size, and the crop taken there.
QImage onePipeline(const std::string& path, PixelRect crop, int width, int height, int shrink = 1) {
    VipsImage* image = nullptr;
    if (shrink > 1) {
        vips_jpegload(path.c_str(), &image, "access", VIPS_ACCESS_SEQUENTIAL, "shrink", shrink, nullptr);
        const auto scaled = [shrink](std::int64_t value) { return std::int64_t(std::llround(double(value) / shrink)); };
        crop = {scaled(crop.x), scaled(crop.y), scaled(crop.x + crop.width) - scaled(crop.x),
                scaled(crop.y + crop.height) - scaled(crop.y)};
    } else {
        image = vips_image_new_from_file(path.c_str(), "access", VIPS_ACCESS_SEQUENTIAL, nullptr);
    }
    const auto next = [&image](auto operation) {
        VipsImage* out = nullptr;
        const bool ok = image != nullptr && operation(image, &out) == 0;
        if (image != nullptr) g_object_unref(image);
        image = ok ? out : nullptr;
    };
    next([&](VipsImage* in, VipsImage** out) {
        return vips_extract_area(in, out, int(crop.x), int(crop.y), int(crop.width), int(crop.height), nullptr);
    });
    if (crop.width != width || crop.height != height) {
        next([&](VipsImage* in, VipsImage** out) {
            return vips_resize(in, out, double(width) / double(crop.width), "vscale",
                               double(height) / double(crop.height), nullptr);
        });
        next([&](VipsImage* in, VipsImage** out) {
            return vips_embed(in, out, 0, 0, width, height, "extend", VIPS_EXTEND_COPY, nullptr);
        });
    }
    next([](VipsImage* in, VipsImage** out) { return vips_colourspace(in, out, VIPS_INTERPRETATION_sRGB, nullptr); });
    next([](VipsImage* in, VipsImage** out) { return vips_bandjoin_const1(in, out, 255.0, nullptr); });
    if (image == nullptr) return {};
    size_t size = 0;
    void* pixels = vips_image_write_to_memory(image, &size);
    g_object_unref(image);
    if (pixels == nullptr) return {};
    QImage result(width, height, QImage::Format_RGBA8888_Premultiplied);
    std::memcpy(result.bits(), pixels, std::min<std::size_t>(size, std::size_t(result.sizeInBytes())));
    g_free(pixels);
    result.setColorSpace(QColorSpace(QColorSpace::SRgb));
    return result;
}

struct Request {
    PixelRect crop;
    int width;
    int height;
};

// Of a 900 × 700 picture: reductions on either side of a pre-shrink, parts, the same size.
constexpr Request kRequests[] = {
    {{0, 0, 900, 700}, 400, 311}, {{90, 70, 720, 560}, 400, 311}, {{333, 201, 250, 300}, 250, 300},
    {{1, 2, 897, 695}, 600, 500}, {{0, 0, 900, 700}, 900, 700},   {{450, 0, 450, 700}, 101, 517},
    {{0, 0, 900, 700}, 100, 78},  {{10, 20, 800, 600}, 130, 97},
};

// The request, a quarter turn further, in the turned picture.
ImageRenderRequest turnedRequestFor(const Request& row) {
    const PixelRect turnedCrop{700 - row.crop.y - row.crop.height, row.crop.x, row.crop.height, row.crop.width};
    return requestFor(turnedCrop, row.height, row.width, 6);
}

class ImageSourceExactnessTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(directory_.isValid());
        vips_concurrency_set(1);
    }
    std::string writeVips(const QString& name, const QImage& image, const test::VipsFixtureOptions& options = {}) {
        EXPECT_TRUE(test::writeWithVips(image, directory_.filePath(name), options)) << name.toStdString();
        return directory_.filePath(name).toStdString();
    }

    QTemporaryDir directory_;
};

// Pixels kept by a decode are read anywhere, in bands on several threads, and a decode
// fills them on one thread while the picture is made from them on others. Either way
// the bytes are one pipeline's.
TEST_F(ImageSourceExactnessTest, RendersAreTheBytesOfOnePipelineReadInSequence) {
    const QImage picture = test::grainedImage(900, 700);
    const struct {
        const char* name;
        test::VipsFixtureOptions options;
    } sources[] = {
        {"plain.tif", {}},
        {"lzw.tif", {.compressed = true}},
        {"grey.tif", {.grey = true}},
        {"grey-lzw.tif", {.grey = true, .compressed = true}},
        {"tiled.tif", {.tiled = true}},
        {"photo.png", {}},
        {"grey.png", {.grey = true}},
    };
    for (const auto& source : sources) {
        SCOPED_TRACE(source.name);
        const std::string path = writeVips(source.name, picture, source.options);
        const auto opened = ImageSource::open(path);
        ASSERT_TRUE(opened.ok());
        const auto kept = opened.value().thumbnailKeepingDecode(300);
        ASSERT_TRUE(kept.ok());
        EXPECT_EQ(kept.value().image, onePipeline(path, {0, 0, 900, 700}, 300, 233));
        for (const auto& row : kRequests) {
            SCOPED_TRACE(testing::Message()
                         << row.crop.x << "," << row.crop.y << " → " << row.width << "x" << row.height);
            const QImage expected = onePipeline(path, row.crop, row.width, row.height);
            ASSERT_FALSE(expected.isNull());
            EXPECT_EQ(opened.value().render(requestFor(row.crop, row.width, row.height)).value(), expected);
            EXPECT_EQ(
                opened.value().render(requestFor(row.crop, row.width, row.height), kept.value().cache.get()).value(),
                expected);
            // A quarter turn moves the same pixels.
            QImage expectedTurned = expected.transformed(QTransform().rotate(90));
            expectedTurned.setColorSpace(expected.colorSpace());
            EXPECT_EQ(opened.value().render(turnedRequestFor(row)).value(), expectedTurned);
        }
    }
}

// The pixels of an uncompressed TIFF in strips are read straight from the file where the
// decoder would pass its bytes on unchanged. Every render is the bytes of the same
// samples stored in tiles, which only the decoder reads; a layout that is not read
// straight (16-bit samples in the other byte order) renders through the decoder alike.
TEST_F(ImageSourceExactnessTest, UncompressedStripsReadFromTheFileAreTheBytesOfTheDecoder) {
    const QImage picture = test::grainedImage(900, 700);
    const struct {
        const char* name;
        test::HandWrittenTiffOptions options;
    } layouts[] = {
        {"rgb, last strip shorter", {.samples = 3, .rowsPerStrip = 13}},
        {"rgb, one row a strip, last first", {.samples = 3, .rowsPerStrip = 1, .stripsReversed = true}},
        {"grey, last first", {.samples = 1, .rowsPerStrip = 64, .stripsReversed = true}},
        {"grey and alpha", {.samples = 2, .rowsPerStrip = 9}},
        {"rgba", {.samples = 4, .rowsPerStrip = 16}},
        {"rgba in one strip", {.samples = 4, .alphaKind = 0}},
        {"rgb 16-bit", {.samples = 3, .bitsPerSample = 16, .rowsPerStrip = 5}},
        {"rgb 16-bit big-endian", {.samples = 3, .bitsPerSample = 16, .bigEndian = true, .rowsPerStrip = 5}},
    };
    for (const auto& layout : layouts) {
        SCOPED_TRACE(layout.name);
        const std::string path = directory_.filePath("strips.tif").toStdString();
        ASSERT_TRUE(test::writeFile(QString::fromStdString(path), test::handWrittenTiffBytes(picture, layout.options)));
        test::HandWrittenTiffOptions tiled = layout.options;
        tiled.tileSide = 64;
        tiled.bigEndian = false;
        const std::string tiledPath = directory_.filePath("tiles.tif").toStdString();
        ASSERT_TRUE(test::writeFile(QString::fromStdString(tiledPath), test::handWrittenTiffBytes(picture, tiled)));
        const auto strips = ImageSource::open(path);
        const auto tiles = ImageSource::open(tiledPath);
        ASSERT_TRUE(strips.ok() && tiles.ok());

        const auto kept = strips.value().thumbnailKeepingDecode(300);
        ASSERT_TRUE(kept.ok());
        EXPECT_EQ(kept.value().image, tiles.value().thumbnail(300).value());
        if (layout.options.samples == 3 && layout.options.bitsPerSample == 8) {
            EXPECT_EQ(kept.value().image, onePipeline(path, {0, 0, 900, 700}, 300, 233));
        }
        for (const auto& row : kRequests) {
            SCOPED_TRACE(testing::Message()
                         << row.crop.x << "," << row.crop.y << " → " << row.width << "x" << row.height);
            const ImageRenderRequest request = requestFor(row.crop, row.width, row.height);
            const QImage expected = tiles.value().render(request).value();
            EXPECT_EQ(strips.value().render(request).value(), expected);
            EXPECT_EQ(strips.value().render(request, kept.value().cache.get()).value(), expected);
            EXPECT_EQ(strips.value().render(turnedRequestFor(row)).value(),
                      tiles.value().render(turnedRequestFor(row)).value());
        }
    }
}

// A JPEG crop is decoded by itself (the rows above it only entropy-decoded, the
// columns beside it not transformed) into the same bytes as the whole picture gives.
TEST_F(ImageSourceExactnessTest, AJpegCropDecodedByItselfIsTheBytesOfTheWholeDecode) {
    const QImage picture = test::grainedImage(900, 700);
    const struct {
        const char* name;
        std::string path;
    } sources[] = {
        // Qt's encoder halves the chroma both ways; libvips's keeps it whole at this quality.
        {"halved chroma", directory_.filePath("halved.jpg").toStdString()},
        {"whole chroma", writeVips("whole.jpg", picture)},
        {"grey", writeVips("grey.jpg", picture, {.grey = true})},
    };
    ASSERT_TRUE(test::writeFile(QString::fromStdString(sources[0].path), test::jpegBytes(picture, 90)));
    const struct {
        PixelRect crop;
        int width;
        int height;
        int shrink;
    } requests[] = {
        {{333, 201, 250, 300}, 250, 300, 1}, {{17, 411, 301, 203}, 151, 102, 1},
        {{601, 5, 299, 695}, 299, 695, 1},   {{1, 1, 5, 3}, 5, 3, 1},
        {{880, 690, 20, 10}, 20, 10, 1},     {{450, 350, 64, 64}, 200, 200, 1},
        {{100, 100, 800, 560}, 150, 105, 2}, {{37, 333, 640, 360}, 80, 45, 4},
        {{0, 0, 899, 700}, 100, 78, 4},
    };
    for (const auto& source : sources) {
        SCOPED_TRACE(source.name);
        const auto opened = ImageSource::open(source.path);
        ASSERT_TRUE(opened.ok());
        for (const auto& row : requests) {
            SCOPED_TRACE(testing::Message() << row.crop.x << "," << row.crop.y << " " << row.crop.width << "x"
                                            << row.crop.height << " → " << row.width << "x" << row.height);
            const QImage expected = onePipeline(source.path, row.crop, row.width, row.height, row.shrink);
            ASSERT_FALSE(expected.isNull());
            EXPECT_EQ(opened.value().render(requestFor(row.crop, row.width, row.height)).value(), expected);
        }
    }
}

}  // namespace
}  // namespace vlt
