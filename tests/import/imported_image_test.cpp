#include "import/imported_image.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <QTemporaryDir>

#include <stop_token>

#include "base/background_release.h"
#include "platform/image_io/test_image_fixtures.h"

namespace vlt {
namespace {

using Case = ImageImportFailure::Case;

class ImportedImageLoading : public ::testing::Test {
protected:
    QUrl write(const QString& name, const QByteArray& bytes) const {
        EXPECT_TRUE(test::writeFile(directory_.filePath(name), bytes));
        return QUrl::fromLocalFile(directory_.filePath(name));
    }
    QUrl writeVips(const QString& name, const QImage& image, const test::VipsFixtureOptions& options = {}) const {
        EXPECT_TRUE(test::writeWithVips(image, directory_.filePath(name), options));
        return QUrl::fromLocalFile(directory_.filePath(name));
    }
    static Result<ImportedImage, ImageImportFailure> load(const QUrl& url) {
        return ImportedImage::load(url, SecurityScopedFileAccess::start(url));
    }
    static std::optional<Case> failureOf(const QUrl& url) {
        auto result = load(url);
        if (result.ok()) return std::nullopt;
        return result.error().failureCase();
    }
    QUrl pngAnnouncing(const QString& name, std::uint32_t width, std::uint32_t height) const {
        return write(name, test::withAnnouncedPngSize(test::pngBytes(test::fourColourImage(8, 8)), width, height));
    }

    // A TIFF header with one directory of the given (LONG) entries and no pixels.
    static QByteArray tiffWith(std::initializer_list<std::pair<std::uint16_t, std::uint32_t>> entries) {
        QByteArray tiff("II*\0\x08\0\0\0", 8);
        const auto append = [&tiff](std::uint32_t value, int bytes) {
            for (int index = 0; index < bytes; ++index) tiff.append(char(value >> (8 * index) & 0xFF));
        };
        append(std::uint32_t(entries.size()), 2);
        for (const auto& [tag, value] : entries) {
            append(tag, 2);
            append(4, 2);
            append(1, 4);
            append(value, 4);
        }
        append(0, 4);
        return tiff;
    }
    static QByteArray tiffAnnouncing(std::uint32_t width, std::uint32_t height) {
        return tiffWith({{256, width}, {257, height}});
    }

