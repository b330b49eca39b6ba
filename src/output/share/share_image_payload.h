#pragma once

#include <filesystem>

#include "output/still/still_image_kind.h"

namespace vlt {

// One prepared share: the read-only JPEG, alone in its own folder.
struct ShareImagePayload {
    std::filesystem::path filePath;
    // The file's parent, directly in the share root.
    std::filesystem::path workingDirectoryPath;
    StillImageKind kind = StillImageKind::simulation;

    friend bool operator==(const ShareImagePayload&, const ShareImagePayload&) = default;
};

}  // namespace vlt
