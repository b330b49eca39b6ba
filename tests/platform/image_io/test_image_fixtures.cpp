#include <vips/vips.h>

#include "platform/image_io/test_image_fixtures.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QStringList>
#include <QTransform>

namespace vlt::test {
namespace {

std::uint32_t crc32(const unsigned char* data, std::size_t length) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < length; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void putBigEndian32(QByteArray& bytes, int offset, std::uint32_t value) {
    bytes[offset] = char(value >> 24);
    bytes[offset + 1] = char(value >> 16);
    bytes[offset + 2] = char(value >> 8);
    bytes[offset + 3] = char(value);
}

QByteArray encoded(const QImage& image, const char* format, int quality = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

// The numbers of a hand-written TIFF in its byte order.
struct TiffBytes {
    bool bigEndian = false;
    QByteArray bytes;

    void put(std::uint64_t value, int size) {
        for (int i = 0; i < size; ++i) {
            const int shift = 8 * (bigEndian ? size - 1 - i : i);
            bytes.append(char((value >> shift) & 0xFF));
        }
    }
};

// One pixel's samples as the options lay them out.
void putSamples(TiffBytes& out, const QImage& picture, int x, int y, const HandWrittenTiffOptions& options) {
    const QColor colour = picture.pixelColor(x, y);
    std::vector<int> values;
    if (options.samples >= 3) {
        values = {colour.red(), colour.green(), colour.blue()};
    } else {
        values = {colour.green()};
    }
    if (options.samples == 2 || options.samples == 4) values.push_back((x * 5 + y * 3) % 256);
    for (const int value : values) {
        if (options.bitsPerSample == 16) {
            out.put(std::uint64_t(value) << 8 | std::uint64_t((x * 7 + y * 13) & 0xFF), 2);
        } else {
            out.put(std::uint64_t(value), 1);
        }
    }
}

bool ensureVips() {
    static const bool ready = VIPS_INIT("veltrano-tests") == 0;
    return ready;
}

}  // namespace

QImage fourColourImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGBA8888);
    QPainter painter(&image);
    const int halfWidth = width / 2;
    const int halfHeight = height / 2;
    painter.fillRect(0, 0, halfWidth, halfHeight, kTopLeftColour);
    painter.fillRect(halfWidth, 0, width - halfWidth, halfHeight, kTopRightColour);
    painter.fillRect(halfWidth, halfHeight, width - halfWidth, height - halfHeight, kBottomRightColour);
    painter.fillRect(0, halfHeight, halfWidth, height - halfHeight, kBottomLeftColour);
    return image;
}

QImage turned(const QImage& picture, int clockwiseQuarterTurns, bool mirrored) {
    QImage result = mirrored ? picture.mirrored(true, false) : picture;
    const int turns = ((clockwiseQuarterTurns % 4) + 4) % 4;
    if (turns != 0) result = result.transformed(QTransform().rotate(90.0 * turns));
    return result;
}

// The inverse of each orientation's viewing operation, written out case by case.
QImage grainedImage(int width, int height) {
    QImage image = fourColourImage(width, height).convertToFormat(QImage::Format_RGBA8888);
    for (int y = 0; y < height; ++y) {
        auto* pixel = image.scanLine(y);
        for (int x = 0; x < width; ++x, pixel += 4) {
            const int grain = int((std::uint32_t(x) * 2654435761u ^ std::uint32_t(y) * 40503u) >> 27) - 16;
            for (int channel = 0; channel < 3; ++channel) {
                pixel[channel] = std::uint8_t(std::clamp(pixel[channel] + (channel == 1 ? -grain : grain), 0, 255));
            }
        }
    }
    return image;
}

QImage storedForExifOrientation(const QImage& upright, int exifOrientation) {
    switch (exifOrientation) {
    case 2:
        return upright.mirrored(true, false);
    case 3:
        return turned(upright, 2, false);
    case 4:
        return upright.mirrored(false, true);
    case 5:
        return turned(upright, 1, false).mirrored(true, false);
    case 6:
        return turned(upright, 3, false);
    case 7:
        return turned(upright, 3, false).mirrored(true, false);
    case 8:
        return turned(upright, 1, false);
    default:
        return upright;
    }
}

