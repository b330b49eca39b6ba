#include "platform/image_io/vips_image_ref.h"

#include "platform/image_io/image_encoding.h"

#include <algorithm>

#include <QRgb>

#include "platform/image_io/image_io_runtime.h"
#include "platform/image_io/png_writer.h"

namespace vlt {
namespace {

// Owns one libvips output target.
class VipsTargetRef {
public:
    explicit VipsTargetRef(VipsTarget* target) : target_(target) {}
    VipsTargetRef(const VipsTargetRef&) = delete;
    VipsTargetRef& operator=(const VipsTargetRef&) = delete;
    ~VipsTargetRef() {
        if (target_ != nullptr) g_object_unref(target_);
    }

    VipsTarget* get() const { return target_; }

private:
    VipsTarget* target_;
};

// Premultiplied 0xAARRGGBB words as R, G, B bytes; the alpha is dropped.
void convertRow(const QRgb* in, VipsPel* out, int count) {
    for (int index = 0; index < count; ++index, out += 3) {
        out[0] = VipsPel(qRed(in[index]));
        out[1] = VipsPel(qGreen(in[index]));
        out[2] = VipsPel(qBlue(in[index]));
    }
}

// The encoder pulls rows through here region by region on libvips's worker threads,
// so the layout change needs no second full-size copy and overlaps the compression.
int generateRows(VipsRegion* region, void*, void* sourcePointer, void*, gboolean*) {
    const auto* source = static_cast<const QImage*>(sourcePointer);
    const VipsRect& area = region->valid;
    for (int y = area.top; y < area.top + area.height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(source->constScanLine(y)) + area.left;
        convertRow(row, VIPS_REGION_ADDR(region, area.left, y), area.width);
    }
    return 0;
}

VipsImageRef pipelineOver(const QImage& source) {
    VipsImageRef image(vips_image_new());
    vips_image_init_fields(image.get(), source.width(), source.height(), 3, VIPS_FORMAT_UCHAR, VIPS_CODING_NONE,
                           VIPS_INTERPRETATION_sRGB, 1.0, 1.0);
    if (vips_image_pipelinev(image.get(), VIPS_DEMAND_STYLE_THINSTRIP, nullptr) != 0 ||
        vips_image_generate(image.get(), nullptr, generateRows, nullptr, const_cast<QImage*>(&source), nullptr) != 0) {
        return {};
    }
    return image;
}

QImage premultipliedWords(const QImage& image) {
    if (image.format() == QImage::Format_ARGB32_Premultiplied || image.format() == QImage::Format_RGB32) return image;
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

// The encoders do not report to the shared error buffer on success, and clearing it
// here could hide a concurrent decoder's complaint, so it is left alone.
bool encodeImage(const QImage& image, const ImageEncodingOptions& options, int descriptor) {
    if (image.isNull() || descriptor < 0) return false;
    if (options.format == ImageEncodingFormat::png) return writePng(image, descriptor);
    ensureImageIORuntime();
    const QImage source = premultipliedWords(image);
    if (source.isNull()) return false;

    const VipsImageRef pixels = pipelineOver(source);
    const VipsTargetRef target(vips_target_new_to_descriptor(descriptor));
    if (!pixels || target.get() == nullptr) return false;
    return vips_jpegsave_target(pixels.get(), target.get(), "Q", std::clamp(options.jpegQuality, 1, 100), "strip", TRUE,
                                nullptr) == 0;
}

}  // namespace vlt
