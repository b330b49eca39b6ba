#include "platform/image_io/image_read_back.h"

// libjpeg's header needs FILE and size_t declared before it.
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>
// After jpeglib.h, which it needs.
#include <jerror.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "base/regular_file.h"
#include "platform/image_io/image_type_identifier.h"
#include "platform/image_io/jpeg_file_input.h"

namespace vlt {
namespace {

// --- JPEG ------------------------------------------------------------------------------

// Every entropy-coded segment is decoded, but no pixels are reconstructed: skipping
// rows still decodes each block's coefficients (so a damaged or missing segment is
// noticed), only the inverse transforms, upsampling and colour conversion are left
// out. The last row is read in full and the decoder then reads on to the end marker.
// Any complaint of the decoder, a warning included (a premature end, a bad code),
// fails the file.
std::optional<DecodedImageSize> readBackJpeg(FILE* file) {
    DecodedImageSize size{};
    const bool clean = runJpegDecoder(file, [&size](jpeg_decompress_struct& decoder) {
        jpeg_start_decompress(&decoder);
        if (decoder.output_height > 1) jpeg_skip_scanlines(&decoder, decoder.output_height - 1);
        JSAMPARRAY lastRow = (*decoder.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&decoder), JPOOL_IMAGE,
                                                          decoder.output_width * decoder.output_components, 1);
        const bool readLastRow = jpeg_read_scanlines(&decoder, lastRow, 1) == 1;
        jpeg_finish_decompress(&decoder);
        size = {decoder.image_width, decoder.image_height};
        return readLastRow;
    });
    if (!clean) return std::nullopt;
    return size;
}

// --- PNG -------------------------------------------------------------------------------

constexpr std::array<unsigned char, 8> kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint32_t kMaximumChunkLength = 0x7FFFFFFFu;
constexpr std::size_t kChunkBufferBytes = std::size_t(1) << 18;
constexpr unsigned char kLastFilterType = 4;

std::uint32_t bigEndian32(const unsigned char* bytes) {
    return std::uint32_t(bytes[0]) << 24 | std::uint32_t(bytes[1]) << 16 | std::uint32_t(bytes[2]) << 8 |
           std::uint32_t(bytes[3]);
}

bool readExactly(FILE* file, unsigned char* into, std::size_t count) {
    return std::fread(into, 1, count, file) == count;
}

// The samples of one pixel of a non-interlaced 8-bit PNG, none for other layouts.
std::optional<std::uint64_t> bytesPerPixel(unsigned char bitDepth, unsigned char colourType, unsigned char interlace) {
    if (bitDepth != 8 || interlace != 0) return std::nullopt;
    switch (colourType) {
    case 0:
        return 1;
    case 2:
        return 3;
    case 4:
        return 2;
    case 6:
        return 4;
    default:
        return std::nullopt;
    }
}

// Inflates the image data and checks what reconstruction would rely on, without
// reconstructing: every row starts with a known filter type and the data holds
// exactly the rows the header announces, checked by the stream's own checksum.
class PngDataCheck {
public:
    explicit PngDataCheck(std::uint64_t rowBytes, std::uint64_t rows)
        : rowBytes_(rowBytes + 1), expected_(rowBytes_ * rows), output_(kChunkBufferBytes) {
        usable_ = inflateInit(&stream_) == Z_OK;
    }
    ~PngDataCheck() {
        if (usable_) inflateEnd(&stream_);
    }
    PngDataCheck(const PngDataCheck&) = delete;
    PngDataCheck& operator=(const PngDataCheck&) = delete;

    bool feed(const unsigned char* data, std::size_t count) {
        if (!usable_ || ended_) return usable_ && count == 0;
        stream_.next_in = const_cast<unsigned char*>(data);
        stream_.avail_in = static_cast<uInt>(count);
        while (stream_.avail_in > 0 && !ended_) {
            stream_.next_out = output_.data();
            stream_.avail_out = static_cast<uInt>(output_.size());
            const int status = inflate(&stream_, Z_NO_FLUSH);
            if (status != Z_OK && status != Z_STREAM_END) return false;
            if (!checkRows(output_.size() - stream_.avail_out)) return false;
            ended_ = status == Z_STREAM_END;
        }
        return stream_.avail_in == 0;
    }

