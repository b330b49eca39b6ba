#include "platform/image_io/uncompressed_tiff_pixels.h"

#include <algorithm>
#include <bit>
#include <span>

#include "base/unlinked_file.h"
#include "platform/image_io/generated_image.h"
#include "platform/image_io/tiff_directory.h"

namespace vlt {
namespace {

constexpr std::uint64_t kMinIsBlack = 1;
constexpr std::uint64_t kRgb = 2;
constexpr std::uint64_t kMostSignificantBitFirst = 1;
constexpr std::uint64_t kInterleaved = 1;
constexpr std::uint64_t kNoPredictor = 1;
constexpr std::uint64_t kUnsignedSamples = 1;
// Alpha of unknown meaning, or not premultiplied; the decoder divides premultiplied
// alpha out.
constexpr std::uint64_t kUnspecifiedExtraSample = 0;
constexpr std::uint64_t kUnassociatedAlpha = 2;
// Beyond any side libvips can hold, and small enough that no product below overflows:
// a strip's bytes stay below 2^24 rows × 2^24 pixels × 8 bytes.
constexpr std::uint64_t kLargestSide = std::uint64_t(1) << 24;

bool allEqual(std::span<const std::uint64_t> values, std::uint64_t expected) {
    return std::all_of(values.begin(), values.end(), [expected](std::uint64_t value) { return value == expected; });
}

// The bytes of one sample that the decoder passes on as stored; 0 for any other.
std::uint64_t passedSampleBytes(const TiffDirectory& directory) {
    const std::span<const std::uint64_t> bits = directory.integers(TiffDirectory::kBitsPerSampleTag);
    if (bits.empty() || !allEqual(bits, bits.front())) return 0;
    const bool nativeOrder = directory.isLittleEndian() == (std::endian::native == std::endian::little);
    if (bits.front() == 8) return 1;
    if (bits.front() == 16 && nativeOrder) return 2;
    return 0;
}

// Grey or RGB, with at most one alpha that the decoder leaves as it is.
bool passedSamples(const TiffDirectory& directory, std::uint64_t samples) {
    const auto photometric = directory.integer(TiffDirectory::kPhotometricInterpretationTag);
    if (!photometric || (*photometric != kMinIsBlack && *photometric != kRgb)) return false;
    const std::uint64_t colours = *photometric == kRgb ? 3 : 1;
    const std::span<const std::uint64_t> extra = directory.integers(TiffDirectory::kExtraSamplesTag);
    if (samples == colours) return !directory.contains(TiffDirectory::kExtraSamplesTag);
    return samples == colours + 1 && extra.size() == 1 &&
           (extra.front() == kUnspecifiedExtraSample || extra.front() == kUnassociatedAlpha);
}

bool storedAsIs(const TiffDirectory& directory) {
    const auto valueOr = [&directory](std::uint16_t tag, std::uint64_t absent) {
        return directory.integer(tag).value_or(absent);
    };
    const std::span<const std::uint64_t> formats = directory.integers(TiffDirectory::kSampleFormatTag);
    const bool unsignedSamples = directory.contains(TiffDirectory::kSampleFormatTag)
                                     ? !formats.empty() && allEqual(formats, kUnsignedSamples)
                                     : true;
    const bool tiled =
        directory.contains(TiffDirectory::kTileWidthTag) || directory.contains(TiffDirectory::kTileLengthTag);
    return valueOr(TiffDirectory::kCompressionTag, TiffDirectory::kNoCompression) == TiffDirectory::kNoCompression &&
           valueOr(TiffDirectory::kPlanarConfigurationTag, kInterleaved) == kInterleaved &&
           valueOr(TiffDirectory::kFillOrderTag, kMostSignificantBitFirst) == kMostSignificantBitFirst &&
           valueOr(TiffDirectory::kPredictorTag, kNoPredictor) == kNoPredictor && unsignedSamples && !tiled;
}

}  // namespace

std::optional<UncompressedTiffLayout> UncompressedTiffLayout::of(const TiffDirectory& directory,
                                                                 std::uint64_t fileSize) {
    // 1. Samples the decoder passes on as stored.
    if (!storedAsIs(directory)) return std::nullopt;
    UncompressedTiffLayout layout;
    layout.samplesPerPixel = directory.integer(TiffDirectory::kSamplesPerPixelTag).value_or(1);
    layout.bytesPerSample = passedSampleBytes(directory);
    if (layout.bytesPerSample == 0 || !passedSamples(directory, layout.samplesPerPixel)) return std::nullopt;

    // 2. The size, and strips that cover it exactly.
    layout.width = directory.integer(TiffDirectory::kImageWidthTag).value_or(0);
    layout.height = directory.integer(TiffDirectory::kImageLengthTag).value_or(0);
    if (layout.width == 0 || layout.height == 0 || layout.width > kLargestSide || layout.height > kLargestSide) {
        return std::nullopt;
    }
    layout.rowsPerStrip =
        std::min(directory.integer(TiffDirectory::kRowsPerStripTag).value_or(layout.height), layout.height);
    if (layout.rowsPerStrip == 0) return std::nullopt;
    const std::uint64_t stripCount = (layout.height + layout.rowsPerStrip - 1) / layout.rowsPerStrip;
    const std::span<const std::uint64_t> offsets = directory.integers(TiffDirectory::kStripOffsetsTag);
    const std::span<const std::uint64_t> byteCounts = directory.integers(TiffDirectory::kStripByteCountsTag);
    if (offsets.size() != stripCount || byteCounts.size() != stripCount) return std::nullopt;

    // 3. Every strip holds all its rows, inside the file.
    const std::uint64_t rowBytes = layout.rowBytes();
    for (std::uint64_t strip = 0; strip < stripCount; ++strip) {
        const std::uint64_t rows = std::min(layout.rowsPerStrip, layout.height - strip * layout.rowsPerStrip);
        const std::uint64_t bytes = rows * rowBytes;
        if (byteCounts[strip] < bytes || offsets[strip] > fileSize || bytes > fileSize - offsets[strip]) {
            return std::nullopt;
        }
    }
    layout.stripOffsets.assign(offsets.begin(), offsets.end());
    return layout;
}

std::unique_ptr<UncompressedTiffPixels> UncompressedTiffPixels::open(
    const std::string& path, std::shared_ptr<const UncompressedTiffLayout> layout, const FileIdentity& identity,
    VipsImage* header) {
    const VipsBandFormat format = layout->bytesPerSample == 1 ? VIPS_FORMAT_UCHAR : VIPS_FORMAT_USHORT;
    const bool headerMatches = std::uint64_t(vips_image_get_width(header)) == layout->width &&
                               std::uint64_t(vips_image_get_height(header)) == layout->height &&
                               std::uint64_t(vips_image_get_bands(header)) == layout->samplesPerPixel &&
                               vips_image_get_format(header) == format &&
                               vips_image_get_coding(header) == VIPS_CODING_NONE;
    if (!headerMatches) return nullptr;
    std::unique_ptr<UncompressedTiffPixels> pixels(new UncompressedTiffPixels);
    // The layout was read from the file as `identity` describes it; another file, or
    // this one written since, may keep its rows elsewhere.
    if (RegularFile::open(path, pixels->file_) || FileIdentity::ofDescriptor(pixels->file_.descriptor()) != identity) {
        return nullptr;
    }
    pixels->identity_ = identity;
    pixels->layout_ = std::move(layout);
    pixels->header_ = headerImageOf(header);
    return pixels->header_ ? std::move(pixels) : nullptr;
}

VipsImageRef UncompressedTiffPixels::image() const {
    return newGeneratedImage(header_.get(), generate, const_cast<UncompressedTiffPixels*>(this));
}

bool UncompressedTiffPixels::isIntact() const {
    return !failed_.load() && FileIdentity::ofDescriptor(file_.descriptor()) == identity_;
}

int UncompressedTiffPixels::generate(VipsRegion* out, void*, void* pixels, void*, gboolean*) {
    const auto* self = static_cast<const UncompressedTiffPixels*>(pixels);
    if (self->readArea(out)) return 0;
    self->failed_.store(true);
    vips_error("uncompressed TIFF", "%s", "the pixels could not be read from the file");
    return -1;
}

bool UncompressedTiffPixels::readArea(VipsRegion* out) const {
    const UncompressedTiffLayout& layout = *layout_;
    const VipsRect& area = out->valid;
    const std::uint64_t rowBytes = layout.rowBytes();
    const std::uint64_t areaRowBytes = std::uint64_t(area.width) * layout.pixelBytes();
    // Whole rows that follow each other in a strip come in one read.
    const bool wholeRows = areaRowBytes == rowBytes && std::uint64_t(VIPS_REGION_LSKIP(out)) == rowBytes;
    const auto bottom = std::uint64_t(area.top + area.height);
    for (auto y = std::uint64_t(area.top); y < bottom;) {
        const std::uint64_t strip = y / layout.rowsPerStrip;
        const std::uint64_t rowInStrip = y % layout.rowsPerStrip;
        const std::uint64_t rows = wholeRows ? std::min(bottom - y, layout.rowsPerStrip - rowInStrip) : 1;
        const std::uint64_t offset =
            layout.stripOffsets[strip] + rowInStrip * rowBytes + std::uint64_t(area.left) * layout.pixelBytes();
        if (!readAllAt(file_.descriptor(), VIPS_REGION_ADDR(out, area.left, int(y)), std::size_t(rows * areaRowBytes),
                       offset)) {
            return false;
        }
        y += rows;
    }
    return !failed_.load(std::memory_order_relaxed);
}

}  // namespace vlt
