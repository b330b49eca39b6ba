#pragma once

#include <QByteArray>
#include <QString>

#include "base/result.h"

namespace vlt {

// The record that lets a save reach a remembered folder again. Without a sandbox no
// permission has to travel with it, so it is a small JSON object of the folder's
// path and of the device and inode that the path named when it was made; the inode
// tells whether the folder at that path is still the one the user chose.
struct FolderBookmark {
    struct Resolution {
        // The folder's path, as the bookmark holds it.
        QString path;
        // Another folder now stands at the path (or the old one was moved back and
        // forth); the bookmark should be made anew.
        bool isStale = false;
    };

    // Fails with the system error of looking at the folder, or ENOTDIR for a file.
    static Result<QByteArray> create(const QString& folderPath);
    // Succeeds while the path still names a folder. A record that is no bookmark (or
    // whose path holds a NUL) fails with EINVAL, a missing folder with the system error of
    // looking at it.
    static Result<Resolution> resolve(const QByteArray& bookmark);
};

}  // namespace vlt
