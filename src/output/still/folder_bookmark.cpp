#include "output/still/folder_bookmark.h"

#include <sys/stat.h>

#include <cerrno>

#include <QJsonDocument>
#include <QJsonObject>

#include "base/system_error.h"

namespace vlt {
namespace {

const QString kPathKey = QStringLiteral("path");
const QString kDeviceKey = QStringLiteral("device");
const QString kInodeKey = QStringLiteral("inode");

struct FolderIdentity {
    QString device;
    QString inode;
};

// Device and inode as decimal text: JSON numbers would lose the high bits of a
// 64-bit inode.
Result<FolderIdentity> folderIdentity(const QString& path) {
    struct stat status {};
    const QByteArray encoded = path.toUtf8();
    if (::stat(encoded.constData(), &status) != 0) return makeSystemError(errno, "look at folder", path.toStdString());
    if (!S_ISDIR(status.st_mode)) return makeSystemError(ENOTDIR, "look at folder", path.toStdString());
    return FolderIdentity{QString::number(status.st_dev), QString::number(status.st_ino)};
}

}  // namespace

Result<QByteArray> FolderBookmark::create(const QString& folderPath) {
    const Result<FolderIdentity> identity = folderIdentity(folderPath);
    if (!identity.ok()) return identity.error();
    const QJsonObject record{
        {kPathKey, folderPath}, {kDeviceKey, identity.value().device}, {kInodeKey, identity.value().inode}};
    return QJsonDocument(record).toJson(QJsonDocument::Compact);
}

Result<FolderBookmark::Resolution> FolderBookmark::resolve(const QByteArray& bookmark) {
    const QJsonObject record = QJsonDocument::fromJson(bookmark).object();
    const QString path = record.value(kPathKey).toString();
    // A NUL would end the path early for the file system, which would then look at (and
    // write into) another folder than the one the path names.
    if (!path.startsWith(QLatin1Char('/')) || path.contains(QChar(u'\0'))) {
        return makeSystemError(EINVAL, "read folder bookmark");
    }
    const Result<FolderIdentity> identity = folderIdentity(path);
    if (!identity.ok()) return identity.error();
    const bool isStale = record.value(kDeviceKey).toString() != identity.value().device ||
                         record.value(kInodeKey).toString() != identity.value().inode;
    return Resolution{path, isStale};
}

}  // namespace vlt
