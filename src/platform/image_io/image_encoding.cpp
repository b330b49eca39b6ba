#include "platform/image_io/vips_image_ref.h"

#include "platform/image_io/image_encoding.h"

#include <algorithm>

#include <QRgb>

#include "platform/image_io/image_io_runtime.h"

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

struct PixelSource {
    // 0xAARRGGBB words, premultiplied.
    QImage image;
    bool withAlpha = false;
};

// Turns premultiplied 0xAARRGGBB words into R, G, B bytes (JPEG, alpha dropped) or
// straight R, G, B, A bytes (PNG).
void convertRow(const QRgb* in, VipsPel* out, int count, bool withAlpha) {
    if (!withAlpha) {
        for (int index = 0; index < count; ++index, out += 3) {
            out[0] = VipsPel(qRed(in[index]));
            out[1] = VipsPel(qGreen(in[index]));
            out[2] = VipsPel(qBlue(in[index]));
        }
        return;
    }
    for (int index = 0; index < count; ++index, out += 4) {
        const QRgb straight = qUnpremultiply(in[index]);
        out[0] = VipsPel(qRed(straight));
        out[1] = VipsPel(qGreen(straight));
        out[2] = VipsPel(qBlue(straight));
        out[3] = VipsPel(qAlpha(straight));
    }
}

// The encoders pull rows through here region by region on libvips's worker threads,
// so the layout change needs no second full-size copy and overlaps the compression.
int generateRows(VipsRegion* region, void*, void* sourcePointer, void*, gboolean*) {
    const auto* source = static_cast<const PixelSource*>(sourcePointer);
    const VipsRect& area = region->valid;
    for (int y = area.top; y < area.top + area.height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(source->image.constScanLine(y)) + area.left;
        convertRow(row, VIPS_REGION_ADDR(region, area.left, y), area.width, source->withAlpha);
    }
    return 0;
}

VipsImageRef pipelineOver(const PixelSource& source) {
    VipsImageRef image(vips_image_new());
    vips_image_init_fields(image.get(), source.image.width(), source.image.height(), source.withAlpha ? 4 : 3,
                           VIPS_FORMAT_UCHAR, VIPS_CODING_NONE, VIPS_INTERPRETATION_sRGB, 1.0, 1.0);
    if (vips_image_pipelinev(image.get(), VIPS_DEMAND_STYLE_THINSTRIP, nullptr) != 0 ||
        vips_image_generate(image.get(), nullptr, generateRows, nullptr, const_cast<PixelSource*>(&source), nullptr) !=
            0) {
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
    ensureImageIORuntime();
    if (image.isNull() || descriptor < 0) return false;
    const PixelSource source{premultipliedWords(image), options.format == ImageEncodingFormat::png};
    if (source.image.isNull()) return false;

    const VipsImageRef pixels = pipelineOver(source);
    const VipsTargetRef target(vips_target_new_to_descriptor(descriptor));
    if (!pixels || target.get() == nullptr) return false;
    if (options.format == ImageEncodingFormat::jpeg) {
        return vips_jpegsave_target(pixels.get(), target.get(), "Q", std::clamp(options.jpegQuality, 1, 100), "strip",
                                    TRUE, nullptr) == 0;
    }
    return vips_pngsave_target(pixels.get(), target.get(), "strip", TRUE, nullptr) == 0;
}

}  // namespace vlt
