#include "app/image_folder_memory.h"

#include <utility>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vlt {

ImageFolderMemory::ImageFolderMemory(QString configFilePath) : configFile_(std::move(configFilePath)) {
    folder_ = configFile_.value(QString::fromLatin1(kKey)).toString();
}

void ImageFolderMemory::remember(const QString& folder) {
    if (folder.isEmpty() || folder == folder_) return;
    folder_ = folder;
    configFile_.setValue(QString::fromLatin1(kKey), folder_);
}

QString ImageFolderMemory::startFolder(const QString& lastImageFolder) {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    for (const QString& candidate : {lastImageFolder, pictures}) {
        if (!candidate.isEmpty() && QFileInfo(candidate).isDir()) return QDir(candidate).absolutePath();
    }
    return QDir::homePath();
}

}  // namespace vlt
