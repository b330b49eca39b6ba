#include "platform/image_io/bmp_file.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace vlt {

namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::uint32_t kCoreHeaderBytes = 12;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kOs2HeaderBytes = 64;
constexpr std::uint32_t kLargestHeaderBytes = 124;

constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kRunLength8 = 1;
constexpr std::uint32_t kRunLength4 = 2;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kAlphaBitFields = 6;

// Run-length escapes: a zero count followed by one of these.
constexpr unsigned char kEndOfLine = 0;
constexpr unsigned char kEndOfBitmap = 1;
constexpr unsigned char kJump = 2;

// The run-length data is read in pieces of this size.
constexpr std::size_t kReadAheadBytes = 16 * 1024;

std::uint32_t littleEndian(std::span<const unsigned char> bytes, std::size_t offset, int count) {
    std::uint32_t value = 0;
    for (int index = count - 1; index >= 0; --index) value = value << 8 | bytes[offset + std::size_t(index)];
    return value;
}

// Scales the field of `value` under `mask` to 0...255.
unsigned char maskedSample(std::uint32_t value, std::uint32_t mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const std::uint64_t maximum = mask >> shift;
    const std::uint64_t field = (value & mask) >> shift;
    return static_cast<unsigned char>((field * 255 + maximum / 2) / maximum);
}

// Reads a file forward from an offset, a piece at a time.
class ForwardReader {
public:
    ForwardReader(const RegularFile& file, std::uint64_t offset) : file_(file), offset_(offset) {}

    // False at the end of the file.
    bool next(unsigned char& byte) {
        if (position_ == filled_) {
            offset_ += filled_;
            filled_ = file_.readAt(offset_, buffer_);
            position_ = 0;
            if (filled_ == 0) return false;
        }
        byte = buffer_[position_++];
        return true;
    }
    bool skip(std::uint64_t count) {
        unsigned char ignored = 0;
        for (std::uint64_t index = 0; index < count; ++index) {
            if (!next(ignored)) return false;
        }
        return true;
    }
    std::uint64_t offset() const { return offset_ + position_; }

private:
    const RegularFile& file_;
    std::uint64_t offset_;
    std::array<unsigned char, kReadAheadBytes> buffer_{};
    std::size_t filled_ = 0;
    std::size_t position_ = 0;
};

}  // namespace

std::unique_ptr<BmpFile> BmpFile::open(const std::string& path) {
    std::unique_ptr<BmpFile> bmp(new BmpFile());
    if (RegularFile::open(path, bmp->file_) || !bmp->readHeaders()) return nullptr;
    return bmp;
}

bool BmpFile::readHeaders() {
    // 1. The file header and the size of the information header after it.
    std::array<unsigned char, kFileHeaderBytes + kLargestHeaderBytes + 16> head{};
    const std::size_t headLength = file_.readAt(0, head);
    if (headLength < kFileHeaderBytes + 4 || head[0] != 'B' || head[1] != 'M') return false;
    const std::span<const unsigned char> bytes(head.data(), headLength);
    pixelOffset_ = littleEndian(bytes, 10, 4);
    const std::uint32_t headerBytes = littleEndian(bytes, 14, 4);
    const bool isCore = headerBytes == kCoreHeaderBytes;
    if (!isCore && (headerBytes < kInfoHeaderBytes || headerBytes > kLargestHeaderBytes)) return false;
    if (headLength < kFileHeaderBytes + headerBytes) return false;

    // 2. Size, planes, depth and compression.
    std::int64_t height = 0;
    std::uint32_t compression = kUncompressed;
    std::uint32_t coloursUsed = 0;
    if (isCore) {
        width_ = littleEndian(bytes, 18, 2);
        height = littleEndian(bytes, 20, 2);
        if (littleEndian(bytes, 22, 2) != 1) return false;
        bitsPerPixel_ = int(littleEndian(bytes, 24, 2));
    } else {
        width_ = std::int32_t(littleEndian(bytes, 18, 4));
        height = std::int32_t(littleEndian(bytes, 22, 4));
        if (littleEndian(bytes, 26, 2) != 1) return false;
        bitsPerPixel_ = int(littleEndian(bytes, 28, 2));
        compression = littleEndian(bytes, 30, 4);
        coloursUsed = littleEndian(bytes, 46, 4);
    }
    topDown_ = height < 0;
    height_ = topDown_ ? -height : height;
    if (width_ < 1 || height_ < 1) return false;

    // 3. The layout: which depths go with which compression.
    const bool indexed = bitsPerPixel_ == 1 || bitsPerPixel_ == 4 || bitsPerPixel_ == 8;
    const bool direct = bitsPerPixel_ == 16 || bitsPerPixel_ == 24 || bitsPerPixel_ == 32;
    if (!indexed && !direct) return false;
    const bool bitFields = compression == kBitFields || compression == kAlphaBitFields;
    switch (compression) {
    case kUncompressed:
        break;
    case kRunLength8:
        if (bitsPerPixel_ != 8 || topDown_) return false;
        compression_ = Compression::runLength8;
        break;
    case kRunLength4:
        if (bitsPerPixel_ != 4 || topDown_) return false;
        compression_ = Compression::runLength4;
        break;
    case kBitFields:
    case kAlphaBitFields:
        // OS/2 numbers its own compressions differently.
        if ((bitsPerPixel_ != 16 && bitsPerPixel_ != 32) || headerBytes == kOs2HeaderBytes) return false;
        break;
    default:
        return false;
    }

    // 4. Colour masks: in the header from its third version on, else right after it.
    std::uint64_t paletteOffset = kFileHeaderBytes + headerBytes;
    if (bitFields) {
        const bool masksInHeader = headerBytes >= 52 && headerBytes != kOs2HeaderBytes;
        const std::size_t maskOffset = masksInHeader ? 54 : paletteOffset;
        const bool hasAlphaMask = compression == kAlphaBitFields || (masksInHeader && headerBytes >= 56);
        const std::size_t maskBytes = hasAlphaMask ? 16 : 12;
        if (maskOffset + maskBytes > headLength) return false;
        if (!readMasks(bytes.subspan(maskOffset, maskBytes), hasAlphaMask)) return false;
        if (!masksInHeader) paletteOffset += maskBytes;
    } else if (bitsPerPixel_ == 16) {
        colourMasks_ = {0x7C00, 0x03E0, 0x001F};
    } else {
        colourMasks_ = {0x00FF0000, 0x0000FF00, 0x000000FF};
    }

    // 5. The palette of an indexed picture: as many colours as it says and as fit
    //    before the pixels (writers of the oldest header often leave out unused ones).
    if (indexed) {
        const std::uint64_t entrySize = isCore ? 3 : 4;
        const std::uint64_t declared = coloursUsed != 0 ? coloursUsed : std::uint64_t(1) << bitsPerPixel_;
        const std::uint64_t room = pixelOffset_ > paletteOffset ? (pixelOffset_ - paletteOffset) / entrySize : 0;
        const std::uint64_t entries = std::min({declared, room, std::uint64_t(256)});
        if (entries == 0 || !readPalette(paletteOffset, entrySize, entries)) return false;
    }

    // 6. Rows of stored pixels, each padded to four bytes.
    rowBytes_ = (std::uint64_t(width_) * std::uint64_t(bitsPerPixel_) + 31) / 32 * 4;
    return pixelOffset_ >= kFileHeaderBytes + headerBytes && pixelOffset_ < file_.size();
}

