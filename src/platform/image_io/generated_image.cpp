#include "platform/image_io/generated_image.h"

namespace vlt {

VipsImageRef headerImageOf(VipsImage* image) {
    VipsImageRef header(vips_image_new());
    if (vips_image_pipelinev(header.get(), VIPS_DEMAND_STYLE_THINSTRIP, image, nullptr) != 0) {
        vips_error_clear();
        return {};
    }
    return header;
}

VipsImageRef newGeneratedImage(VipsImage* header, VipsGenerateFn generate, void* source) {
    VipsImageRef image(vips_image_new());
    if (vips_image_pipelinev(image.get(), VIPS_DEMAND_STYLE_THINSTRIP, header, nullptr) != 0 ||
        vips_image_generate(image.get(), nullptr, generate, nullptr, source, nullptr) != 0) {
        vips_error_clear();
        return {};
    }
    // The header may come from a decoder that reads in sequence; these pixels need not.
    vips_image_remove(image.get(), VIPS_META_SEQUENTIAL);
    return image;
}

}  // namespace vlt
