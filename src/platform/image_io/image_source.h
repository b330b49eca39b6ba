#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>

#include <QImage>

#include "base/file_identity.h"
#include "base/result.h"
#include "platform/image_io/image_decode_cache.h"
#include "platform/image_io/image_properties.h"
#include "platform/image_io/image_render_request.h"
#include "platform/image_io/image_source_failure.h"

namespace vlt {

struct UncompressedTiffLayout;

// Where a render's pixels came from.
enum class RenderOrigin {
    // Decoded from the file.
    file,
    // The picture an earlier decode rendered, turned.
    keptPicture,
    // The pixels an earlier decode kept.
    keptPixels,
};

// An image file opened for reading: its content type and header, and the decodes
// made from it. Every decode streams from the file: it shrinks while loading where the
// format allows and never holds the full-resolution picture when the result is
// smaller. Results are 8-bit sRGB with premultiplied alpha
// (QImage::Format_RGBA8888_Premultiplied): transparent sources stay transparent, so
// whoever draws them decides what shows through.
//
// Thread-safe to use from any one thread at a time; decodes never touch shared state.
class ImageSource {
public:
    // Fails only when the file cannot be read at all.
    static Result<ImageSource, ImageSourceFailure> open(const std::string& path);

    // Judged by the content, never by the file name; none for unknown content.
    const std::optional<std::string>& typeIdentifier() const { return typeIdentifier_; }
    // 1 when image 0's header could be read, else 0.
    int imageCount() const { return properties_ ? 1 : 0; }
    const std::optional<ImageProperties>& properties() const { return properties_; }

    // The whole picture turned upright by its EXIF orientation, scaled so that its
    // longer side is at most maxPixelSize (never enlarged). Decoded from the full
    // image data, never from an embedded thumbnail.
    Result<QImage, ImageSourceFailure> thumbnail(std::int64_t maxPixelSize) const;

    // The thumbnail, and what its decode keeps for later renders of the same file.
    struct KeptThumbnail {
        QImage image;
        std::shared_ptr<const ImageDecodeCache> cache;
    };
    // A stop asked for while it decodes ends the decode within a band of rows, as a
    // failure; whoever asked knows why.
    Result<KeptThumbnail, ImageSourceFailure> thumbnailKeepingDecode(std::int64_t maxPixelSize,
                                                                     std::stop_token stop = {}) const;

    // Decode, orientations, crop and scale in one streamed pipeline. With the cache of
    // an earlier decode of this same file, unchanged since, the request is answered
    // from what that decode kept where it can be, byte for byte as from the file. A
    // stop asked for while it decodes the file ends the decode early, as a failure.
    Result<QImage, ImageSourceFailure> render(const ImageRenderRequest& request,
                                              const ImageDecodeCache* cache = nullptr, RenderOrigin* origin = nullptr,
                                              std::stop_token stop = {}) const;

private:
    ImageRenderRequest thumbnailRequest(std::int64_t maxPixelSize) const;

    std::string path_;
    // The file as it was opened; none when it could not be asked.
    std::optional<FileIdentity> identity_;
    std::optional<std::string> typeIdentifier_;
    std::optional<ImageProperties> properties_;
    // Decoder details read with the header.
    std::uint64_t samplesPerPixel_ = 0;
    std::uint64_t decoderBufferBytes_ = 0;
    // Read back about as fast as a copy of it: its pixels need not be kept, and each
    // thread may read it on its own.
    bool isUncompressedTiff_ = false;
    // Where its rows lie, when its pixels can be read straight from the file.
    std::shared_ptr<const UncompressedTiffLayout> uncompressedTiffLayout_;
};

}  // namespace vlt
