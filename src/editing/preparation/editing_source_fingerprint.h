#pragma once

#include <cstdint>

#include <QUrl>

#include "editing/preparation/editing_canvas_preparation_failure.h"
#include "base/result.h"
#include "import/image_size.h"
#include "import/supported_image_format.h"

namespace vlt {

// The header facts of the source that tell whether the file on disk is still the one
// that was opened.
struct EditingSourceFingerprint {
    SupportedImageFormat format = SupportedImageFormat::jpeg;
    ImageSize encodedSize;
    ImageSize exifOrientedSize;
    std::int32_t encodedOrientation = 1;

    // Reads the header only. An unreadable file is sourceUnavailable; a file of
    // another type or without a usable size is sourceChanged.
    static Result<EditingSourceFingerprint, EditingCanvasPreparationFailure> read(const QUrl& url);

    friend bool operator==(const EditingSourceFingerprint&, const EditingSourceFingerprint&) = default;
};

}  // namespace vlt
