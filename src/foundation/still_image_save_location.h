#pragma once

#include <QByteArray>
#include <QString>

namespace vlt {

// A remembered still-image save folder.
struct StillImageSaveLocation {
    // The folder's path as shown to the user.
    QString displayPath;
    // The record that lets the output reach the folder again; never empty for a kept entry.
    QByteArray bookmarkData;
    // The subfolder below the folder that images go to ("" for none).
    QString relativeSubfolder;

    // The key that names a recent folder: its path exactly, since two paths that differ
    // only in letter case are two folders here.
    const QString& identity() const { return displayPath; }

    bool operator==(const StillImageSaveLocation&) const = default;
};

}  // namespace vlt
