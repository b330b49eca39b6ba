#pragma once

#include "foundation/application_settings.h"
#include "output/still/still_image_kind.h"

namespace vlt {

// The share dialog's choices: which image, and whether the comparison labels and the
// contact block go into it.
struct ShareImageDialogState {
    StillImageKind selectedKind = StillImageKind::simulation;
    bool includeLabels = false;
    bool includeContactInformation = false;

    // At least one comparison label is more than blanks.
    static bool hasComparisonLabels(const ApplicationSettings& settings);
    // The composer's contact block is not empty.
    static bool hasContactInformation(const ApplicationSettings& settings);

    // The same choices with a watermark that is asked for but not configured switched
    // off: that is what gets drawn.
    ShareImageDialogState effective(const ApplicationSettings& settings) const;

    friend bool operator==(const ShareImageDialogState&, const ShareImageDialogState&) = default;
};

}  // namespace vlt
