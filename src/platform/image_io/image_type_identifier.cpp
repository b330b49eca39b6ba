#include "platform/image_io/image_type_identifier.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>

namespace vlt {
namespace {

struct KnownType {
    std::string_view identifier;
    // The type it conforms to besides itself; empty when none among the image types.
    std::string_view parent;
};

// The image types the sniffing can answer, plus the HEIF family's other names.
constexpr std::array<KnownType, 13> kKnownTypes = {{
    {"public.jpeg", ""},
    {"public.png", ""},
    {"com.microsoft.bmp", ""},
    {"public.tiff", ""},
    {"public.heic", "public.heif-standard"},
    {"public.heif", "public.heif-standard"},
    {"public.heif-standard", ""},
    {"public.heics", "public.heif-standard"},
    {"public.avif", ""},
    {"com.compuserve.gif", ""},
    {"org.webmproject.webp", ""},
    {"public.jpeg-2000", ""},
    {"com.microsoft.ico", ""},
}};

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

const KnownType* knownType(std::string_view identifier) {
    for (const KnownType& type : kKnownTypes) {
        if (equalsIgnoringCase(type.identifier, identifier)) return &type;
    }
    return nullptr;
}

bool startsWith(std::span<const unsigned char> head, std::initializer_list<unsigned char> magic) {
    return head.size() >= magic.size() && std::equal(magic.begin(), magic.end(), head.begin());
}

std::string_view fourCC(std::span<const unsigned char> head, std::size_t offset) {
    if (head.size() < offset + 4) return {};
    return {reinterpret_cast<const char*>(head.data() + offset), 4};
}

std::uint32_t bigEndian32(std::span<const unsigned char> head, std::size_t offset) {
    return std::uint32_t(head[offset]) << 24 | std::uint32_t(head[offset + 1]) << 16 |
           std::uint32_t(head[offset + 2]) << 8 | std::uint32_t(head[offset + 3]);
}

// An ISO base media file starts with its "ftyp" box: major brand, minor version and
// compatible brands. The major brand decides, then the compatible ones in order.
std::optional<std::string> isoMediaIdentifier(std::span<const unsigned char> head) {
    if (head.size() < 12 || fourCC(head, 4) != "ftyp") return std::nullopt;
    const std::size_t boxSize = std::min<std::size_t>(bigEndian32(head, 0), head.size());
    if (boxSize < 16) return std::nullopt;

    auto classify = [](std::string_view brand) -> std::optional<std::string> {
        if (brand == "heic" || brand == "heix" || brand == "heim" || brand == "heis") {
            return std::string(kHeicTypeIdentifier);
        }
        if (brand == "hevc" || brand == "hevx") return std::string("public.heics");
        if (brand == "mif1" || brand == "msf1" || brand == "heif") return std::string(kHeifTypeIdentifier);
        if (brand == "avif" || brand == "avis") return std::string("public.avif");
        return std::nullopt;
    };
    if (auto type = classify(fourCC(head, 8))) return type;
    for (std::size_t offset = 16; offset + 4 <= boxSize; offset += 4) {
        if (auto type = classify(fourCC(head, offset))) return type;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> sniffImageTypeIdentifier(std::span<const unsigned char> head) {
    if (startsWith(head, {0xFF, 0xD8, 0xFF})) return std::string(kJpegTypeIdentifier);
    if (startsWith(head, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A})) return std::string(kPngTypeIdentifier);
    // A BMP file header: "BM", then a DIB header whose size names one of the known
    // header versions; two letters alone would match plain text.
    if (startsWith(head, {'B', 'M'}) && head.size() >= 18) {
        const std::uint32_t dibSize = std::uint32_t(head[14]) | std::uint32_t(head[15]) << 8 |
                                      std::uint32_t(head[16]) << 16 | std::uint32_t(head[17]) << 24;
        if (dibSize == 12 || dibSize == 16 || dibSize == 40 || dibSize == 52 || dibSize == 56 || dibSize == 64 ||
            dibSize == 108 || dibSize == 124) {
            return std::string(kBmpTypeIdentifier);
        }
    }
    if (startsWith(head, {'I', 'I', 0x2A, 0x00}) || startsWith(head, {'M', 'M', 0x00, 0x2A}) ||
        startsWith(head, {'I', 'I', 0x2B, 0x00}) || startsWith(head, {'M', 'M', 0x00, 0x2B})) {
        return std::string(kTiffTypeIdentifier);
    }
    if (auto iso = isoMediaIdentifier(head)) return iso;
    if (startsWith(head, {'G', 'I', 'F', '8'})) return std::string("com.compuserve.gif");
    if (startsWith(head, {'R', 'I', 'F', 'F'}) && fourCC(head, 8) == "WEBP") return std::string("org.webmproject.webp");
    return std::nullopt;
}

bool isKnownImageTypeIdentifier(std::string_view identifier) { return knownType(identifier) != nullptr; }

bool imageTypeConforms(std::string_view identifier, std::string_view parent) {
    for (const KnownType* type = knownType(identifier); type != nullptr; type = knownType(type->parent)) {
        if (equalsIgnoringCase(type->identifier, parent)) return true;
        if (type->parent.empty()) break;
    }
    return false;
}

}  // namespace vlt