bool BmpFile::readMasks(std::span<const unsigned char> masks, bool hasAlphaMask) {
    for (std::size_t index = 0; index < 3; ++index) colourMasks_[index] = littleEndian(masks, index * 4, 4);
    alphaMask_ = hasAlphaMask ? littleEndian(masks, 12, 4) : 0;
    if (bitsPerPixel_ == 16) {
        for (std::uint32_t& mask : colourMasks_) mask &= 0xFFFF;
        alphaMask_ &= 0xFFFF;
    }
    return std::all_of(colourMasks_.begin(), colourMasks_.end(), [](std::uint32_t mask) { return mask != 0; });
}

bool BmpFile::readPalette(std::uint64_t offset, std::uint64_t entrySize, std::uint64_t colours) {
    std::vector<unsigned char> entries(colours * entrySize);
    if (file_.readAt(offset, entries) != entries.size()) return false;
    palette_.resize(colours);
    for (std::uint64_t index = 0; index < colours; ++index) {
        const unsigned char* entry = &entries[index * entrySize];
        palette_[index] = {entry[2], entry[1], entry[0]};
    }
    return true;
}

bool BmpFile::readRows(std::int64_t top, std::int64_t count, unsigned char* destination, std::size_t stride) const {
    if (top < 0 || count < 0 || top + count > height_) return false;
    std::vector<unsigned char> packed;
    for (std::int64_t row = top; row < top + count; ++row) {
        const std::int64_t storedRow = topDown_ ? row : height_ - 1 - row;
        unsigned char* pixels = destination + std::size_t(row - top) * stride;
        const bool decoded = compression_ == Compression::none ? readStoredRow(storedRow, packed, pixels)
                                                               : decodeRunLengthRow(storedRow, pixels);
        if (!decoded) return false;
    }
    return true;
}

bool BmpFile::readStoredRow(std::int64_t storedRow, std::vector<unsigned char>& packed, unsigned char* pixels) const {
    // The padding of the very last row is sometimes left out; the pixels never are.
    const std::uint64_t usedBytes = (std::uint64_t(width_) * std::uint64_t(bitsPerPixel_) + 7) / 8;
    packed.resize(rowBytes_);
    const std::uint64_t offset = pixelOffset_ + std::uint64_t(storedRow) * rowBytes_;
    if (file_.readAt(offset, packed) < usedBytes) return false;
    expandRow(packed.data(), pixels);
    return true;
}

