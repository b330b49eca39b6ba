#pragma once

#include <QString>

#include "foundation/still_image_file_format.h"

namespace vlt {

// "JPEG image (.jpg)", "PNG image (.png)" in the interface language.
QString stillImageFileFormatTitle(StillImageFileFormat format);
// "jpg", "png": the extension of saved files.
QString stillImageFileExtension(StillImageFileFormat format);

}  // namespace vlt
