#pragma once

#include <filesystem>
#include <vector>

#include "base/error.h"

namespace vlt {

// The one failure that leaves a still-image save: what went wrong (a still-image
// failure, a system error or the cancellation error) and the temporary files that
// could not be removed afterwards, which the user is told about.
struct StillImageSaveFailure {
    ErrorPtr underlying;
    std::vector<std::filesystem::path> cleanupPaths;
};

}  // namespace vlt
