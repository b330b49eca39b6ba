#pragma once

#include <QString>

#include "foundation/configuration_file.h"

namespace vlt {

// Remembers, across launches, the folder of the last image the user opened, so that
// the open panel starts there. It is kept in the application's configuration file
// beside the language preference; a lost write only means the panel starts elsewhere.
class ImageFolderMemory {
public:
    explicit ImageFolderMemory(QString configFilePath);

    // The folder remembered by this or an earlier launch; empty when none.
    const QString& recalled() const { return folder_; }
    // Keeps a new folder; an empty one changes nothing.
    void remember(const QString& folder);

    // Where the open panel starts: the first of the given folder, the user's Pictures
    // folder and the home folder that exists as a folder now.
    static QString startFolder(const QString& lastImageFolder);

    static constexpr const char* kKey = ConfigurationFile::kLastImageFolderKey;

private:
    ConfigurationFile configFile_;
    QString folder_;
};

}  // namespace vlt
