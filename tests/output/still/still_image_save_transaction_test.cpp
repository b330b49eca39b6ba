#include "output/still/still_image_save_transaction.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include <QTemporaryDir>

#include "base/cancellation_error.h"
#include "base/system_error.h"
#include "output/still/still_image_composer.h"
#include "output/still/still_image_output_failure.h"
#include "output/still/still_output_test_support.h"

namespace vlt {
namespace {

using Transaction = StillImageSaveTransaction;

std::vector<std::string> entries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

std::string contents(const std::filesystem::path& path) {
    std::ifstream stream(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), {});
}

class StillImageSaveTransactionTest : public ::testing::Test {
protected:
    StillImageTransactionPayload payload(StillImageFileFormat format = StillImageFileFormat::png) const {
        StillImageExportOptions options;
        options.fileFormat = format;
        const StillImageRenderSnapshot snapshot = test::colourSnapshot(64, 48, true);
        StillImageTransactionPayload made{{}, folder_, QStringLiteral(" Patient "), options};
        for (StillImageKind kind : kAllStillImageKinds) {
            made.images.push_back({kind, StillImageComposer::render(kind, snapshot, options).value()});
        }
        return made;
    }

    std::filesystem::path writeWith(const StillImageExportOptions& options, const std::string& name) const {
        const std::filesystem::path path = folder_ / name;
        FileDescriptor file(systemStillImageFileSystem().createNewFile(path).value());
        EXPECT_TRUE(Transaction::encode(payload().images[1].image, file.get(), options).ok());
        return path;
    }

