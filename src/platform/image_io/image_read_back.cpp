#include "platform/image_io/vips_image_ref.h"

#include "platform/image_io/image_read_back.h"

#include <algorithm>
#include <array>
#include <fstream>

#include "platform/image_io/image_io_runtime.h"
#include "platform/image_io/image_type_identifier.h"

namespace vlt {
namespace {

constexpr int kStripRows = 64;

std::optional<std::string> sniffFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::array<unsigned char, kTypeSniffLength> head{};
    file.read(reinterpret_cast<char*>(head.data()), std::streamsize(head.size()));
    const auto length = std::size_t(std::max<std::streamsize>(file.gcount(), 0));
    return sniffImageTypeIdentifier(std::span(head.data(), length));
}

// Streams the file through the decoder that its content names; a warning counts as
// a failure.
VipsImageRef open(const std::string& type, const std::string& path) {
    VipsImageRef image;
    int status = -1;
    if (type == kJpegTypeIdentifier) {
        status = vips_jpegload(path.c_str(), image.out(), "access", VIPS_ACCESS_SEQUENTIAL, "fail_on",
                               VIPS_FAIL_ON_WARNING, nullptr);
    } else if (type == kPngTypeIdentifier) {
        status = vips_pngload(path.c_str(), image.out(), "access", VIPS_ACCESS_SEQUENTIAL, "fail_on",
                              VIPS_FAIL_ON_WARNING, nullptr);
    }
    if (status != 0) return {};
    return image;
}

// Pulls the rows strip by strip on this thread. libvips's threaded sinks can lose a
// worker's decode failure (it only logs "error in tile"), so none is used here: each
// strip's failure comes straight back, without the shared error buffer, and several
// files can be read back at once.
bool decodeEveryRow(VipsImage* image) {
    VipsRegion* region = vips_region_new(image);
    if (region == nullptr) return false;
    const int width = vips_image_get_width(image);
    const int height = vips_image_get_height(image);
    bool decoded = true;
    for (int top = 0; decoded && top < height; top += kStripRows) {
        VipsRect strip{0, top, width, std::min(kStripRows, height - top)};
        decoded = vips_region_prepare(region, &strip) == 0;
    }
    g_object_unref(region);
    return decoded;
}

}  // namespace

std::optional<DecodedImageSize> readBackImageSize(const std::string& path) {
    ensureImageIORuntime();
    const std::optional<std::string> type = sniffFile(path);
    if (!type) return std::nullopt;
    const VipsImageRef image = open(*type, path);
    if (!image || !decodeEveryRow(image.get())) return std::nullopt;
    return DecodedImageSize{vips_image_get_width(image.get()), vips_image_get_height(image.get())};
}

}  // namespace vlt
