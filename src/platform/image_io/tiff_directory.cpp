#include "platform/image_io/tiff_directory.h"

#include "base/regular_file.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace vlt {
namespace {

// A directory with more entries than this is damaged, not a photograph.
constexpr std::uint64_t kMaximumEntries = 4096;
// Values read at once when a tag keeps them all: a count that lies costs no more memory
// than the data that is really there.
constexpr std::uint64_t kValuesPerRead = 8192;

struct ByteOrder {
    bool littleEndian = true;

    std::uint64_t decode(const unsigned char* bytes, int count) const {
        std::uint64_t value = 0;
        for (int i = 0; i < count; ++i) {
            const int index = littleEndian ? count - 1 - i : i;
            value = value << 8 | bytes[index];
        }
        return value;
    }
};

// Byte size of one value of each TIFF field type; 0 for types that hold no integer.
int integerTypeSize(std::uint16_t type) {
    switch (type) {
    case 1:  // BYTE
    case 6:  // SBYTE
        return 1;
    case 3:  // SHORT
    case 8:  // SSHORT
        return 2;
    case 4:   // LONG
    case 9:   // SLONG
    case 13:  // IFD
        return 4;
    case 16:  // LONG8
    case 17:  // SLONG8
    case 18:  // IFD8
        return 8;
    default:
        return 0;
    }
}

bool keepsEveryValue(std::uint16_t tag) {
    switch (tag) {
    case TiffDirectory::kBitsPerSampleTag:
    case TiffDirectory::kStripOffsetsTag:
    case TiffDirectory::kStripByteCountsTag:
    case TiffDirectory::kExtraSamplesTag:
    case TiffDirectory::kSampleFormatTag:
        return true;
    default:
        return false;
    }
}

// The `count` values of `valueSize` bytes each from `offset` on; none when any of them
// cannot be read.
std::optional<std::vector<std::uint64_t>> readValues(const TiffDirectory::ByteReader& reader, const ByteOrder& order,
                                                     std::uint64_t offset, std::uint64_t count, int valueSize) {
    if (count > TiffDirectory::kMaximumKeptValues) return std::nullopt;
    const std::uint64_t byteCount = count * std::uint64_t(valueSize);
    if (offset > UINT64_MAX - byteCount) return std::nullopt;
    std::vector<std::uint64_t> values;
    std::vector<unsigned char> bytes;
    for (std::uint64_t first = 0; first < count; first += kValuesPerRead) {
        const std::uint64_t chunk = std::min(kValuesPerRead, count - first);
        bytes.resize(std::size_t(chunk) * std::size_t(valueSize));
        if (!reader(offset + first * std::uint64_t(valueSize), bytes)) return std::nullopt;
        for (std::uint64_t index = 0; index < chunk; ++index) {
            values.push_back(order.decode(&bytes[std::size_t(index) * std::size_t(valueSize)], valueSize));
        }
    }
    return values;
}

}  // namespace

