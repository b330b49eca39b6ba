#pragma once

#include <filesystem>
#include <vector>

#include <QString>

#include "base/error.h"
#include "output/still/still_image_kind.h"

namespace vlt {

// What a successful save wrote: the folder and, in publishing order, each file's
// name and kind.
struct StillImageSaveResult {
    std::filesystem::path folder;
    std::vector<QString> fileNames;
    std::vector<StillImageKind> includedKinds;
    // Set when the folder could not be synced once the files were published (a folder
    // that may be written but not read, for one): the save stands, and this is logged.
    ErrorPtr folderSyncFailure;

    friend bool operator==(const StillImageSaveResult&, const StillImageSaveResult&) = default;
};

}  // namespace vlt
