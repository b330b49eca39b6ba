// TIFF directories come from TIFF files and from the EXIF blocks of JPEG and PNG
// files: every offset and count in them is the file's word, not ours.
#include <initializer_list>
#include <span>

#include "fuzz_support.h"
#include "platform/image_io/tiff_directory.h"

namespace {

void readTags(const std::optional<vlt::TiffDirectory>& directory) {
    if (!directory) return;
    for (const std::uint16_t tag : {vlt::TiffDirectory::kImageWidthTag, vlt::TiffDirectory::kImageLengthTag,
                                    vlt::TiffDirectory::kBitsPerSampleTag, vlt::TiffDirectory::kOrientationTag,
                                    vlt::TiffDirectory::kSamplesPerPixelTag, vlt::TiffDirectory::kRowsPerStripTag,
                                    vlt::TiffDirectory::kTileWidthTag, vlt::TiffDirectory::kTileLengthTag}) {
        vlt::fuzz::check(!directory->integer(tag) || directory->contains(tag), "a tag with a value is present");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const vlt::fuzz::ScratchFile file("picture.tif");
    readTags(vlt::TiffDirectory::readExif(std::span(data, size)));
    file.write(data, size);
    readTags(vlt::TiffDirectory::readFile(file.path().string()));
    return 0;
}
