#include "platform/image_io/pixel_buffer_image.h"

#include <cstring>

namespace vlt {
namespace {

void freePixels(VipsImage*, gpointer pixels) { g_free(pixels); }

int copyPixels(VipsRegion* out, void*, void* pixels, void*, gboolean*) {
    const VipsRect& area = out->valid;
    const auto pixelBytes = std::size_t(VIPS_IMAGE_SIZEOF_PEL(out->im));
    const auto lineBytes = std::size_t(VIPS_IMAGE_SIZEOF_LINE(out->im));
    for (int y = area.top; y < area.top + area.height; ++y) {
        std::memcpy(VIPS_REGION_ADDR(out, area.left, y),
                    static_cast<const unsigned char*>(pixels) + std::size_t(y) * lineBytes +
                        std::size_t(area.left) * pixelBytes,
                    std::size_t(area.width) * pixelBytes);
    }
    return 0;
}

}  // namespace

VipsImageRef newPixelBufferImage(VipsImage* header, int width, int height, void* pixels) {
    VipsImageRef image(vips_image_new());
    if (!image) {
        g_free(pixels);
        return {};
    }
    g_signal_connect(image.get(), "close", G_CALLBACK(freePixels), pixels);
    if (vips_image_pipelinev(image.get(), VIPS_DEMAND_STYLE_THINSTRIP, header, nullptr) != 0) {
        vips_error_clear();
        return {};
    }
    // The header's image holds the upstream pipeline its metadata links to: it lives as
    // long as this one.
    g_object_ref(header);
    vips_object_local(image.get(), header);
    image.get()->Xsize = width;
    image.get()->Ysize = height;
    vips_image_remove(image.get(), VIPS_META_SEQUENTIAL);
    if (vips_image_generate(image.get(), nullptr, copyPixels, nullptr, pixels, nullptr) != 0) {
        vips_error_clear();
        return {};
    }
    return image;
}

}  // namespace vlt
