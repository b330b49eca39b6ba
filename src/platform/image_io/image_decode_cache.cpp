// GLib names a struct member "signals", which Qt defines as a keyword: libvips comes
// before any Qt header.
#include "platform/image_io/decoded_pixel_store.h"

#include "platform/image_io/image_decode_cache.h"

namespace vlt {

ImageDecodeCache::ImageDecodeCache(FileIdentity source, StoredRenderShape renderedShape,
                                   ImageOrientation renderedOrientation, QImage rendered,
                                   std::shared_ptr<const DecodedPixelStore> pixels, int pixelShrink)
    : source_(source),
      renderedShape_(renderedShape),
      renderedOrientation_(renderedOrientation),
      rendered_(std::move(rendered)),
      pixels_(std::move(pixels)),
      pixelShrink_(pixelShrink) {}

// The store's type is complete here.
ImageDecodeCache::~ImageDecodeCache() = default;

}  // namespace vlt
