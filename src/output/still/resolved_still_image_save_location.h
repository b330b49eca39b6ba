#pragma once

#include <QString>

#include "foundation/still_image_save_location.h"

namespace vlt {

// A remembered or chosen folder checked and ready for writing.
struct ResolvedStillImageSaveLocation {
    // The bookmarked folder, in its plain absolute form.
    QString accessRootPath;
    // The root, or its remembered subfolder inside it.
    QString destinationPath;
    // The location as a save records it: the destination's path, the bookmark that
    // was resolved (renewed when it was stale) and the subfolder unchanged.
    StillImageSaveLocation location;

    friend bool operator==(const ResolvedStillImageSaveLocation&, const ResolvedStillImageSaveLocation&) = default;
};

}  // namespace vlt