QByteArray jpegBytes(const QImage& image, int quality) {
    return encoded(image.convertToFormat(QImage::Format_RGB888), "JPG", quality);
}

QByteArray withExifOrientation(const QByteArray& jpeg, std::uint16_t orientation) {
    // APP1: "Exif\0\0", a big-endian TIFF header (directory at 8) and one directory
    // with one entry, the orientation as a SHORT, and no next directory.
    QByteArray tiff("MM\0\x2A\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01", 18);
    tiff.append(char(orientation >> 8)).append(char(orientation & 0xFF)).append(QByteArray(6, '\0'));
    QByteArray segment("\xFF\xE1", 2);
    const int length = 2 + 6 + int(tiff.size());
    segment.append(char(length >> 8)).append(char(length & 0xFF)).append("Exif\0\0", 6).append(tiff);
    QByteArray result = jpeg;
    result.insert(2, segment);
    return result;
}

QByteArray pngBytes(const QImage& image) { return encoded(image, "PNG"); }

QByteArray withAnnouncedPngSize(const QByteArray& png, std::uint32_t width, std::uint32_t height) {
    // Signature (8), IHDR length (4), "IHDR" (4), width at 16, height at 20, CRC at 29.
    QByteArray result = png;
    putBigEndian32(result, 16, width);
    putBigEndian32(result, 20, height);
    const auto* chunk = reinterpret_cast<const unsigned char*>(result.constData()) + 12;
    putBigEndian32(result, 29, crc32(chunk, 17));
    return result;
}

QByteArray bmpBytes(const QImage& image) { return encoded(image.convertToFormat(QImage::Format_RGB888), "BMP"); }

QByteArray bmpBytes(int width, int height, int bitsPerPixel, int compression, const QByteArray& table,
                    const QByteArray& pixels, int headerBytes, QList<std::uint32_t> headerMasks) {
    QByteArray header("BM");
    const auto put = [&header](std::int64_t value, int bytes) {
        for (int index = 0; index < bytes; ++index) header.append(char(value >> (8 * index) & 0xFF));
    };
    const int fieldBytes = headerBytes == 12 ? 2 : 4;
    const std::int64_t pixelOffset = 14 + headerBytes + table.size();
    put(pixelOffset + pixels.size(), 4);
    put(0, 4);
    put(pixelOffset, 4);
    put(headerBytes, 4);
    put(width, fieldBytes);
    put(height, fieldBytes);
    put(1, 2);
    put(bitsPerPixel, 2);
    if (headerBytes > 12) {
        put(compression, 4);
        put(pixels.size(), 4);
        header.append(QByteArray(16, '\0'));
        for (const std::uint32_t mask : headerMasks) put(mask, 4);
        header.append(QByteArray(14 + headerBytes - header.size(), '\0'));
    }
    return header + table + pixels;
}

