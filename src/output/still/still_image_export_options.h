#pragma once

#include <cstdint>

#include "foundation/application_settings.h"
#include "foundation/still_image_file_format.h"
#include "foundation/still_image_save_selection.h"
#include "output/still/still_image_kind.h"

namespace vlt {

// What one output asks of the composer and the encoder. Built by the save dialog, the
// share flow and the print layout; read, never changed, by whoever composes.
struct StillImageExportOptions {
    // The longest side of an Original or Simulation image, in pixels; at least 1.
    std::int64_t individualMaximumDimension = ApplicationSettings::kMaximumImageSide;
    // The longest extent of a Comparison along the direction its two panes are joined
    // in, in pixels; at least 2.
    std::int64_t comparisonMaximumStackedDimension = 2 * ApplicationSettings::kMaximumImageSide;
    StillImageFileFormat fileFormat = StillImageFileFormat::png;
    // Percent; limited to 60...100 when encoding.
    std::int64_t jpegQuality = 95;
    StillImageSaveSelection selection = StillImageSaveSelection::currentTab;
    // The kind that the current-tab selection stands for.
    StillImageKind currentTab = StillImageKind::simulation;
    bool includeLabels = false;
    bool includeContactInformation = false;
    // Where the label texts and the six contact fields are read from.
    ApplicationSettings watermarkSettings;
};

}  // namespace vlt
