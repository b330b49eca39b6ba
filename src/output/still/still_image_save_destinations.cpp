#include "output/still/still_image_save_destinations.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <QDir>
#include <QStandardPaths>

#include "base/system_error.h"
#include "output/still/folder_bookmark.h"
#include "output/still/security_scoped_folder_access.h"
#include "output/still/still_image_file_naming.h"

namespace vlt {
namespace {

VoidResult validateWritableSystemFolder(const QString& folderPath) {
    const QByteArray path = folderPath.toUtf8();
    struct stat status {};
    if (::stat(path.constData(), &status) != 0) return makeSystemError(errno, "look at folder", path.toStdString());
    if (!S_ISDIR(status.st_mode) || ::access(path.constData(), W_OK) != 0) {
        return makeSystemError(EACCES, "write into folder", path.toStdString());
    }
    return {};
}

QString systemPicturesFolder() { return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation); }

}  // namespace

StillImageFolderEnvironment StillImageFolderEnvironment::system() {
    return StillImageFolderEnvironment{&systemPicturesFolder, &validateWritableSystemFolder};
}

const QString& StillImageSaveDestinations::productFolderName() {
    static const QString name = QStringLiteral("Veltrano");
    return name;
}

QString StillImageSaveDestinations::standardized(const QString& path) {
    return QDir::cleanPath(QDir::isAbsolutePath(path) ? path : QDir::current().absoluteFilePath(path));
}

Result<ResolvedStillImageSaveLocation> StillImageSaveDestinations::resolve(
    const StillImageSaveLocation& location) const {
    // 1. The bookmark's folder.
    const Result<FolderBookmark::Resolution> resolution = FolderBookmark::resolve(location.bookmarkData);
    if (!resolution.ok()) return resolution.error();
    const QString root = standardized(resolution.value().path);
    const SharedFolderAccess access = SecurityScopedFolderAccess::start(root);

    // 2. Its subfolder, checked while access is held.
    const QString subfolder = location.relativeSubfolder;
    const QString destination = subfolder.isEmpty() ? root : standardized(root + QLatin1Char('/') + subfolder);
    if (VoidResult writable = environment_.validateWritableFolder(destination); !writable.ok()) {
        return writable.error();
    }

    // 3. A stale bookmark is made anew; the settings keep the old one until a save
    //    records the location it resolved.
    QByteArray bookmark = location.bookmarkData;
    if (resolution.value().isStale) {
        Result<QByteArray> renewed = FolderBookmark::create(root);
        if (!renewed.ok()) return renewed.error();
        bookmark = std::move(renewed).value();
    }
    return ResolvedStillImageSaveLocation{root, destination, {destination, bookmark, subfolder}};
}

Result<ResolvedStillImageSaveLocation> StillImageSaveDestinations::pickedFolder(const QString& folderPath) const {
    const QString root = standardized(folderPath);
    const SharedFolderAccess access = SecurityScopedFolderAccess::start(root);
    if (VoidResult writable = environment_.validateWritableFolder(root); !writable.ok()) return writable.error();
    Result<QByteArray> bookmark = FolderBookmark::create(root);
    if (!bookmark.ok()) return bookmark.error();
    return ResolvedStillImageSaveLocation{root, root, {root, std::move(bookmark).value(), QString()}};
}

QString StillImageSaveDestinations::picturesProductPath() const {
    const QString pictures = environment_.picturesFolder ? environment_.picturesFolder() : QString();
    if (pictures.isEmpty()) return QString();
    return standardized(pictures) + QLatin1Char('/') + productFolderName();
}

Result<ResolvedStillImageSaveLocation, StillImageSaveDestinations::PicturesFailure>
StillImageSaveDestinations::picturesFolder() const {
    const QString picturesSetting = environment_.picturesFolder ? environment_.picturesFolder() : QString();
    if (picturesSetting.isEmpty()) return PicturesFailure{QString(), makeSystemError(ENOENT, "find Pictures folder")};
    const QString pictures = standardized(picturesSetting);
    const QString product = pictures + QLatin1Char('/') + productFolderName();
    const auto fail = [&pictures](ErrorPtr error) { return PicturesFailure{pictures, std::move(error)}; };

    const SharedFolderAccess access = SecurityScopedFolderAccess::start(pictures);
    for (const QString& folder : {pictures, product}) {
        if (VoidResult created = StillImageFileNaming::createDestinationFolder(folder.toStdString()); !created.ok()) {
            return fail(created.error());
        }
    }
    if (VoidResult writable = environment_.validateWritableFolder(product); !writable.ok()) {
        return fail(writable.error());
    }
    Result<QByteArray> bookmark = FolderBookmark::create(pictures);
    if (!bookmark.ok()) return fail(bookmark.error());
    return ResolvedStillImageSaveLocation{
        pictures, product, {product, std::move(bookmark).value(), productFolderName()}};
}

}  // namespace vlt
