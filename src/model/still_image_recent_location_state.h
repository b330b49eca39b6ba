#pragma once

#include "foundation/still_image_save_location.h"

namespace vlt {

// One remembered destination folder of still images, with whether it can be used now.
struct StillImageRecentLocationState {
    StillImageSaveLocation location;
    bool isAvailable = false;

    friend bool operator==(const StillImageRecentLocationState&, const StillImageRecentLocationState&) = default;
};

}  // namespace vlt
