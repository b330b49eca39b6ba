#include "platform/image_io/image_source.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <chrono>
#include <stop_token>
#include <thread>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/image_io/test_image_fixtures.h"
#include "platform/image_io/tiff_directory.h"

namespace vlt {
namespace {

using test::colourAt;
using test::coloursNear;

class ImageSourceTest : public ::testing::Test {
protected:
    std::string path(const QString& name) const { return directory_.filePath(name).toStdString(); }
    std::string write(const QString& name, const QByteArray& bytes) const {
        EXPECT_TRUE(test::writeFile(directory_.filePath(name), bytes));
        return path(name);
    }
    std::string writeVips(const QString& name, const QImage& image, const test::VipsFixtureOptions& options = {}) {
        EXPECT_TRUE(test::writeWithVips(image, directory_.filePath(name), options)) << name.toStdString();
        return path(name);
    }
    void expectUprightFourColours(const QImage& image, int tolerance = 48) {
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.format(), QImage::Format_RGBA8888_Premultiplied);
        EXPECT_TRUE(coloursNear(colourAt(image, 0.25, 0.25), test::kTopLeftColour, tolerance));
        EXPECT_TRUE(coloursNear(colourAt(image, 0.75, 0.25), test::kTopRightColour, tolerance));
        EXPECT_TRUE(coloursNear(colourAt(image, 0.75, 0.75), test::kBottomRightColour, tolerance));
        EXPECT_TRUE(coloursNear(colourAt(image, 0.25, 0.75), test::kBottomLeftColour, tolerance));
    }

