#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace vlt::testing {

// The bytes of a Mach-O __unwind_info section, laid out as a linker lays them out: the
// header, the common encodings, an empty personality array, the first-level index with
// its sentinel, an empty LSDA array, then the second-level pages one after the other.

struct UnwindInfoFunction {
    // From the image header.
    uint32_t offset;
    uint32_t encoding;
};

enum class UnwindInfoPageKind { Regular, Compressed };

struct UnwindInfoPage {
    UnwindInfoPageKind kind;
    // Sorted by offset. A compressed page's offsets lie less than 2^24 above its first.
    std::vector<UnwindInfoFunction> functions;
    // The first-level entry's function offset; by default the first function's.
    std::optional<uint32_t> index_offset = std::nullopt;
};

struct UnwindInfoTable {
    // Indexed by every compressed page; an encoding not among them goes into the page's
    // own array.
    std::vector<uint32_t> common_encodings;
    std::vector<UnwindInfoPage> pages;
    // The sentinel's function offset: the end of the last function.
    uint32_t end_offset;
};

struct UnwindInfoSection {
    std::vector<uint8_t> bytes;
    // Where each page starts. A regular page's 8-byte entries follow its 8-byte header; a
    // compressed page's 4-byte entries follow its 12-byte header, then its own encodings.
    std::vector<uint32_t> page_offsets;
};

// Throws std::invalid_argument for a table that the format cannot hold.
UnwindInfoSection buildUnwindInfo(const UnwindInfoTable& table);

}  // namespace vlt::testing
