#include "output/share/share_image_payload_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QUuid>
#include <filesystem>
#include <gtest/gtest.h>

#include "output/share/share_image_export_options.h"
#include "output/still/still_image_output_failure.h"
#include "platform/image_io/image_read_back.h"
#include "platform/share/share_image_failure.h"

namespace vlt {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::system_clock;

// A gradient, so that its JPEG data runs well past the header.
QImage picture(int width = 40, int height = 30) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
    }
    return image;
}

std::vector<fs::path> entriesOf(const fs::path& folder) {
    std::vector<fs::path> entries;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) entries.push_back(entry.path());
    return entries;
}

void setModified(const fs::path& path, Clock::time_point when) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(when.time_since_epoch()).count();
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

class ShareImagePayloadStoreTest : public ::testing::Test {
protected:
    fs::path base() const { return fs::path(folder.path().toStdString()); }
    fs::path root() const { return base() / "Veltrano" / "Share"; }

    QTemporaryDir folder;
    ShareImagePayloadStore store{root()};
};

TEST_F(ShareImagePayloadStoreTest, BrokenBaseNamesMakeNothing) {
    const QString cases[] = {QStringLiteral(" \n "), QStringLiteral(".."), QStringLiteral("a/b")};
    for (const QString& name : cases) {
        const auto prepared = store.preparePayload(picture(), name, StillImageKind::original);
        ASSERT_FALSE(prepared.ok()) << name.toStdString();
        EXPECT_EQ(stillImageOutputFailureCase(prepared.error()), StillImageOutputFailure::Case::invalidBaseName);
    }
    EXPECT_FALSE(fs::exists(base() / "Veltrano"));
}

