#pragma once

#include <cstdint>
#include <memory>

#include <QImage>

#include "base/file_identity.h"
#include "platform/image_io/image_orientation.h"

namespace vlt {

class DecodedPixelStore;

// What a render asks of the source in its stored orientation: renders of equal shapes
// come out pixel for pixel the same before their final turn.
struct StoredRenderShape {
    // In the stored picture.
    PixelRect crop;
    // Before the final turn.
    std::int64_t outputWidth = 0;
    std::int64_t outputHeight = 0;
    // What the decoder shrank while loading.
    int decoderShrink = 1;

    friend bool operator==(const StoredRenderShape&, const StoredRenderShape&) = default;
};

// What the first decode of a source keeps for later renders of the same, unchanged
// file (ImageSource::render): the picture it rendered and, where decoding again would
// cost much, the decoded pixels themselves at the scale the decoder gave them. Renders
// from it come out byte for byte as a new decode of the file would. Immutable once
// made, shared between threads; dropping the last holder frees its memory and its
// temporary file.
class ImageDecodeCache {
public:
    ImageDecodeCache(FileIdentity source, StoredRenderShape renderedShape, ImageOrientation renderedOrientation,
                     QImage rendered, std::shared_ptr<const DecodedPixelStore> pixels, int pixelShrink);
    ~ImageDecodeCache();

    // The file as it was when it was decoded.
    const FileIdentity& source() const { return source_; }

    const StoredRenderShape& renderedShape() const { return renderedShape_; }
    // The turn that was applied last to the rendered picture.
    ImageOrientation renderedOrientation() const { return renderedOrientation_; }
    const QImage& rendered() const { return rendered_; }

    // None when decoding again costs little or the pixels could not be kept.
    const DecodedPixelStore* pixels() const { return pixels_.get(); }
    int pixelShrink() const { return pixelShrink_; }

private:
    FileIdentity source_;
    StoredRenderShape renderedShape_;
    ImageOrientation renderedOrientation_;
    QImage rendered_;
    std::shared_ptr<const DecodedPixelStore> pixels_;
    int pixelShrink_ = 1;
};

}  // namespace vlt
