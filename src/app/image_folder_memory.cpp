#include "app/image_folder_memory.h"

#include <utility>

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace vlt {

ImageFolderMemory::ImageFolderMemory(QString configFilePath) : configFilePath_(std::move(configFilePath)) {
    const QSettings settings(configFilePath_, QSettings::IniFormat);
    folder_ = settings.value(QString::fromLatin1(kKey)).toString();
}

void ImageFolderMemory::remember(const QString& folder) {
    if (folder.isEmpty() || folder == folder_) return;
    folder_ = folder;
    QSettings settings(configFilePath_, QSettings::IniFormat);
    settings.setValue(QString::fromLatin1(kKey), folder_);
    settings.sync();
}

QString ImageFolderMemory::startFolder(const QString& lastImageFolder) {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    for (const QString& candidate : {lastImageFolder, pictures}) {
        if (!candidate.isEmpty() && QFileInfo(candidate).isDir()) return QDir(candidate).absolutePath();
    }
    return QDir::homePath();
}

}  // namespace vlt
