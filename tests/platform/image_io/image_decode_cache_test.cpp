// GLib names a struct member "signals", which Qt defines as a keyword: libvips comes
// before any Qt header.
#include "platform/image_io/decoded_pixel_store.h"

#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/image_io/image_source.h"
#include "platform/image_io/test_image_fixtures.h"

namespace vlt {
namespace {

ImageRenderRequest requestFor(PixelRect crop, std::int64_t width, std::int64_t height, int encoded = 1, int user = 1) {
    ImageRenderRequest request;
    request.encodedOrientation = ImageOrientation::fromExifCode(encoded);
    request.userOrientation = ImageOrientation::fromExifCode(user);
    request.crop = crop;
    request.outputWidth = width;
    request.outputHeight = height;
    return request;
}

// How often the file at `path` is opened while `work` runs. Each open is followed by a
// close before the next, so that the system does not merge two opens into one event.
int opensDuring(const std::string& path, const std::function<void()>& work) {
    const int events = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (events < 0 || inotify_add_watch(events, path.c_str(), IN_OPEN | IN_CLOSE) < 0) return -1;
    work();
    int opens = 0;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t length; (length = read(events, buffer, sizeof buffer)) > 0;) {
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if ((event->mask & IN_OPEN) != 0) ++opens;
            at += ssize_t(sizeof(inotify_event)) + event->len;
        }
    }
    close(events);
    return opens;
}

class ImageDecodeCacheTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(directory_.isValid());
        // The store's private folder goes under a cache folder of the test's own.
        previousCacheHome_ = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_CACHE_HOME", directory_.filePath("cache").toLocal8Bit());
    }
    void TearDown() override { qputenv("XDG_CACHE_HOME", previousCacheHome_); }

    std::string writeVips(const QString& name, const QImage& image, const test::VipsFixtureOptions& options = {}) {
        EXPECT_TRUE(test::writeWithVips(image, directory_.filePath(name), options)) << name.toStdString();
        return directory_.filePath(name).toStdString();
    }
    QString storeFolder() const { return directory_.filePath("cache/Veltrano/Decoded"); }

    QTemporaryDir directory_;
    QByteArray previousCacheHome_;
};

// Whatever the kept decode answers must be what the file gives: the same bytes.
TEST_F(ImageDecodeCacheTest, EveryRenderFromWhatWasKeptEqualsANewDecodeByteForByte) {
    const QImage picture = test::grainedImage(240, 160);
    const struct {
        const char* name;
        test::VipsFixtureOptions options;
        bool keepsPixels;
    } sources[] = {
        {"photo.png", {}, true},
        {"alpha.png", {.keepAlpha = true}, true},
        {"deep.png", {.sixteenBit = true}, true},
        {"photo.jpg", {.orientation = 6}, false},
        {"lzw.tif", {.compressed = true}, true},
        {"plain.tif", {}, false},
        {"photo.heic", {}, true},
    };
    // Whole pictures in every turn, the preview's own size and others, crops at the
    // decoded scale and below it.
    const struct {
        PixelRect crop;
        std::int64_t width;
        std::int64_t height;
        int user;
    } requests[] = {
        {{0, 0, 240, 160}, 64, 43, 1},  {{0, 0, 240, 160}, 64, 43, 2},   {{0, 0, 160, 240}, 43, 64, 6},
        {{0, 0, 240, 160}, 30, 20, 1},  {{0, 0, 240, 160}, 240, 160, 1}, {{30, 20, 150, 100}, 75, 50, 1},
        {{100, 40, 61, 37}, 61, 37, 3}, {{0, 0, 110, 150}, 33, 71, 8},   {{5, 7, 40, 40}, 40, 40, 1},
    };
    for (const auto& source : sources) {
        SCOPED_TRACE(source.name);
        const bool turned = source.options.orientation == 6;
        const std::string path =
            writeVips(source.name, turned ? test::storedForExifOrientation(picture, 6) : picture, source.options);
        const auto opened = ImageSource::open(path);
        ASSERT_TRUE(opened.ok());
        const ImageSource& file = opened.value();
        auto kept = file.thumbnailKeepingDecode(64);
        ASSERT_TRUE(kept.ok());
        const std::shared_ptr<const ImageDecodeCache> cache = kept.value().cache;
        ASSERT_TRUE(cache);
        EXPECT_EQ(kept.value().image, file.thumbnail(64).value());
        EXPECT_EQ(cache->pixels() != nullptr, source.keepsPixels);

        for (const auto& row : requests) {
            SCOPED_TRACE(testing::Message()
                         << row.crop.x << "," << row.crop.y << " " << row.crop.width << "x" << row.crop.height << " → "
                         << row.width << "x" << row.height << " user " << row.user);
            const bool userSwaps = row.user >= 5;
            // The crops above are in the upright picture, which user turns 6 and 8 stand on end.
            if ((userSwaps ? row.crop.height : row.crop.width) > 240 - (userSwaps ? row.crop.y : row.crop.x)) continue;
            const ImageRenderRequest request = requestFor(row.crop, row.width, row.height, turned ? 6 : 1, row.user);
            RenderOrigin origin = RenderOrigin::file;
            const auto fromCache = file.render(request, cache.get(), &origin);
            const auto fromFile = file.render(request);
            ASSERT_TRUE(fromCache.ok());
            ASSERT_TRUE(fromFile.ok());
            EXPECT_EQ(fromCache.value(), fromFile.value());
            const bool isPreview = row.crop == PixelRect{0, 0, row.user >= 5 ? 160 : 240, row.user >= 5 ? 240 : 160} &&
                                   std::max(row.width, row.height) == 64;
            if (isPreview) {
                EXPECT_EQ(origin, RenderOrigin::keptPicture);
            } else if (source.keepsPixels) {
                EXPECT_EQ(origin, RenderOrigin::keptPixels);
            }
        }
    }
}