// The file reaches other applications read-only, alone in a folder of its own that
// only this user can enter.
TEST_F(ShareImagePayloadStoreTest, ThePreparedFileIsReadOnlyAndAloneInAPrivateFolder) {
    const auto prepared =
        store.preparePayload(picture(40, 30), QStringLiteral("  portrait \n"), StillImageKind::comparison);
    ASSERT_TRUE(prepared.ok());
    const ShareImagePayload& payload = prepared.value();
    EXPECT_EQ(payload.filePath.filename(), "portrait-comparison.jpg");
    EXPECT_EQ(payload.workingDirectoryPath.parent_path(), root());
    const QString folderName = QString::fromStdString(payload.workingDirectoryPath.filename().string());
    EXPECT_EQ(folderName, QUuid(folderName).toString(QUuid::WithoutBraces).toLower());
    EXPECT_EQ(entriesOf(payload.workingDirectoryPath), std::vector<fs::path>{payload.filePath});
    EXPECT_EQ(fs::status(payload.filePath).permissions(),
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(fs::status(root()).permissions(), fs::perms::owner_all);
    EXPECT_EQ(readBackImageSize(payload.filePath.string()), (DecodedImageSize{40, 30}));
}

// A file that the encoder failed on, or cut short after a sound header, is never
// handed on, and its folder goes with it.
TEST_F(ShareImagePayloadStoreTest, AFileThatDoesNotDecodeCompletelyIsRefused) {
    const struct {
        const char* name;
        ShareImagePayloadStore::JpegWriter writer;
        ShareImageFailure::Case failure;
    } cases[] = {
        {"encoder fails", [](const QImage&, int) { return false; }, ShareImageFailure::Case::encodeFailed},
        {"data cut short",
         [](const QImage& image, int descriptor) {
             struct stat written {};
             return ShareImagePayloadStore::writeJpeg(image, descriptor) && ::fstat(descriptor, &written) == 0 &&
                    ::ftruncate(descriptor, written.st_size / 2) == 0;
         },
         ShareImageFailure::Case::validationFailed},
    };
    for (const auto& example : cases) {
        ShareImagePayloadStore faulty(root(), example.writer);
        const auto prepared =
            faulty.preparePayload(picture(400, 300), QStringLiteral("portrait"), StillImageKind::original);
        ASSERT_FALSE(prepared.ok()) << example.name;
        EXPECT_EQ(shareImageFailureCase(prepared.error()), example.failure) << example.name;
        EXPECT_TRUE(entriesOf(root()).empty()) << example.name;
    }
}

TEST_F(ShareImagePayloadStoreTest, RemovalTakesOnlyFoldersDirectlyInTheRoot) {
    const fs::path working =
        store.preparePayload(picture(), QStringLiteral("p"), StillImageKind::original).value().workingDirectoryPath;
    fs::create_directories(working.parent_path() / "other" / "deeper");
    fs::create_directories(base() / "outside");
    fs::create_directory_symlink(root(), base() / "link");

    for (const auto& [folder, removed] : {std::pair{root(), false},
                                          {root() / "other" / "deeper", false},
                                          {base() / "outside", false},
                                          {root() / "never-made", true},
                                          {base() / "link" / working.filename(), true},
                                          {root() / "other" / ".." / "other", true}}) {
        EXPECT_EQ(store.removeWorkingDirectory(folder), removed) << folder;
    }
    EXPECT_TRUE(fs::exists(root()) && fs::exists(base() / "outside"));
    EXPECT_FALSE(fs::exists(working) || fs::exists(root() / "other"));
}

TEST_F(ShareImagePayloadStoreTest, TheSweepTakesDayOldFoldersAndNeverFollowsALink) {
    const Clock::time_point now = Clock::now();
    store.removeStaleWorkingDirectories(now);
    EXPECT_FALSE(fs::exists(base() / "Veltrano")) << "a missing root is not created";

    const fs::path outside = base() / "elsewhere";
    fs::create_directories(outside / "keep");
    // Only the first goes.
    const std::pair<const char*, std::chrono::seconds> cases[] = {
        {"a-day-old", std::chrono::seconds(86400)},     {"nearly-a-day-old", std::chrono::seconds(86399)},
        {"from-the-future", std::chrono::seconds(-60)}, {".hidden", std::chrono::seconds(90000)},
        {"plain-file", std::chrono::seconds(90000)},    {"link-to-elsewhere", std::chrono::seconds(90000)},
    };
    fs::create_directories(root());
    for (const auto& [name, age] : cases) {
        const fs::path path = root() / name;
        if (std::string_view(name) == "plain-file") {
            QFile(QString::fromStdString(path.string())).open(QIODevice::WriteOnly);
        } else if (std::string_view(name) == "link-to-elsewhere") {
            fs::create_directory_symlink(outside, path);
            setModified(outside, now - age);
        } else {
            fs::create_directories(path / "inner");
        }
        setModified(path, now - age);
    }
    store.removeStaleWorkingDirectories(now);
    for (const auto& [name, age] : cases) {
        EXPECT_EQ(fs::exists(fs::symlink_status(root() / name)), name != cases[0].first) << name;
    }
    EXPECT_TRUE(fs::exists(outside / "keep"));
}

// Another user who could make or redirect the folder would receive the photographs:
// a root that is a link, or that is not the user's own, is never used.
TEST_F(ShareImagePayloadStoreTest, ALinkedOrForeignRootIsRefused) {
    const fs::path target = base() / "target";
    fs::create_directories(target);
    fs::create_directories(base() / "Veltrano");
    fs::create_directory_symlink(target, root());
    EXPECT_EQ(
        shareImageFailureCase(store.preparePayload(picture(), QStringLiteral("p"), StillImageKind::original).error()),
        ShareImageFailure::Case::temporaryLocationUnavailable);
    EXPECT_TRUE(entriesOf(target).empty());

    fs::remove(root());
    fs::create_directories(root());
    // Made by another user: as the superuser the folder is handed over; anyone else
    // meets folders of the superuser's above it.
    const fs::path foreign = ::geteuid() == 0 ? root() : fs::path("/usr/share");
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(foreign.c_str(), 65534, 65534), 0);
    }
    ShareImagePayloadStore foreignStore(foreign);
    EXPECT_EQ(shareImageFailureCase(
                  foreignStore.preparePayload(picture(), QStringLiteral("p"), StillImageKind::original).error()),
              ShareImageFailure::Case::temporaryLocationUnavailable);
    EXPECT_TRUE(entriesOf(root()).empty());
}

// A shared Comparison stacks two pictures: it is held to twice the shorter side of the
// Original, and to the share's own maximum; every share is a JPEG.
TEST(ShareImageExportOptionsTest, TheComparisonIsLimitedByTheShorterSideAndTheShareMaximum) {
    const struct {
        std::int64_t width;
        std::int64_t height;
        std::int64_t limit;
    } cases[] = {{3000, 2000, 4000}, {1000, 1500, 2000}, {5000, 5000, 4096}};
    for (const auto& example : cases) {
        const StillImageExportOptions options = ShareImageExportOptions::make(
            StillImageKind::comparison, example.width, example.height, false, false, ApplicationSettings::defaults());
        EXPECT_EQ(options.comparisonMaximumStackedDimension, example.limit) << example.width << "x" << example.height;
        EXPECT_EQ(options.individualMaximumDimension, 4096);
        EXPECT_EQ(options.fileFormat, StillImageFileFormat::jpeg);
    }
}

}  // namespace
}  // namespace vlt
