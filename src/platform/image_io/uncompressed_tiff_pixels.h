#pragma once

// GLib names a struct member "signals", which Qt defines as a keyword: include this
// header before any Qt header.
#include <vips/vips.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/file_identity.h"
#include "base/regular_file.h"
#include "platform/image_io/vips_image_ref.h"

namespace vlt {

class TiffDirectory;

// Where the rows of an uncompressed, strip-organised TIFF lie in its file: row y at
// stripOffsets[y / rowsPerStrip] + (y % rowsPerStrip) × rowBytes().
struct UncompressedTiffLayout {
    std::uint64_t width = 0;
    std::uint64_t height = 0;
    std::uint64_t samplesPerPixel = 0;
    std::uint64_t bytesPerSample = 0;
    std::uint64_t rowsPerStrip = 0;
    std::vector<std::uint64_t> stripOffsets;

    std::uint64_t pixelBytes() const { return samplesPerPixel * bytesPerSample; }
    std::uint64_t rowBytes() const { return width * pixelBytes(); }

    // The layout of a TIFF's first image, read from its directory while the file was
    // `fileSize` bytes long. None unless libvips's TIFF decoder passes the stored bytes
    // on unchanged (grey or RGB, each with at most one alpha that is not premultiplied,
    // unsigned samples of 8 bits, or of 16 in this machine's byte order, interleaved,
    // uncompressed, in strips) and every strip holds its rows inside the file.
    static std::optional<UncompressedTiffLayout> of(const TiffDirectory& directory, std::uint64_t fileSize);
};

// The pixels of such a file read straight from it: any thread reads any part of the
// picture, and only the bytes of the part it asks for, where a decoder would read every
// whole row in sequence. The file is read, never mapped, so that another program that
// shortens it makes reads fail instead of ending this process.
class UncompressedTiffPixels {
public:
    // The file at `path`, as long as it is still the one `identity` describes, and
    // `header` (the decoder's header of it) has the layout's size, samples and format.
    static std::unique_ptr<UncompressedTiffPixels> open(const std::string& path,
                                                        std::shared_ptr<const UncompressedTiffLayout> layout,
                                                        const FileIdentity& identity, VipsImage* header);

    UncompressedTiffPixels(const UncompressedTiffPixels&) = delete;
    UncompressedTiffPixels& operator=(const UncompressedTiffPixels&) = delete;

    // A new image of the pixels with the header and metadata of the decoder's (colour
    // profile, resolution and all); these pixels must outlive it. A part the file
    // cannot give fails.
    VipsImageRef image() const;
    // No read came short, and the file is still as it was when opened: what was read
    // is the file's picture.
    bool isIntact() const;

private:
    UncompressedTiffPixels() = default;

    static int generate(VipsRegion* out, void* sequence, void* pixels, void* unused, gboolean* stop);
    bool readArea(VipsRegion* out) const;

    RegularFile file_;
    FileIdentity identity_;
    std::shared_ptr<const UncompressedTiffLayout> layout_;
    // The decoder's header without its pixels.
    VipsImageRef header_;
    mutable std::atomic<bool> failed_{false};
};

}  // namespace vlt