    QTemporaryDir directory_;
};

// An import that was replaced before its decode decodes nothing.
TEST_F(ImportedImageLoading, AStoppedImportDecodesNoPreview) {
    const QUrl url = write("face.jpeg", test::jpegBytes(test::fourColourImage(120, 80)));
    std::stop_source stop;
    stop.request_stop();
    EXPECT_FALSE(ImportedImage::load(url, SecurityScopedFileAccess::start(url), stop.get_token()).ok());
    EXPECT_TRUE(load(url).ok());
}

TEST_F(ImportedImageLoading, ReadsTheFactsAndAnUprightPreview) {
    const QImage upright = test::fourColourImage(120, 80);
    const QByteArray stored = test::jpegBytes(test::storedForExifOrientation(upright, 6));
    const QUrl url = write("face.jpeg", test::withExifOrientation(stored, 6));
    auto access = SecurityScopedFileAccess::start(url);
    auto loaded = ImportedImage::load(url, access);
    ASSERT_TRUE(loaded.ok());
    const ImportedImage& image = loaded.value();
    EXPECT_EQ(image.fileAccess, access);
    EXPECT_EQ(image.fileName, "face.jpeg");
    EXPECT_EQ(image.format, SupportedImageFormat::jpeg);
    EXPECT_EQ(image.encodedSize, (ImageSize{80, 120}));
    EXPECT_EQ(image.exifOrientedSize, (ImageSize{120, 80}));
    EXPECT_EQ(image.encodedOrientation, 6);
    EXPECT_EQ(image.previewSize, (ImageSize{120, 80}));
    EXPECT_EQ(image.previewImage.format(), QImage::Format_RGBA8888_Premultiplied);
    EXPECT_TRUE(test::coloursNear(test::colourAt(image.previewImage, 0.25, 0.25), test::kTopLeftColour));
    EXPECT_TRUE(test::coloursNear(test::colourAt(image.previewImage, 0.75, 0.75), test::kBottomRightColour));
}

// The crop screen and the editor let go of what the decode kept on the GUI thread; for
// a giant photograph that closes a multi-gigabyte file, which must happen elsewhere.
TEST_F(ImportedImageLoading, WhatTheDecodeKeptIsDestroyedAwayFromTheGuiThread) {
    auto loaded = load(write("kept.png", test::pngBytes(test::fourColourImage(64, 48))));
    ASSERT_TRUE(loaded.ok());
    const auto& kept = loaded.value().decodeCache;
    ASSERT_NE(kept, nullptr);
    EXPECT_NE(std::get_deleter<AwayFromMainThreadDeleter<const ImageDecodeCache>>(kept), nullptr);
}

TEST_F(ImportedImageLoading, OrientationsOutsideTheTableAreKeptAndTurnNothing) {
    const QByteArray jpeg = test::jpegBytes(test::fourColourImage(40, 30));
    for (std::uint16_t value : {std::uint16_t(0), std::uint16_t(9), std::uint16_t(300)}) {
        auto loaded = load(write("odd.jpg", test::withExifOrientation(jpeg, value)));
        ASSERT_TRUE(loaded.ok());
        EXPECT_EQ(loaded.value().encodedOrientation, value);
        EXPECT_EQ(loaded.value().exifOrientedSize, (ImageSize{40, 30}));
        EXPECT_EQ(loaded.value().previewSize, (ImageSize{40, 30}));
    }
    auto plain = load(write("plain.jpg", jpeg));
    ASSERT_TRUE(plain.ok());
    EXPECT_EQ(plain.value().encodedOrientation, 1);
}

TEST_F(ImportedImageLoading, DetectsTheFormatByContent) {
    const QImage picture = test::fourColourImage(32, 32);
    struct Expectation {
        QUrl url;
        SupportedImageFormat format;
    };
    const Expectation expectations[] = {
        {write("really-a-png.jpg", test::pngBytes(picture)), SupportedImageFormat::png},
        {write("picture.bmp", test::bmpBytes(picture)), SupportedImageFormat::bmp},
        {writeVips("picture.tif", picture), SupportedImageFormat::tiff},
        {writeVips("picture.heic", picture), SupportedImageFormat::heif},
    };
    for (const Expectation& expectation : expectations) {
        auto loaded = load(expectation.url);
        ASSERT_TRUE(loaded.ok()) << expectation.url.toString().toStdString();
        EXPECT_EQ(loaded.value().format, expectation.format);
    }
}

TEST_F(ImportedImageLoading, RefusesContentOfOtherTypesWhateverItsName) {
    EXPECT_EQ(failureOf(write("empty.jpg", QByteArray())), Case::unsupported);
    EXPECT_EQ(failureOf(write("notes.jpg", "These are my notes, not a photograph.")), Case::unsupported);
    EXPECT_EQ(failureOf(write("animation.png", QByteArray("GIF89a\x01\0\x01\0\0\0\0;", 14))), Case::unsupported);
    // Neither a folder nor a pipe is an image file; the pipe is never waited on.
    EXPECT_EQ(failureOf(QUrl::fromLocalFile(directory_.path())), Case::unsupported);
    ASSERT_EQ(::mkfifo(directory_.filePath("pipe.jpg").toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(failureOf(QUrl::fromLocalFile(directory_.filePath("pipe.jpg"))), Case::unsupported);
}

TEST_F(ImportedImageLoading, AFileThatCannotBeReadIsCorrupted) {
    EXPECT_EQ(failureOf(QUrl::fromLocalFile(directory_.filePath("missing.jpg"))), Case::corrupted);
    EXPECT_EQ(failureOf(QUrl("https://example.com/face.jpg")), Case::corrupted);
}

TEST_F(ImportedImageLoading, TruncatedFilesAreCorrupted) {
    const QImage picture = test::fourColourImage(256, 256);
    for (const QString name : {"cut.jpg", "cut.png", "cut.tif", "cut.heic"}) {
        writeVips("whole-" + name, picture);
        const QByteArray whole = test::readFile(directory_.filePath("whole-" + name));
        for (double kept : {0.02, 0.5, 0.9}) {
            const QUrl url = write(name, whole.left(qsizetype(double(whole.size()) * kept)));
            EXPECT_EQ(failureOf(url), Case::corrupted) << name.toStdString() << " cut to " << kept;
        }
    }
}

// Limits are checked on the header before decoding; within them the decode itself is
// tried and the missing pixels show. A side of 0 is damage, not size.
TEST_F(ImportedImageLoading, AnnouncedSizesMeetTheLimitsBeforeDecoding) {
    const std::pair<QUrl, Case> cases[] = {
        {pngAnnouncing("wide.png", 100001, 1), Case::tooLarge},
        {pngAnnouncing("long.png", 200000, 10), Case::tooLarge},
        {pngAnnouncing("area.png", 40000, 25001), Case::tooLarge},
        {pngAnnouncing("bomb.png", 40000, 40000), Case::tooLarge},
        {pngAnnouncing("huge.png", 2000000, 1), Case::tooLarge},  // beyond what the PNG decoder accepts
        {write("long.tif", tiffAnnouncing(200000, 10)), Case::tooLarge},
        {pngAnnouncing("edge.png", 40000, 25000), Case::corrupted},
        {pngAnnouncing("tall.png", 10000, 100000), Case::corrupted},
        {pngAnnouncing("zero-width.png", 0, 100), Case::corrupted},
        {pngAnnouncing("zero-height.png", 100, 0), Case::corrupted},
        {write("zero.tif", tiffAnnouncing(0, 10)), Case::corrupted},
    };
    for (const auto& [url, expected] : cases) {
        EXPECT_EQ(failureOf(url), expected) << url.fileName().toStdString();
    }
}

TEST_F(ImportedImageLoading, APictureWithMoreSamplesThanAnyLayoutIsRefusedBeforeDecoding) {
    // A few bytes announcing 8000 eight-bit samples in each of 4096 x 4096 pixels, one
    // row per strip: each strip fits the decoder budget, but every row the decoder and
    // the scaling hold is 32 MB.
    const QUrl url = write("bands.tif", tiffWith({{256, 4096},
                                                  {257, 4096},
                                                  {258, 8},
                                                  {259, 1},
                                                  {262, 1},
                                                  {273, 8},
                                                  {277, 8000},
                                                  {278, 1},
                                                  {279, 4096 * 8000}}));
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    EXPECT_EQ(failureOf(url), Case::corrupted);
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 80 * 1024);
}

// Wider than some image libraries allow by default, and well within the limits: 160
// million pixels (480 MB decoded whole) in 8-bit run-length data of a few megabytes.
TEST_F(ImportedImageLoading, ALargeBitmapOpensInBoundedMemory) {
    QByteArray row;
    for (int left = 20000; left > 0; left -= 255) row.append(char(std::min(left, 255))).append('\0');
    QByteArray pixels;
    for (int y = 0; y < 8000; ++y) pixels.append(row).append('\0').append(char(y + 1 < 8000 ? 0 : 1));
    const QUrl url = write("plain.bmp", test::bmpBytes(20000, 8000, 8, 1, QByteArray("\x32\x64\xC8\0", 4), pixels));

    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    auto loaded = load(url);
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.value().encodedSize, (ImageSize{20000, 8000}));
    EXPECT_TRUE(test::coloursNear(test::colourAt(loaded.value().previewImage, 0.9, 0.5), QColor(200, 100, 50), 2));
    // The scaling holds rows of full width, three samples each: about 100 MB here.
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 200 * 1024);
}

TEST_F(ImportedImageLoading, AHighlyCompressedLargePictureOpensInBoundedMemory) {
    // 100 million grey pixels in a file of a few hundred kilobytes; decoded whole it
    // would take 100 MB, in RGBA 400 MB.
    const QString path = directory_.filePath("flat.png");
    ASSERT_TRUE(test::writeLargeGreyPng(path, 20000, 5000));
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    auto loaded = load(QUrl::fromLocalFile(path));
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.value().previewSize, (ImageSize{4096, 1024}));
    const long growthKilobytes = after.ru_maxrss - before.ru_maxrss;
    EXPECT_LT(growthKilobytes, 80 * 1024);
}

}  // namespace
}  // namespace vlt
