#include "platform/image_io/row_band_computation.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

namespace vlt {
namespace {

struct Bands {
    VipsImage* image = nullptr;
    unsigned char* buffer = nullptr;
    std::size_t lineBytes = 0;
    int rows = 0;
    int bandRows = 1;
    std::atomic<int> next{0};
    std::atomic<bool> failed{false};
};

// Takes the next band until none is left or one failed.
void computeBands(Bands& bands) {
    VipsRegion* region = vips_region_new(bands.image);
    if (region == nullptr) {
        bands.failed = true;
        return;
    }
    const int width = vips_image_get_width(bands.image);
    while (!bands.failed.load(std::memory_order_relaxed)) {
        const int top = bands.next.fetch_add(bands.bandRows, std::memory_order_relaxed);
        if (top >= bands.rows) break;
        const VipsRect area{0, top, width, std::min(bands.bandRows, bands.rows - top)};
        if (vips_region_prepare(region, &area) != 0) {
            bands.failed = true;
            break;
        }
        for (int y = top; y < top + area.height; ++y) {
            std::memcpy(bands.buffer + std::size_t(y) * bands.lineBytes, VIPS_REGION_ADDR(region, 0, y),
                        bands.lineBytes);
        }
    }
    g_object_unref(region);
}

// Rows asked of a pipeline that reads in sequence at once, as libvips's own sink asks
// a thin-strip image.
constexpr int kRowsPerStripRequest = 16;

// Makes every row of one strip of columns, in order, into its place in `buffer`.
void computeColumnStrip(VipsImage* strip, std::size_t byteOffset, std::size_t lineBytes, unsigned char* buffer,
                        std::atomic<bool>& failed) {
    VipsRegion* region = vips_region_new(strip);
    if (region == nullptr) {
        failed = true;
        return;
    }
    const int width = vips_image_get_width(strip);
    const int height = vips_image_get_height(strip);
    const auto stripBytes = std::size_t(VIPS_IMAGE_SIZEOF_LINE(strip));
    for (int top = 0; top < height && !failed.load(std::memory_order_relaxed); top += kRowsPerStripRequest) {
        const VipsRect area{0, top, width, std::min(kRowsPerStripRequest, height - top)};
        if (vips_region_prepare(region, &area) != 0) {
            failed = true;
            break;
        }
        for (int y = top; y < top + area.height; ++y) {
            std::memcpy(buffer + std::size_t(y) * lineBytes + byteOffset, VIPS_REGION_ADDR(region, 0, y), stripBytes);
        }
    }
    g_object_unref(region);
}

}  // namespace

void* computeColumnStrips(std::span<VipsImage* const> strips, std::size_t* size) {
    if (strips.empty()) return nullptr;
    std::size_t lineBytes = 0;
    std::vector<std::size_t> offsets;
    for (VipsImage* strip : strips) {
        offsets.push_back(lineBytes);
        lineBytes += std::size_t(VIPS_IMAGE_SIZEOF_LINE(strip));
    }
    const int height = vips_image_get_height(strips.front());
    const std::size_t bytes = lineBytes * std::size_t(height);
    auto* buffer = static_cast<unsigned char*>(g_try_malloc(std::max<std::size_t>(bytes, 1)));
    if (buffer == nullptr) return nullptr;
    std::atomic<bool> failed{false};
    std::vector<std::thread> helpers;
    for (std::size_t i = 1; i < strips.size(); ++i) {
        helpers.emplace_back([&, i] {
            computeColumnStrip(strips[i], offsets[i], lineBytes, buffer, failed);
            vips_thread_shutdown();
        });
    }
    computeColumnStrip(strips.front(), 0, lineBytes, buffer, failed);
    for (std::thread& helper : helpers) helper.join();
    if (failed) {
        g_free(buffer);
        return nullptr;
    }
    *size = bytes;
    return buffer;
}

void* computeRowBands(VipsImage* image, int threads, int bandRows, std::size_t* size) {
    Bands bands;
    bands.image = image;
    bands.lineBytes = std::size_t(VIPS_IMAGE_SIZEOF_LINE(image));
    bands.rows = vips_image_get_height(image);
    bands.bandRows = std::max(bandRows, 1);
    const std::size_t bytes = bands.lineBytes * std::size_t(bands.rows);
    bands.buffer = static_cast<unsigned char*>(g_try_malloc(std::max<std::size_t>(bytes, 1)));
    if (bands.buffer == nullptr) return nullptr;

    const int bandCount = (bands.rows + bands.bandRows - 1) / bands.bandRows;
    std::vector<std::thread> helpers;
    for (int i = 1; i < std::min(threads, bandCount); ++i) {
        helpers.emplace_back([&bands] {
            computeBands(bands);
            // libvips keeps buffers for each thread that used it until the thread says
            // it is done.
            vips_thread_shutdown();
        });
    }
    computeBands(bands);
    for (std::thread& helper : helpers) helper.join();
    if (bands.failed) {
        g_free(bands.buffer);
        return nullptr;
    }
    *size = bytes;
    return bands.buffer;
}

}  // namespace vlt
