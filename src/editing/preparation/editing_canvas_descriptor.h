#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include <QUrl>

#include "editing/preparation/editing_canvas_preparation_failure.h"
#include "editing/preparation/editing_source_fingerprint.h"
#include "base/result.h"
#include "import/image_size.h"
#include "import/pixel_aligned_crop.h"

namespace vlt {

class CropDocument;
class ImageDecodeCache;

// How the editing canvas is made from the source: plain values, so it can cross to
// the background preparation.
struct EditingCanvasDescriptor {
    QUrl sourceURL;
    // EXIF orientation stored in the file.
    std::int32_t encodedOrientation = 1;
    // The user's quarter turns and mirror as an EXIF orientation code.
    std::int32_t userOrientation = 1;
    // The EXIF-oriented size after the user's quarter turns.
    ImageSize currentImageSize;
    // In the coordinates of that turned image, origin top left.
    PixelAlignedCrop sourceCrop;
    ImageSize canvasSize;
    std::optional<EditingSourceFingerprint> sourceFingerprint;
    // What the import's decode of the source kept; the canvas comes out the same with
    // or without it, only sooner with it.
    std::shared_ptr<const ImageDecodeCache> decodeCache;

    // Freezes the document's crop. Main thread; invalidCrop when the crop has no
    // whole pixel.
    static Result<EditingCanvasDescriptor, EditingCanvasPreparationFailure> make(const CropDocument& document,
                                                                                 std::int64_t maximumDimension);

    // The decode cache describes no part of the canvas, so it is left out.
    friend bool operator==(const EditingCanvasDescriptor& a, const EditingCanvasDescriptor& b) {
        return a.sourceURL == b.sourceURL && a.encodedOrientation == b.encodedOrientation &&
               a.userOrientation == b.userOrientation && a.currentImageSize == b.currentImageSize &&
               a.sourceCrop == b.sourceCrop && a.canvasSize == b.canvasSize &&
               a.sourceFingerprint == b.sourceFingerprint;
    }
};

// The EXIF code of clockwise quarter turns (taken modulo 4) and a mirror:
// 0 → 1/2, 1 → 6/7, 2 → 3/4, 3 → 8/5 (not mirrored / mirrored).
std::int32_t userOrientationCode(int clockwiseQuarterTurns, bool isHorizontallyFlipped);

}  // namespace vlt
