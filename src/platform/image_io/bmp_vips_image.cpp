// GLib names a struct member "signals", which Qt defines as a keyword: libvips comes
// before any Qt header.
#include <vips/vips.h>

#include "platform/image_io/bmp_vips_image.h"

#include <cstring>
#include <vector>

#include "platform/image_io/bmp_file.h"

namespace vlt {

namespace {

// Scaling reads whole rows, top to bottom; anything else (a crop) takes its part of
// whole rows decoded for it.
bool decodeInto(VipsRegion* region, const BmpFile& bmp) {
    const VipsRect& area = region->valid;
    if (area.left == 0 && area.width == bmp.width()) {
        return bmp.readRows(area.top, area.height, VIPS_REGION_ADDR(region, 0, area.top),
                            std::size_t(VIPS_REGION_LSKIP(region)));
    }
    const auto bands = std::size_t(bmp.bands());
    std::vector<unsigned char> row(std::size_t(bmp.width()) * bands);
    for (int y = area.top; y < area.top + area.height; ++y) {
        if (!bmp.readRows(y, 1, row.data(), row.size())) return false;
        std::memcpy(VIPS_REGION_ADDR(region, area.left, y), row.data() + std::size_t(area.left) * bands,
                    std::size_t(area.width) * bands);
    }
    return true;
}

int generateRows(VipsRegion* region, void*, void* file, void*, gboolean*) {
    if (decodeInto(region, *static_cast<const BmpFile*>(file))) return 0;
    vips_error("bmpload", "%s", "truncated or damaged pixel data");
    return -1;
}

void closeFile(VipsImage*, void* file) { delete static_cast<BmpFile*>(file); }

}  // namespace

VipsImage* newBmpVipsImage(const std::string& path) {
    std::unique_ptr<BmpFile> file = BmpFile::open(path);
    if (!file || file->width() > VIPS_MAX_COORD || file->height() > VIPS_MAX_COORD) return nullptr;

    VipsImage* image = vips_image_new();
    vips_image_init_fields(image, int(file->width()), int(file->height()), file->bands(), VIPS_FORMAT_UCHAR,
                           VIPS_CODING_NONE, VIPS_INTERPRETATION_sRGB, 1.0, 1.0);
    // The image owns the file from here on, and closes it with itself.
    BmpFile* owned = file.release();
    g_signal_connect(image, "close", G_CALLBACK(closeFile), owned);
    if (vips_image_pipelinev(image, VIPS_DEMAND_STYLE_THINSTRIP, nullptr) != 0 ||
        vips_image_generate(image, nullptr, generateRows, nullptr, owned, nullptr) != 0) {
        g_object_unref(image);
        return nullptr;
    }
    // Read top to bottom like a file loaded in sequence: the scaling then keeps the
    // few rows it needs instead of asking for each of them again and again.
    vips_image_set_int(image, VIPS_META_SEQUENTIAL, 1);
    return image;
}

}  // namespace vlt