// A JPEG keeps what its decoder gave only when it shrank while decoding: renders at
// that shrink come from it, renders that need more detail come from the file.
TEST_F(ImageDecodeCacheTest, AJpegAnswersOnlyRendersAtTheShrinkItWasDecodedAt) {
    const std::string path = writeVips("wide.jpg", test::grainedImage(512, 256));
    const auto opened = ImageSource::open(path);
    ASSERT_TRUE(opened.ok());
    const auto cache = opened.value().thumbnailKeepingDecode(100).value().cache;  // shrunk by 2 while decoding
    ASSERT_TRUE(cache && cache->pixels());
    EXPECT_EQ(cache->pixelShrink(), 2);
    RenderOrigin origin = RenderOrigin::file;
    const auto halved = requestFor({0, 0, 400, 200}, 80, 40);
    EXPECT_EQ(opened.value().render(halved, cache.get(), &origin).value(), opened.value().render(halved).value());
    EXPECT_EQ(origin, RenderOrigin::keptPixels);
    const auto detail = requestFor({100, 50, 200, 100}, 200, 100);
    EXPECT_EQ(opened.value().render(detail, cache.get(), &origin).value(), opened.value().render(detail).value());
    EXPECT_EQ(origin, RenderOrigin::file);
}

// The decode that fills the kept pixels runs beside the picture made from them: a file
// cut short fails the import, and nothing is kept of it.
TEST_F(ImageDecodeCacheTest, AFileCutShortFailsWhileItsPixelsAreKept) {
    for (const char* name : {"cut.png", "cut.jpg", "cut.tif"}) {
        SCOPED_TRACE(name);
        const std::string whole = writeVips(QString("whole-") + name, test::grainedImage(640, 480),
                                            {.compressed = QString(name).endsWith(".tif")});
        const QByteArray bytes = test::readFile(QString::fromStdString(whole));
        const QString cutPath = directory_.filePath(name);
        // TIFF keeps its directory at the end: its middle is zeroed instead, which the
        // LZW decoder refuses.
        QByteArray cut = bytes.left(bytes.size() * 2 / 3);
        if (QString(name).endsWith(".tif")) {
            cut = bytes;
            cut.replace(bytes.size() / 3, bytes.size() / 4, QByteArray(bytes.size() / 4, '\xFF'));
        }
        ASSERT_TRUE(test::writeFile(cutPath, cut));
        const auto opened = ImageSource::open(cutPath.toStdString());
        ASSERT_TRUE(opened.ok());
        std::optional<Result<ImageSource::KeptThumbnail, ImageSourceFailure>> kept;
        const int cutOpens =
            opensDuring(cutPath.toStdString(), [&] { kept = opened.value().thumbnailKeepingDecode(100); });
        ASSERT_FALSE(kept->ok());
        EXPECT_EQ(kept->error(), ImageSourceFailure::decodeFailed);
        // The damage is the decoder's own: it fails once, without a second decode that
        // would take as long to fail again.
        const auto intact = ImageSource::open(whole);
        ASSERT_TRUE(intact.ok());
        const int wholeOpens =
            opensDuring(whole, [&] { ASSERT_TRUE(intact.value().thumbnailKeepingDecode(100).ok()); });
        EXPECT_GT(wholeOpens, 0);
        EXPECT_LE(cutOpens, wholeOpens);
    }
    EXPECT_TRUE(QDir(storeFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

// Rewritten since it was decoded, the file is decoded again, even with the same size.
TEST_F(ImageDecodeCacheTest, AFileWrittenSinceTheDecodeIsDecodedAgain) {
    const std::string path = writeVips("photo.png", test::grainedImage(240, 160));
    const auto before = ImageSource::open(path);
    const auto cache = before.value().thumbnailKeepingDecode(64).value().cache;
    ASSERT_TRUE(cache && cache->pixels());

    // Replaced the way editors save: a new file renamed over the old one.
    const std::string replacement = writeVips("new.png", test::grainedImage(240, 160).mirrored(true, false));
    ASSERT_EQ(std::rename(replacement.c_str(), path.c_str()), 0);
    const auto after = ImageSource::open(path);
    RenderOrigin origin = RenderOrigin::keptPicture;
    const auto whole = requestFor({0, 0, 240, 160}, 64, 43);
    EXPECT_EQ(after.value().render(whole, cache.get(), &origin).value(), after.value().render(whole).value());
    EXPECT_EQ(origin, RenderOrigin::file);
    EXPECT_NE(after.value().render(whole).value(), cache->rendered());
}

// Pixels beyond what memory keeps go to a file that no name leads to, in a folder only
// the user may enter: gone with the cache, and with a process that dies holding it.
TEST_F(ImageDecodeCacheTest, LargePixelsLiveInAnUnlinkedFileOfThePrivateFolder) {
    const int side = 3400;  // 3 bytes a pixel: a little above what memory keeps
    const std::string path = writeVips("large.png", test::fourColourImage(side, side));
    const auto opened = ImageSource::open(path);
    ASSERT_TRUE(opened.ok());
    const auto storesOpenIn = [](const QString& process) {
        int count = 0;
        for (const QFileInfo& entry : QDir(process + "/fd").entryInfoList(QDir::System | QDir::Files)) {
            if (entry.symLinkTarget().contains("/Veltrano/Decoded/")) ++count;
        }
        return count;
    };
    const auto storeEntries = [this] {
        return QDir(storeFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    };
    {
        const auto cache = opened.value().thumbnailKeepingDecode(256).value().cache;
        ASSERT_TRUE(cache && cache->pixels());
        EXPECT_FALSE(cache->pixels()->isInMemory());
        EXPECT_EQ(storesOpenIn("/proc/self"), 1);
        EXPECT_TRUE(storeEntries().isEmpty());
        EXPECT_EQ(QFileInfo(storeFolder()).permissions(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                              QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
        const auto crop = requestFor({1000, 1000, 800, 600}, 800, 600);
        EXPECT_EQ(opened.value().render(crop, cache.get()).value(), opened.value().render(crop).value());
    }
    EXPECT_EQ(storesOpenIn("/proc/self"), 0);

    QProcess holder;
    holder.start(VLT_DECODE_CACHE_HOLDER, {QString::fromStdString(path)});
    ASSERT_TRUE(holder.waitForReadyRead(60'000));
    ASSERT_EQ(holder.readLine().trimmed(), "kept");
    EXPECT_EQ(storesOpenIn(QString("/proc/%1").arg(holder.processId())), 1);
    holder.kill();
    ASSERT_TRUE(holder.waitForFinished(10'000));
    EXPECT_TRUE(storeEntries().isEmpty());
}

// A store folder that is a link is no private folder of the user's: nothing is kept
// there, and the folder it leads to keeps its entries and its mode.
TEST_F(ImageDecodeCacheTest, ALinkedStoreFolderIsRefusedAndWhereItLeadsIsLeftAlone) {
    const QString elsewhere = directory_.filePath("elsewhere");
    ASSERT_TRUE(QDir().mkpath(elsewhere) && QDir().mkpath(directory_.filePath("cache/Veltrano")));
    const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser | QFile::WriteUser |
                      QFile::ExeUser | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(elsewhere, mode));
    ASSERT_TRUE(QFile::link(elsewhere, storeFolder()));
    const std::string path = writeVips("large.png", test::fourColourImage(3400, 3400));
    const auto opened = ImageSource::open(path);
    ASSERT_TRUE(opened.ok());

    const auto kept = opened.value().thumbnailKeepingDecode(256);
    ASSERT_TRUE(kept.ok() && kept.value().cache);
    EXPECT_EQ(kept.value().cache->pixels(), nullptr);
    EXPECT_TRUE(
        QDir(elsewhere).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_EQ(QFileInfo(elsewhere).permissions(), mode);
}

}  // namespace
}  // namespace vlt
