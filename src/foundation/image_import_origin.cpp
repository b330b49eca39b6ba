#include "foundation/image_import_origin.h"

namespace vlt {

std::string_view imageImportOriginText(ImageImportOrigin origin) {
    switch (origin) {
    case ImageImportOrigin::fileOpen:
        return "file-open";
    case ImageImportOrigin::openPanel:
        return "open-panel";
    case ImageImportOrigin::drop:
        return "drop";
    }
    return "drop";
}

std::optional<ImageImportOrigin> imageImportOriginFromText(std::string_view text) {
    for (ImageImportOrigin origin :
         {ImageImportOrigin::fileOpen, ImageImportOrigin::openPanel, ImageImportOrigin::drop}) {
        if (imageImportOriginText(origin) == text) return origin;
    }
    return std::nullopt;
}

}  // namespace vlt