std::optional<TiffDirectory> TiffDirectory::read(const ByteReader& reader) {
    std::array<unsigned char, 16> header{};
    if (!reader(0, std::span(header.data(), 8))) return std::nullopt;

    ByteOrder order;
    if (header[0] == 'I' && header[1] == 'I') {
        order.littleEndian = true;
    } else if (header[0] == 'M' && header[1] == 'M') {
        order.littleEndian = false;
    } else {
        return std::nullopt;
    }

    const std::uint64_t version = order.decode(&header[2], 2);
    const bool bigTiff = version == 43;
    if (version != 42 && !bigTiff) return std::nullopt;

    std::uint64_t directoryOffset = 0;
    if (bigTiff) {
        if (!reader(0, std::span(header.data(), 16))) return std::nullopt;
        directoryOffset = order.decode(&header[8], 8);
    } else {
        directoryOffset = order.decode(&header[4], 4);
    }

    const int countSize = bigTiff ? 8 : 2;
    const int entrySize = bigTiff ? 20 : 12;
    const int inlineSize = bigTiff ? 8 : 4;
    std::array<unsigned char, 8> countBytes{};
    if (!reader(directoryOffset, std::span(countBytes.data(), std::size_t(countSize)))) return std::nullopt;
    const std::uint64_t entryCount = order.decode(countBytes.data(), countSize);
    if (entryCount > kMaximumEntries) return std::nullopt;

    TiffDirectory directory;
    directory.littleEndian_ = order.littleEndian;
    std::array<unsigned char, 20> entry{};
    for (std::uint64_t index = 0; index < entryCount; ++index) {
        const std::uint64_t entryOffset = directoryOffset + std::uint64_t(countSize) + index * std::uint64_t(entrySize);
        if (!reader(entryOffset, std::span(entry.data(), std::size_t(entrySize)))) break;

        const auto tag = std::uint16_t(order.decode(&entry[0], 2));
        const auto type = std::uint16_t(order.decode(&entry[2], 2));
        const std::uint64_t count = order.decode(&entry[4], bigTiff ? 8 : 4);
        directory.present_[tag] = true;

        const int valueSize = integerTypeSize(type);
        if (valueSize == 0 || count == 0) continue;
        const unsigned char* valueField = &entry[bigTiff ? 12 : 8];
        const bool inlineValues = count <= std::uint64_t(inlineSize / valueSize);
        if (inlineValues) {
            directory.integers_[tag] = order.decode(valueField, valueSize);
        } else {
            std::array<unsigned char, 8> value{};
            const std::uint64_t valueOffset = order.decode(valueField, inlineSize);
            if (reader(valueOffset, std::span(value.data(), std::size_t(valueSize)))) {
                directory.integers_[tag] = order.decode(value.data(), valueSize);
            }
        }
        if (!keepsEveryValue(tag)) continue;
        std::optional<std::vector<std::uint64_t>> values;
        if (inlineValues) {
            values.emplace();
            for (std::uint64_t index = 0; index < count; ++index) {
                values->push_back(order.decode(valueField + index * std::uint64_t(valueSize), valueSize));
            }
        } else {
            values = readValues(reader, order, order.decode(valueField, inlineSize), count, valueSize);
        }
        if (values) directory.allIntegers_[tag] = *std::move(values);
    }
    return directory;
}

std::optional<TiffDirectory> TiffDirectory::readExif(std::span<const unsigned char> exif) {
    constexpr unsigned char kExifPrefix[] = {'E', 'x', 'i', 'f', 0, 0};
    if (exif.size() >= sizeof kExifPrefix && std::memcmp(exif.data(), kExifPrefix, sizeof kExifPrefix) == 0) {
        exif = exif.subspan(sizeof kExifPrefix);
    }
    return read([exif](std::uint64_t offset, std::span<unsigned char> buffer) {
        if (offset > exif.size() || buffer.size() > exif.size() - offset) return false;
        std::memcpy(buffer.data(), exif.data() + offset, buffer.size());
        return true;
    });
}

std::optional<TiffDirectory> TiffDirectory::readFile(const std::string& path) {
    RegularFile file;
    if (RegularFile::open(path, file)) return std::nullopt;
    return readFile(file);
}

std::optional<TiffDirectory> TiffDirectory::readFile(const RegularFile& file) {
    return read([&file](std::uint64_t offset, std::span<unsigned char> buffer) {
        return file.readAt(offset, buffer) == buffer.size();
    });
}

std::optional<std::uint64_t> TiffDirectory::integer(std::uint16_t tag) const {
    const auto found = integers_.find(tag);
    if (found == integers_.end()) return std::nullopt;
    return found->second;
}

std::span<const std::uint64_t> TiffDirectory::integers(std::uint16_t tag) const {
    const auto found = allIntegers_.find(tag);
    if (found == allIntegers_.end()) return {};
    return found->second;
}

}  // namespace vlt
