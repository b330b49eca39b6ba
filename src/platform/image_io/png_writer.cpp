#include "platform/image_io/png_writer.h"

#include <zlib.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

#include <QRgb>

#include <unistd.h>

namespace vlt {
namespace {

constexpr std::array<unsigned char, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr unsigned char kBitDepth = 8;
constexpr unsigned char kColourTypeRgb = 2;
constexpr unsigned char kColourTypeRgba = 6;
constexpr unsigned char kAverageFilter = 3;
// Compressed bytes per image data chunk.
constexpr std::size_t kDataChunkBytes = std::size_t(1) << 18;

void putBigEndian32(std::uint32_t value, unsigned char* into) {
    into[0] = static_cast<unsigned char>(value >> 24);
    into[1] = static_cast<unsigned char>(value >> 16);
    into[2] = static_cast<unsigned char>(value >> 8);
    into[3] = static_cast<unsigned char>(value);
}

bool writeAll(int descriptor, const unsigned char* bytes, std::size_t count) {
    while (count > 0) {
        const ssize_t written = ::write(descriptor, bytes, count);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes += written;
        count -= static_cast<std::size_t>(written);
    }
    return true;
}

bool writeChunk(int descriptor, const char (&type)[5], const unsigned char* data, std::size_t length) {
    std::array<unsigned char, 8> head{};
    putBigEndian32(static_cast<std::uint32_t>(length), head.data());
    std::memcpy(head.data() + 4, type, 4);
    uLong crc = crc32(0L, head.data() + 4, 4);
    if (length > 0) crc = crc32(crc, data, static_cast<uInt>(length));
    std::array<unsigned char, 4> tail{};
    putBigEndian32(static_cast<std::uint32_t>(crc), tail.data());
    return writeAll(descriptor, head.data(), head.size()) && (length == 0 || writeAll(descriptor, data, length)) &&
           writeAll(descriptor, tail.data(), tail.size());
}

bool isOpaque(const QImage& image) {
    if (!image.hasAlphaChannel()) return true;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QRgb alphas = 0xFF000000u;
        for (int x = 0; x < image.width(); ++x) alphas &= row[x];
        if (alphas < 0xFF000000u) return false;
    }
    return true;
}

// Premultiplied 0xAARRGGBB words as straight R, G, B(, A) bytes.
void straightRow(const QRgb* in, int count, bool withAlpha, unsigned char* out) {
    if (!withAlpha) {
        for (int index = 0; index < count; ++index, out += 3) {
            out[0] = static_cast<unsigned char>(qRed(in[index]));
            out[1] = static_cast<unsigned char>(qGreen(in[index]));
            out[2] = static_cast<unsigned char>(qBlue(in[index]));
        }
        return;
    }
    for (int index = 0; index < count; ++index, out += 4) {
        const QRgb straight = qUnpremultiply(in[index]);
        out[0] = static_cast<unsigned char>(qRed(straight));
        out[1] = static_cast<unsigned char>(qGreen(straight));
        out[2] = static_cast<unsigned char>(qBlue(straight));
        out[3] = static_cast<unsigned char>(qAlpha(straight));
    }
}

// The average filter: each byte less the mean of its left and upper neighbours.
void averageFilter(const unsigned char* row, const unsigned char* above, std::size_t count, std::size_t pixelBytes,
                   unsigned char* out) {
    for (std::size_t index = 0; index < count; ++index) {
        const unsigned left = index >= pixelBytes ? row[index - pixelBytes] : 0u;
        const unsigned up = above != nullptr ? above[index] : 0u;
        out[index] = static_cast<unsigned char>(row[index] - ((left + up) >> 1));
    }
}

// Owns one deflate stream.
class Deflater {
public:
    Deflater() {
        // Photographs leave little for long matches once filtered: run lengths and
        // Huffman codes get nearly all of the size at several times the speed.
        usable_ = deflateInit2(&stream_, Z_BEST_SPEED, Z_DEFLATED, MAX_WBITS, MAX_MEM_LEVEL, Z_RLE) == Z_OK;
    }
    ~Deflater() {
        if (usable_) deflateEnd(&stream_);
    }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    bool usable() const { return usable_; }
    z_stream& stream() { return stream_; }

private:
    z_stream stream_{};
    bool usable_ = false;
};

}  // namespace

