#pragma once

#include "foundation/still_image_save_selection.h"

namespace vlt {

// The accessory panel's choices for one print: what to print and which watermarks to
// draw over the pictures.
struct PrintOptions {
    StillImageSaveSelection selection = StillImageSaveSelection::currentTab;
    bool includeLabels = false;
    bool includeContactInformation = false;

    friend bool operator==(const PrintOptions&, const PrintOptions&) = default;
};

}  // namespace vlt
