#pragma once

#include <filesystem>
#include <vector>

#include <QString>

#include "output/still/still_image_kind.h"

namespace vlt {

// What a successful save wrote: the folder and, in publishing order, each file's
// name and kind.
struct StillImageSaveResult {
    std::filesystem::path folder;
    std::vector<QString> fileNames;
    std::vector<StillImageKind> includedKinds;

    friend bool operator==(const StillImageSaveResult&, const StillImageSaveResult&) = default;
};

}  // namespace vlt