ImageEncodingResult writePng(const QImage& image, int descriptor) {
    using Status = ImageEncodingResult::Status;
    // A write that fails leaves its errno for the caller (nothing runs in between); one
    // that wrote nothing is an I/O error.
    const auto failedWrite = [] { return ImageEncodingResult{Status::writeFailed, errno != 0 ? errno : EIO}; };
    if (image.isNull() || descriptor < 0) return {Status::encoderFailed};
    const QImage words = image.format() == QImage::Format_ARGB32_Premultiplied || image.format() == QImage::Format_RGB32
                             ? image
                             : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (words.isNull()) return {Status::encoderFailed};
    const bool withAlpha = !isOpaque(words);
    const std::size_t pixelBytes = withAlpha ? 4 : 3;
    const std::size_t rowBytes = pixelBytes * std::size_t(words.width());

    // 1. Signature and header.
    std::array<unsigned char, 13> header{};
    putBigEndian32(static_cast<std::uint32_t>(words.width()), header.data());
    putBigEndian32(static_cast<std::uint32_t>(words.height()), header.data() + 4);
    header[8] = kBitDepth;
    header[9] = withAlpha ? kColourTypeRgba : kColourTypeRgb;
    if (!writeAll(descriptor, kSignature.data(), kSignature.size()) ||
        !writeChunk(descriptor, "IHDR", header.data(), header.size())) {
        return failedWrite();
    }

    // 2. The rows, filtered and compressed as they come.
    Deflater deflater;
    if (!deflater.usable()) return {Status::encoderFailed};
    z_stream& stream = deflater.stream();
    std::vector<unsigned char> rows[2] = {std::vector<unsigned char>(rowBytes), std::vector<unsigned char>(rowBytes)};
    std::vector<unsigned char> filtered(rowBytes + 1);
    std::vector<unsigned char> compressed(kDataChunkBytes);
    stream.next_out = compressed.data();
    stream.avail_out = static_cast<uInt>(compressed.size());
    const auto flushFull = [&]() {
        if (stream.avail_out > 0) return true;
        stream.next_out = compressed.data();
        stream.avail_out = static_cast<uInt>(compressed.size());
        return writeChunk(descriptor, "IDAT", compressed.data(), compressed.size());
    };
    filtered[0] = kAverageFilter;
    for (int y = 0; y < words.height(); ++y) {
        std::vector<unsigned char>& row = rows[y % 2];
        straightRow(reinterpret_cast<const QRgb*>(words.constScanLine(y)), words.width(), withAlpha, row.data());
        averageFilter(row.data(), y > 0 ? rows[(y + 1) % 2].data() : nullptr, rowBytes, pixelBytes,
                      filtered.data() + 1);
        stream.next_in = filtered.data();
        stream.avail_in = static_cast<uInt>(filtered.size());
        while (stream.avail_in > 0) {
            if (deflate(&stream, Z_NO_FLUSH) == Z_STREAM_ERROR) return {Status::encoderFailed};
            if (!flushFull()) return failedWrite();
        }
    }
    for (int status = Z_OK; status != Z_STREAM_END;) {
        status = deflate(&stream, Z_FINISH);
        if (status == Z_STREAM_ERROR) return {Status::encoderFailed};
        if (!flushFull()) return failedWrite();
    }
    const std::size_t pending = compressed.size() - stream.avail_out;
    if (pending > 0 && !writeChunk(descriptor, "IDAT", compressed.data(), pending)) return failedWrite();

    // 3. The end.
    if (!writeChunk(descriptor, "IEND", nullptr, 0)) return failedWrite();
    return {};
}

}  // namespace vlt