bool writeWithVips(const QImage& image, const QString& path, const VipsFixtureOptions& options) {
    if (!ensureVips()) return false;
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    VipsImage* current = vips_image_new_from_memory_copy(rgba.constBits(), size_t(rgba.sizeInBytes()), rgba.width(),
                                                         rgba.height(), 4, VIPS_FORMAT_UCHAR);
    if (current == nullptr) return false;
    current->Type = VIPS_INTERPRETATION_sRGB;
    VipsImage* next = nullptr;
    // `next` is read after the operation that fills it has run.
    auto replace = [&current, &next](int status, VipsImage*) {
        g_object_unref(current);
        current = status == 0 ? next : nullptr;
        return current != nullptr;
    };
    bool ok = true;
    if (!options.keepAlpha) ok = replace(vips_extract_band(current, &next, 0, "n", 3, nullptr), next);
    if (ok && options.grey) ok = replace(vips_colourspace(current, &next, VIPS_INTERPRETATION_B_W, nullptr), next);
    if (ok && options.sixteenBit) {
        const auto target = options.grey ? VIPS_INTERPRETATION_GREY16 : VIPS_INTERPRETATION_RGB16;
        ok = replace(vips_colourspace(current, &next, target, nullptr), next);
    }
    if (ok && options.cmyk) ok = replace(vips_colourspace(current, &next, VIPS_INTERPRETATION_CMYK, nullptr), next);
    if (ok && options.orientation) {
        // A private copy, so that setting metadata is allowed.
        ok = replace(vips_copy(current, &next, nullptr), next);
        if (ok) vips_image_set_int(current, VIPS_META_ORIENTATION, *options.orientation);
    }

    // The saver and its settings follow the suffix, given in libvips's file name options.
    QStringList settings;
    if (path.endsWith(".jpg")) settings << "Q=95";
    if (path.endsWith(".heic")) settings.append({"Q=90", "compression=hevc"});
    if (options.interlaced) settings << "interlace";
    if (options.palette) settings << "palette";
    if (options.tiled) settings.append({"tile", "tile_width=64", "tile_height=64"});
    if (options.compressed) settings.append({"compression=lzw", "predictor=horizontal"});
    const QByteArray file = (path + "[" + settings.join(',') + "]").toLocal8Bit();
    const int status = ok ? vips_image_write_to_file(current, file.constData(), nullptr) : -1;
    if (current != nullptr) g_object_unref(current);
    if (status != 0) {
        std::fprintf(stderr, "fixture not written: %s\n", vips_error_buffer());
        vips_error_clear();
    }
    return status == 0;
}