    QTemporaryDir directory_;
};

// The import tells a missing file, a folder and a pipe apart; the TIFF directory reader
// must not wait on a pipe either, which nobody ever writes into.
TEST_F(ImageSourceTest, ATiffDirectoryIsNeverReadFromAPipe) {
    ASSERT_EQ(::mkfifo(path("pipe.tif").c_str(), 0600), 0);
    EXPECT_FALSE(TiffDirectory::readFile(path("pipe.tif")));
}

// The size and orientation come from the file's own header: a TIFF has its own
// directory, HEIF is always shown as stored.
TEST_F(ImageSourceTest, PropertiesComeFromTheHeaderAndTheThumbnailStandsUpright) {
    const QImage picture = test::fourColourImage(64, 48);
    const struct {
        std::string path;
        std::string type;
        ImageProperties properties;
        int tolerance;
    } cases[] = {
        {writeVips("turned.tif", test::storedForExifOrientation(picture, 6), {.orientation = 6}), "public.tiff",
         ImageProperties{48, 64, 6}, 2},
        {writeVips("photo.heic", picture), "public.heic", ImageProperties{64, 48, 1}, 48},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const auto source = ImageSource::open(c.path);
        ASSERT_TRUE(source.ok());
        EXPECT_EQ(source.value().typeIdentifier(), c.type);
        EXPECT_EQ(source.value().properties(), c.properties);
        expectUprightFourColours(source.value().thumbnail(4096).value(), c.tolerance);
    }
}

TEST_F(ImageSourceTest, RenderCropsAndStretchesEachAxisOntoTheExactSize) {
    const QImage picture = test::fourColourImage(200, 100);
    const auto source = ImageSource::open(write("wide.png", test::pngBytes(picture)));
    ASSERT_TRUE(source.ok());

    ImageRenderRequest request;
    request.crop = {100, 0, 100, 50};  // the green quadrant only
    request.outputWidth = 33;
    request.outputHeight = 71;
    const QImage rendered = source.value().render(request).value();
    EXPECT_EQ(rendered.size(), QSize(33, 71));
    EXPECT_TRUE(coloursNear(colourAt(rendered, 0.0, 0.0), test::kTopRightColour, 2));
    EXPECT_TRUE(coloursNear(colourAt(rendered, 0.99, 0.99), test::kTopRightColour, 2));
}

// A request the picture cannot answer is the caller's mistake, never damage.
TEST_F(ImageSourceTest, RenderTellsARequestOutsideThePictureFromADamagedOne) {
    const auto source = ImageSource::open(write("small.png", test::pngBytes(test::fourColourImage(20, 10))));
    const QByteArray whole = test::pngBytes(test::fourColourImage(200, 100));
    const auto damaged = ImageSource::open(write("cut.png", whole.left(whole.size() / 2)));
    const struct {
        const ImageSource& source;
        PixelRect crop;
        std::int64_t width;
        std::int64_t height;
        ImageSourceFailure failure;
    } cases[] = {
        {source.value(), {15, 0, 10, 10}, 10, 10, ImageSourceFailure::invalidRequest},
        {source.value(), {-1, 0, 10, 10}, 10, 10, ImageSourceFailure::invalidRequest},
        {source.value(), {0, 0, 20, 10}, 0, 10, ImageSourceFailure::invalidRequest},
        {source.value(), {0, 0, 20, 10}, 20'000'000, 10, ImageSourceFailure::invalidRequest},
        {damaged.value(), {0, 0, 200, 100}, 200, 100, ImageSourceFailure::decodeFailed},
    };
    for (const auto& row : cases) {
        ImageRenderRequest request;
        request.crop = row.crop;
        request.outputWidth = row.width;
        request.outputHeight = row.height;
        EXPECT_EQ(row.source.render(request).error(), row.failure) << row.crop.x << " " << row.width;
    }
}

// An uncompressed TIFF cut short inside its pixels, before it was opened or after,
// fails to decode: no part of it comes out as a picture.
TEST_F(ImageSourceTest, AnUncompressedTiffCutInsideItsPixelsFailsToDecode) {
    const QByteArray whole =
        test::handWrittenTiffBytes(test::grainedImage(600, 200), {.rowsPerStrip = 16, .directoryFirst = true});
    const QByteArray cut = whole.left(whole.size() - 600 * 3 * 50);
    const auto cutBefore = ImageSource::open(write("before.tif", cut));
    const std::string later = write("after.tif", whole);
    const auto cutAfter = ImageSource::open(later);
    ASSERT_EQ(::truncate(later.c_str(), cut.size()), 0);
    for (const auto* source : {&cutBefore, &cutAfter}) {
        ASSERT_TRUE(source->ok());
        ASSERT_EQ(source->value().imageCount(), 1);
        for (const std::int64_t width : {600, 100}) {
            ImageRenderRequest request;
            request.crop = {0, 0, 600, 200};
            request.outputWidth = width;
            request.outputHeight = width / 3;
            EXPECT_EQ(source->value().render(request).error(), ImageSourceFailure::decodeFailed) << width;
        }
        EXPECT_EQ(source->value().thumbnailKeepingDecode(100).error(), ImageSourceFailure::decodeFailed);
    }
}

TEST_F(ImageSourceTest, EveryPixelLayoutComesOutAsPremultipliedSRGB) {
    const QImage picture = test::fourColourImage(64, 48);
    const std::pair<const char*, test::VipsFixtureOptions> layouts[] = {
        {"rgb16.png", {.sixteenBit = true}},
        {"palette.png", {.palette = true}},
        {"cmyk.jpg", {.cmyk = true}},
        {"cmyk.tif", {.cmyk = true}},
        {"rgb16.tif", {.sixteenBit = true}},
        {"tiled.tif", {.tiled = true}},
        {"progressive.jpg", {.interlaced = true}},
        {"interlaced.png", {.interlaced = true}},
    };
    for (const auto& [name, options] : layouts) {
        SCOPED_TRACE(name);
        const auto source = ImageSource::open(writeVips(name, picture, options));
        ASSERT_TRUE(source.ok());
        expectUprightFourColours(source.value().thumbnail(32).value());
    }
}

TEST_F(ImageSourceTest, GreySourcesBecomeGreyRGBA) {
    QImage picture(16, 16, QImage::Format_RGBA8888);
    picture.fill(QColor(128, 128, 128));
    const auto source = ImageSource::open(writeVips("grey16.png", picture, {.grey = true, .sixteenBit = true}));
    const QImage result = source.value().thumbnail(16).value();
    EXPECT_EQ(result.format(), QImage::Format_RGBA8888_Premultiplied);
    EXPECT_TRUE(coloursNear(result.pixelColor(8, 8), QColor(128, 128, 128), 3));
    EXPECT_EQ(result.pixelColor(8, 8).alpha(), 255);
}

TEST_F(ImageSourceTest, TransparencyIsKeptPremultipliedWithoutColourFringes) {
    QImage picture(40, 40, QImage::Format_RGBA8888);
    picture.fill(Qt::transparent);
    for (int y = 0; y < 40; ++y) {
        for (int x = 20; x < 40; ++x) picture.setPixelColor(x, y, QColor(255, 0, 0));
    }
    const auto source = ImageSource::open(writeVips("alpha.png", picture, {.keepAlpha = true}));
    const QImage result = source.value().thumbnail(10).value();
    ASSERT_EQ(result.size(), QSize(10, 10));
    const QRgb transparent = result.pixel(1, 5);
    EXPECT_EQ(qAlpha(transparent), 0);
    EXPECT_EQ(qRed(transparent), 0);
    EXPECT_EQ(result.pixelColor(8, 5), QColor(255, 0, 0));
}

TEST_F(ImageSourceTest, RefusesAnInterlacedPngWhoseWholeImageBufferIsTooLarge) {
    const std::string small = writeVips("small.png", test::fourColourImage(16, 16), {.interlaced = true});
    const QByteArray announced =
        test::withAnnouncedPngSize(test::readFile(QString::fromStdString(small)), 30000, 30000);
    const auto source = ImageSource::open(write("bomb.png", announced));
    ASSERT_TRUE(source.ok());
    ASSERT_EQ(source.value().imageCount(), 1);
    EXPECT_EQ(source.value().thumbnail(4096).error(), ImageSourceFailure::tooLargeToDecode);
}

// A decoder that reads in sequence must pass every row above a crop; taken in one piece,
// 20,000 rows of 20,000 grey pixels would be 400 MB.
TEST_F(ImageSourceTest, ACropFarDownAGiantSourceHoldsOnlyAFewRowsAtATime) {
    const std::string tall = path("tall.png");
    ASSERT_TRUE(test::writeLargeGreyPng(QString::fromStdString(tall), 20000, 20100));
    const auto source = ImageSource::open(tall);
    ASSERT_TRUE(source.ok());
    ImageRenderRequest request;
    request.crop = {9900, 20000, 100, 100};
    request.outputWidth = 100;
    request.outputHeight = 100;
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    const auto rendered = source.value().render(request);
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    ASSERT_TRUE(rendered.ok());
    EXPECT_EQ(rendered.value().pixelColor(50, 50), QColor(0, 0, 0));
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 100 * 1024);
}

