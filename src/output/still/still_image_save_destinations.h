#pragma once

#include <functional>

#include <QString>

#include "base/result.h"
#include "foundation/still_image_save_location.h"
#include "output/still/resolved_still_image_save_location.h"

namespace vlt {

// What the destinations ask of the machine, so tests can stand in for it.
struct StillImageFolderEnvironment {
    // The user's Pictures folder; empty when there is none to be had.
    std::function<QString()> picturesFolder;
    // Fails unless the path is a folder that new files can be written into. The
    // error of looking at the path comes back unchanged; a file, or a folder without
    // write permission, fails with EACCES.
    std::function<VoidResult(const QString& folderPath)> validateWritableFolder;

    // The XDG Pictures folder and the file system's own answer (root may write
    // anywhere).
    static StillImageFolderEnvironment system();
};

// The destinations a still-image save can write into: remembered folders resolved
// from their bookmarks, a folder the user picked, and the Veltrano folder inside
// Pictures. Every answer is checked for writing; nothing here touches the settings.
class StillImageSaveDestinations {
public:
    static const QString& productFolderName();

    explicit StillImageSaveDestinations(StillImageFolderEnvironment environment)
        : environment_(std::move(environment)) {}

    // The bookmark resolved (and renewed when stale), the subfolder appended, the
    // result checked for writing.
    Result<ResolvedStillImageSaveLocation> resolve(const StillImageSaveLocation& location) const;
    // A folder chosen in the picker: checked, bookmarked, without subfolder.
    Result<ResolvedStillImageSaveLocation> pickedFolder(const QString& folderPath) const;

    struct PicturesFailure {
        // The Pictures folder's path; empty when none is known.
        QString picturesPath;
        ErrorPtr error;
    };
    // The Veltrano folder inside Pictures, created when missing. Pictures itself is
    // created when the account has none yet (its parent is not), so the default
    // destination works on a fresh account.
    Result<ResolvedStillImageSaveLocation, PicturesFailure> picturesFolder() const;
    // Where the Pictures choice saves, without creating anything; empty when there
    // is no Pictures folder to be had.
    QString picturesProductPath() const;

    // A path in its plain absolute form: what a saved location's display path holds.
    static QString standardized(const QString& path);

private:
    StillImageFolderEnvironment environment_;
};

}  // namespace vlt