QByteArray handWrittenTiffBytes(const QImage& picture, const HandWrittenTiffOptions& options) {
    const int width = picture.width();
    const int height = picture.height();
    const bool tiled = options.tileSide > 0;
    // 1. The pieces in picture order: strips of rows, or tiles padded at the edges.
    std::vector<QByteArray> pieces;
    const int rows = options.rowsPerStrip > 0 ? options.rowsPerStrip : height;
    if (tiled) {
        const int side = options.tileSide;
        for (int top = 0; top < height; top += side) {
            for (int left = 0; left < width; left += side) {
                TiffBytes tile{options.bigEndian, {}};
                for (int y = top; y < top + side; ++y) {
                    for (int x = left; x < left + side; ++x) {
                        putSamples(tile, picture, std::min(x, width - 1), std::min(y, height - 1), options);
                    }
                }
                pieces.push_back(tile.bytes);
            }
        }
    } else {
        for (int top = 0; top < height; top += rows) {
            TiffBytes strip{options.bigEndian, {}};
            for (int y = top; y < std::min(top + rows, height); ++y) {
                for (int x = 0; x < width; ++x) putSamples(strip, picture, x, y, options);
            }
            pieces.push_back(strip.bytes);
        }
    }

    // 2. The directory, whose size does not depend on where the pieces lie.
    constexpr int kShort = 3;
    constexpr int kLong = 4;
    struct Entry {
        int tag;
        int type;
        std::vector<std::uint64_t> values;
    };
    std::vector<Entry> entries = {
        {256, kLong, {std::uint64_t(width)}},
        {257, kLong, {std::uint64_t(height)}},
        {258, kShort, std::vector<std::uint64_t>(std::size_t(options.samples), std::uint64_t(options.bitsPerSample))},
        {259, kShort, {std::uint64_t(options.compression)}},
        {262, kShort, {std::uint64_t(options.photometric.value_or(options.samples >= 3 ? 2 : 1))}},
        {tiled ? 324 : 273, kLong, std::vector<std::uint64_t>(pieces.size())},
        {277, kShort, {std::uint64_t(options.samples)}},
        {tiled ? 325 : 279, kLong, std::vector<std::uint64_t>(pieces.size())},
        {284, kShort, {1}},
    };
    if (tiled) {
        entries.push_back({322, kLong, {std::uint64_t(options.tileSide)}});
        entries.push_back({323, kLong, {std::uint64_t(options.tileSide)}});
    } else {
        entries.push_back({278, kLong, {std::uint64_t(rows)}});
    }
    if (options.samples == 2 || options.samples == 4) {
        entries.push_back({338, kShort, {std::uint64_t(options.alphaKind)}});
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.tag < b.tag; });
    const auto directoryBytes = [&entries, &options](std::uint64_t at) {
        TiffBytes directory{options.bigEndian, {}};
        TiffBytes values{options.bigEndian, {}};
        const std::uint64_t valuesAt = at + 2 + 12 * entries.size() + 4;
        directory.put(entries.size(), 2);
        for (const Entry& entry : entries) {
            const int size = entry.type == kShort ? 2 : 4;
            directory.put(std::uint64_t(entry.tag), 2);
            directory.put(std::uint64_t(entry.type), 2);
            directory.put(entry.values.size(), 4);
            TiffBytes packed{options.bigEndian, {}};
            for (const std::uint64_t value : entry.values) packed.put(value, size);
            if (packed.bytes.size() <= 4) {
                directory.bytes.append(packed.bytes.leftJustified(4, '\0'));
            } else {
                directory.put(valuesAt + std::uint64_t(values.bytes.size()), 4);
                values.bytes.append(packed.bytes);
            }
        }
        directory.put(0, 4);
        return directory.bytes + values.bytes;
    };

    // 3. Where each piece lies, the pieces, and the directory before or after them.
    constexpr std::uint64_t kHeaderBytes = 8;
    const auto even = [](std::uint64_t offset) { return offset + offset % 2; };
    const std::uint64_t piecesAt =
        options.directoryFirst ? even(kHeaderBytes + directoryBytes(0).size()) : kHeaderBytes;
    auto& offsets = std::find_if(entries.begin(), entries.end(), [](const Entry& e) {
                        return e.tag == 273 || e.tag == 324;
                    })->values;
    auto& byteCounts = std::find_if(entries.begin(), entries.end(), [](const Entry& e) {
                           return e.tag == 279 || e.tag == 325;
                       })->values;
    QByteArray data;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const std::size_t index = options.stripsReversed ? pieces.size() - 1 - i : i;
        offsets[index] = piecesAt + std::uint64_t(data.size());
        byteCounts[index] = std::uint64_t(pieces[index].size());
        data.append(pieces[index]);
    }
    byteCounts.back() -= std::uint64_t(options.lastStripShortBy);
    const std::uint64_t directoryAt =
        options.directoryFirst ? kHeaderBytes : even(kHeaderBytes + std::uint64_t(data.size()));

    TiffBytes file{options.bigEndian, options.bigEndian ? QByteArray("MM") : QByteArray("II")};
    file.put(42, 2);
    file.put(directoryAt, 4);
    const QByteArray directory = directoryBytes(directoryAt);
    if (options.directoryFirst) {
        file.bytes.append(directory);
        file.bytes.append(QByteArray(int(piecesAt) - int(file.bytes.size()), '\0'));
        file.bytes.append(data);
    } else {
        file.bytes.append(data);
        file.bytes.append(QByteArray(int(directoryAt) - int(file.bytes.size()), '\0'));
        file.bytes.append(directory);
    }
    return file.bytes;
}

bool writeLargeGreyPng(const QString& path, int width, int height) {
    VipsImage* black = nullptr;
    if (!ensureVips() || vips_black(&black, width, height, nullptr) != 0) return false;
    const int status = vips_pngsave(black, path.toLocal8Bit().constData(), "compression", 9, nullptr);
    g_object_unref(black);
    if (status != 0) vips_error_clear();
    return status == 0;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QColor colourAt(const QImage& image, double fractionX, double fractionY) {
    const int x = std::clamp(int(fractionX * image.width()), 0, image.width() - 1);
    const int y = std::clamp(int(fractionY * image.height()), 0, image.height() - 1);
    return image.pixelColor(x, y);
}

bool coloursNear(const QColor& a, const QColor& b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

}  // namespace vlt::test
