#include "support/photograph_like_picture.h"

#include <initializer_list>

namespace vlt::bench {

VipsImage* makePhotographLikePicture(int width, int height) {
    VipsImage* xyz = nullptr;
    VipsImage* x = nullptr;
    VipsImage* y = nullptr;
    VipsImage* bands[3] = {};
    VipsImage* noise = nullptr;
    VipsImage* joined = nullptr;
    VipsImage* grained = nullptr;
    VipsImage* picture = nullptr;
    const double xScale = 255.0 / width;
    const double yScale = 255.0 / height;
    const bool ok = vips_xyz(&xyz, width, height, nullptr) == 0 && vips_extract_band(xyz, &x, 0, nullptr) == 0 &&
                    vips_extract_band(xyz, &y, 1, nullptr) == 0 &&
                    vips_linear1(x, &bands[0], xScale, 0, nullptr) == 0 &&
                    vips_linear1(y, &bands[1], yScale, 0, nullptr) == 0 &&
                    vips_linear1(x, &bands[2], -xScale * 0.5, 200, nullptr) == 0 &&
                    vips_bandjoin(bands, &joined, 3, nullptr) == 0 &&
                    vips_gaussnoise(&noise, width, height, "mean", 0.0, "sigma", 6.0, nullptr) == 0 &&
                    vips_add(joined, noise, &grained, nullptr) == 0 && vips_cast_uchar(grained, &picture, nullptr) == 0;
    for (VipsImage* image : {xyz, x, y, bands[0], bands[1], bands[2], noise, joined, grained}) {
        if (image) g_object_unref(image);
    }
    if (!ok) {
        if (picture) g_object_unref(picture);
        return nullptr;
    }
    picture->Type = VIPS_INTERPRETATION_sRGB;
    return picture;
}

}  // namespace vlt::bench
