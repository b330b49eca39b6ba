#include "output/still/still_image_file_format_names.h"

#include "foundation/localized_string.h"

namespace vlt {

QString stillImageFileFormatTitle(StillImageFileFormat format) {
    return format == StillImageFileFormat::jpeg ? localizedString("JPEG image (.jpg)")
                                                : localizedString("PNG image (.png)");
}

QString stillImageFileExtension(StillImageFileFormat format) {
    return format == StillImageFileFormat::jpeg ? QStringLiteral("jpg") : QStringLiteral("png");
}

}  // namespace vlt