    QTemporaryDir directory_;
    std::filesystem::path folder_ = directory_.path().toStdString();
    test::ScriptedFileSystem fileSystem_;
};

TEST_F(StillImageSaveTransactionTest, PublishesEveryImageSyncedAndReadBackUnderOneVersion) {
    std::ofstream(folder_ / "Patient-v01-simulation.png") << "another format";
    const auto result = Transaction(fileSystem_).save(payload(StillImageFileFormat::jpeg));

    ASSERT_TRUE(result.ok());
    const std::vector<QString> names = {QStringLiteral("Patient-v01-original.jpg"),
                                        QStringLiteral("Patient-v01-simulation.jpg"),
                                        QStringLiteral("Patient-v01-comparison.jpg")};
    EXPECT_EQ(result.value(),
              (StillImageSaveResult{folder_, names, {kAllStillImageKinds.begin(), kAllStillImageKinds.end()}, {}}));
    EXPECT_EQ(entries(folder_).size(), 4u);
    const QImage comparison(QString::fromStdString((folder_ / "Patient-v01-comparison.jpg").string()));
    EXPECT_EQ(comparison.size(), QSize(64, 96));
    EXPECT_TRUE(test::near(comparison.pixelColor(32, 72), Qt::red, 24));

    // Each file is synced before its rename, the folder after the last one.
    std::set<std::string> synced;
    for (const std::string& call : fileSystem_.calls) {
        if (call.starts_with("sync ")) synced.insert(call.substr(5));
        if (call.starts_with("rename ")) {
            EXPECT_TRUE(synced.contains(call.substr(7))) << call;
        }
    }
    EXPECT_EQ(fileSystem_.calls.back(), "sync folder");
}

TEST_F(StillImageSaveTransactionTest, JpegQualityIsHeldWithinSixtyAndAHundred) {
    StillImageExportOptions options;
    options.fileFormat = StillImageFileFormat::jpeg;
    for (const auto& [asked, used] : {std::pair{40, 60}, std::pair{120, 100}}) {
        options.jpegQuality = asked;
        const std::string askedBytes = contents(writeWith(options, "asked" + std::to_string(asked) + ".jpg"));
        options.jpegQuality = used;
        EXPECT_EQ(askedBytes, contents(writeWith(options, "used" + std::to_string(used) + ".jpg")));
    }
}

// Images composed only when their turn comes are written as composed ones are; until
// the last is ready to publish nothing is, and a failure then leaves nothing behind.
TEST_F(StillImageSaveTransactionTest, ImagesComposedOnTheirTurnArePublishedOnlyWhenAllAreReady) {
    const StillImageTransactionPayload composed = payload(StillImageFileFormat::jpeg);
    std::vector<StillImageComposition> images;
    for (const StillImageRenderedImage& rendered : composed.images) {
        images.push_back({rendered.kind, 1, rendered.kind == StillImageKind::original,
                          [image = rendered.image]() -> Result<QImage> { return image; }});
    }
    const auto refused =
        Transaction(fileSystem_).saveComposing(images, folder_, composed.baseName, composed.options, {}, [] {
            return VoidResult(StillImageOutputFailure::rendererUnavailable());
        });
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(stillImageOutputFailureCase(refused.error().underlying),
              StillImageOutputFailure::Case::rendererUnavailable);
    EXPECT_TRUE(refused.error().cleanupPaths.empty());
    EXPECT_TRUE(entries(folder_).empty());

    const auto saved = Transaction(fileSystem_).saveComposing(images, folder_, composed.baseName, composed.options);
    ASSERT_TRUE(saved.ok());
    const std::filesystem::path elsewhere = folder_ / "elsewhere";
    std::filesystem::create_directory(elsewhere);
    StillImageTransactionPayload same = composed;
    same.folder = elsewhere;
    ASSERT_TRUE(Transaction(fileSystem_).save(same).ok());
    for (const QString& name : saved.value().fileNames) {
        EXPECT_EQ(contents(folder_ / name.toStdString()), contents(elsewhere / name.toStdString()));
    }
}

TEST_F(StillImageSaveTransactionTest, ANameTakenBeforeItsRenameFailsAndTheOtherFileIsKept) {
    fileSystem_.beforeRename = [](const std::filesystem::path& to) {
        if (!std::filesystem::exists(to)) std::ofstream(to) << "someone else's";
    };
    const auto result = Transaction(fileSystem_).save(payload());

    ASSERT_FALSE(result.ok());
    EXPECT_EQ(dynamic_cast<const SystemError&>(*result.error().underlying).errnoValue(), EEXIST);
    EXPECT_TRUE(result.error().cleanupPaths.empty());
    EXPECT_EQ(entries(folder_), std::vector<std::string>{"Patient-v01-original.png"});
    EXPECT_EQ(contents(folder_ / "Patient-v01-original.png"), "someone else's");
}

// A link at a final name, there before the save or made just before its rename, counts
// as a taken name: the file it leads to is never written.
TEST_F(StillImageSaveTransactionTest, ALinkAtAFinalNameIsNeverWrittenThrough) {
    const std::filesystem::path elsewhere = folder_ / "elsewhere";
    std::filesystem::create_directory(elsewhere);
    std::ofstream(elsewhere / "notes") << "someone else's";
    std::filesystem::create_symlink(elsewhere / "notes", folder_ / "Patient-v01-simulation.png");
    fileSystem_.beforeRename = [&](const std::filesystem::path& to) {
        if (to.filename() == "Patient-v02-comparison.png") std::filesystem::create_symlink(elsewhere / "notes", to);
    };
    const auto result = Transaction(fileSystem_).save(payload());

    ASSERT_FALSE(result.ok());
    EXPECT_EQ(dynamic_cast<const SystemError&>(*result.error().underlying).errnoValue(), EEXIST);
    EXPECT_EQ(contents(elsewhere / "notes"), "someone else's");
    EXPECT_TRUE(std::filesystem::is_symlink(folder_ / "Patient-v02-comparison.png"));
}

TEST_F(StillImageSaveTransactionTest, AStopKeepsWhatWasPublishedAndRemovesTheRest) {
    for (const auto& [step, published] :
         {std::pair{StillImageSaveStep::encoding, std::vector<std::string>{}},
          std::pair{StillImageSaveStep::publishing, std::vector<std::string>{"Patient-v01-original.png"}}}) {
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directory(folder_);
        std::stop_source stop;
        const auto result = Transaction(fileSystem_)
                                .save(payload(), stop.get_token(), [&](StillImageSaveStep reported, StillImageKind) {
                                    if (reported == step) stop.request_stop();
                                });
        ASSERT_FALSE(result.ok());
        EXPECT_TRUE(isCancellation(result.error().underlying));
        EXPECT_EQ(entries(folder_), published);
    }
}

TEST_F(StillImageSaveTransactionTest, TemporaryFilesThatCannotBeRemovedAreNamed) {
    fileSystem_.onSync = [](const std::filesystem::path&) { return VoidResult(makeSystemError(EIO)); };
    fileSystem_.onRemove = [](const std::filesystem::path&) { return VoidResult(makeSystemError(EPERM)); };
    const auto result = Transaction(fileSystem_).save(payload());

    ASSERT_FALSE(result.ok());
    const auto& failure = dynamic_cast<const StillImageOutputFailure&>(*result.error().underlying);
    EXPECT_EQ(failure.failureCase(), StillImageOutputFailure::Case::writeFailed);
    EXPECT_EQ(dynamic_cast<const SystemError&>(*failure.underlyingError()).errnoValue(), EIO);
    // Images not yet begun when the first one failed were never written.
    std::vector<std::string> named;
    for (const std::filesystem::path& path : result.error().cleanupPaths) named.push_back(path.filename());
    std::sort(named.begin(), named.end());
    EXPECT_FALSE(named.empty());
    EXPECT_EQ(named, entries(folder_));
    for (const std::string& name : named) EXPECT_TRUE(name.starts_with(".vlt-still-") && name.ends_with(".tmp.png"));
}

TEST_F(StillImageSaveTransactionTest, FinalNamesBeyondTheFolderLimitAreRefusedBeforeWriting) {
    fileSystem_.nameLimit = 25;
    const auto result = Transaction(fileSystem_).save(payload());
    EXPECT_EQ(stillImageOutputFailureCase(result.error().underlying), StillImageOutputFailure::Case::invalidBaseName);
    EXPECT_TRUE(entries(folder_).empty());
}

TEST_F(StillImageSaveTransactionTest, OnlyCompleteUndamagedFilesOfTheRenderedSizePassValidation) {
    const QImage image = payload().images[1].image;
    for (const auto& [format, name] :
         {std::pair{StillImageFileFormat::jpeg, "whole.jpg"}, std::pair{StillImageFileFormat::png, "whole.png"}}) {
        StillImageExportOptions options;
        options.fileFormat = format;
        const std::filesystem::path whole = writeWith(options, name);
        const std::string bytes = contents(whole);
        const std::filesystem::path cut = folder_ / (std::string("cut-") + name);
        std::ofstream(cut, std::ios::binary) << bytes.substr(0, bytes.size() * 3 / 4);
        // Markers in the middle of the compressed data, where only its decoding looks.
        std::string markers = bytes;
        for (std::size_t at = bytes.size() / 2; at < bytes.size() / 2 + 32; at += 2) markers.replace(at, 2, "\xff\x12");
        const std::filesystem::path damaged = folder_ / (std::string("damaged-") + name);
        std::ofstream(damaged, std::ios::binary) << markers;
        SCOPED_TRACE(name);
        EXPECT_TRUE(Transaction::validateWrittenImage(whole, image.width(), image.height()).ok());
        for (const auto& failing : {Transaction::validateWrittenImage(whole, image.width() + 1, image.height()),
                                    Transaction::validateWrittenImage(cut, image.width(), image.height()),
                                    Transaction::validateWrittenImage(damaged, image.width(), image.height())}) {
            EXPECT_EQ(stillImageOutputFailureCase(failing.error()), StillImageOutputFailure::Case::validationFailed);
        }
    }
    std::ofstream(folder_ / "empty.png");
    EXPECT_EQ(stillImageOutputFailureCase(Transaction::validateWrittenImage(folder_ / "empty.png", 1, 1).error()),
              StillImageOutputFailure::Case::validationFailed);
    const auto missing = Transaction::validateWrittenImage(folder_ / "missing.png", 1, 1);
    EXPECT_EQ(dynamic_cast<const SystemError&>(*missing.error()).errnoValue(), ENOENT);
}

}  // namespace
}  // namespace vlt