void BmpFile::expandRow(const unsigned char* packed, unsigned char* pixels) const {
    const int bands = this->bands();
    for (std::int64_t column = 0; column < width_; ++column) {
        unsigned char* pixel = pixels + column * bands;
        if (bitsPerPixel_ <= 8) {
            const std::uint64_t bit = std::uint64_t(column) * std::uint64_t(bitsPerPixel_);
            const int shift = 8 - bitsPerPixel_ - int(bit % 8);
            const unsigned index = (packed[bit / 8] >> shift) & ((1u << bitsPerPixel_) - 1);
            const std::array<unsigned char, 3> colour =
                index < palette_.size() ? palette_[index] : std::array<unsigned char, 3>{};
            std::memcpy(pixel, colour.data(), 3);
            continue;
        }
        if (bitsPerPixel_ == 24) {
            const unsigned char* stored = packed + column * 3;
            pixel[0] = stored[2];
            pixel[1] = stored[1];
            pixel[2] = stored[0];
            continue;
        }
        const int storedBytes = bitsPerPixel_ / 8;
        const std::uint32_t value =
            littleEndian(std::span(packed + column * storedBytes, std::size_t(storedBytes)), 0, storedBytes);
        for (std::size_t band = 0; band < 3; ++band) pixel[band] = maskedSample(value, colourMasks_[band]);
        if (bands == 4) pixel[3] = maskedSample(value, alphaMask_);
    }
}

// One pass over the run-length data finds where each stored row starts, so that any
// row can be decoded later on its own. Rows the data never reaches stay missing.
void BmpFile::indexRunLengthRows() const {
    rowStarts_.assign(std::size_t(height_), RowStart{});
    // A row that holds nothing: decoding it starts past its end.
    const RowStart empty{0, width_, true};
    ForwardReader reader(file_, pixelOffset_);
    std::int64_t row = 0;
    std::int64_t column = 0;
    rowStarts_[0] = {pixelOffset_, 0, true};
    const unsigned pixelsPerByte = compression_ == Compression::runLength8 ? 1 : 2;
    unsigned char count = 0;
    unsigned char code = 0;
    while (reader.next(count) && reader.next(code)) {
        if (count > 0) {
            column += count;
            continue;
        }
        if (code == kEndOfBitmap) {
            // The rows after it are left empty, as the format allows.
            std::fill(rowStarts_.begin() + row + 1, rowStarts_.end(), empty);
            return;
        }
        if (code != kEndOfLine && code != kJump) {
            const unsigned bytes = (code + pixelsPerByte - 1) / pixelsPerByte;
            if (!reader.skip(bytes + bytes % 2)) return;
            column += code;
            continue;
        }
        std::int64_t down = 1;
        if (code == kJump) {
            unsigned char right = 0;
            unsigned char jumpDown = 0;
            if (!reader.next(right) || !reader.next(jumpDown)) return;
            column += right;
            down = jumpDown;
            if (down == 0) continue;
        } else {
            column = 0;
        }
        for (std::int64_t skipped = row + 1; skipped < row + down && skipped < height_; ++skipped) {
            rowStarts_[std::size_t(skipped)] = empty;
        }
        row += down;
        if (row >= height_) return;
        rowStarts_[std::size_t(row)] = {reader.offset(), column, true};
    }
}

bool BmpFile::decodeRunLengthRow(std::int64_t storedRow, unsigned char* pixels) const {
    std::call_once(rowIndexOnce_, [this] { indexRunLengthRows(); });
    std::memset(pixels, 0, std::size_t(width_) * 3);
    const RowStart& start = rowStarts_[std::size_t(storedRow)];
    if (!start.isReached) return false;
    if (start.column >= width_) return true;

    const bool isRunLength8 = compression_ == Compression::runLength8;
    ForwardReader reader(file_, start.offset);
    std::int64_t column = start.column;
    const auto put = [&](unsigned index) {
        if (column < width_ && index < palette_.size()) std::memcpy(pixels + column * 3, palette_[index].data(), 3);
        ++column;
    };
    unsigned char count = 0;
    unsigned char code = 0;
    while (reader.next(count) && reader.next(code)) {
        if (count > 0) {
            // A run: one index repeated, or two alternating ones for four bits.
            for (unsigned index = 0; index < count; ++index) {
                put(isRunLength8 ? code : (index % 2 == 0 ? code >> 4 : code & 0x0F));
            }
            continue;
        }
        if (code == kEndOfLine || code == kEndOfBitmap) return true;
        if (code == kJump) {
            unsigned char right = 0;
            unsigned char down = 0;
            if (!reader.next(right) || !reader.next(down)) return false;
            if (down > 0) return true;
            column += right;
            continue;
        }
        // Literal indices, padded to an even number of bytes.
        const unsigned bytes = isRunLength8 ? code : (code + 1u) / 2;
        unsigned char value = 0;
        for (unsigned byte = 0; byte < bytes; ++byte) {
            if (!reader.next(value)) return false;
            if (isRunLength8) {
                put(value);
            } else {
                put(value >> 4);
                if (byte * 2 + 1 < code) put(value & 0x0F);
            }
        }
        if (bytes % 2 != 0 && !reader.skip(1)) return false;
    }
    // The data ends inside the row.
    return false;
}

}  // namespace vlt
