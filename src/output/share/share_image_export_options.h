#pragma once

#include <cstdint>

#include "foundation/application_settings.h"
#include "output/still/still_image_export_options.h"
#include "output/still/still_image_kind.h"

namespace vlt {

// The composer options of a share: one JPEG at quality 95, neither side beyond 4096
// pixels, the Comparison's joined extent within twice the Original's shorter side
// and 4096; the watermarks as the share dialog settled them.
struct ShareImageExportOptions {
    static constexpr std::int64_t kMaximumDimension = 4096;
    static constexpr std::int64_t kJpegQuality = 95;

    static StillImageExportOptions make(StillImageKind kind, std::int64_t originalWidth, std::int64_t originalHeight,
                                        bool includeLabels, bool includeContactInformation,
                                        const ApplicationSettings& settings);
};

}  // namespace vlt
