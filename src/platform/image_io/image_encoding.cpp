#include "platform/image_io/vips_image_ref.h"

#include "platform/image_io/image_encoding.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include <QRgb>

#include "platform/image_io/image_io_runtime.h"
#include "platform/image_io/png_writer.h"

namespace vlt {
namespace {

// Owns one libvips output target that writes to a descriptor itself, so that a failed
// write keeps its errno instead of vanishing into the encoder's failure.
class DescriptorTarget {
public:
    explicit DescriptorTarget(int descriptor) : descriptor_(descriptor), target_(vips_target_custom_new()) {
        if (target_ != nullptr) g_signal_connect(target_, "write", G_CALLBACK(&DescriptorTarget::write), this);
    }
    DescriptorTarget(const DescriptorTarget&) = delete;
    DescriptorTarget& operator=(const DescriptorTarget&) = delete;
    ~DescriptorTarget() {
        if (target_ != nullptr) g_object_unref(target_);
    }

    VipsTarget* get() const { return target_ != nullptr ? VIPS_TARGET(target_) : nullptr; }
    int writeErrno() const { return writeErrno_; }

private:
    // libvips calls again for what is left after a short write; -1 ends the encode.
    static gint64 write(VipsTargetCustom*, const void* data, gint64 length, DescriptorTarget* self) {
        ssize_t written = 0;
        do {
            written = ::write(self->descriptor_, data, std::size_t(length));
        } while (written < 0 && errno == EINTR);
        if (written < 0) self->writeErrno_ = errno;
        return written;
    }

    int descriptor_;
    int writeErrno_ = 0;
    VipsTargetCustom* target_;
};

// Premultiplied 0xAARRGGBB words as R, G, B bytes; the alpha is dropped.
void convertRowPlainly(const QRgb* in, VipsPel* out, int count) {
    for (int index = 0; index < count; ++index, out += 3) {
        out[0] = VipsPel(qRed(in[index]));
        out[1] = VipsPel(qGreen(in[index]));
        out[2] = VipsPel(qBlue(in[index]));
    }
}

#if defined(__x86_64__)
// The same, four pixels per byte shuffle: about twice as fast, which matters because
// the encoder waits for these rows. Each step stores 16 bytes of which the last 4
// are the next step's to overwrite, so it stops while at least 6 pixels are left.
__attribute__((target("ssse3"))) void convertRowShuffled(const QRgb* in, VipsPel* out, int count) {
    const __m128i toRgb = _mm_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1);
    int index = 0;
    for (; index + 6 <= count; index += 4, out += 12) {
        const __m128i words = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + index));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_shuffle_epi8(words, toRgb));
    }
    convertRowPlainly(in + index, out, count - index);
}
#endif

using RowConversion = void (*)(const QRgb*, VipsPel*, int);

RowConversion rowConversion() {
#if defined(__x86_64__)
    static const RowConversion chosen = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("ssse3") ? &convertRowShuffled : &convertRowPlainly;
    }();
    return chosen;
#else
    return &convertRowPlainly;
#endif
}

// The encoder pulls rows through here region by region on libvips's worker threads,
// so the layout change needs no second full-size copy and overlaps the compression.
int generateRows(VipsRegion* region, void*, void* sourcePointer, void*, gboolean*) {
    const auto* source = static_cast<const QImage*>(sourcePointer);
    const VipsRect& area = region->valid;
    const RowConversion convertRow = rowConversion();
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
ImageEncodingResult encodeImage(const QImage& image, const ImageEncodingOptions& options, int descriptor) {
    using Status = ImageEncodingResult::Status;
    if (image.isNull() || descriptor < 0) return {Status::encoderFailed};
    if (options.format == ImageEncodingFormat::png) return writePng(image, descriptor);
    ensureImageIORuntime();
    const QImage source = premultipliedWords(image);
    if (source.isNull()) return {Status::encoderFailed};

    const VipsImageRef pixels = pipelineOver(source);
    const DescriptorTarget target(descriptor);
    if (!pixels || target.get() == nullptr) return {Status::encoderFailed};
    const int saved = vips_jpegsave_target(pixels.get(), target.get(), "Q", std::clamp(options.jpegQuality, 1, 100),
                                           "strip", TRUE, nullptr);
    if (target.writeErrno() != 0) return {Status::writeFailed, target.writeErrno()};
    return {saved == 0 ? Status::written : Status::encoderFailed};
}

}  // namespace vlt
