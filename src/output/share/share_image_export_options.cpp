#include "output/share/share_image_export_options.h"

#include <algorithm>

#include "base/precondition.h"

namespace vlt {

namespace {

StillImageSaveSelection selectionOf(StillImageKind kind) {
    switch (kind) {
    case StillImageKind::original:
        return StillImageSaveSelection::original;
    case StillImageKind::simulation:
        return StillImageSaveSelection::simulation;
    case StillImageKind::comparison:
        return StillImageSaveSelection::comparison;
    }
    return StillImageSaveSelection::currentTab;
}

}  // namespace

StillImageExportOptions ShareImageExportOptions::make(StillImageKind kind, std::int64_t originalWidth,
                                                      std::int64_t originalHeight, bool includeLabels,
                                                      bool includeContactInformation,
                                                      const ApplicationSettings& settings) {
    VLT_PRECONDITION(originalWidth >= 1 && originalHeight >= 1, "share of an empty image");
    StillImageExportOptions options;
    options.individualMaximumDimension = kMaximumDimension;
    options.comparisonMaximumStackedDimension =
        std::min(kMaximumDimension, 2 * std::min(originalWidth, originalHeight));
    options.fileFormat = StillImageFileFormat::jpeg;
    options.jpegQuality = kJpegQuality;
    options.selection = selectionOf(kind);
    options.currentTab = kind;
    options.includeLabels = includeLabels;
    options.includeContactInformation = includeContactInformation;
    options.watermarkSettings = settings;
    return options;
}

}  // namespace vlt
