#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vlt {

class RegularFile;

// The first image file directory of a TIFF structure (a TIFF file, or the EXIF block
// of a JPEG or PNG): its tags with their first value when that value is an integer, and
// every value of the few integer tags that describe each sample or each strip.
// Reading is defensive: offsets are checked against the data, nothing is trusted.
class TiffDirectory {
public:
    // Reads count bytes at offset into the buffer; false when they are not there.
    using ByteReader = std::function<bool(std::uint64_t offset, std::span<unsigned char> buffer)>;

    static constexpr std::uint16_t kImageWidthTag = 256;
    static constexpr std::uint16_t kImageLengthTag = 257;
    static constexpr std::uint16_t kBitsPerSampleTag = 258;
    static constexpr std::uint16_t kCompressionTag = 259;
    // The Compression value of pixels stored as they are, and its meaning when absent.
    static constexpr std::uint64_t kNoCompression = 1;
    static constexpr std::uint16_t kPhotometricInterpretationTag = 262;
    static constexpr std::uint16_t kFillOrderTag = 266;
    static constexpr std::uint16_t kStripOffsetsTag = 273;
    static constexpr std::uint16_t kOrientationTag = 274;
    static constexpr std::uint16_t kSamplesPerPixelTag = 277;
    static constexpr std::uint16_t kRowsPerStripTag = 278;
    static constexpr std::uint16_t kStripByteCountsTag = 279;
    static constexpr std::uint16_t kPlanarConfigurationTag = 284;
    static constexpr std::uint16_t kPredictorTag = 317;
    static constexpr std::uint16_t kTileWidthTag = 322;
    static constexpr std::uint16_t kTileLengthTag = 323;
    static constexpr std::uint16_t kExtraSamplesTag = 338;
    static constexpr std::uint16_t kSampleFormatTag = 339;

    // A tag keeps at most this many values; one with more keeps its first alone.
    static constexpr std::uint64_t kMaximumKeptValues = std::uint64_t(1) << 22;

    static std::optional<TiffDirectory> read(const ByteReader& reader);
    // An EXIF block, with or without its leading "Exif\0\0".
    static std::optional<TiffDirectory> readExif(std::span<const unsigned char> exif);
    // None for anything but a regular file (never waits on a pipe).
    static std::optional<TiffDirectory> readFile(const std::string& path);
    static std::optional<TiffDirectory> readFile(const RegularFile& file);

    bool contains(std::uint16_t tag) const { return present_.count(tag) != 0; }
    // The first value of an integer-typed tag; none when absent or not an integer.
    std::optional<std::uint64_t> integer(std::uint16_t tag) const;
    // Every value of BitsPerSample, StripOffsets, StripByteCounts, ExtraSamples or
    // SampleFormat; empty when the tag is absent, not an integer, or not all its values
    // could be read.
    std::span<const std::uint64_t> integers(std::uint16_t tag) const;
    // The byte order of the structure's own numbers.
    bool isLittleEndian() const { return littleEndian_; }

private:
    std::map<std::uint16_t, bool> present_;
    std::map<std::uint16_t, std::uint64_t> integers_;
    std::map<std::uint16_t, std::vector<std::uint64_t>> allIntegers_;
    bool littleEndian_ = true;
};

}  // namespace vlt
