#include "foundation/still_image_file_format.h"

namespace vlt {

std::string_view stillImageFileFormatRawValue(StillImageFileFormat format) {
    return format == StillImageFileFormat::jpeg ? "jpeg" : "png";
}

std::optional<StillImageFileFormat> stillImageFileFormatFromRawValue(std::string_view text) {
    if (text == "jpeg") return StillImageFileFormat::jpeg;
    if (text == "png") return StillImageFileFormat::png;
    return std::nullopt;
}

}  // namespace vlt
