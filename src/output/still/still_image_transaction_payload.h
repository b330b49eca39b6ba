#pragma once

#include <filesystem>
#include <vector>

#include <QImage>
#include <QString>

#include "output/still/still_image_export_options.h"
#include "output/still/still_image_kind.h"

namespace vlt {

// One finished image of an output.
struct StillImageRenderedImage {
    StillImageKind kind = StillImageKind::original;
    QImage image;
};

// Everything the save transaction writes: the images in output order, the folder
// (which must exist), the base name as typed (the transaction trims it) and the
// options that chose format and quality.
struct StillImageTransactionPayload {
    std::vector<StillImageRenderedImage> images;
    std::filesystem::path folder;
    QString baseName;
    StillImageExportOptions options;
};

}  // namespace vlt
