#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "base/regular_file.h"

namespace vlt {

// A Windows bitmap read by our own decoder, so that no outside library's policy decides
// which sizes may open. It knows the layouts cameras, scanners and editors write:
// 1, 4 and 8 bits with a palette, 16 and 32 bits with or without bit fields, 24 bits,
// and 8- and 4-bit run-length compression. Rows are decoded on demand and any of them
// independently, so a picture of any size is read a few rows at a time.
//
// Reading rows is safe from several threads at once.
class BmpFile {
public:
    // None when the headers are damaged or describe a layout this decoder does not know.
    static std::unique_ptr<BmpFile> open(const std::string& path);

    std::int64_t width() const { return width_; }
    std::int64_t height() const { return height_; }
    // 4 when the file stores an alpha channel, else 3.
    int bands() const { return alphaMask_ != 0 ? 4 : 3; }

    // Decodes `count` rows of the upright picture from row `top` on, each as 8-bit RGB or
    // RGBA samples (see bands()), into `destination`, one row every `stride` bytes. False
    // when the file ends before the rows or their run-length data is damaged.
    bool readRows(std::int64_t top, std::int64_t count, unsigned char* destination, std::size_t stride) const;

private:
    enum class Compression { none, runLength8, runLength4 };

    // Where the run-length data of one stored row starts, and at which column a jump
    // from an earlier row left it; isReached is false for rows the data never reaches.
    struct RowStart {
        std::uint64_t offset = 0;
        std::int64_t column = 0;
        bool isReached = false;
    };

    BmpFile() = default;
    bool readHeaders();
    bool readMasks(std::span<const unsigned char> masks, bool hasAlphaMask);
    bool readPalette(std::uint64_t offset, std::uint64_t entrySize, std::uint64_t colours);
    bool readStoredRow(std::int64_t storedRow, std::vector<unsigned char>& packed, unsigned char* pixels) const;
    void expandRow(const unsigned char* packed, unsigned char* pixels) const;
    bool decodeRunLengthRow(std::int64_t storedRow, unsigned char* pixels) const;
    void indexRunLengthRows() const;

    RegularFile file_;
    std::int64_t width_ = 0;
    std::int64_t height_ = 0;
    bool topDown_ = false;
    int bitsPerPixel_ = 0;
    Compression compression_ = Compression::none;
    std::uint64_t pixelOffset_ = 0;
    std::uint64_t rowBytes_ = 0;
    std::array<std::uint32_t, 3> colourMasks_{};
    std::uint32_t alphaMask_ = 0;
    std::vector<std::array<unsigned char, 3>> palette_;

    mutable std::once_flag rowIndexOnce_;
    mutable std::vector<RowStart> rowStarts_;
};

}  // namespace vlt
