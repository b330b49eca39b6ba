#pragma once

#include "app/model/still_image_kind.h"

namespace vlt {

// The share dialog's choices; kept aside while the settings dialog is opened from it.
struct ShareImageDialogState {
    StillImageKind selectedKind = StillImageKind::simulation;
    bool includeLabels = false;
    bool includeContactInformation = false;

    friend bool operator==(const ShareImageDialogState&, const ShareImageDialogState&) = default;
};

}  // namespace vlt
