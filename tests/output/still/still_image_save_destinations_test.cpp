#include "output/still/still_image_save_destinations.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "output/still/folder_bookmark.h"

namespace vlt {
namespace {

class StillImageSaveDestinationsTest : public ::testing::Test {
protected:
    QString make(const QString& name) {
        QDir().mkpath(folder.filePath(name));
        return folder.filePath(name);
    }
    StillImageSaveLocation location(const QString& path, const QString& subfolder = QString()) {
        return {path, FolderBookmark::create(path).value(), subfolder};
    }

    QTemporaryDir folder;
    StillImageSaveDestinations destinations{StillImageFolderEnvironment::system()};
};

TEST_F(StillImageSaveDestinationsTest, ABookmarkResolvesWhileItsPathIsAFolderAndIsRenewedWhenTheFolderWasReplaced) {
    const QString kept = make(QStringLiteral("kept"));
    const QString replaced = make(QStringLiteral("replaced"));
    const QString removed = make(QStringLiteral("removed"));
    const StillImageSaveLocation keptLocation = location(kept, QStringLiteral("Veltrano"));
    const StillImageSaveLocation replacedLocation = location(replaced);
    const StillImageSaveLocation removedLocation = location(removed);
    make(QStringLiteral("kept/Veltrano"));
    // Moved aside while it still exists, so the new folder cannot reuse its inode.
    ASSERT_TRUE(QDir(folder.path()).rename(QStringLiteral("replaced"), QStringLiteral("aside")));
    make(QStringLiteral("replaced"));
    QDir(removed).removeRecursively();

    const auto resolvedKept = destinations.resolve(keptLocation);
    ASSERT_TRUE(resolvedKept.ok());
    EXPECT_EQ(
        resolvedKept.value(),
        (ResolvedStillImageSaveLocation{
            kept, kept + "/Veltrano", {kept + "/Veltrano", keptLocation.bookmarkData, QStringLiteral("Veltrano")}}));

    const auto resolvedReplaced = destinations.resolve(replacedLocation);
    ASSERT_TRUE(resolvedReplaced.ok());
    const QByteArray renewed = resolvedReplaced.value().location.bookmarkData;
    EXPECT_NE(renewed, replacedLocation.bookmarkData);
    EXPECT_FALSE(FolderBookmark::resolve(renewed).value().isStale);

    EXPECT_FALSE(destinations.resolve(removedLocation).ok());
    EXPECT_FALSE(destinations.resolve(location(kept, QStringLiteral("missing"))).ok());
    QFile file(folder.filePath(QStringLiteral("file")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_FALSE(FolderBookmark::create(file.fileName()).ok());
}

}  // namespace
}  // namespace vlt