// An import replaced by another stops its decode: the decode lock and the processors
// go to the new one at once, not after the old picture is read to its end. Decoding
// these 400 million pixels takes far longer than the pause before the stop.
TEST_F(ImageSourceTest, AStoppedDecodeEndsWithoutAPictureAndTheNextDecodeIsWhole) {
    const std::string tall = path("tall.png");
    ASSERT_TRUE(test::writeLargeGreyPng(QString::fromStdString(tall), 20000, 20100));
    const auto source = ImageSource::open(tall);
    ASSERT_TRUE(source.ok());

    std::stop_source stopped;
    stopped.request_stop();
    EXPECT_FALSE(source.value().thumbnailKeepingDecode(512, stopped.get_token()).ok());

    std::stop_source stop;
    std::thread stopping([&stop] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        stop.request_stop();
    });
    const auto stoppedMidway = source.value().thumbnailKeepingDecode(512, stop.get_token());
    stopping.join();
    EXPECT_FALSE(stoppedMidway.ok());

    ImageRenderRequest request;
    request.crop = {9900, 20000, 100, 100};
    request.outputWidth = 100;
    request.outputHeight = 100;
    EXPECT_FALSE(source.value().render(request, nullptr, nullptr, stopped.get_token()).ok());

    // Nothing of the stop stays with the file.
    const auto rendered = source.value().render(request);
    ASSERT_TRUE(rendered.ok());
    EXPECT_EQ(rendered.value().pixelColor(50, 50), QColor(0, 0, 0));
}

}  // namespace
}  // namespace vlt
