#include "platform/image_io/jpeg_region.h"

#include <algorithm>
#include <cstring>

#include "base/regular_file.h"
#include "platform/image_io/jpeg_file_input.h"
#include "platform/image_io/pixel_buffer_image.h"

namespace vlt {
namespace {

// Rows and columns decoded beyond the region on each side and dropped: at the edges of
// what it decodes, the decoder's smooth chroma upsampling has no neighbours and
// repeats the edge, and its skipping resumes at the start of a block row.
constexpr int kMarginPixels = 32;
// Rows entropy-decoded between two looks at whether the decode is still wanted: a few
// milliseconds of a giant picture's rows.
constexpr int kRowsBetweenStopChecks = 256;

struct Region {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int components = 0;
};

bool takesLayout(const jpeg_decompress_struct& decoder) {
    if (decoder.progressive_mode || decoder.data_precision != 8) return false;
    switch (decoder.jpeg_color_space) {
    case JCS_GRAYSCALE:
        return decoder.num_components == 1;
    case JCS_RGB:
    case JCS_YCbCr:
        return decoder.num_components == 3;
    default:
        return false;
    }
}

// Fills `pixels` (region.width × region.height × components) with the region's rows;
// false on any complaint.
bool decodeRows(FILE* file, int shrink, int expectedWidth, int expectedHeight, const Region& region,
                unsigned char* pixels, const std::stop_token& stop) {
    return runJpegDecoder(file, [&](jpeg_decompress_struct& decoder) {
        if (!takesLayout(decoder)) return false;
        decoder.scale_num = 1;
        decoder.scale_denom = unsigned(shrink);
        jpeg_start_decompress(&decoder);
        if (int(decoder.output_width) != expectedWidth || int(decoder.output_height) != expectedHeight ||
            decoder.output_components != region.components) {
            return false;
        }
        const int firstColumn = std::max(region.left - kMarginPixels, 0);
        const int endColumn = std::min(region.left + region.width + kMarginPixels, expectedWidth);
        JDIMENSION cropLeft = JDIMENSION(firstColumn);
        JDIMENSION cropWidth = JDIMENSION(endColumn - firstColumn);
        // Widened by the decoder to whole blocks.
        jpeg_crop_scanline(&decoder, &cropLeft, &cropWidth);
        const int firstRow = std::max(region.top - kMarginPixels, 0);
        for (int skipped = 0; skipped < firstRow;) {
            if (stop.stop_requested()) return false;
            const auto rows = JDIMENSION(std::min(firstRow - skipped, kRowsBetweenStopChecks));
            if (jpeg_skip_scanlines(&decoder, rows) != rows) return false;
            skipped += int(rows);
        }
        JSAMPARRAY row = (*decoder.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&decoder), JPOOL_IMAGE,
                                                      cropWidth * JDIMENSION(region.components), 1);
        const std::size_t rowBytes = std::size_t(region.width) * std::size_t(region.components);
        const std::size_t skippedBytes = std::size_t(region.left - int(cropLeft)) * std::size_t(region.components);
        for (int y = firstRow; y < region.top + region.height; ++y) {
            if ((y - firstRow) % kRowsBetweenStopChecks == 0 && stop.stop_requested()) return false;
            if (jpeg_read_scanlines(&decoder, row, 1) != 1) return false;
            if (y >= region.top) {
                std::memcpy(pixels + std::size_t(y - region.top) * rowBytes, row[0] + skippedBytes, rowBytes);
            }
        }
        return true;
    });
}

}  // namespace

VipsImageRef decodeJpegRegion(const std::string& path, VipsImage* decoded, int shrink, const VipsRect& rect,
                              const std::stop_token& stop) {
    const Region region{rect.left, rect.top, rect.width, rect.height, vips_image_get_bands(decoded)};
    const int width = vips_image_get_width(decoded);
    const int height = vips_image_get_height(decoded);
    if (vips_image_get_format(decoded) != VIPS_FORMAT_UCHAR || region.width < 1 || region.height < 1 ||
        region.left < 0 || region.top < 0 || region.left + region.width > width ||
        region.top + region.height > height) {
        return {};
    }
    const RegularFile::Stream file = RegularFile::openStream(path);
    if (!file) return {};
    const std::size_t bytes = std::size_t(region.width) * std::size_t(region.height) * std::size_t(region.components);
    auto* pixels = static_cast<unsigned char*>(g_try_malloc(bytes));
    if (pixels == nullptr) return {};
    if (!decodeRows(file.get(), shrink, width, height, region, pixels, stop)) {
        g_free(pixels);
        return {};
    }
    return newPixelBufferImage(decoded, region.width, region.height, pixels);
}

}  // namespace vlt
