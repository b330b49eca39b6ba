// GLib names a struct member "signals", which Qt defines as a keyword: libvips comes
// before any Qt header.
#include <vips/vips.h>

#include "platform/image_io/image_source.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include <QColorSpace>

#include "base/regular_file.h"
#include "base/usable_cpu_count.h"
#include "platform/image_io/bmp_vips_image.h"
#include "platform/image_io/decoded_pixel_store.h"
#include "platform/image_io/image_io_runtime.h"
#include "platform/image_io/image_type_identifier.h"
#include "platform/image_io/jpeg_region.h"
#include "platform/image_io/pixel_buffer_image.h"
#include "platform/image_io/row_band_computation.h"
#include "platform/image_io/tiff_directory.h"
#include "platform/image_io/uncompressed_tiff_pixels.h"
#include "platform/image_io/vips_image_ref.h"

namespace vlt {
namespace {

enum class Decoder { jpeg, png, bmp, tiff, heif };

// The most samples a pixel of any supported layout has: CMYK with alpha.
constexpr std::uint64_t kMaximumSamplesPerPixel = 5;
// Rows of full width held at once between the decoder and the result, with room to
// spare (measured at about forty with four workers).
constexpr std::uint64_t kRowsHeldWhileDecoding = 64;
constexpr std::uint64_t kBmpRowIndexBytesPerRow = 32;
constexpr int kRowsPerWalkStep = 256;
constexpr int kRowsPerPull = 64;
// Output rows in each band computed on our own threads: a band reads again the rows
// its resampling kernel needs beyond its own.
constexpr int kRowsPerBand = 64;
// From this reduction on, libvips's resampler shrinks by an integer factor first.
constexpr double kPreShrinkingReduction = 4.0;
// A strip of columns of its own is worth this many columns.
constexpr int kMinimumColumnStripWidth = 256;
// The most the vertical pass of a resampling run on strips of columns may hold.
constexpr std::uint64_t kMaximumColumnStripBytes = std::uint64_t(384) << 20;
// The reducing gap vips_resize gives its passes.
constexpr double kResamplingGap = 2.0;
// The most a JPEG crop decoded by itself may take in memory.
constexpr std::uint64_t kMaximumJpegRegionBytes = std::uint64_t(192) << 20;

// libvips drops a decoder's failure in some multi-threaded vertical reductions, but
// its error text stays in the one process-wide error buffer. Decodes therefore run
// one at a time and check that buffer too, so a truncated file can never come out
// as a picture with grey rows.
std::mutex& decodeMutex() {
    static std::mutex mutex;
    return mutex;
}

bool decoderReportedError() { return vips_error_buffer()[0] != '\0'; }

std::optional<Decoder> decoderFor(const std::optional<std::string>& identifier) {
    if (!identifier) return std::nullopt;
    if (*identifier == kJpegTypeIdentifier) return Decoder::jpeg;
    if (*identifier == kPngTypeIdentifier) return Decoder::png;
    if (*identifier == kBmpTypeIdentifier) return Decoder::bmp;
    if (*identifier == kTiffTypeIdentifier) return Decoder::tiff;
    if (*identifier == kHeicTypeIdentifier || *identifier == kHeifTypeIdentifier) return Decoder::heif;
    return std::nullopt;
}

// Each format goes to its own loader by name: content that was not recognised never
// reaches a decoder, and no loader is chosen by libvips's own guessing. A truncated
// file fails instead of being filled with grey.
VipsImageRef load(Decoder decoder, const std::string& path, int shrink) {
    VipsImageRef image;
    // The decoders open the path themselves: what was a file when the header was read
    // may be a pipe by now, which they would wait on for ever.
    if (RegularFile::check(path)) return image;
    const char* file = path.c_str();
    int status = -1;
    switch (decoder) {
    case Decoder::jpeg:
        status = vips_jpegload(file, image.out(), "access", VIPS_ACCESS_SEQUENTIAL, "fail_on", VIPS_FAIL_ON_TRUNCATED,
                               "shrink", shrink, nullptr);
        break;
    case Decoder::png:
        status = vips_pngload(file, image.out(), "access", VIPS_ACCESS_SEQUENTIAL, "fail_on", VIPS_FAIL_ON_TRUNCATED,
                              nullptr);
        break;
    case Decoder::bmp:
        // Our own decoder: no outside policy may call a valid bitmap too large.
        *image.out() = newBmpVipsImage(path);
        status = image ? 0 : -1;
        break;
    case Decoder::tiff:
        status = vips_tiffload(file, image.out(), "access", VIPS_ACCESS_SEQUENTIAL, "fail_on", VIPS_FAIL_ON_TRUNCATED,
                               nullptr);
        break;
    case Decoder::heif:
        status = vips_heifload(file, image.out(), "access", VIPS_ACCESS_SEQUENTIAL, "fail_on", VIPS_FAIL_ON_TRUNCATED,
                               nullptr);
        break;
    }
    if (status != 0) {
        vips_error_clear();
        return {};
    }
    return image;
}

std::optional<std::int64_t> exifOrientation(VipsImage* image) {
    if (vips_image_get_typeof(image, VIPS_META_EXIF_NAME) == 0) return std::nullopt;
    const void* data = nullptr;
    size_t length = 0;
    if (vips_image_get_blob(image, VIPS_META_EXIF_NAME, &data, &length) != 0) {
        vips_error_clear();
        return std::nullopt;
    }
    const auto directory = TiffDirectory::readExif({static_cast<const unsigned char*>(data), length});
    if (!directory) return std::nullopt;
    const auto value = directory->integer(TiffDirectory::kOrientationTag);
    if (!value) return std::nullopt;
    return std::int64_t(*value);
}

bool isInterlaced(VipsImage* image) {
    int interlaced = 0;
    if (vips_image_get_typeof(image, "interlaced") == 0) return false;
    if (vips_image_get_int(image, "interlaced", &interlaced) != 0) {
        vips_error_clear();
        return false;
    }
    return interlaced != 0;
}

std::uint64_t saturatingProduct(std::initializer_list<std::uint64_t> factors) {
    std::uint64_t product = 1;
    for (std::uint64_t factor : factors) {
        if (factor != 0 && product > UINT64_MAX / factor) return UINT64_MAX;
        product *= factor;
    }
    return product;
}

// Samples in each pixel as the header tells them; a TIFF says so in its directory too.
std::uint64_t samplesPerPixel(VipsImage* header, const TiffDirectory* directory) {
    std::uint64_t samples = header ? std::uint64_t(std::max(vips_image_get_bands(header), 0)) : 0;
    if (directory) samples = std::max(samples, directory->integer(TiffDirectory::kSamplesPerPixelTag).value_or(1));
    return samples;
}

// The largest buffer the decoder must hold at once for the whole image or one strip
// or tile of it, as far as the header tells.
std::uint64_t wholeBufferBytes(Decoder decoder, VipsImage* image, const TiffDirectory* directory) {
    const auto width = std::uint64_t(vips_image_get_width(image));
    const auto height = std::uint64_t(vips_image_get_height(image));
    const auto bands = std::uint64_t(vips_image_get_bands(image));
    const auto sampleBytes = std::uint64_t(vips_format_sizeof(vips_image_get_format(image)));
    switch (decoder) {
    case Decoder::jpeg:
        // Progressive scans keep every DCT coefficient (two bytes each) until the end.
        return isInterlaced(image) ? saturatingProduct({width, height, bands, 2}) : 0;
    case Decoder::png:
        return isInterlaced(image) ? saturatingProduct({width, height, bands, sampleBytes}) : 0;
    case Decoder::heif:
        // Decoded whole, in its own planes and then converted.
        return saturatingProduct({width, height, bands, sampleBytes, 2});
    case Decoder::bmp:
        // Decoded a few rows at a time; run-length data keeps where each row starts.
        return saturatingProduct({height, kBmpRowIndexBytesPerRow});
    case Decoder::tiff: {
        if (!directory) return 0;
        const std::uint64_t samples = directory->integer(TiffDirectory::kSamplesPerPixelTag).value_or(1);
        const std::uint64_t bits = directory->integer(TiffDirectory::kBitsPerSampleTag).value_or(1);
        const std::uint64_t pixelBits = saturatingProduct({samples, std::max<std::uint64_t>(bits, 1)});
        const auto tileWidth = directory->integer(TiffDirectory::kTileWidthTag);
        const auto tileLength = directory->integer(TiffDirectory::kTileLengthTag);
        if (tileWidth && tileLength) return saturatingProduct({*tileWidth, *tileLength, pixelBits}) / 8;
        const std::uint64_t rows =
            std::min(directory->integer(TiffDirectory::kRowsPerStripTag).value_or(height), height);
        return saturatingProduct({width, std::max<std::uint64_t>(rows, 1), pixelBits}) / 8;
    }
    }
    return 0;
}

// What decoding needs at most at once: the whole-image buffer where the format has
// one, and in any case the rows of full width that the decoder's workers, the shrink
// and the conversions hold together, each row as wide as its bands and samples make it.
std::uint64_t decoderBufferBytes(Decoder decoder, VipsImage* image, const TiffDirectory* directory) {
    const auto width = std::uint64_t(vips_image_get_width(image));
    const std::uint64_t bands = samplesPerPixel(image, directory);
    const auto sampleBytes = std::uint64_t(vips_format_sizeof(vips_image_get_format(image)));
    const std::uint64_t rows = saturatingProduct({width, bands, sampleBytes, kRowsHeldWhileDecoding});
    return std::max(rows, wholeBufferBytes(decoder, image, directory));
}

std::uint32_t littleEndian32(std::span<const unsigned char> bytes, std::size_t offset) {
    return std::uint32_t(bytes[offset]) | std::uint32_t(bytes[offset + 1]) << 8 |
           std::uint32_t(bytes[offset + 2]) << 16 | std::uint32_t(bytes[offset + 3]) << 24;
}

// The size a header announces, read by hand for the formats whose decoders refuse
// large or empty sizes while reading the header. Nothing here is decoded.
std::optional<ImageProperties> announcedProperties(Decoder decoder, std::span<const unsigned char> head,
                                                   const TiffDirectory* directory) {
    switch (decoder) {
    case Decoder::png: {
        constexpr std::size_t kIhdrEnd = 24;
        if (head.size() < kIhdrEnd || std::memcmp(head.data() + 12, "IHDR", 4) != 0) return std::nullopt;
        auto bigEndian = [&head](std::size_t offset) {
            return std::int64_t(head[offset]) << 24 | std::int64_t(head[offset + 1]) << 16 |
                   std::int64_t(head[offset + 2]) << 8 | std::int64_t(head[offset + 3]);
        };
        return ImageProperties{bigEndian(16), bigEndian(20), std::nullopt};
    }
    case Decoder::bmp: {
        if (head.size() < 26) return std::nullopt;
        if (littleEndian32(head, 14) == 12) {
            return ImageProperties{std::int64_t(head[18] | head[19] << 8), std::int64_t(head[20] | head[21] << 8),
                                   std::nullopt};
        }
        // A negative height marks rows stored top down.
        const auto width = std::int32_t(littleEndian32(head, 18));
        const auto height = std::int32_t(littleEndian32(head, 22));
        return ImageProperties{std::int64_t(width), std::abs(std::int64_t(height)), std::nullopt};
    }
    case Decoder::tiff: {
        if (!directory) return std::nullopt;
        const auto width = directory->integer(TiffDirectory::kImageWidthTag);
        const auto height = directory->integer(TiffDirectory::kImageLengthTag);
        if (!width || !height) return std::nullopt;
        const auto orientation = directory->integer(TiffDirectory::kOrientationTag);
        return ImageProperties{std::int64_t(std::min<std::uint64_t>(*width, INT64_MAX)),
                               std::int64_t(std::min<std::uint64_t>(*height, INT64_MAX)),
                               orientation ? std::optional<std::int64_t>(std::int64_t(*orientation)) : std::nullopt};
    }
    case Decoder::jpeg:
    case Decoder::heif:
        return std::nullopt;
    }
    return std::nullopt;
}

// Leaves at least a factor of two for the final resampling, which looks better than
// the decoder's block shrink alone.
int jpegShrinkFactor(double reduction) {
    if (reduction >= 16) return 8;
    if (reduction >= 8) return 4;
    if (reduction >= 4) return 2;
    return 1;
}

template <typename Operation>
bool step(VipsImageRef& image, Operation operation) {
    VipsImageRef next;
    if (operation(image.get(), next.out()) != 0) {
        vips_error_clear();
        return false;
    }
    image = std::move(next);
    return true;
}

bool convertToSRGB8(VipsImageRef& image) {
    if (vips_image_get_typeof(image.get(), VIPS_META_ICC_NAME) != 0) {
        const bool transformed = step(image, [](VipsImage* in, VipsImage** out) {
            return vips_icc_transform(in, out, "srgb", "embedded", TRUE, "intent", VIPS_INTENT_RELATIVE, "depth", 8,
                                      nullptr);
        });
        if (!transformed) {
            // A broken embedded profile: fall back to the plain conversion below.
            vips_image_remove(image.get(), VIPS_META_ICC_NAME);
        }
    }
    if (!step(image, [](VipsImage* in, VipsImage** out) {
            return vips_colourspace(in, out, VIPS_INTERPRETATION_sRGB, nullptr);
        })) {
        return false;
    }
    if (vips_image_get_format(image.get()) != VIPS_FORMAT_UCHAR &&
        !step(image, [](VipsImage* in, VipsImage** out) { return vips_cast_uchar(in, out, nullptr); })) {
        return false;
    }
    if (vips_image_get_bands(image.get()) > 4 &&
        !step(image, [](VipsImage* in, VipsImage** out) { return vips_extract_band(in, out, 0, "n", 4, nullptr); })) {
        return false;
    }
    return true;
}

// Makes the 8-bit sRGB picture four channels with premultiplied alpha.
bool toPremultipliedRGBA(VipsImageRef& image, bool hasAlpha) {
    if (!hasAlpha || vips_image_get_bands(image.get()) < 4) {
        if (vips_image_get_bands(image.get()) == 4) {
            return step(image, [](VipsImage* in,
                                  VipsImage** out) { return vips_extract_band(in, out, 0, "n", 3, nullptr); }) &&
                   toPremultipliedRGBA(image, false);
        }
        return step(image,
                    [](VipsImage* in, VipsImage** out) { return vips_bandjoin_const1(in, out, 255.0, nullptr); });
    }
    return step(image, [](VipsImage* in, VipsImage** out) { return vips_premultiply(in, out, nullptr); }) &&
           step(image, [](VipsImage* in, VipsImage** out) { return vips_rint(in, out, nullptr); }) &&
           step(image, [](VipsImage* in, VipsImage** out) { return vips_cast_uchar(in, out, nullptr); });
}

bool applyOrientation(VipsImageRef& image, ImageOrientation orientation) {
    if (orientation.mirrored && !step(image, [](VipsImage* in, VipsImage** out) {
            return vips_flip(in, out, VIPS_DIRECTION_HORIZONTAL, nullptr);
        })) {
        return false;
    }
    VipsAngle angle = VIPS_ANGLE_D0;
    switch (orientation.clockwiseQuarterTurns % 4) {
    case 1:
        angle = VIPS_ANGLE_D90;
        break;
    case 2:
        angle = VIPS_ANGLE_D180;
        break;
    case 3:
        angle = VIPS_ANGLE_D270;
        break;
    default:
        return true;
    }
    return step(image, [angle](VipsImage* in, VipsImage** out) { return vips_rot(in, out, angle, nullptr); });
}

void freeVipsBuffer(void* buffer) { g_free(buffer); }

// How a pipeline's pixels are made: by libvips's own sink, or in bands of output rows
// on our own threads (see computeRowBands) where the pipeline reads pixels that can be
// read anywhere and scales without an integer pre-shrink, whose box filter libvips
// runs well only when it reads in sequence.
struct Computation {
    bool inBands = false;
};

void* computeBuffer(VipsImage* image, const Computation& computation, size_t* size) {
    if (computation.inBands) return computeRowBands(image, usableCpuCount(), kRowsPerBand, size);
    return vips_image_write_to_memory(image, size);
}

std::optional<QImage> toQImage(VipsImage* image, const Computation& computation = {}) {
    size_t size = 0;
    void* buffer = computeBuffer(image, computation, &size);
    if (buffer == nullptr) {
        vips_error_clear();
        return std::nullopt;
    }
    const int width = vips_image_get_width(image);
    const int height = vips_image_get_height(image);
    if (size != size_t(width) * size_t(height) * 4) {
        g_free(buffer);
        return std::nullopt;
    }
    QImage result(static_cast<uchar*>(buffer), width, height, width * 4, QImage::Format_RGBA8888_Premultiplied,
                  freeVipsBuffer, buffer);
    // Set while the image is not shared yet, so that no pixel is copied for it.
    result.setColorSpace(QColorSpace(QColorSpace::SRgb));
    return result;
}

std::int64_t roundedCoordinate(double value) { return std::int64_t(std::llround(value)); }

using StepResult = Result<void, ImageSourceFailure>;

// Where a render request lies in the stored picture, and what it asks of the decoder.
struct RenderPlan {
    ImageOrientation total;
    std::int64_t storedWidth = 0;
    std::int64_t storedHeight = 0;
    PixelRect storedCrop;
    // The output size before the turns, which run last.
    std::int64_t outputWidth = 0;
    std::int64_t outputHeight = 0;
    int shrink = 1;
};

// Maps the crop back into the stored picture: scaling commutes with turning, so the
// turns run last, on the small result, and the decode can stream. None when the crop
// leaves the picture or the output size is beyond what can be made.
std::optional<RenderPlan> planRender(Decoder decoder, const ImageProperties& properties,
                                     const ImageRenderRequest& request) {
    RenderPlan plan;
    plan.total = request.userOrientation.after(request.encodedOrientation);
    plan.storedWidth = properties.pixelWidth;
    plan.storedHeight = properties.pixelHeight;
    const bool swaps = plan.total.swapsAxes();
    const std::int64_t displayedWidth = swaps ? plan.storedHeight : plan.storedWidth;
    const std::int64_t displayedHeight = swaps ? plan.storedWidth : plan.storedHeight;
    const PixelRect& crop = request.crop;
    const bool cropInside = crop.width >= 1 && crop.height >= 1 && crop.x >= 0 && crop.y >= 0 &&
                            crop.x + crop.width <= displayedWidth && crop.y + crop.height <= displayedHeight;
    const bool outputPossible = request.outputWidth >= 1 && request.outputHeight >= 1 &&
                                request.outputWidth <= VIPS_MAX_COORD && request.outputHeight <= VIPS_MAX_COORD;
    if (!cropInside || !outputPossible) return std::nullopt;

    plan.storedCrop = plan.total.inverse().map(crop, displayedWidth, displayedHeight);
    plan.outputWidth = swaps ? request.outputHeight : request.outputWidth;
    plan.outputHeight = swaps ? request.outputWidth : request.outputHeight;
    const double reduction = std::min(double(plan.storedCrop.width) / double(plan.outputWidth),
                                      double(plan.storedCrop.height) / double(plan.outputHeight));
    plan.shrink = decoder == Decoder::jpeg ? jpegShrinkFactor(reduction) : 1;
    return plan;
}

// Opens the pixels for decoding, shrinking while loading where the format can.
Result<VipsImageRef, ImageSourceFailure> openPixels(Decoder decoder, const std::string& path, const RenderPlan& plan) {
    VipsImageRef image = load(decoder, path, plan.shrink);
    if (!image) return ImageSourceFailure::decodeFailed;
    // Header probing may leave notes behind (libheif's seeks); only what the pixel
    // decode reports counts.
    vips_error_clear();
    // Another size than the header said: the file is not what was opened.
    const bool sizeAsOpened = vips_image_get_width(image.get()) == plan.storedWidth &&
                              vips_image_get_height(image.get()) == plan.storedHeight;
    if (plan.shrink == 1 && !sizeAsOpened) return ImageSourceFailure::decodeFailed;
    return image;
}

// A decoder that reads in sequence reaches the first row of a crop by decoding every
// row above it in one piece: gigabytes, for a crop far down a giant source. Walked
// down a few rows at a time, it holds no more than while decoding the crop itself.
bool walkDownTo(VipsImage* image, int top) {
    if (top == 0 || !vips_image_is_sequential(image)) return true;
    VipsRegion* region = vips_region_new(image);
    bool walked = true;
    for (int y = 0; walked && y < top; y += kRowsPerWalkStep) {
        const VipsRect rows{0, y, 1, std::min(kRowsPerWalkStep, top - y)};
        walked = vips_region_prepare(region, &rows) == 0;
    }
    g_object_unref(region);
    return walked && !decoderReportedError();
}

// Decodes every row of a decoder that reads in sequence, top to bottom, full width,
// so that whatever it passes through sees each row. False when the decoder failed;
// the error buffer is not asked, since readers on other threads write there too.
bool pullEveryRow(VipsImage* image) {
    VipsRegion* region = vips_region_new(image);
    if (region == nullptr) return false;
    const int width = vips_image_get_width(image);
    const int height = vips_image_get_height(image);
    bool pulled = true;
    for (int y = 0; pulled && y < height; y += kRowsPerPull) {
        const VipsRect rows{0, y, width, std::min(kRowsPerPull, height - y)};
        pulled = vips_region_prepare(region, &rows) == 0;
    }
    g_object_unref(region);
    return pulled;
}

// The crop in the (possibly shrunk) stored picture as the decoder loads it.
VipsRect loadedRegion(const RenderPlan& plan, std::int64_t loadedWidth, std::int64_t loadedHeight) {
    const double fx = double(loadedWidth) / double(plan.storedWidth);
    const double fy = double(loadedHeight) / double(plan.storedHeight);
    const PixelRect& crop = plan.storedCrop;
    const std::int64_t left = std::clamp<std::int64_t>(roundedCoordinate(double(crop.x) * fx), 0, loadedWidth - 1);
    const std::int64_t top = std::clamp<std::int64_t>(roundedCoordinate(double(crop.y) * fy), 0, loadedHeight - 1);
    const std::int64_t right =
        std::clamp<std::int64_t>(roundedCoordinate(double(crop.x + crop.width) * fx), left + 1, loadedWidth);
    const std::int64_t bottom =
        std::clamp<std::int64_t>(roundedCoordinate(double(crop.y + crop.height) * fy), top + 1, loadedHeight);
    return {int(left), int(top), int(right - left), int(bottom - top)};
}

bool isWhole(const VipsRect& region, VipsImage* image) {
    return region.left == 0 && region.top == 0 && region.width == vips_image_get_width(image) &&
           region.height == vips_image_get_height(image);
}

// Crops in the (possibly shrunk) stored picture.
StepResult cropStored(VipsImageRef& image, const RenderPlan& plan, bool fromDecoder) {
    const VipsRect region = loadedRegion(plan, vips_image_get_width(image.get()), vips_image_get_height(image.get()));
    if (fromDecoder && !walkDownTo(image.get(), region.top)) return ImageSourceFailure::decodeFailed;
    if (isWhole(region, image.get()) || step(image, [&region](VipsImage* in, VipsImage** out) {
            return vips_extract_area(in, out, region.left, region.top, region.width, region.height, nullptr);
        })) {
        return {};
    }
    return ImageSourceFailure::processingFailed;
}

// Scales each axis by its own factor, in premultiplied form so that transparent pixels
// do not bleed their colour into their neighbours.
// vips_resize, reducing both axes, runs its vertical pass and then its horizontal pass;
// the vertical one reads every pixel, and each of its columns depends on that column
// alone. Here it runs on strips of columns, one for each processor, each read in
// sequence as libvips's resampler runs best, and the horizontal pass runs over what
// they made: the same bytes. Not where the vertical pass would hold too much at once.
// Opens the pixels being scaled once more, for a strip of columns of its own.
using PixelOpener = std::function<VipsImageRef()>;

// None where the strips would not pay; a failure to compute the pixels is the decoder's.
std::optional<StepResult> resizeInColumnStrips(VipsImageRef& image, const PixelOpener& openAgain,
                                               double horizontalScale, double verticalScale) {
    const auto failed = ImageSourceFailure::processingFailed;
    const int width = vips_image_get_width(image.get());
    const int height = vips_image_get_height(image.get());
    const int count = std::clamp(width / kMinimumColumnStripWidth, 1, usableCpuCount());
    const double rows = std::ceil(double(height) * verticalScale);
    if (count < 2 || rows * double(VIPS_IMAGE_SIZEOF_LINE(image.get())) > double(kMaximumColumnStripBytes)) {
        return std::nullopt;
    }
    std::vector<VipsImageRef> strips;
    std::vector<VipsImage*> stripImages;
    for (int i = 0; i < count; ++i) {
        const int left = int(std::int64_t(width) * i / count);
        const int right = int(std::int64_t(width) * (i + 1) / count);
        VipsImageRef source = i == 0 ? VipsImageRef() : openAgain();
        if (i > 0 && !source) return StepResult(ImageSourceFailure::decodeFailed);
        VipsImageRef strip;
        if (vips_extract_area(i == 0 ? image.get() : source.get(), strip.out(), left, 0, right - left, height,
                              nullptr) != 0) {
            vips_error_clear();
            return StepResult(failed);
        }
        vips_image_set_int(strip.get(), VIPS_META_SEQUENTIAL, 1);
        if (!step(strip, [verticalScale](VipsImage* in, VipsImage** out) {
                return vips_reducev(in, out, 1.0 / verticalScale, "gap", kResamplingGap, nullptr);
            })) {
            return StepResult(failed);
        }
        stripImages.push_back(strip.get());
        strips.push_back(std::move(strip));
    }
    size_t size = 0;
    void* pixels = computeColumnStrips(stripImages, &size);
    if (pixels == nullptr) {
        vips_error_clear();
        return StepResult(ImageSourceFailure::decodeFailed);
    }
    VipsImageRef reduced =
        newPixelBufferImage(stripImages.front(), width, vips_image_get_height(stripImages.front()), pixels);
    if (!reduced) return StepResult(failed);
    image = std::move(reduced);
    const bool reducedAcross = step(image, [horizontalScale](VipsImage* in, VipsImage** out) {
        return vips_reduceh(in, out, 1.0 / horizontalScale, "gap", kResamplingGap, nullptr);
    });
    return reducedAcross ? StepResult() : StepResult(failed);
}

// `openAgain`, where given, lets the costly part run on strips of columns; `inColumns`
// tells whether it did.
StepResult scaleToOutput(VipsImageRef& image, const RenderPlan& plan, bool hasAlpha, const PixelOpener& openAgain,
                         bool& inColumns) {
    const auto failed = ImageSourceFailure::processingFailed;
    const VipsBandFormat decodedFormat = vips_image_get_format(image.get());
    if (hasAlpha && !step(image, [](VipsImage* in, VipsImage** out) { return vips_premultiply(in, out, nullptr); })) {
        return failed;
    }
    const int regionWidth = vips_image_get_width(image.get());
    const int regionHeight = vips_image_get_height(image.get());
    const double horizontalScale = double(plan.outputWidth) / double(regionWidth);
    const double verticalScale = double(plan.outputHeight) / double(regionHeight);
    std::optional<StepResult> resized;
    if (openAgain && horizontalScale < 1 && verticalScale < 1) {
        resized = resizeInColumnStrips(image, openAgain, horizontalScale, verticalScale);
    }
    if (resized && !*resized) return *resized;
    inColumns = resized.has_value();
    if (!resized && (regionWidth != plan.outputWidth || regionHeight != plan.outputHeight) &&
        !step(image, [&](VipsImage* in, VipsImage** out) {
            return vips_resize(in, out, horizontalScale, "vscale", verticalScale, nullptr);
        })) {
        return failed;
    }
    // Rounding inside the resampler: pad or trim the last row or column.
    if ((vips_image_get_width(image.get()) != plan.outputWidth ||
         vips_image_get_height(image.get()) != plan.outputHeight) &&
        !step(image, [&](VipsImage* in, VipsImage** out) {
            return vips_embed(in, out, 0, 0, int(plan.outputWidth), int(plan.outputHeight), "extend", VIPS_EXTEND_COPY,
                              nullptr);
        })) {
        return failed;
    }
    const bool unpremultiplied =
        !hasAlpha ||
        (step(image, [](VipsImage* in, VipsImage** out) { return vips_unpremultiply(in, out, nullptr); }) &&
         step(image, [](VipsImage* in, VipsImage** out) { return vips_rint(in, out, nullptr); }) &&
         step(image,
              [decodedFormat](VipsImage* in, VipsImage** out) { return vips_cast(in, out, decodedFormat, nullptr); }));
    return unpremultiplied ? StepResult() : StepResult(failed);
}

// Makes the picture 8-bit sRGB, four channels, premultiplied alpha.
StepResult convertColour(VipsImageRef& image, bool hasAlpha) {
    if (convertToSRGB8(image) && toPremultipliedRGBA(image, hasAlpha)) return {};
    return ImageSourceFailure::processingFailed;
}

// Runs the pipeline: the pixels are decoded now, into the small result, which is then
// turned upright. Turning needs the whole result at hand; without a turn the pipeline
// runs straight into the final buffer.
Result<QImage, ImageSourceFailure> computePixels(VipsImageRef image, ImageOrientation total, std::int64_t width,
                                                 std::int64_t height, const Computation& computation) {
    if (total != ImageOrientation{}) {
        VipsImage* in = image.get();
        size_t size = 0;
        void* buffer = computeBuffer(in, computation, &size);
        VipsImageRef computed;
        if (buffer != nullptr) {
            *computed.out() =
                vips_image_new_from_memory(buffer, size, vips_image_get_width(in), vips_image_get_height(in),
                                           vips_image_get_bands(in), vips_image_get_format(in));
            if (computed) {
                g_signal_connect(computed.get(), "postclose",
                                 G_CALLBACK(+[](VipsImage*, gpointer pixels) { g_free(pixels); }), buffer);
            } else {
                g_free(buffer);
            }
        }
        if (!computed || decoderReportedError()) {
            vips_error_clear();
            return ImageSourceFailure::decodeFailed;
        }
        image = std::move(computed);
        if (!applyOrientation(image, total)) return ImageSourceFailure::processingFailed;
    }
    std::optional<QImage> result = toQImage(image.get(), total != ImageOrientation{} ? Computation{} : computation);
    if (!result || decoderReportedError()) {
        vips_error_clear();
        return ImageSourceFailure::decodeFailed;
    }
    if (result->width() != width || result->height() != height) return ImageSourceFailure::processingFailed;
    return *std::move(result);
}

// The header's limits, then the request in the stored picture.
Result<std::pair<Decoder, RenderPlan>, ImageSourceFailure> checkedPlan(const std::optional<std::string>& typeIdentifier,
                                                                       const std::optional<ImageProperties>& properties,
                                                                       std::uint64_t samplesPerPixel,
                                                                       std::uint64_t decoderBufferBytes,
                                                                       const ImageRenderRequest& request) {
    const std::optional<Decoder> decoder = decoderFor(typeIdentifier);
    if (!decoder) return ImageSourceFailure::unknownType;
    if (!properties) return ImageSourceFailure::noImage;
    if (samplesPerPixel > kMaximumSamplesPerPixel) return ImageSourceFailure::unsupportedLayout;
    if (decoderBufferBytes > kMaximumDecoderBufferBytes) return ImageSourceFailure::tooLargeToDecode;
    const std::optional<RenderPlan> plan = planRender(*decoder, *properties, request);
    if (!plan) return ImageSourceFailure::invalidRequest;
    return std::pair{*decoder, *plan};
}

StoredRenderShape shapeOf(const RenderPlan& plan) {
    return {plan.storedCrop, plan.outputWidth, plan.outputHeight, plan.shrink};
}

// Where a render's pixels come from.
enum class Pixels {
    // A decoder that reads in sequence.
    decoder,
    // Pixels that any thread may read at any row.
    anywhere,
    // The same, while a decoder on another processor is still filling them in.
    arriving,
    // The crop alone, readable anywhere.
    cropped,
};

// Everything after the decoder, or after pixels a decoder left: crop, scale, colour,
// pixels. `openDecoderAgain`: a decoder's pixels cost little to read once more.
Result<QImage, ImageSourceFailure> finishRender(VipsImageRef image, const RenderPlan& plan,
                                                const ImageRenderRequest& request, Pixels pixels,
                                                const PixelOpener& openDecoderAgain = {}) {
    if (pixels != Pixels::cropped) {
        if (auto cropped = cropStored(image, plan, pixels == Pixels::decoder); !cropped) return cropped.error();
    }
    // From a reduction of four on, the resampler shrinks by an integer factor first,
    // which it runs well only when it reads in sequence: its costly vertical pass then
    // runs on strips of columns, where the pixels can be read by more than one thread.
    // Pixels still arriving leave the processors to their decoder, which is slower.
    const bool preShrinks = vips_image_get_height(image.get()) >= kPreShrinkingReduction * double(plan.outputHeight) ||
                            vips_image_get_width(image.get()) >= kPreShrinkingReduction * double(plan.outputWidth);
    const bool hasAlpha = vips_image_hasalpha(image.get()) != 0;
    PixelOpener openAgain;
    if (preShrinks && (pixels == Pixels::anywhere || pixels == Pixels::cropped)) {
        // The same pixels serve every strip: `image` is what scaling has made of them so far.
        openAgain = [&image] {
            g_object_ref(image.get());
            return VipsImageRef(image.get());
        };
    } else if (preShrinks && pixels == Pixels::decoder && openDecoderAgain) {
        openAgain = [&] {
            VipsImageRef again = openDecoderAgain();
            const bool prepared =
                again && cropStored(again, plan, true) && (!hasAlpha || step(again, [](VipsImage* in, VipsImage** out) {
                    return vips_premultiply(in, out, nullptr);
                }));
            return prepared ? std::move(again) : VipsImageRef();
        };
    }
    if (preShrinks && pixels != Pixels::decoder) vips_image_set_int(image.get(), VIPS_META_SEQUENTIAL, 1);
    bool inColumns = false;
    if (auto scaled = scaleToOutput(image, plan, hasAlpha, openAgain, inColumns); !scaled) return scaled.error();
    // What is left reads pixels that can be read anywhere, unless it reads a decoder.
    Computation computation;
    computation.inBands = inColumns || (pixels != Pixels::decoder && !preShrinks);
    if (auto converted = convertColour(image, hasAlpha); !converted) return converted.error();
    return computePixels(std::move(image), plan.total, request.outputWidth, request.outputHeight, computation);
}

// The kept picture, turned from the orientation it was rendered in to `total`: the
// same pixels, moved.
Result<QImage, ImageSourceFailure> turnedRender(const ImageDecodeCache& cache, ImageOrientation total) {
    const QImage& rendered = cache.rendered();
    const ImageOrientation turn = total.after(cache.renderedOrientation().inverse());
    if (turn == ImageOrientation{}) return rendered;
    if (rendered.format() != QImage::Format_RGBA8888_Premultiplied || rendered.bytesPerLine() != rendered.width() * 4) {
        return ImageSourceFailure::processingFailed;
    }
    VipsImageRef image(vips_image_new_from_memory(rendered.constBits(), size_t(rendered.sizeInBytes()),
                                                  rendered.width(), rendered.height(), 4, VIPS_FORMAT_UCHAR));
    if (!image || !applyOrientation(image, turn)) {
        vips_error_clear();
        return ImageSourceFailure::processingFailed;
    }
    std::optional<QImage> result = toQImage(image.get());
    if (!result) return ImageSourceFailure::processingFailed;
    return *std::move(result);
}

// Keeping the decoded pixels pays where they hold more than the rendered picture and
// decoding them again costs much more than reading them back: compressed data. An
// uncompressed file is read back as fast as a copy of it would be. A JPEG is kept only
// when its decoder shrank it: at full scale, writing its pixels costs about a tenth of
// the import, which must stay level with the thumbnailer, while decoding it again is
// quick; shrunk, the pixels are a quarter or less of what was decoded.
bool worthKeeping(Decoder decoder, bool uncompressedTiff, VipsImage* decoded, const RenderPlan& plan) {
    const auto decodedPixels =
        std::uint64_t(vips_image_get_width(decoded)) * std::uint64_t(vips_image_get_height(decoded));
    if (decodedPixels <= std::uint64_t(plan.outputWidth) * std::uint64_t(plan.outputHeight)) return false;
    switch (decoder) {
    case Decoder::jpeg:
        return plan.shrink > 1;
    case Decoder::png:
    case Decoder::heif:
        return true;
    case Decoder::tiff:
        return !uncompressedTiff;
    case Decoder::bmp:
        return false;
    }
    return false;
}

// Where reading the file once more costs little beside scaling it, a decoder of its own
// for each strip of columns: an uncompressed TIFF.
PixelOpener decoderOpenerFor(Decoder decoder, bool uncompressedTiff, const std::string& path, const RenderPlan& plan) {
    if (decoder != Decoder::tiff || !uncompressedTiff) return {};
    return [decoder, path, shrink = plan.shrink] { return load(decoder, path, shrink); };
}

// One decode of the file into the picture, which fills `store` with the decoded pixels
// where keeping them pays.
Result<QImage, ImageSourceFailure> renderKeepingPixels(Decoder decoder, const std::string& path, bool uncompressedTiff,
                                                       const RenderPlan& plan, const ImageRenderRequest& request,
                                                       VipsImageRef image, std::shared_ptr<DecodedPixelStore>& store) {
    if (worthKeeping(decoder, uncompressedTiff, image.get(), plan)) store = DecodedPixelStore::reserveFor(image.get());
    if (store) {
        VipsImage* decoded = image.get();
        image = store->tee(std::move(image));
        if (image.get() == decoded) store.reset();
    }
    Result<QImage, ImageSourceFailure> rendered = ImageSourceFailure::processingFailed;
    if (store && usableCpuCount() > 1) {
        // The decoder reads in sequence on a thread of its own and fills the store, while
        // the picture is made from the rows stored so far, on the other processors.
        bool decoded = false;
        std::thread decoding([&decoded, &image, &store] {
            decoded = pullEveryRow(image.get());
            store->finishFilling();
            vips_thread_shutdown();
        });
        if (VipsImageRef stored = store->image())
            rendered = finishRender(std::move(stored), plan, request, Pixels::arriving);
        decoding.join();
        image = {};
        if (!rendered) {
            vips_error_clear();
            // A damaged file: decoding it again would fail again, after as long.
            if (!decoded) return ImageSourceFailure::decodeFailed;
            // The store failed: decoded anew without keeping anything.
            store.reset();
            auto reopened = openPixels(decoder, path, plan);
            if (!reopened) return reopened.error();
            rendered = finishRender(std::move(reopened).value(), plan, request, Pixels::decoder);
        } else if (!decoded || decoderReportedError()) {
            vips_error_clear();
            return ImageSourceFailure::decodeFailed;
        }
    } else {
        rendered = finishRender(std::move(image), plan, request, Pixels::decoder,
                                store ? PixelOpener() : decoderOpenerFor(decoder, uncompressedTiff, path, plan));
        if (store) store->finishFilling();
    }
    return rendered;
}

// Once a stop is asked for, every pipeline reading the image fails at its next region:
// a decode nobody waits for any more lets go of the decode lock, and of the processors,
// at once. The image is kept as long as a stop may come. Only for an image of this
// render's own, a freshly opened decoder or the pixels read past it: an image a cache
// shares would stay failed.
class DecoderStop {
public:
    DecoderStop(VipsImage* decoder, std::stop_token stop)
        : decoder_(static_cast<VipsImage*>(g_object_ref(decoder))), stopping_(std::move(stop), Kill{decoder_.get()}) {}

private:
    struct Kill {
        VipsImage* image;
        void operator()() const { vips_image_set_kill(image, TRUE); }
    };
    VipsImageRef decoder_;
    std::stop_callback<Kill> stopping_;
};

// An uncompressed TIFF whose rows lie in its file as the decoder would give them: its
// pixels are read straight from the file, by every strip of columns or band of rows on
// its own thread, each only the part it needs. None where the file is not such a file
// or no longer the one that was opened; `decoder`, whose header describes the pixels,
// is let go otherwise.
std::optional<Result<QImage, ImageSourceFailure>> renderUncompressedTiff(
    const std::string& path, const std::shared_ptr<const UncompressedTiffLayout>& layout,
    const std::optional<FileIdentity>& identity, VipsImageRef& decoder, const RenderPlan& plan,
    const ImageRenderRequest& request, const std::stop_token& stop) {
    if (!layout || !identity) return std::nullopt;
    const std::unique_ptr<UncompressedTiffPixels> pixels =
        UncompressedTiffPixels::open(path, layout, *identity, decoder.get());
    if (!pixels) return std::nullopt;
    VipsImageRef image = pixels->image();
    if (!image) return std::nullopt;
    decoder = {};
    // The file's pixels are read here, not by the decoder that a stop ends.
    const DecoderStop abandon(image.get(), stop);
    Result<QImage, ImageSourceFailure> rendered = finishRender(std::move(image), plan, request, Pixels::anywhere);
    // A read that came short, or a file written meanwhile: what was made is not the
    // file's picture, whatever else went wrong.
    if (!pixels->isIntact()) {
        vips_error_clear();
        return Result<QImage, ImageSourceFailure>(ImageSourceFailure::decodeFailed);
    }
    return rendered;
}

}  // namespace

Result<ImageSource, ImageSourceFailure> ImageSource::open(const std::string& path) {
    ensureImageIORuntime();
    RegularFile file;
    if (const std::error_code error = RegularFile::open(path, file)) {
        const bool isFile = error != std::errc::is_a_directory && error != std::errc::invalid_argument;
        return isFile ? ImageSourceFailure::unreadable : ImageSourceFailure::notAFile;
    }
    std::array<unsigned char, kTypeSniffLength> head{};
    const std::size_t headLength = file.readAt(0, head);

    ImageSource source;
    source.path_ = path;
    source.identity_ = FileIdentity::ofDescriptor(file.descriptor());
    const std::lock_guard lock(decodeMutex());
    vips_error_clear();
    source.typeIdentifier_ = sniffImageTypeIdentifier(std::span(head.data(), headLength));
    const std::optional<Decoder> decoder = decoderFor(source.typeIdentifier_);
    if (!decoder) return source;
    // A TIFF's directory, read once: its orientation, samples, strips and compression.
    std::optional<TiffDirectory> directory;
    if (*decoder == Decoder::tiff) directory = TiffDirectory::readFile(file);
    const TiffDirectory* tiff = directory ? &*directory : nullptr;

    VipsImageRef header = load(*decoder, path, 1);
    if (!header) {
        // The decoder refuses sizes beyond its own limits (or of zero) before the size
        // limits of the caller could speak; the header's own words still count.
        source.properties_ = announcedProperties(*decoder, std::span(head.data(), headLength), tiff);
        source.samplesPerPixel_ = samplesPerPixel(nullptr, tiff);
        return source;
    }

    ImageProperties properties;
    properties.pixelWidth = vips_image_get_width(header.get());
    properties.pixelHeight = vips_image_get_height(header.get());
    switch (*decoder) {
    case Decoder::jpeg:
    case Decoder::png:
        properties.orientation = exifOrientation(header.get());
        break;
    case Decoder::tiff:
        if (tiff) {
            if (const auto value = tiff->integer(TiffDirectory::kOrientationTag)) {
                properties.orientation = std::int64_t(*value);
            }
            source.isUncompressedTiff_ =
                tiff->integer(TiffDirectory::kCompressionTag).value_or(TiffDirectory::kNoCompression) ==
                TiffDirectory::kNoCompression;
            if (auto layout = UncompressedTiffLayout::of(*tiff, file.size())) {
                source.uncompressedTiffLayout_ = std::make_shared<const UncompressedTiffLayout>(*std::move(layout));
            }
        }
        break;
    case Decoder::heif:
        properties.orientation = 1;
        break;
    case Decoder::bmp:
        break;
    }
    source.properties_ = properties;
    source.samplesPerPixel_ = samplesPerPixel(header.get(), tiff);
    source.decoderBufferBytes_ = decoderBufferBytes(*decoder, header.get(), tiff);
    return source;
}

ImageRenderRequest ImageSource::thumbnailRequest(std::int64_t maxPixelSize) const {
    const auto orientation = ImageOrientation::fromExifCode(
        std::int32_t(std::clamp<std::int64_t>(properties_->orientation.value_or(1), 0, 9)));
    std::int64_t width = properties_->pixelWidth;
    std::int64_t height = properties_->pixelHeight;
    if (orientation.swapsAxes()) std::swap(width, height);

    ImageRenderRequest request;
    request.encodedOrientation = orientation;
    request.crop = {0, 0, width, height};
    const std::int64_t longer = std::max(width, height);
    if (maxPixelSize >= longer) {
        request.outputWidth = width;
        request.outputHeight = height;
    } else {
        const double scale = double(std::max<std::int64_t>(maxPixelSize, 1)) / double(longer);
        request.outputWidth = std::max<std::int64_t>(roundedCoordinate(scale * double(width)), 1);
        request.outputHeight = std::max<std::int64_t>(roundedCoordinate(scale * double(height)), 1);
    }
    return request;
}

Result<QImage, ImageSourceFailure> ImageSource::thumbnail(std::int64_t maxPixelSize) const {
    if (!properties_) return ImageSourceFailure::noImage;
    return render(thumbnailRequest(maxPixelSize));
}

Result<ImageSource::KeptThumbnail, ImageSourceFailure> ImageSource::thumbnailKeepingDecode(std::int64_t maxPixelSize,
                                                                                           std::stop_token stop) const {
    ensureImageIORuntime();
    if (!properties_) return ImageSourceFailure::noImage;
    const ImageRenderRequest request = thumbnailRequest(maxPixelSize);
    auto planned = checkedPlan(typeIdentifier_, properties_, samplesPerPixel_, decoderBufferBytes_, request);
    if (!planned) return planned.error();
    const auto& [decoder, plan] = planned.value();

    const std::lock_guard lock(decodeMutex());
    vips_error_clear();
    auto opened = openPixels(decoder, path_, plan);
    if (!opened) return opened.error();
    VipsImageRef image = std::move(opened).value();
    const DecoderStop abandon(image.get(), stop);
    if (stop.stop_requested()) return ImageSourceFailure::decodeFailed;
    // Declared before the pipeline that writes into it, so that it outlives it.
    std::shared_ptr<DecodedPixelStore> store;
    auto direct = renderUncompressedTiff(path_, uncompressedTiffLayout_, identity_, image, plan, request, stop);
    Result<QImage, ImageSourceFailure> rendered =
        direct ? *std::move(direct)
               : renderKeepingPixels(decoder, path_, isUncompressedTiff_, plan, request, std::move(image), store);
    if (!rendered) return rendered.error();

    KeptThumbnail kept;
    kept.image = std::move(rendered).value();
    // A file written while it was decoded may have given part old, part new pixels.
    if (identity_ && FileIdentity::ofPath(path_) == identity_) {
        const bool keepsPixels = store && store->isComplete();
        kept.cache = std::make_shared<const ImageDecodeCache>(*identity_, shapeOf(plan), plan.total, kept.image,
                                                              keepsPixels ? std::move(store) : nullptr, plan.shrink);
    }
    return kept;
}

Result<QImage, ImageSourceFailure> ImageSource::render(const ImageRenderRequest& request, const ImageDecodeCache* cache,
                                                       RenderOrigin* origin, std::stop_token stop) const {
    RenderOrigin ignored = RenderOrigin::file;
    RenderOrigin& from = origin != nullptr ? *origin : ignored;
    from = RenderOrigin::file;
    ensureImageIORuntime();
    // 1-2. What the header allows, before a pixel is decoded, and the request in the
    //      stored picture.
    auto planned = checkedPlan(typeIdentifier_, properties_, samplesPerPixel_, decoderBufferBytes_, request);
    if (!planned) return planned.error();
    const auto& [decoder, plan] = planned.value();

    const std::lock_guard lock(decodeMutex());
    vips_error_clear();
    // 3. What an earlier decode of this same, unchanged file kept: the picture it
    //    rendered, when that is this one in another turn, else the decoded pixels at
    //    the scale this render would decode. Whatever fails there is decoded anew.
    if (cache != nullptr && identity_ && cache->source() == *identity_) {
        if (cache->renderedShape() == shapeOf(plan)) {
            if (auto turned = turnedRender(*cache, plan.total)) {
                from = RenderOrigin::keptPicture;
                return turned;
            }
        }
        if (cache->pixels() != nullptr && cache->pixelShrink() == plan.shrink) {
            if (VipsImageRef kept = cache->pixels()->image()) {
                if (auto result = finishRender(std::move(kept), plan, request, Pixels::anywhere)) {
                    from = RenderOrigin::keptPixels;
                    return result;
                }
            }
            vips_error_clear();
        }
    }

    // 4-7. One pipeline from the file to the result; of a JPEG, from the crop alone
    //      where that can be decoded by itself.
    auto opened = openPixels(decoder, path_, plan);
    if (!opened) return opened.error();
    const DecoderStop abandon(opened.value().get(), stop);
    if (stop.stop_requested()) return ImageSourceFailure::decodeFailed;
    if (auto direct =
            renderUncompressedTiff(path_, uncompressedTiffLayout_, identity_, opened.value(), plan, request, stop)) {
        return *std::move(direct);
    }
    VipsImage* decoded = opened.value().get();
    const VipsRect region = loadedRegion(plan, vips_image_get_width(decoded), vips_image_get_height(decoded));
    const auto regionBytes = std::uint64_t(region.width) * std::uint64_t(region.height) *
                             std::uint64_t(std::max(vips_image_get_bands(decoded), 1));
    if (decoder == Decoder::jpeg && !isWhole(region, decoded) && regionBytes <= kMaximumJpegRegionBytes) {
        if (VipsImageRef cropped = decodeJpegRegion(path_, decoded, plan.shrink, region, stop)) {
            if (auto result = finishRender(std::move(cropped), plan, request, Pixels::cropped)) return result;
        }
        vips_error_clear();
        if (stop.stop_requested()) return ImageSourceFailure::decodeFailed;
    }
    return finishRender(std::move(opened).value(), plan, request, Pixels::decoder,
                        decoderOpenerFor(decoder, isUncompressedTiff_, path_, plan));
}

}  // namespace vlt