    bool complete() const { return ended_ && produced_ == expected_; }

private:
    bool checkRows(std::size_t count) {
        if (produced_ + count > expected_) return false;
        std::size_t offset = 0;
        while (offset < count) {
            const std::uint64_t inRow = produced_ % rowBytes_;
            if (inRow == 0 && output_[offset] > kLastFilterType) return false;
            const std::size_t step = std::size_t(std::min<std::uint64_t>(rowBytes_ - inRow, count - offset));
            offset += step;
            produced_ += step;
        }
        return true;
    }

    std::uint64_t rowBytes_;
    std::uint64_t expected_;
    std::uint64_t produced_ = 0;
    std::vector<unsigned char> output_;
    z_stream stream_{};
    bool usable_ = false;
    bool ended_ = false;
};

// Every chunk's checksum, the whole compressed image data and the end chunk with
// nothing after it. Only layouts this system writes are read this way; none for the
// rest.
std::optional<DecodedImageSize> readBackPng(FILE* file) {
    std::array<unsigned char, kPngSignature.size()> signature{};
    if (!readExactly(file, signature.data(), signature.size()) || signature != kPngSignature) return std::nullopt;
    std::optional<DecodedImageSize> size;
    std::unique_ptr<PngDataCheck> data;
    bool dataEnded = false;
    std::vector<unsigned char> chunk(kChunkBufferBytes);
    for (bool first = true;; first = false) {
        std::array<unsigned char, 8> head{};
        if (!readExactly(file, head.data(), head.size())) return std::nullopt;
        const std::uint32_t length = bigEndian32(head.data());
        if (length > kMaximumChunkLength) return std::nullopt;
        const bool isHeader = std::memcmp(head.data() + 4, "IHDR", 4) == 0;
        const bool isData = std::memcmp(head.data() + 4, "IDAT", 4) == 0;
        const bool isEnd = std::memcmp(head.data() + 4, "IEND", 4) == 0;
        if (first != isHeader) return std::nullopt;
        // An unknown critical chunk (upper-case first letter) is not ours to skip.
        const bool critical = (head[4] & 0x20) == 0;
        if (critical && !isHeader && !isData && !isEnd && std::memcmp(head.data() + 4, "PLTE", 4) != 0) {
            return std::nullopt;
        }
        if (data && !isData) dataEnded = true;
        if (isData && (dataEnded || !data)) return std::nullopt;

        uLong crc = crc32(0L, head.data() + 4, 4);
        for (std::uint32_t left = length; left > 0;) {
            const std::size_t count = std::min<std::size_t>(left, chunk.size());
            if (!readExactly(file, chunk.data(), count)) return std::nullopt;
            crc = crc32(crc, chunk.data(), static_cast<uInt>(count));
            if (isHeader && length == 13) {
                const std::uint32_t width = bigEndian32(chunk.data());
                const std::uint32_t height = bigEndian32(chunk.data() + 4);
                const auto pixelBytes = bytesPerPixel(chunk[8], chunk[9], chunk[12]);
                if (!pixelBytes || width == 0 || height == 0 || chunk[10] != 0 || chunk[11] != 0) return std::nullopt;
                size = DecodedImageSize{width, height};
                data = std::make_unique<PngDataCheck>(*pixelBytes * width, height);
            }
            if (isData && !data->feed(chunk.data(), count)) return std::nullopt;
            left -= static_cast<std::uint32_t>(count);
        }
        std::array<unsigned char, 4> stored{};
        if (!readExactly(file, stored.data(), stored.size()) || bigEndian32(stored.data()) != crc) return std::nullopt;
        if (isHeader && !size) return std::nullopt;
        if (isEnd) break;
    }
    if (!data || !data->complete() || std::fgetc(file) != EOF) return std::nullopt;
    return size;
}

}  // namespace

std::optional<DecodedImageSize> readBackImageSize(const std::string& path) {
    const RegularFile::Stream file = RegularFile::openStream(path);
    if (!file) return std::nullopt;
    std::array<unsigned char, kTypeSniffLength> head{};
    const std::size_t length = std::fread(head.data(), 1, head.size(), file.get());
    const std::optional<std::string> type = sniffImageTypeIdentifier(std::span(head.data(), length));
    std::rewind(file.get());
    if (type == kJpegTypeIdentifier) return readBackJpeg(file.get());
    if (type == kPngTypeIdentifier) return readBackPng(file.get());
    return std::nullopt;
}

}  // namespace vlt
